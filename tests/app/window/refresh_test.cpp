#include "app/refresh/refresh.h"

#include "app/window/navigation.h"
#include "app/view/week_grid.h"
#include "app/window/window_events.h"
#include "core/files/file_ops.h"
#include "support/main_window_fixture.h"
#include "core/timetable/file_names.h"

namespace skemora::test {
namespace {

TEST_F(MainWindowTest, WeekPanelMarksTheWeekAndItsHomeworkWeeks) {
    WriteTimetable("pupil");
    WriteBytes(folder / ("pupil/" + WeekFileName(2004, 5)), CrLf({"1", "1", "1", "Read", "0"}));
    platform.TodayDate = {2004, 1, 2};
    Start({"pupil"});
    EXPECT_EQ(ctx.state.WeekNo, 1);
    EXPECT_EQ(ctx.view.WeekLabels[0].Background, kBlue);
    EXPECT_EQ(ctx.view.WeekLabels[0].TextColor, kWhite);
    EXPECT_EQ(ctx.view.WeekLabels[4].TextColor, kBlue);
    EXPECT_EQ(ctx.view.YearStrip.Caption, "2004");
    EXPECT_TRUE(ctx.view.WeekLabels[52].Visible);
    SelectDate(ctx, 1999, 1, 2);  // week 0: no label marked; 1999 has 52 weeks
    EXPECT_EQ(ctx.state.WeekNo, 0);
    for (const auto& label : ctx.view.WeekLabels) EXPECT_EQ(label.Background, kWhite);
    EXPECT_FALSE(ctx.view.WeekLabels[52].Visible);
}

struct ShownWeek {
    const char* Name;
    Date Selected;
    const char* Mandag;
    int MondayDay, HighlightedColumn;
};

class ShownWeekTest : public MainWindowTest, public ::testing::WithParamInterface<ShownWeek> {};

TEST_P(ShownWeekTest, HeadersShowTheWeekOfTheSelectedDate) {
    platform.Settings["Mandag"] = GetParam().Mandag;
    platform.TodayDate = GetParam().Selected;
    Start();
    for (int c = 0; c < kDays; ++c) {
        EXPECT_EQ(ctx.view.Days[c].DayNumber.Caption, std::to_string(GetParam().MondayDay + c));
        EXPECT_EQ(ctx.view.Days[c].Month.Caption, "Sep");
        EXPECT_EQ(ctx.view.Days[c].Header.Background,
                  c == GetParam().HighlightedColumn ? kBlue : kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Weeks, ShownWeekTest,
    ::testing::Values(ShownWeek{"Wednesday", {2003, 9, 10}, "0", 8, 2},
                      ShownWeek{"SaturdayMondayFirst", {2003, 9, 13}, "0", 8, -1},
                      ShownWeek{"SundayMondayFirst", {2003, 9, 14}, "0", 8, -1},
                      ShownWeek{"SundaySundayFirst", {2003, 9, 14}, "1", 15, -1},
                      ShownWeek{"FridaySundayFirst", {2003, 9, 12}, "1", 8, 4}),
    [](const auto& info) { return info.param.Name; });

// Holidays on Monday 8, Wednesday 10 and Tuesday 30 September and Friday 3 October 2003.
class HolidayRefreshTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteBytes(folder / "a200309.dfg", CrLf({"7", "clGreen", "Autumn", "9", "clGreen", "Autumn",
                                                 "29", "clMaroon", "Last"}));
        WriteBytes(folder / "a200310.dfg", CrLf({"2", "clPurple", "October"}));
    }
    void StartAt(Date date) {
        platform.TodayDate = date;
        Start();
    }
    const DayColumnView& Column(int c) const { return ctx.view.Days[c]; }
};

TEST_F(HolidayRefreshTest, HolidaysOfTheWeekAreDrawnInTheirColour) {
    StartAt({2003, 9, 11});
    EXPECT_EQ(Column(2).DayNumber.TextColor, kGreen);
    EXPECT_EQ(Column(2).Holiday.Caption, "Autumn");
    EXPECT_TRUE(Column(2).Holiday.Visible);
    EXPECT_FALSE(Column(1).Holiday.Visible);
    EXPECT_EQ(Column(3).DayNumber.TextColor, kWhite);
    EXPECT_FALSE(ctx.view.Menus.HolidaysDelete.Enabled);
}

TEST_F(HolidayRefreshTest, SelectedHolidayIsColouredUnlessItIsTheFirstDayOfTheWeek) {
    StartAt({2003, 9, 10});
    EXPECT_EQ(Column(2).Header.Background, kBlue);
    EXPECT_EQ(Column(2).DayNumber.TextColor, kGreen);
    EXPECT_TRUE(ctx.view.Menus.HolidaysDelete.Enabled);
    SelectDate(ctx, 2003, 9, 8);
    EXPECT_EQ(Column(0).DayNumber.TextColor, kWhite);
    EXPECT_EQ(Column(0).Holiday.Caption, "Autumn");
    SelectDate(ctx, 2003, 9, 13);  // a Saturday keeps the Delete item as it was
    EXPECT_TRUE(ctx.view.Menus.HolidaysDelete.Enabled);
}

TEST_F(HolidayRefreshTest, HolidaysOfTheNeighbouringMonthsShowInTheWeek) {
    StartAt({2003, 10, 1});
    EXPECT_EQ(Column(1).Holiday.Caption, "Last");
    EXPECT_EQ(Column(1).DayNumber.TextColor, 0x800000u);
    SelectDate(ctx, 2003, 9, 30);
    EXPECT_EQ(Column(4).Holiday.Caption, "October");
    EXPECT_EQ(Column(4).Holiday.TextColor, 0x800080u);
}

TEST_F(HolidayRefreshTest, MonthPanelColoursAndPlaces) {
    StartAt({2003, 9, 10});  // 1 September 2003 is a Monday
    const auto& labels = ctx.view.DayLabels;
    EXPECT_EQ(labels[9].Background, kBlue);
    EXPECT_EQ(labels[9].TextColor, kWhite);
    EXPECT_EQ(labels[7].TextColor, kGreen);
    EXPECT_EQ(labels[13].TextColor, kRed);
    EXPECT_EQ(labels[10].TextColor, kBlack);
    EXPECT_EQ(labels[0].Left, 4);
    EXPECT_EQ(labels[7].Left, 4);
    EXPECT_EQ(labels[7].Top, 28);
    EXPECT_TRUE(labels[29].Visible);
    EXPECT_FALSE(labels[30].Visible);
    EXPECT_EQ(ctx.view.MonthName.Caption, "September");
    MondayFirstClick(ctx);
    EXPECT_EQ(labels[0].Left, 26);
    EXPECT_EQ(labels[6].Top, 28);
    SelectDate(ctx, 2003, 2, 1);
    EXPECT_FALSE(labels[28].Visible);
}

// A time-table with a second period from Monday 8 September 2003 (day 12304).
class PeriodRefreshTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteTimetable("pupil", LessonFile({800, 800, 855, 800, 800}, 3, "6U", "A"));
        WriteBytes(folder / "pupil/fratil.dfd", CrLf({"12276", "12304"}));
        WriteBytes(folder / "pupil/S1.dfd", LessonFile({800, 800, 800, 800, 800}, 4, "7U", "B"));
        platform.TodayDate = {2003, 9, 1};
        Start({"pupil"});
    }
    const Element& Cell(int column, int row) const { return ctx.view.Days[column].Cells[row]; }
};

