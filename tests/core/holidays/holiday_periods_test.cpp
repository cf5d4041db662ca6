#include "core/holidays/holiday_periods.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace skemora::test {
namespace {

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<int> MarkedDays(const feriedage& table) {
    std::vector<int> days;
    for (int day = 1; day <= 31; ++day) {
        if (IsHoliday(table, day)) days.push_back(day);
    }
    return days;
}

struct Question {
    Date Day;
    std::string MarkName;
};

// A data folder of month files with the period applied through it; answers to the taken-day
// question come from a script, in order.
class HolidayPeriodTest : public ::testing::Test {
protected:
    std::string File(int year, int month) const { return folder / HolidayFileName(year, month); }
    feriedage Month(int year, int month) const { return ReadHolidayMonth(File(year, month)); }

    ApplyOutcome Apply(const HolidayPeriod& period, std::vector<TakenAnswer> answers = {}) {
        std::size_t next = 0;
        return ApplyHolidayPeriod(
            period, [this](int year, int month) { return Month(year, month); },
            [&](const Date& day, const std::string& markName) {
                questions.push_back({day, markName});
                return next < answers.size() ? answers[next++] : TakenAnswer::Overwrite;
            },
            [this](int year, int month, const std::vector<std::string>& lines) {
                written.push_back(HolidayFileName(year, month));
                WriteBytes(File(year, month), JoinCrLf(lines));
            });
    }

