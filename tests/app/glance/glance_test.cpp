// The glance at a day, on real time-table folders: lessons with their times, the one under way
// and the next, holidays, weekends, a period that begins that day, homework and documents.
#include "app/glance/glance.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/glance/glance_text.h"
#include "core/files/text_file.h"
#include "core/language/texts.h"
#include "support/fake_platform.h"
#include "support/lesson_files.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

using Lines = std::vector<std::string>;

// Monday 7 December 2026 begins week 50.
const Date kMonday{2026, 12, 7};

int Minutes(int hours, int minutes) {
    return hours * 60 + minutes;
}

// Day d's lessons 0..2 are `prefix` + d + j in room R + j with teacher T + d; Wednesday starts
// at 09:00, the other days at 08:00.
Lines Lessons(const std::string& prefix) {
    LessonFileLayout layout;
    layout.StartTimes = {800, 800, 900, 800, 800};
    layout.Lesson = [prefix](int day, int lesson) {
        if (lesson > 2) return LessonEntry{};
        return LessonEntry{prefix + std::to_string(day) + std::to_string(lesson),
                           "R" + std::to_string(lesson), "T" + std::to_string(day)};
    };
    return LessonFileLines(layout);
}

class GlanceTest : public ::testing::Test {
protected:
    TempFolder folder;

    std::string User() const { return folder / "Peter/"; }

    void SetUp() override {
        std::filesystem::create_directories(User());
        WriteLines(folder / "Peter.dfd", Lessons("S"));
        WriteLines(User() + "fratil.dfd", {std::to_string(DayNumber(2026, 8, 10))});
    }

    Glance At(Date today, int now) {
        return TakeGlance({folder.Path(), "Peter.dfd", today, now, false});
    }

    static std::vector<std::string> Subjects(const GlanceDay& day) {
        std::vector<std::string> subjects;
        for (const auto& lesson : day.Lessons) subjects.push_back(lesson.Subject);
        return subjects;
    }
};

struct DayCase {
    const char* Name;
    Date Today;
    int Now;
    DayKind Kind;
    Lines TodaySubjects;
    const char* Current;  // "" for none
    const char* Next;
    const char* Summary;
};

class GlanceDayTest : public GlanceTest, public ::testing::WithParamInterface<DayCase> {
protected:
    void SetUp() override {
        GlanceTest::SetUp();
        // A new period from Monday 7 December; Thursday 10 December is a holiday.
        WriteLines(User() + "fratil.dfd", {std::to_string(DayNumber(2026, 8, 10)),
                                           std::to_string(DayNumber(2026, 12, 7))});
        WriteLines(User() + "S1.dfd", Lessons("N"));
        WriteLines(folder / "a202612.dfg", {"9", "clGreen", "Sports day"});
    }
};

