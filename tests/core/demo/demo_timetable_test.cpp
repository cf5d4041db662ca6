#include "core/demo/demo_timetable.h"

#include <gtest/gtest.h>

#include "core/files/file_ops.h"
#include "core/notes/mates.h"
#include "core/notes/note_files.h"
#include "core/timetable/lesson_rules.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

struct DemoCase {
    const char* Name;
    Date Today;
    bool MondayFirst;
};

class DemoTimetableTest : public TimetableTest, public ::testing::WithParamInterface<DemoCase> {
protected:
    // Makes the demo for `today` and opens it as the run command does.
    void OpenDemo(const DemoCase& demo) {
        ASSERT_TRUE(MakeDemoTimetable(folder.Path(), demo.Today));
        platform.TodayDate = demo.Today;
        platform.Settings["Mandag"] = demo.MondayFirst ? "1" : "0";
        ConstructMainWindow(ctx, folder.Path());
        FirstShow(ctx, {kDemoUserName});
    }
    int GreenCells() const {
        int green = 0;
        for (const auto& day : ctx.view.Days)
            for (const auto& cell : day.Cells) green += cell.TextColor == kGreen ? 1 : 0;
        return green;
    }
};

TEST_P(DemoTimetableTest, TheFirstLookShowsAFilledWeek) {
    const DemoCase& demo = GetParam();
    OpenDemo(demo);
    ASSERT_TRUE(IsTimetableOpen(ctx));
    EXPECT_EQ(ctx.view.Title, "Emma.dfd");
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Caption.find("Danish") != std::string::npos, true)
        << ctx.view.Days[0].Cells[0].Caption;
    // Days start at different times.
    EXPECT_EQ(ctx.state.Days[0].StartTime, 800);
    EXPECT_EQ(ctx.state.Days[1].StartTime, 850);
    EXPECT_EQ(ctx.state.Days[3].StartTime, 940);
    EXPECT_EQ(ctx.state.Days[2].Room[2], "Lab 2");
    EXPECT_EQ(ctx.state.Days[2].Teacher[2], "Nielsen");
    // Homework (one with a shortcut) turns four lessons green.
    EXPECT_EQ(GreenCells(), 4);
    EXPECT_EQ(ctx.state.Homework[3][0].Shortcuts.size(), 1u);
    EXPECT_TRUE(FileExists(ctx.state.Homework[3][0].Shortcuts[0]));
    EXPECT_NE(ctx.view.NotesText.find("swimming"), std::string::npos);
    // Mates, the school and a teacher card are in the user's folder.
    const std::string user = UserFolder(ctx.state);
    EXPECT_EQ(MateNames(ReadLines(MatesFilePath(user, UserName(ctx.state)))).size(), 3u);
    EXPECT_EQ(ReadLines(SchoolFilePath(ctx.state)).at(0), "Odense Friskole");
    EXPECT_EQ(ReadLines(TeacherFilePath(user, "Maths")).at(0), "Anna Berg");
    EXPECT_TRUE(FileExists(LinkFilePath(user, "Science")));
}

TEST_P(DemoTimetableTest, ASecondPeriodBeganAFewWeeksBack) {
    const DemoCase& demo = GetParam();
    OpenDemo(demo);
    EXPECT_EQ(ctx.state.Periods.Count, 2);
    const Date earlier = AddDays(demo.Today, -6 * 7);
    Select(earlier.Year, earlier.Month, earlier.Day);
    EXPECT_EQ(ctx.state.Days[1].StartTime, 800);
    EXPECT_EQ(ctx.state.Days[3].Subject[2], "PE");
    EXPECT_EQ(GreenCells(), 0);
}

TEST_P(DemoTimetableTest, HolidaysShowInTheCalendar) {
    const DemoCase& demo = GetParam();
    OpenDemo(demo);
    const Date monday = DateOfDayNumber(MondayOf(demo.Today));
    const Date friday = AddDays(monday, 4);
    Select(friday.Year, friday.Month, friday.Day);
    EXPECT_EQ(ctx.view.Days[4].Holiday.Caption, "Sports day");
    const Date holiday = AddDays(monday, 22);
    Select(holiday.Year, holiday.Month, holiday.Day);
    const std::string name = ctx.view.Days[0].Holiday.Caption;
    EXPECT_NE(name.find(" holiday"), std::string::npos) << name;
    for (int d = 1; d < kDays; ++d) EXPECT_EQ(ctx.view.Days[d].Holiday.Caption, name);
}

INSTANTIATE_TEST_SUITE_P(Days, DemoTimetableTest,
                         ::testing::Values(DemoCase{"Wednesday", {2026, 12, 9}, false},
                                           DemoCase{"WednesdayMondayFirst", {2026, 12, 9}, true},
                                           DemoCase{"MondayAtNewYear", {2024, 1, 1}, true},
                                           DemoCase{"SaturdaySundayFirst", {2025, 3, 1}, false},
                                           DemoCase{"SundayMondayFirst", {2025, 3, 2}, true},
                                           DemoCase{"SundaySundayFirst", {2025, 3, 2}, false},
                                           DemoCase{"FridayEndOfYear", {2027, 12, 31}, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DemoTimetable, NoNameHoldsWhatTheFieldsRefuse) {
    TempFolder folder;
    const std::string data = folder / "demo/";
    ASSERT_TRUE(MakeDemoTimetable(data, {2026, 12, 9}));
    const std::string user = data + kDemoUserName + "/";
    std::vector<std::string> names = {kDemoUserName};
    for (const std::string& file : {data + kDemoUserName + ".dfd", user + "S1.dfd"}) {
        const auto lines = ReadLines(file);
        for (int d = 0; d < kDays; ++d)
            for (int j = 0; j < kLessons; ++j) names.push_back(lines.at(37 * d + 3 * j + 1));
    }
    const auto list = ReadLines(user + "fagl.txt");
    for (std::size_t i = 0; i < list.size(); i += 3) names.push_back(list[i]);
    for (const auto& name : names) {
        const auto typed = WithoutTypedRefusedCharacters("", name);
        EXPECT_EQ(typed.Refused, "") << name;
    }
}

TEST(DemoTimetable, IsMadeOnceAndKeptAfterThat) {
    TempFolder folder;
    const std::string data = folder / "demo/";
    ASSERT_TRUE(MakeDemoTimetable(data, {2026, 12, 9}));
    WriteLines(data + "Emma/fratil.dfd", {"20000"});
    EXPECT_FALSE(MakeDemoTimetable(data, {2027, 1, 20}));
    EXPECT_EQ(ReadLines(data + "Emma/fratil.dfd"), std::vector<std::string>{"20000"});
}

}  // namespace
}  // namespace skemora::test