    TempFolder folder;
    std::vector<Question> questions;
    std::vector<std::string> written;
};

TEST_F(HolidayPeriodTest, ChristmasMarksWeekdaysAcrossTheTurnOfTheYear) {
    EXPECT_EQ(Apply({{2002, 12, 20}, {2003, 1, 3}, "Christmas", "clRed"}), ApplyOutcome::Finished);
    EXPECT_EQ(written, (std::vector<std::string>{"a200212.dfg", "a200301.dfg"}));
    EXPECT_EQ(MarkedDays(Month(2002, 12)), (std::vector<int>{20, 23, 24, 25, 26, 27, 30, 31}));
    EXPECT_EQ(ReadBytes(File(2003, 1)), CrLf({"0", "clRed", "Christmas", "1", "clRed", "Christmas",
                                              "2", "clRed", "Christmas"}));
    EXPECT_TRUE(questions.empty());
}

TEST_F(HolidayPeriodTest, SingleSaturdayMarksNothingButWritesTheMonth) {
    WriteBytes(File(2002, 12), CrLf({"2", "clAqua", "Old"}));
    EXPECT_EQ(Apply({{2002, 12, 7}, {2002, 12, 7}, "Weekend", "clRed"}), ApplyOutcome::Finished);
    EXPECT_EQ(written, (std::vector<std::string>{"a200212.dfg"}));
    EXPECT_EQ(ReadBytes(File(2002, 12)), CrLf({"2", "clAqua", "Old"}));
}

TEST_F(HolidayPeriodTest, ToDateBeforeFromDateOnlyRewritesTheFromMonth) {
    EXPECT_EQ(Apply({{2002, 12, 20}, {2002, 12, 1}, "Back", "clRed"}), ApplyOutcome::Finished);
    EXPECT_EQ(written, (std::vector<std::string>{"a200212.dfg"}));
    EXPECT_TRUE(std::filesystem::exists(File(2002, 12)));
    EXPECT_EQ(ReadBytes(File(2002, 12)), "");
    // A to-date before 1970 has day number -1: the same.
    written.clear();
    EXPECT_EQ(Apply({{2002, 12, 20}, {1969, 12, 31}, "Back", "clRed"}), ApplyOutcome::Finished);
    EXPECT_EQ(written, (std::vector<std::string>{"a200212.dfg"}));
}

TEST_F(HolidayPeriodTest, FromDateBefore1970IsRefusedAndTouchesNothing) {
    EXPECT_TRUE(HolidayStartRefused({1969, 12, 31}));
    EXPECT_FALSE(HolidayStartRefused({1970, 1, 1}));
    EXPECT_EQ(Apply({{1969, 12, 29}, {1970, 1, 2}, "Old", "clRed"}),
              ApplyOutcome::RefusedBefore1970);
    EXPECT_TRUE(written.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(HolidayPeriodTest, NoKeepsThatDaysMarkAndOthersTakeTheNewOne) {
    // 23 to 27 December 2002 is Monday to Friday; the old marks include a foreign Sunday one.
    WriteBytes(File(2002, 12), CrLf({"21", "clAqua", "Sat", "22", "clGreen", "Old 23", "23",
                                     "clGreen", "Old 24", "25", "clLime", "Old 26"}));
    EXPECT_EQ(Apply({{2002, 12, 21}, {2002, 12, 27}, "Christmas", "clRed"},
                    {TakenAnswer::Overwrite, TakenAnswer::Keep, TakenAnswer::Overwrite}),
              ApplyOutcome::Finished);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0].Day, (Date{2002, 12, 23}));
    EXPECT_EQ(questions[0].MarkName, "Old 23");
    EXPECT_EQ(questions[1].Day, (Date{2002, 12, 24}));
    EXPECT_EQ(questions[2].MarkName, "Old 26");

    const feriedage december = Month(2002, 12);
    EXPECT_EQ(MarkedDays(december), (std::vector<int>{22, 23, 24, 25, 26, 27}));
    EXPECT_EQ(december.Names[21], "Sat");
    EXPECT_EQ(december.Names[22], "Christmas");
    EXPECT_EQ(december.Names[23], "Old 24");
    EXPECT_EQ(december.Colours[23], "clGreen");
    EXPECT_EQ(december.Names[25], "Christmas");
    EXPECT_EQ(december.Colours[25], "clRed");
}

TEST_F(HolidayPeriodTest, CancelStopsAndLeavesTheMonthInProgressUnwritten) {
    const std::string january = CrLf({"1", "clGreen", "Taken"});
    WriteBytes(File(2003, 1), january);
    EXPECT_EQ(Apply({{2002, 12, 30}, {2003, 1, 31}, "Winter", "clPurple"}, {TakenAnswer::Cancel}),
              ApplyOutcome::Cancelled);
    EXPECT_EQ(written, (std::vector<std::string>{"a200212.dfg"}));
    EXPECT_EQ(MarkedDays(Month(2002, 12)), (std::vector<int>{30, 31}));
    EXPECT_EQ(ReadBytes(File(2003, 1)), january);
    EXPECT_FALSE(std::filesystem::exists(File(2003, 2)));
}

TEST_F(HolidayPeriodTest, EmptyNameIsAMarkWithAnEmptyNameLine) {
    Apply({{2003, 1, 6}, {2003, 1, 6}, "", "clYellow"});
    EXPECT_EQ(ReadBytes(File(2003, 1)), CrLf({"5", "clYellow", ""}));
    EXPECT_TRUE(IsHoliday(Month(2003, 1), 6));
}

struct MonthsCase {
    const char* Name;
    Date From;
    Date To;
    std::vector<HolidayMonthSpan> Months;
};

class HolidayPeriodMonthsTest : public ::testing::TestWithParam<MonthsCase> {};

TEST_P(HolidayPeriodMonthsTest, VisitsTheDaysOfEachMonth) {
    EXPECT_EQ(HolidayPeriodMonths(GetParam().From, GetParam().To), GetParam().Months);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, HolidayPeriodMonthsTest,
    ::testing::Values(
        MonthsCase{"OneDay", {2002, 12, 7}, {2002, 12, 7}, {{2002, 12, 7, 7}}},
        MonthsCase{"EndsOnTheLastDay", {2003, 1, 30}, {2003, 1, 31}, {{2003, 1, 30, 31}}},
        MonthsCase{
            "AcrossTheYear", {2002, 12, 20}, {2003, 1, 3}, {{2002, 12, 20, 31}, {2003, 1, 1, 3}}},
        MonthsCase{"LeapFebruary",
                   {2004, 1, 31},
                   {2004, 3, 1},
                   {{2004, 1, 31, 31}, {2004, 2, 1, 29}, {2004, 3, 1, 1}}},
        MonthsCase{"Backwards", {2002, 12, 20}, {2002, 12, 19}, {{2002, 12, 20, 19}}},
        MonthsCase{"NoRealFromDate", {2002, 2, 30}, {2002, 3, 5}, {}},
        MonthsCase{"NoFromMonth", {2002, 13, 1}, {2003, 3, 5}, {}}),
    [](const auto& info) { return info.param.Name; });

TEST(HolidayMonthLinesTest, RoundTripsThroughTheReader) {
    test::TempFolder folder;
    feriedage table;
    for (int day : {1, 15, 31}) {
        table.Flags[static_cast<std::size_t>(day - 1)] = 1;
        table.Colours[static_cast<std::size_t>(day - 1)] = "clMaroon";
        table.Names[static_cast<std::size_t>(day - 1)] = "Day " + std::to_string(day);
    }
    table.Names[14] = "Påske";
    table.Colours[3] = "stale text of an unmarked day";
    const auto lines = HolidayMonthLines(table);
    EXPECT_EQ(lines, (std::vector<std::string>{"0", "clMaroon", "Day 1", "14", "clMaroon", "Påske",
                                               "30", "clMaroon", "Day 31"}));
    WriteBytes(folder / "a200301.dfg", JoinCrLf(lines));
    const feriedage back = ReadHolidayMonth(folder / "a200301.dfg");
    EXPECT_EQ(back.Flags, table.Flags);
    EXPECT_EQ(back.Names, table.Names);
    EXPECT_EQ(HolidayMonthLines(back), lines);
}

TEST(HolidayMonthLinesTest, LineBreakInANameCannotShiftTheGroups) {
    feriedage table;
    table.Flags[0] = 1;
    table.Colours[0] = "clRed";
    table.Names[0] = "Two\r\nlines";
    EXPECT_EQ(HolidayMonthLines(table), (std::vector<std::string>{"0", "clRed", "Two  lines"}));
}

feriedage ThreeDayPeriod() {
    feriedage table;
    for (int index : {1, 2, 3}) {
        table.Flags[static_cast<std::size_t>(index)] = 1;
        table.Colours[static_cast<std::size_t>(index)] = "clLime";
        table.Names[static_cast<std::size_t>(index)] = "Winter";
    }
    return table;
}

TEST(DeleteHolidayMarkTest, RemovesOnlyThatDay) {
    const MonthFileChange change = DeleteHolidayMark(ThreeDayPeriod(), 3);
    EXPECT_EQ(change.Action, MonthFileAction::Write);
    EXPECT_EQ(change.Lines,
              (std::vector<std::string>{"1", "clLime", "Winter", "3", "clLime", "Winter"}));
}

TEST(DeleteHolidayMarkTest, LastMarkRemovesTheFileAndUnmarkedDayChangesNothing) {
    feriedage table;
    table.Flags[9] = 1;
    table.Names[9] = "Only";
    EXPECT_EQ(DeleteHolidayMark(table, 10).Action, MonthFileAction::Remove);
    EXPECT_EQ(DeleteHolidayMark(table, 11).Action, MonthFileAction::Keep);
    EXPECT_EQ(DeleteHolidayMark(table, 0).Action, MonthFileAction::Keep);
    EXPECT_EQ(DeleteHolidayMark(table, 32).Action, MonthFileAction::Keep);
}

TEST(HolidayQuestionTextTest, JoinsTheTextsWithTheNames) {
    EXPECT_EQ(HolidayTakenTitle("Holiday already used!", "Christmas"),
              "Holiday already used! = Christmas");
    EXPECT_EQ(DeleteHolidayMessage("Slet", "Påske"), "Slet Påske?");
    EXPECT_EQ(DeleteHolidayMessage("Delete", ""), "Delete ?");
}

}  // namespace
}  // namespace skemora::test