TEST_P(GlanceDayTest, TheDayShowsItsLessonsAndWhatIsNowAndNext) {
    const DayCase& c = GetParam();
    const Glance glance = At(c.Today, c.Now);
    EXPECT_EQ(glance.Today.Kind, c.Kind);
    EXPECT_EQ(Subjects(glance.Today), c.TodaySubjects);
    const auto name = [&](const std::optional<std::size_t>& k) {
        return k ? glance.Today.Lessons.at(*k).Subject : std::string();
    };
    EXPECT_EQ(name(glance.Current), c.Current);
    EXPECT_EQ(name(glance.Next), c.Next);
    EXPECT_EQ(GlanceSummary(glance, MessageTextsFor(kEnglish)), c.Summary);
    EXPECT_TRUE(glance.Unreadable.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Days, GlanceDayTest,
    ::testing::Values(
        DayCase{"BeforeSchool", {2026, 12, 9}, Minutes(7, 30), DayKind::SchoolDay,
                {"N20", "N21", "N22"}, "", "N20",
                "Next: 09:00–09:45 N20, room R0, teacher T2"},
        DayCase{"DuringTheFirstLesson", {2026, 12, 9}, Minutes(9, 0), DayKind::SchoolDay,
                {"N20", "N21", "N22"}, "N20", "N21",
                "Now: 09:00–09:45 N20, room R0, teacher T2"},
        DayCase{"InTheBreak", {2026, 12, 9}, Minutes(9, 47), DayKind::SchoolDay,
                {"N20", "N21", "N22"}, "", "N21",
                "Next: 09:50–10:35 N21, room R1, teacher T2"},
        DayCase{"LastLessonOver", {2026, 12, 9}, Minutes(11, 25), DayKind::SchoolDay,
                {"N20", "N21", "N22"}, "", "", "No more lessons today."},
        DayCase{"Holiday", {2026, 12, 10}, Minutes(9, 0), DayKind::Holiday, {}, "", "",
                "Sports day: no lessons today."},
        DayCase{"Saturday", {2026, 12, 12}, Minutes(9, 0), DayKind::Weekend, {}, "", "",
                "Weekend: no lessons today."},
        DayCase{"Sunday", {2026, 12, 13}, Minutes(9, 0), DayKind::Weekend, {}, "", "",
                "Weekend: no lessons today."},
        DayCase{"TheMondayANewPeriodBegins", kMonday, Minutes(8, 10), DayKind::SchoolDay,
                {"N00", "N01", "N02"}, "N00", "N01",
                "Now: 08:00–08:45 N00, room R0, teacher T0"},
        DayCase{"TheFridayBefore", {2026, 12, 4}, Minutes(8, 10), DayKind::SchoolDay,
                {"S40", "S41", "S42"}, "S40", "S41",
                "Now: 08:00–08:45 S40, room R0, teacher T4"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GlanceTest, LessonTimesOfTheTimetableGiveTheSpans) {
    Lines times(24, "60");
    for (int k = 12; k < 24; ++k) times[static_cast<std::size_t>(k)] = "15";
    WriteLines(User() + "lektider.dfd", times);
    const Glance glance = At({2026, 12, 9}, Minutes(10, 0));
    ASSERT_EQ(glance.Today.Lessons.size(), 3u);
    EXPECT_EQ(glance.Today.Lessons[1].Start, Minutes(10, 15));
    EXPECT_EQ(glance.Today.Lessons[1].End, Minutes(11, 15));
    EXPECT_FALSE(glance.Current);
    EXPECT_EQ(glance.Next, 1u);
}

TEST_F(GlanceTest, HomeworkOfTodayAndTomorrowAndTheUpcomingDocumentsAreShown) {
    // Week 50: Wednesday's lesson 2 and Thursday's lesson 1.
    WriteLines(User() + "a202650.dff", {"3", "2", "1", "Read page 4", "0",  //
                                        "4", "1", "1", "Essay", "1", "/d/essay.odt"});
    WriteLines(User() + "lek.flk",
               {std::to_string(DayNumber(2026, 12, 1)), "S00", "/d/old.odt",
                std::to_string(DayNumber(2026, 12, 10)), "S30", "/d/essay.odt"});
    const Glance glance = At({2026, 12, 9}, Minutes(9, 0));
    EXPECT_EQ(glance.Today.Lessons.at(1).Homework, Lines{"Read page 4"});
    EXPECT_EQ(glance.Tomorrow.Lessons.at(0).Homework, Lines{"Essay"});
    EXPECT_EQ(glance.Tomorrow.Lessons.at(0).Shortcuts, Lines{"/d/essay.odt"});
    ASSERT_EQ(glance.Documents.size(), 1u);
    EXPECT_EQ(glance.Documents[0].Path, "/d/essay.odt");
    EXPECT_EQ(glance.Documents[0].LessonDate, (Date{2026, 12, 10}));
}

TEST_F(GlanceTest, DamagedFilesAreNamedAndTheRestIsShownWithoutAnythingWritten) {
    WriteLines(User() + "a202650.dff", {"x", "2", "1", "a", "0"});
    WriteLines(User() + "lek.flk", {"soon", "S00", "/d/a.odt"});
    WriteLines(User() + "lektider.dfd", {"45", "ten"});
    const Snapshot before = FilesUnder(folder.Path());
    const Glance glance = At({2026, 12, 9}, Minutes(9, 0));
    EXPECT_EQ(Subjects(glance.Today), (Lines{"S20", "S21", "S22"}));
    EXPECT_EQ(glance.Unreadable,
              (Lines{User() + "lektider.dfd", User() + "a202650.dff", User() + "lek.flk"}));
    EXPECT_EQ(FilesUnder(folder.Path()), before);
}

TEST_F(GlanceTest, TheTimetableIsTheNamedOneOrTheOneUsedLast) {
    std::filesystem::create_directories(folder / "Anna");
    WriteLines(folder / "Anna.dfd", Lessons("A"));
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* path : {"Anna", "Anna.dfd"}) std::filesystem::last_write_time(folder / path, old);
    EXPECT_EQ(GlanceTimetable(folder.Path(), ""), "Peter.dfd");
    WriteLines(folder / "Anna/fagl.txt", {"a save"});
    EXPECT_EQ(GlanceTimetable(folder.Path(), ""), "Anna.dfd");
    EXPECT_EQ(GlanceTimetable(folder.Path(), "Peter"), "Peter.dfd");
    EXPECT_EQ(GlanceTimetable(folder.Path(), "Nobody"), std::nullopt);
}

TEST(GlanceJsonTest, TextsAreEscaped) {
    Glance glance;
    glance.Timetable = "Peter.dfd";
    glance.Today.Day = {2026, 12, 9};
    glance.Tomorrow.Day = {2026, 12, 10};
    glance.Today.Lessons.push_back({0, 480, 525, "Say \"hi\"\\", "R\t1", "T", {"a\nb"}, {}});
    glance.Next = 0;
    const std::string json =
        GlanceJson(glance, MessageTextsFor(kEnglish), FakePlatform().LocaleNames());
    EXPECT_NE(json.find("\"subject\":\"Say \\\"hi\\\"\\\\\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"room\":\"R\\u00091\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"homework\":[\"a\\u000ab\"]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"next\":0,"), std::string::npos) << json;
}

}  // namespace
}  // namespace skemora::test
