#include "app/window/navigation.h"

#include "app/view/week_grid.h"
#include "support/main_window_fixture.h"

namespace skemora::test {
namespace {

struct DateMove {
    const char* Name;
    Date From;
    void (*Command)(AppContext&);
    Date To;
};

class DateMoveTest : public MainWindowTest, public ::testing::WithParamInterface<DateMove> {};

TEST_P(DateMoveTest, MovesToTheExpectedDate) {
    platform.TodayDate = GetParam().From;
    Start();
    GetParam().Command(ctx);
    EXPECT_EQ(Selected(), GetParam().To);
}

// Monday first throughout.
INSTANTIATE_TEST_SUITE_P(
    Commands, DateMoveTest,
    ::testing::Values(
        DateMove{"PrevMonthToLeapFebruary", {2004, 3, 31}, PreviousMonth, {2004, 2, 29}},
        DateMove{"PrevMonthToFebruary", {2003, 3, 31}, PreviousMonth, {2003, 2, 28}},
        DateMove{"NextMonthToFebruary", {2003, 1, 31}, NextMonth, {2003, 2, 28}},
        DateMove{"NextMonthFromDecember", {2003, 12, 31}, NextMonth, {2004, 1, 31}},
        DateMove{"PrevYearIntoWeek0GoesTo15th", {2000, 1, 2}, PreviousYear, {1999, 1, 15}},
        DateMove{"NextYearIntoWeek0GoesTo15th", {1998, 1, 3}, NextYear, {1999, 1, 15}},
        DateMove{"PrevYearFrom29February", {2004, 2, 29}, PreviousYear, {2003, 2, 28}},
        DateMove{"NextYearFrom29February", {2004, 2, 29}, NextYear, {2005, 2, 28}},
        DateMove{"NextWeekFromLastWeek", {2003, 12, 22}, NextWeek, {2004, 1, 1}},
        DateMove{"NextWeekFromWeek53OfA52WeekYear", {2003, 12, 31}, NextWeek, {2004, 1, 1}},
        DateMove{"PrevWeekFromWeek1", {2004, 1, 2}, PreviousWeek, {2003, 12, 22}},
        DateMove{"PrevWeekFromWeek0", {1999, 1, 2}, PreviousWeek, {1998, 12, 28}},
        DateMove{"NextWeek", {2003, 9, 10}, NextWeek, {2003, 9, 15}},
        DateMove{
            "PrevSchoolDayOverWeekendAndMonth", {2003, 9, 1}, PreviousSchoolDay, {2003, 8, 29}},
        DateMove{"NextSchoolDayOverYear", {2003, 12, 31}, NextSchoolDay, {2004, 1, 1}},
        DateMove{"NextSchoolDayFromSunday", {2003, 9, 14}, NextSchoolDay, {2003, 9, 15}}),
    [](const auto& info) { return info.param.Name; });

TEST_F(MainWindowTest, NextSchoolDayFromFridayKeepsTheLessonRow) {
    platform.TodayDate = {2003, 9, 12};
    Start();
    SelectCell(ctx, {4, 5});
    NextSchoolDay(ctx);
    EXPECT_EQ(Selected(), (Date{2003, 9, 15}));
    EXPECT_EQ(ctx.state.SelCell, (CellRef{0, 5}));
}

TEST_F(MainWindowTest, LessonMovesWrapWithinTheColumn) {
    Start();
    NextLesson(ctx);  // nothing selected: row 0 of Monday
    EXPECT_EQ(ctx.state.SelCell, (CellRef{0, 0}));
    EXPECT_EQ(Selected(), (Date{2003, 9, 8}));
    PreviousLesson(ctx);
    EXPECT_EQ(ctx.state.SelCell, (CellRef{0, 11}));
    NextLesson(ctx);
    EXPECT_EQ(ctx.state.SelCell, (CellRef{0, 0}));
}

TEST_F(MainWindowTest, LessonMovesWalkAShiftedColumnCellByCell) {
    Start();
    ctx.state.Days[2].Subject = {"Math", "Art"};
    ctx.view.Days[2].Cells[1].Caption = "Math";
    ctx.view.Days[2].Cells[2].Caption = "Art";
    SelectCell(ctx, {2, 1});
    EXPECT_EQ(ctx.state.SelLesson, 0);
    NextLesson(ctx);
    EXPECT_EQ(ctx.state.SelCell, (CellRef{2, 2}));
    EXPECT_EQ(ctx.state.SelLesson, 1);
}

struct KeyCase {
    char Letter;
    bool Ctrl, Alt;
    Date To;
    bool Listed;
};

class KeyMapTest : public MainWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyMapTest, RunsTheCtrlCommandThenTheAltCommand) {
    platform.TodayDate = {2003, 9, 13};  // a Saturday
    Start();
    EXPECT_EQ(HandleKey(ctx, GetParam().Letter, GetParam().Ctrl, GetParam().Alt),
              GetParam().Listed);
    EXPECT_EQ(Selected(), GetParam().To);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyMapTest,
                         ::testing::Values(KeyCase{'Y', true, false, {2002, 9, 13}, true},
                                           KeyCase{'M', false, true, {2003, 10, 13}, true},
                                           KeyCase{'W', true, false, {2003, 9, 1}, true},
                                           KeyCase{'D', true, false, {2003, 9, 12}, true},
                                           KeyCase{'D', true, true, {2003, 9, 15}, true},
                                           KeyCase{'I', false, true, {2003, 9, 13}, false},
                                           KeyCase{'M', false, false, {2003, 9, 13}, false},
                                           KeyCase{'Q', true, false, {2003, 9, 13}, false}));

TEST_F(MainWindowTest, WeekLabel1OfAYearStartingInWeek0SelectsItsFirstMonday) {
    platform.TodayDate = {1999, 6, 1};
    Start();
    WeekLabelClick(ctx, 0);
    EXPECT_EQ(Selected(), (Date{1999, 1, 4}));
    WeekLabelClick(ctx, 9);
    EXPECT_EQ(ctx.state.WeekNo, 10);
}

struct MissingWeek {
    const char* Name;
    int Year;
    const char* Mandag;
    int Week;
    Date To;
};

class MissingWeekTest : public MainWindowTest, public ::testing::WithParamInterface<MissingWeek> {};

TEST_P(MissingWeekTest, EndsAtTheNearestWeekTheYearHas) {
    platform.Settings["Mandag"] = GetParam().Mandag;
    platform.TodayDate = {GetParam().Year, 6, 1};
    Start();
    GoToWeek(ctx, GetParam().Week);
    EXPECT_EQ(Selected(), GetParam().To);
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, MissingWeekTest,
    ::testing::Values(MissingWeek{"Week53In1999", 1999, "0", 53, {1999, 12, 27}},
                      MissingWeek{"HugeWeek", 2003, "0", 1000, {2003, 12, 29}},
                      MissingWeek{"Week0In2003", 2003, "0", 0, {2003, 1, 1}},
                      MissingWeek{"NegativeWeek", 2003, "0", -7, {2003, 1, 1}},
                      MissingWeek{"Week54SundayFirst2003", 2003, "1", 54, {2003, 12, 28}},
                      MissingWeek{"Week54SundayFirst2000", 2000, "1", 54, {2000, 12, 31}}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
}  // namespace skemora::test
