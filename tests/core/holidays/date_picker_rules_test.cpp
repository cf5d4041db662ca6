#include "core/holidays/date_picker_rules.h"

#include <gtest/gtest.h>

namespace skemora::test {
namespace {

const std::array<std::string, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<std::string, 12> kLongMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

PickerMonthView Layout(const Date& picked, bool sundayFirst) {
    return PickerMonthLayout(picked, sundayFirst, kShortMonths, kLongMonths);
}

const PickerDayLabel& Label(const PickerMonthView& view, int day) {
    return view.Days[static_cast<std::size_t>(day - 1)];
}

struct Placement {
    const char* Name;
    Date Month;
    bool SundayFirst;
    int Day;
    int Left;
    int Top;
};

class PickerPlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PickerPlacementTest, PutsTheDayInItsColumnAndRow) {
    const Placement& p = GetParam();
    const PickerMonthView view = Layout(p.Month, p.SundayFirst);
    const PickerDayLabel& label = Label(view, p.Day);
    EXPECT_EQ(label.Left, p.Left);
    EXPECT_EQ(label.Top, p.Top);
    EXPECT_TRUE(label.Visible);
}

// Columns start at 6, 28, 50, 72, 94, 116, 138; rows at 41, 54, 67, 80, 93, 106.
INSTANTIATE_TEST_SUITE_P(
    Months, PickerPlacementTest,
    ::testing::Values(Placement{"June2002MondayFirstDay1", {2002, 6, 1}, false, 1, 116, 41},
                      Placement{"June2002MondayFirstDay30", {2002, 6, 1}, false, 30, 138, 93},
                      Placement{"June2002SundayFirstDay1", {2002, 6, 1}, true, 1, 138, 41},
                      Placement{"June2002SundayFirstDay2", {2002, 6, 1}, true, 2, 6, 54},
                      Placement{"March2003MondayFirstDay31", {2003, 3, 1}, false, 31, 6, 106},
                      Placement{"September2003MondayFirstDay1", {2003, 9, 1}, false, 1, 6, 41},
                      Placement{"September2003SundayFirstDay1", {2003, 9, 1}, true, 1, 28, 41}),
    [](const auto& info) { return info.param.Name; });

TEST(PickerLayoutTest, ShowsOnlyTheDaysOfTheMonth) {
    const PickerMonthView june = Layout({2002, 6, 1}, false);
    EXPECT_TRUE(Label(june, 30).Visible);
    EXPECT_FALSE(Label(june, 31).Visible);
    const PickerMonthView february = Layout({2003, 2, 1}, false);
    EXPECT_TRUE(Label(february, 28).Visible);
    for (int day = 29; day <= 31; ++day) EXPECT_FALSE(Label(february, day).Visible) << day;
    EXPECT_TRUE(Label(Layout({2004, 2, 1}, false), 29).Visible);
}

TEST(PickerLayoutTest, CaptionsAndFields) {
    const PickerMonthView view = Layout({2002, 6, 14}, false);
    EXPECT_EQ(Label(view, 5).Caption, "  5 ");
    EXPECT_EQ(Label(view, 17).Caption, " 17 ");
    EXPECT_EQ(view.YearText, "  2002");
    EXPECT_EQ(view.MonthText, "  Jun");
    EXPECT_EQ(view.MonthLabel, "June");
}

TEST(PickerLayoutTest, ColoursThePickedDayAndSundays) {
    // June 2002: Sundays are the 2nd, 9th, 16th, 23rd and 30th.
    const PickerMonthView view = Layout({2002, 6, 9}, false);
    EXPECT_EQ(Label(view, 9).Background, 0x0000FFu);
    EXPECT_EQ(Label(view, 9).TextColour, 0xFFFFFFu);
    EXPECT_EQ(Label(view, 16).Background, 0xFFFFFFu);
    EXPECT_EQ(Label(view, 16).TextColour, 0xFF0000u);
    EXPECT_EQ(Label(view, 10).Background, 0xFFFFFFu);
    EXPECT_EQ(Label(view, 10).TextColour, 0x000000u);
}

TEST(PickerLayoutTest, DayBeyondTheMonthIsShownAsItsLastDay) {
    const PickerMonthView view = Layout({2002, 6, 31}, false);
    EXPECT_EQ(Label(view, 30).Background, 0x0000FFu);
    EXPECT_EQ(ClampPickedDate({2002, 6, 31}), (Date{2002, 6, 30}));
}

struct Step {
    const char* Name;
    Date From;
    int Years;
    int Months;
    Date To;
};

class PickerStepTest : public ::testing::TestWithParam<Step> {};

TEST_P(PickerStepTest, StepsAndCutsTheDay) {
    const Step& s = GetParam();
    const Date result =
        s.Years != 0 ? PickerYearStep(s.From, s.Years) : PickerMonthStep(s.From, s.Months);
    EXPECT_EQ(result, s.To);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PickerStepTest,
    ::testing::Values(Step{"LeapDayYearForward", {2004, 2, 29}, 1, 0, {2005, 2, 28}},
                      Step{"LeapDayYearBack", {2004, 2, 29}, -1, 0, {2003, 2, 28}},
                      Step{"YearForwardKeepsDay", {2002, 6, 30}, 1, 0, {2003, 6, 30}},
                      Step{"MonthBackFromMarch31", {2001, 3, 31}, 0, -1, {2001, 2, 28}},
                      Step{"MonthForwardFromJanuary31", {2004, 1, 31}, 0, 1, {2004, 2, 29}},
                      Step{"DecemberToJanuary", {2002, 12, 20}, 0, 1, {2003, 1, 20}},
                      Step{"JanuaryToDecember", {2003, 1, 3}, 0, -1, {2002, 12, 3}},
                      Step{"NoYearBeforeTheFirst", {1, 5, 5}, -1, 0, {1, 5, 5}},
                      Step{"NoMonthBeforeTheFirstYear", {1, 1, 5}, 0, -1, {1, 1, 5}},
                      Step{"NoYearAfterTheLast", {9999, 5, 5}, 1, 0, {9999, 5, 5}},
                      Step{"NoMonthAfterTheLastYear", {9999, 12, 5}, 0, 1, {9999, 12, 5}}),
    [](const auto& info) { return info.param.Name; });

TEST(PickerDayClickTest, ReadsTheCaptionWithoutBlanks) {
    const Date picked{2002, 6, 14};
    EXPECT_EQ(PickerDayClick(picked, "  5 "), (Date{2002, 6, 5}));
    EXPECT_EQ(PickerDayClick(picked, " 30 "), (Date{2002, 6, 30}));
    EXPECT_EQ(PickerDayClick(picked, " 31 "), picked);
    EXPECT_EQ(PickerDayClick(picked, "  "), picked);
    EXPECT_EQ(PickerDayClick(picked, " x1 "), picked);
}

TEST(PickerWeekdayStripTest, IsTheWeekdayHeader) {
    const std::array<std::string, 7> days = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    EXPECT_EQ(PickerWeekdayStrip(days, false), "mo   tu  we   th   fr  sa   su");
    EXPECT_EQ(PickerWeekdayStrip(days, true), "su  mo  tu   we  th   fr  sa  ");
}

}  // namespace
}  // namespace skemora::test
