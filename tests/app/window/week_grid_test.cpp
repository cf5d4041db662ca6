#include "app/view/week_grid.h"

#include "app/state/timetable_state.h"
#include "app/window/navigation.h"
#include "support/main_window_fixture.h"

namespace skemora::test {
namespace {

struct Layout {
    int Width, Height, Mode;
    int ColumnWidth, BodyHeight, CellHeight, WeekLeft, MonthLeft, MonthTop, NotesBoxWidth;
};

class LayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(LayoutTest, BuildsTheGridForTheWindowSize) {
    const Layout& l = GetParam();
    ViewModel view;
    BuildWeekView(view, l.Width, l.Height, l.Mode);
    const auto& friday = view.Days[4];
    EXPECT_EQ(friday.Header.Left, 4 * l.ColumnWidth);
    EXPECT_EQ(friday.Header.Width, l.ColumnWidth);
    EXPECT_EQ(friday.Body.Top, 63);
    EXPECT_EQ(friday.Body.Height, l.BodyHeight);
    EXPECT_EQ(friday.Cells[11].Top, 11 * l.CellHeight + 1);
    EXPECT_EQ(friday.Cells[11].Height, l.CellHeight);
    EXPECT_EQ(friday.Cells[11].Width, l.ColumnWidth - 1);
    EXPECT_EQ(view.ClassField.Left, 2 * l.ColumnWidth);
    EXPECT_EQ(view.WeekPanel.Left, l.WeekLeft);
    EXPECT_EQ(view.NextYearButton.Left, l.WeekLeft + 41);
    EXPECT_EQ(view.MonthPanel.Left, l.MonthLeft);
    EXPECT_EQ(view.MonthPanel.Top, l.MonthTop);
    EXPECT_EQ(view.PrevMonthButton.Left, l.MonthLeft - 11);
    EXPECT_EQ(view.NotesPanel.Width, l.MonthLeft - 14);
    EXPECT_EQ(view.NotesBox.Width, l.NotesBoxWidth);
    EXPECT_EQ(view.DetailLabels[4].Left, 2 * l.NotesBoxWidth + 2);
    EXPECT_EQ(view.DetailLabels[4].Top, 76);
    EXPECT_EQ(view.WeekLabels[52].Left, 22);
    EXPECT_EQ(view.WeekLabels[52].Top, 380);
    EXPECT_EQ(friday.Holiday.Left, l.Mode == 3 ? 64 : 44);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest,
                         ::testing::Values(Layout{610, 450, 2, 108, 229, 19, 541, 359, 305, 115},
                                           Layout{800, 600, 3, 146, 385, 32, 731, 549, 455, 178}));

TEST(WeekGridTest, ResizeUsesTheResizeFormulas) {
    ViewModel view;
    BuildWeekView(view, 610, 450, 1);
    ResizeWeekView(view, 1024, 768);
    EXPECT_EQ(view.Days[0].Body.Height, 541);
    EXPECT_EQ(view.Days[3].Cells[11].Height, 45);
    EXPECT_EQ(view.Days[4].Body.Left, 760);
    EXPECT_EQ(view.WeekPanel.Left, 954);
    EXPECT_EQ(view.MonthPanel.Top, 613);
    EXPECT_EQ(view.PrevMonthButton.Left, 761);
    EXPECT_EQ(view.NotesPanel.Width, 758);
    EXPECT_EQ(view.NotesBox.Width, 453);
    EXPECT_EQ(view.ButtonColumn.Width, 151);
    EXPECT_EQ(view.DetailLabels[0].Left, 606);
}

class SelectCellTest : public MainWindowTest {
protected:
    void SetUp() override {
        Start();
        // Wednesday drawn one row lower than the other days.
        auto& wednesday = ctx.state.Days[2];
        wednesday.StartTime = 855;
        wednesday.Subject = {"Math", "Art"};
        wednesday.Room = {"12", "7"};
        wednesday.Teacher = {"AB", "CD"};
        ctx.view.Days[2].Cells[1].Caption = "Math";
        ctx.view.Days[2].Cells[2].Caption = "Art";
    }
};

TEST_F(SelectCellTest, FilledCellOfAShiftedColumnShowsItsLesson) {
    SelectCell(ctx, {4, 3});
    SelectCell(ctx, {2, 2});
    EXPECT_EQ(ctx.state.SelColumn, 3);
    EXPECT_EQ(ctx.state.SelLesson, 1);
    EXPECT_EQ(ctx.view.Days[2].Cells[2].Background, kButtonFace);
    EXPECT_EQ(ctx.view.Days[4].Cells[3].Background, kWhite);
    EXPECT_EQ(ctx.view.DetailLabels[0].Caption, "Art   09:45–10:30");
    EXPECT_EQ(ctx.view.DetailLabels[2].Caption, "CD");
    EXPECT_EQ(ctx.view.DetailLabels[4].Caption, "7");
    EXPECT_EQ(ctx.view.TitleStrip.Caption, "Start time Wednesday 08:55");
    EXPECT_EQ(ctx.view.LessonButtons[kHomeworkButton].Hint, "Homework for Wednesday, Art");
    EXPECT_EQ(ctx.view.LessonButtons[kTeacherButton].Hint, "Teacher info Art");
    EXPECT_TRUE(ctx.view.LessonButtons[kStudentsButton].Enabled);
    EXPECT_TRUE(ctx.view.Menus.PopupDelete.Enabled);
    EXPECT_EQ(Selected(), (Date{2003, 9, 10}));
}

TEST_F(SelectCellTest, EmptyCellEnablesOnlyAddAndOnlyWithATimetable) {
    SelectCell(ctx, {2, 1});
    SelectCell(ctx, {2, 0});
    EXPECT_EQ(ctx.state.SelLesson, 0);
    EXPECT_FALSE(ctx.view.Menus.EditAdd.Enabled);
    EXPECT_FALSE(ctx.view.Menus.EditLesson.Enabled);
    EXPECT_FALSE(ctx.view.LessonButtons[kLinksButton].Enabled);
    for (int k : {kHomeworkButton, kLinksButton, kTeacherButton})
        EXPECT_EQ(ctx.view.LessonButtons[k].Hint, "") << "the button of the lesson left names it";
    BecomeOpenTimetable(ctx, folder / "Peter.dfd");
    SelectCell(ctx, {0, 4});
    EXPECT_TRUE(ctx.view.Menus.EditAdd.Enabled);
    EXPECT_TRUE(ctx.view.Menus.PopupAdd.Enabled);
    EXPECT_FALSE(ctx.view.Menus.PopupInsert.Enabled);
}

TEST_F(SelectCellTest, ReadsTheColumnDateFromTheHeaderLabels) {
    SelectCell(ctx, {4, 0});
    EXPECT_EQ(Selected(), (Date{2003, 9, 12}));
    ctx.view.Days[0].Month.Caption = "???";  // no month name matches: January
    SelectCell(ctx, {0, 0});
    EXPECT_EQ(Selected(), (Date{2003, 1, 8}));
    ctx.view.Days[1].DayNumber.Caption = "";  // unreadable: the date stays
    SelectCell(ctx, {1, 0});
    EXPECT_EQ(Selected(), (Date{2003, 1, 8}));
}

}  // namespace
}  // namespace skemora::test