TEST_F(PeriodRefreshTest, ShowsThePeriodOfTheSelectedDate) {
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 0);
    EXPECT_EQ(Cell(2, 1).Caption, "A20");
    NextWeek(ctx);
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 1);
    EXPECT_EQ(Cell(2, 0).Caption, "B20");
    EXPECT_EQ(ctx.view.ClassField.Caption, "7U");
    EXPECT_EQ(ctx.view.NotesBox.Hint, "Notes week 37");
    PreviousWeek(ctx);
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 0);
    EXPECT_EQ(Cell(0, 3).Caption, "");
}

TEST_F(PeriodRefreshTest, AChangeMadeWhileEventsRunIsAskedAboutBeforeAnotherPeriodLoads) {
    platform.DuringEvents = [this] { ctx.state.Saving.Modified = true; };
    DayLabelClick(ctx, 2);  // same period: no question
    EXPECT_TRUE(dialogs.Questions.empty());
    dialogs.AskAnswers = {kAnswerNo};
    NextWeek(ctx);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Save Time-table");
    EXPECT_EQ(dialogs.Questions[0].Message, "pupil.dfd changed, save it?");
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 1);
}

TEST_F(PeriodRefreshTest, AReloadShowsTheSelectedCellAgainAndKeepsTheChosenDate) {
    SelectCell(ctx, {0, 1});
    EXPECT_EQ(ctx.view.DetailLabels[0].Caption, "A01   08:50–09:35");
    DayLabelClick(ctx, 9);  // Wednesday 10 September, in the second period
    EXPECT_EQ(Selected(), (Date{2003, 9, 10}));
    EXPECT_EQ(Cell(0, 1).Background, kButtonFace);
    EXPECT_EQ(ctx.view.DetailLabels[0].Caption, "B01   08:50–09:35");
}

}  // namespace
}  // namespace skemora::test
