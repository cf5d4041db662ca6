// The benchmarks' data folder is what the program reads as ten school years of one pupil: 80
// periods in order with their lessons, a homework and a notes file for every school week, a
// holiday in ten months of each year, 200 link and teacher files, 40 school mates, and nothing
// in it changed lately.
#include "bench_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>

#include "app/state/app_context.h"
#include "app/window/navigation.h"
#include "app/window/startup.h"
#include "core/files/text_file.h"
#include "core/holidays/holiday_tables.h"
#include "core/notes/contact_card.h"
#include "core/notes/mates.h"
#include "core/notes/note_files.h"
#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"

namespace skemora::bench {
namespace {

class BenchDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { data_ = new BenchData(); }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    static BenchData* data_;
};
BenchData* BenchDataTest::data_ = nullptr;

TEST_F(BenchDataTest, TheProgramShowsEachPeriodsLessonsInItsWeeks) {
    FakeDialogs dialogs;
    FakePlatform platform;
    platform.TodayDate = {2024, 5, 22};
    AppContext ctx{dialogs, platform};
    ConstructMainWindow(ctx, data_->Path());
    FirstShow(ctx, {kPupil});
    ASSERT_EQ(ctx.view.Title, std::string(kPupil) + ".dfd");
    EXPECT_TRUE(dialogs.Errors.empty());
    ASSERT_EQ(ctx.state.Periods.Count, kPeriods);
    for (int k : {0, 1, 40, 79}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ctx.state.Periods.Entries[static_cast<std::size_t>(k)].Start, PeriodStart(k));
        const Date wednesday = DateOfDayNumber(PeriodStart(k) + 2);
        EXPECT_EQ(MondayOf(wednesday), PeriodStart(k));
        SelectDate(ctx, wednesday.Year, wednesday.Month, wednesday.Day);
        EXPECT_EQ(ctx.state.Saving.LoadedPeriod, k);
        const DayRecords expected = PeriodDays(k);
        for (int d = 0; d < kDays; ++d)
            EXPECT_EQ(ctx.state.Days[d].Subject, expected[static_cast<std::size_t>(d)].Subject);
        // Every school week shows homework, one lesson a day, and notes.
        int withHomework = 0;
        for (const auto& day : ctx.state.Homework)
            for (const auto& lesson : day) withHomework += lesson.HasHomework() ? 1 : 0;
        EXPECT_EQ(withHomework, kDays);
        EXPECT_FALSE(ctx.view.NotesText.empty());
    }
    // The subjects of five grades, 20 each, from the lessons into the subject list.
    EXPECT_EQ(ctx.state.SubjectList.size(), 3u * kNoteSubjects);
}

TEST_F(BenchDataTest, TenSchoolYearsOfWeekFilesAndHolidays) {
    std::map<int, int> homeworkWeeks, notesWeeks;  // by the year a school year starts in
    int links = 0, teachers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data_->UserFolder())) {
        std::string name = entry.path().filename().string();
        const bool notes = !name.empty() && name.back() == 'z';
        if (notes) name.back() = 'f';  // the notes file of the week file's name
        if (const auto week = WeekOfWeekFileName(name)) {
            const int schoolYear = week->Week >= 32 ? week->Year : week->Year - 1;
            ++(notes ? notesWeeks : homeworkWeeks)[schoolYear];
        } else if (entry.path().extension() == ".lin") {
            ++links;
            EXPECT_EQ(ReadLines(entry.path().string()).size(), 3u);
        } else if (entry.path().extension() == ".lae") {
            ++teachers;
            EXPECT_FALSE(ContactCardFromLines(ReadLines(entry.path().string())).Fields[0].empty());
        }
    }
    EXPECT_EQ(homeworkWeeks.size(), 10u);
    for (const auto& [year, weeks] : homeworkWeeks) {
        SCOPED_TRACE(year);
        EXPECT_GE(weeks, 44);
        EXPECT_EQ(notesWeeks[year], weeks);
    }
    EXPECT_EQ(links + teachers, 200);
    EXPECT_EQ(links, teachers);
    // Art/Design keeps its notes under a name with a hyphen.
    EXPECT_TRUE(std::filesystem::exists(LinkFilePath(data_->UserFolder(), "Art/Design 7")));

    for (int year = 2017; year <= 2025; ++year) {
        int months = 0;
        for (int month = 1; month <= 12; ++month) {
            const feriedage table = ReadHolidayMonth(data_->Path() + HolidayFileName(year, month));
            for (int day = 1; day <= 31; ++day) {
                if (IsHoliday(table, day)) {
                    ++months;
                    break;
                }
            }
        }
        EXPECT_EQ(months, 10) << year;
    }
}

TEST_F(BenchDataTest, FortyMatesAndTheSchool) {
    const auto mates = ReadLines(MatesFilePath(data_->UserFolder(), kPupil));
    EXPECT_EQ(MateNames(mates).size(), static_cast<std::size_t>(kMates));
    EXPECT_EQ(mates.size(), 7u * kMates);
    EXPECT_EQ(ReadLines(data_->UserFolder() + kSchoolFileName).size(), 7u);
}

TEST_F(BenchDataTest, NothingChangedLately) {
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    EXPECT_LT(std::filesystem::last_write_time(data_->Path()), hourAgo);
    EXPECT_LT(std::filesystem::last_write_time(data_->UserFolder()), hourAgo);
    EXPECT_LT(std::filesystem::last_write_time(data_->MainFile()), hourAgo);
}

TEST_F(BenchDataTest, RestoringPeriodsLeavesNoLessonFileBeyondThem) {
    const std::string user = data_->UserFolder();
    data_->RestorePeriods(kMaxStoredPeriods);
    EXPECT_TRUE(std::filesystem::exists(user + PeriodFileName(80)));
    EXPECT_EQ(ReadLines(user + kPeriodListFileName).size(), 81u);
    data_->RestorePeriods(kPeriods);
    EXPECT_FALSE(std::filesystem::exists(user + PeriodFileName(80)));
    EXPECT_EQ(ReadLines(user + kPeriodListFileName).size(), 80u);
}

TEST(BenchDataFolderTest, AFolderMadeElsewhereIsLeftInPlace) {
    const std::string path = std::filesystem::temp_directory_path().string() + "/skemora-kept";
    std::filesystem::create_directory(path);
    { BenchData taken(path); EXPECT_EQ(taken.Path(), path + "/"); }
    EXPECT_TRUE(std::filesystem::exists(path));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace skemora::bench
