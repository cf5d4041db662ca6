#include "app/view/projection.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"

// The projection of a state built in memory: no file is read and nothing is asked.
namespace skemora::test {
namespace {

constexpr Color kHolidayRed = 0xFF0000;

class ProjectionTest : public ::testing::Test {
protected:
    MainState state;
    MessageTexts texts;
    ViewModel view;

    ProjectionTest() {
        BuildWeekView(view, 610, 450, 1);
        state.Open = OpenedTimetable{"pupil.dfd", "/data/pupil.dfd", "/data/pupil/", "pupil"};
        for (int m = 0; m < 12; ++m) {
            state.Names.ShortMonthNames[m] = "m" + std::to_string(m + 1);
            state.Names.LongMonthNames[m] = "month" + std::to_string(m + 1);
        }
        for (int d = 0; d < 7; ++d) state.Names.LongDayNames[d] = "day" + std::to_string(d);
        Select({2003, 9, 10});  // a Wednesday of week 37
    }

    void Select(Date date) {
        state.SelYear = static_cast<std::uint16_t>(date.Year);
        state.SelMonth = static_cast<std::uint16_t>(date.Month);
        state.SelDay = static_cast<std::uint16_t>(date.Day);
        state.WeekPanelYear = state.SelYear;
    }
    // Marks day `day` in holiday table `table` (0 month before, 1 selected, 2 after).
    void Mark(int table, int day, const std::string& name, const std::string& colour = "clRed") {
        state.HolidayTables[table].Flags[day - 1] = 1;
        state.HolidayTables[table].Names[day - 1] = name;
        state.HolidayTables[table].Colours[day - 1] = colour;
    }
    void Project() { ProjectView(state, texts, view); }
    const Element& Cell(int column, int row) const { return view.Days[column].Cells[row]; }
};

TEST_F(ProjectionTest, WeekPanelShowsTheSelectedWeekAndTheWeeksWithHomework) {
    state.WeekFileExists[35] = true;
    state.WeekFileExists[36] = true;
    Project();
    EXPECT_EQ(view.WeekLabels[35].TextColor, kBlue);
    EXPECT_EQ(view.WeekLabels[35].Background, kWhite);
    EXPECT_EQ(view.WeekLabels[36].TextColor, kWhite);  // the selected week wins
    EXPECT_EQ(view.WeekLabels[36].Background, kBlue);
    EXPECT_EQ(view.WeekLabels[0].TextColor, kBlack);
    EXPECT_EQ(view.YearStrip.Caption, "2003");
    EXPECT_FALSE(view.WeekLabels[52].Visible);
    Select({2004, 12, 29});
    state.WeekFileExists = {};
    Project();
    EXPECT_TRUE(view.WeekLabels[52].Visible);
    EXPECT_EQ(view.WeekLabels[52].Background, kBlue);
    EXPECT_EQ(view.WeekLabels[35].TextColor, kBlack);
}

struct HolidayCase {
    const char* Name;
    Date Selected;
    int Table;        // which of the three tables holds the mark
    int MarkedDay;    // day of month of the mark
    int Column;       // the day column the mark shows in
    bool OnSelected;  // the mark is on the selected day itself
};

class HolidayMarkTest : public ProjectionTest, public ::testing::WithParamInterface<HolidayCase> {};

TEST_P(HolidayMarkTest, DayHeadersShowTheHolidayOfTheirMonth) {
    const auto& c = GetParam();
    Select(c.Selected);
    Mark(c.Table, c.MarkedDay, "Feast");
    Project();
    const auto& column = view.Days[c.Column];
    EXPECT_EQ(column.DayNumber.Caption, std::to_string(c.MarkedDay));
    EXPECT_TRUE(column.Holiday.Visible);
    EXPECT_EQ(column.Holiday.Caption, "Feast");
    // The day number is drawn in the holiday's colour, on the selected day's blue too.
    EXPECT_EQ(column.DayNumber.TextColor, kHolidayRed);
    EXPECT_EQ(column.Header.Background, c.OnSelected ? kBlue : kWhite);
    EXPECT_EQ(view.Menus.HolidaysDelete.Enabled, c.OnSelected);
    for (int other = 0; other < kDays; ++other) {
        if (other == c.Column) continue;
        EXPECT_FALSE(view.Days[other].Holiday.Visible) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, HolidayMarkTest,
    ::testing::Values(HolidayCase{"LaterDayOfTheMonth", {2003, 9, 10}, 1, 12, 4, false},
                      HolidayCase{"EarlierDayOfTheMonth", {2003, 9, 10}, 1, 8, 0, false},
                      HolidayCase{"TheSelectedDay", {2003, 9, 10}, 1, 10, 2, true},
                      HolidayCase{"NextMonthInTheSameWeek", {2003, 9, 30}, 2, 2, 3, false},
                      HolidayCase{"PreviousMonthInTheSameWeek", {2003, 10, 1}, 0, 29, 0, false}),
    [](const auto& info) { return info.param.Name; });

TEST_F(ProjectionTest, DayHeadersCarryTheDatesOfTheShownWeek) {
    Select({2003, 12, 31});
    Project();
    EXPECT_EQ(view.Days[0].DayNumber.Caption, "29");
    EXPECT_EQ(view.Days[0].Month.Caption, "m12");
    EXPECT_EQ(view.Days[3].DayNumber.Caption, "1");
    EXPECT_EQ(view.Days[3].Month.Caption, "m1");
    EXPECT_EQ(view.Days[3].Year.Caption, "2004");
    EXPECT_EQ(view.Days[2].Header.Background, kBlue);
}

TEST_F(ProjectionTest, LessonCellsFollowTheLessonsAndTheHomework) {
    for (int d = 0; d < kDays; ++d) {
        state.Days[d].StartTime = d == 1 ? 900 : 800;  // Tuesday starts a row lower
        state.Days[d].Subject[0] = "first" + std::to_string(d);
        state.Days[d].Subject[1] = "second" + std::to_string(d);
    }
    state.Homework[4][1].HomeworkText = {"read"};
    Project();
    EXPECT_EQ(Cell(0, 0).Caption, "first0");
    EXPECT_EQ(Cell(1, 0).Caption, "");
    EXPECT_EQ(Cell(1, 1).Caption, "first1");
    EXPECT_EQ(Cell(4, 1).Caption, "second4");
    EXPECT_EQ(Cell(4, 1).TextColor, kGreen);
    EXPECT_EQ(Cell(4, 0).TextColor, kBlack);
}

TEST_F(ProjectionTest, TheSelectedLessonIsHighlightedWithItsDetails) {
    for (auto& day : state.Days) day.StartTime = 800;
    state.Days[1].StartTime = 900;
    state.Days[1].Subject[0] = "Maths";
    state.Days[1].Teacher[0] = "Ada";
    state.Days[1].Room[0] = "R1";
    state.SelCell = CellRef{1, 1};  // Tuesday's first lesson, drawn a row lower
    Project();
    EXPECT_EQ(Cell(1, 1).Background, kButtonFace);
    EXPECT_EQ(Cell(1, 0).Background, kWhite);
    EXPECT_EQ(view.DetailLabels[0].Caption, "Maths   09:00–09:45");
    // The cells' hints give the start times: the shifted row's lesson starts the day.
    EXPECT_EQ(Cell(1, 1).Hint, "09:00");
    EXPECT_TRUE(Cell(1, 1).ShowHint);
    EXPECT_EQ(Cell(1, 0).Hint, "");
    EXPECT_EQ(view.DetailLabels[2].Caption, "Ada");
    EXPECT_EQ(view.DetailLabels[4].Caption, "R1");
    EXPECT_TRUE(view.Menus.EditLesson.Enabled);
    EXPECT_TRUE(view.LessonButtons[kHomeworkButton].Enabled);

    state.SelCell = CellRef{1, 0};  // the empty cell above it
    Project();
    EXPECT_EQ(Cell(1, 1).Background, kWhite);
    EXPECT_FALSE(view.Menus.EditLesson.Enabled);
    EXPECT_TRUE(view.Menus.EditAdd.Enabled);
    EXPECT_FALSE(view.LessonButtons[kHomeworkButton].Enabled);
}

TEST_F(ProjectionTest, MonthPanelMarksTheSelectedDaySundaysAndHolidays) {
    Mark(1, 12, "Feast", "clGreen");
    Project();
    EXPECT_EQ(view.DayLabels[9].Background, kBlue);  // the 10th, selected
    EXPECT_EQ(view.DayLabels[13].TextColor, kRed);   // Sunday the 14th
    EXPECT_EQ(view.DayLabels[11].TextColor, kGreen);
    EXPECT_EQ(view.DayLabels[10].TextColor, kBlack);
    EXPECT_FALSE(view.DayLabels[30].Visible);
    EXPECT_EQ(view.MonthName.Caption, "month9");
    EXPECT_EQ(view.DayLabels[0].Left, 1 * 22 - 18);  // 1 September 2003 is a Monday
}

TEST_F(ProjectionTest, NotesJustReadFillTheBoxAndTypedTextStays) {
    texts.WeekNotesHint = "Notes week ";
    state.ShownNotes = ShownWeekNotes{true, true, true, 37, "from file"};
    Project();
    EXPECT_EQ(view.NotesText, "from file");
    EXPECT_TRUE(view.NotesBox.Enabled);
    EXPECT_EQ(view.NotesBox.Hint, "Notes week 37");

    state.ShownNotes.Fresh = false;
    view.NotesText = "typed";
    Project();
    EXPECT_EQ(view.NotesText, "typed");

    state.ShownNotes = ShownWeekNotes{true, false, true, 37, ""};  // the file did not read
    Project();
    EXPECT_EQ(view.NotesText, "");
    EXPECT_FALSE(view.NotesBox.Enabled);
}

TEST_F(ProjectionTest, SaveControlsAndClassFollowTheStanding) {
    texts.SchoolMatesHint = "School mates ";
    state.ClassName = "6U";
    for (const bool modified : {true, false}) {
        state.Saving.Modified = modified;
        state.Saving.LoadedPeriod = 0;
        Project();
        EXPECT_EQ(view.SaveButton.Enabled, modified);
        EXPECT_EQ(view.Menus.Save.Enabled, modified);
        EXPECT_EQ(view.ClassField.Caption, "6U");
        EXPECT_EQ(view.LessonButtons[kStudentsButton].Hint, "School mates 6U");
        EXPECT_TRUE(view.LessonButtons[kStudentsButton].Enabled);
        EXPECT_TRUE(view.Menus.Holidays.Enabled);
    }
}

TEST_F(ProjectionTest, TheSameStateGivesTheSameView) {
    Mark(1, 12, "Feast");
    state.Days[2].Subject[0] = "Art";
    state.SelCell = CellRef{2, 0};
    Project();
    const ViewModel first = view;
    Project();
    for (int d = 0; d < kDays; ++d) {
        EXPECT_EQ(view.Days[d].DayNumber.Caption, first.Days[d].DayNumber.Caption);
        EXPECT_EQ(view.Days[d].Holiday.Visible, first.Days[d].Holiday.Visible);
        for (int r = 0; r < kLessons; ++r) {
            EXPECT_EQ(Cell(d, r).Caption, first.Days[d].Cells[r].Caption);
            EXPECT_EQ(Cell(d, r).Background, first.Days[d].Cells[r].Background);
        }
    }
}

}  // namespace
}  // namespace skemora::test
