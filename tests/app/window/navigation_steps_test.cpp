#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/window/navigation.h"
#include "core/calendar/calendar.h"

// The dates the navigation steps lead to, worked out on a state held in memory: no window, no
// data folder, no file.
namespace skemora::test {
namespace {

using StepFunction = std::optional<Date> (*)(const MainState&, int);

struct Step {
    const char* Name;
    Date From;
    bool SundayFirst;
    StepFunction Function;
    int Argument;  // the delta, or the week number
    std::optional<Date> To;
};

class StepTest : public ::testing::TestWithParam<Step> {};

TEST_P(StepTest, LeadsToTheExpectedDate) {
    const Step& step = GetParam();
    MainState state;
    state.SelYear = static_cast<std::uint16_t>(step.From.Year);
    state.SelMonth = static_cast<std::uint16_t>(step.From.Month);
    state.SelDay = static_cast<std::uint16_t>(step.From.Day);
    state.SundayFirst = step.SundayFirst;
    EXPECT_EQ(step.Function(state, step.Argument), step.To);
}

constexpr std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Steps, StepTest,
    ::testing::Values(
        Step{"YearBackFrom29February", {2004, 2, 29}, false, YearStepDate, -1, Date{2003, 2, 28}},
        Step{"YearOnIntoWeek0GoesTo15th", {1998, 1, 3}, false, YearStepDate, 1, Date{1999, 1, 15}},
        Step{"YearOnWithSundayFirst", {2004, 1, 2}, true, YearStepDate, 1, Date{2005, 1, 2}},
        Step{"YearBackBeforeYear1", {1, 6, 1}, false, YearStepDate, -1, kNone},
        Step{"YearOnAfterYear9999", {9999, 6, 1}, false, YearStepDate, 1, kNone},
        Step{"MonthBackToLeapFebruary", {2004, 3, 31}, false, MonthStepDate, -1, Date{2004, 2, 29}},
        Step{"MonthOnFromDecember", {2003, 12, 31}, false, MonthStepDate, 1, Date{2004, 1, 31}},
        Step{"MonthBackFromJanuary", {2003, 1, 15}, false, MonthStepDate, -1, Date{2002, 12, 15}},
        Step{"MonthOnAfterYear9999", {9999, 12, 1}, false, MonthStepDate, 1, kNone},
        Step{"SchoolDayBackOverWeekendAndMonth", {2003, 9, 1}, false, SchoolDayStepDate, -1,
             Date{2003, 8, 29}},
        Step{"SchoolDayOnOverYear", {2003, 12, 31}, false, SchoolDayStepDate, 1, Date{2004, 1, 1}},
        Step{"SchoolDayOnFromSunday", {2003, 9, 14}, false, SchoolDayStepDate, 1,
             Date{2003, 9, 15}},
        Step{"SchoolDayOnFromFriday", {2003, 9, 12}, false, SchoolDayStepDate, 1,
             Date{2003, 9, 15}},
        Step{"WeekGoesToItsMonday", {2003, 6, 18}, false, WeekDate, 37, Date{2003, 9, 8}},
        Step{"WeekWithSundayFirstGoesToItsSunday", {2003, 6, 18}, true, WeekDate, 37,
             Date{2003, 9, 7}},
        Step{"Week1MayStartInTheYearBefore", {2004, 6, 1}, false, WeekDate, 1, Date{2004, 1, 1}},
        Step{"WeekPastTheYearsLastGoesToTheLast", {2003, 6, 1}, false, WeekDate, 60,
             Date{2003, 12, 29}},
        Step{"Week53OfA53WeekYear", {2004, 6, 1}, false, WeekDate, 53, Date{2004, 12, 27}},
        Step{"Week0GoesToTheFirst", {1999, 6, 1}, false, WeekDate, 0, Date{1999, 1, 1}}),
    [](const auto& info) { return info.param.Name; });

// Over two centuries and both week starts: every week number of a year goes to the first day
// of that year with that number, and numbers outside the year go to its first or last week.
TEST(WeekDate, GoesToTheFirstDayOfEveryWeekOfEveryYear) {
    for (const bool sundayFirst : {false, true}) {
        for (int year = 1900; year <= 2100; ++year) {
            MainState state;
            state.SelYear = static_cast<std::uint16_t>(year);
            state.SundayFirst = sundayFirst;
            const int first = WeekNumber(year, 1, 1, sundayFirst);
            const int last = WeekNumber(year, 12, 31, sundayFirst);
            for (int week = first - 1; week <= last + 1; ++week) {
                const auto date = WeekDate(state, week);
                ASSERT_TRUE(date) << year << " week " << week;
                const int wanted = std::clamp(week, first, last);
                EXPECT_EQ(date->Year, year);
                EXPECT_EQ(WeekNumber(date->Year, date->Month, date->Day, sundayFirst), wanted)
                    << year << " week " << week << (sundayFirst ? " Sunday first" : "");
                const Date before = AddDays(*date, -1);
                EXPECT_TRUE(before.Year < year ||
                            WeekNumber(before.Year, before.Month, before.Day, sundayFirst) < wanted)
                    << year << " week " << week;
            }
        }
    }
}

}  // namespace
}  // namespace skemora::test
