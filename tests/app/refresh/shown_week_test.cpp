#include <gtest/gtest.h>

#include "app/refresh/refresh.h"
#include "core/timetable/file_names.h"
#include "support/main_window_fixture.h"

// The refresh runs down: the storage step fills the state from the files and leaves the view as
// it was; the projection then draws what was loaded.
namespace skemora::test {
namespace {

// What the refresh draws of the shown week, to compare before and after a step.
struct Drawn {
    std::vector<std::string> Cells, Headers, WeekColours;
    std::string Notes, NotesHint;
    bool NotesEnabled = false, SaveEnabled = false;
    friend bool operator==(const Drawn&, const Drawn&) = default;
};

Drawn DrawnOf(const ViewModel& view) {
    Drawn drawn;
    for (const auto& day : view.Days) {
        drawn.Headers.push_back(day.DayNumber.Caption + "/" + day.Holiday.Caption + "/" +
                                std::to_string(day.DayNumber.TextColor));
        for (const auto& cell : day.Cells) {
            drawn.Cells.push_back(cell.Caption + "/" + std::to_string(cell.TextColor) + "/" +
                                  std::to_string(cell.Background));
        }
    }
    for (const auto& label : view.WeekLabels) {
        drawn.WeekColours.push_back(std::to_string(label.TextColor));
    }
    drawn.Notes = view.NotesText;
    drawn.NotesHint = view.NotesBox.Hint;
    drawn.NotesEnabled = view.NotesBox.Enabled;
    drawn.SaveEnabled = view.SaveButton.Enabled;
    return drawn;
}

class ShownWeekTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteTimetable("pupil", LessonFile({800, 800, 800, 800, 800}, 3, "6U", "A"));
        // A second period from Monday 15 September 2003 with other lessons.
        WriteBytes(folder / ("pupil/" + PeriodFileName(1)), LessonFile({800, 800, 800, 800, 800},
                                                                       3, "6U", "B"));
        WriteBytes(folder / ("pupil/" + std::string(kPeriodListFileName)),
                   CrLf({std::to_string(DayNumber(2000, 1, 3)),
                         std::to_string(DayNumber(2003, 9, 15))}));
        WriteBytes(folder / ("pupil/" + WeekFileName(2003, 38)), CrLf({"1", "1", "1", "Read", "0"}));
        WriteBytes(folder / ("pupil/" + WeekNotesFileName(2003, 38)), CrLf({"week 38"}));
        WriteBytes(folder / "a200309.dfg", CrLf({"15", "clRed", "Feast"}));  // the 16th
        platform.TodayDate = {2003, 9, 10};
        Start({"pupil"});
    }
};

TEST_F(ShownWeekTest, TheStorageStepLoadsTheWeekAndDrawsNothing) {
    ASSERT_EQ(ctx.view.Days[0].Cells[0].Caption, "A00");
    const Drawn before = DrawnOf(ctx.view);
    ctx.state.SelDay = 17;  // Wednesday of week 38, in the second period
    LoadShownWeek(ctx);
    EXPECT_EQ(DrawnOf(ctx.view), before);

    EXPECT_EQ(ctx.state.WeekNo, 38);
    EXPECT_EQ(ctx.state.Days[0].Subject[0], "B00");
    EXPECT_TRUE(ctx.state.Homework[0][0].HasHomework());
    EXPECT_EQ(ctx.state.ShownNotes.Text, "week 38");
    EXPECT_TRUE(ctx.state.WeekFileExists[37]);
    EXPECT_EQ(ctx.state.HolidayTables[1].Names[15], "Feast");
}

TEST_F(ShownWeekTest, TheRefreshDrawsWhatTheStorageStepLoaded) {
    ctx.state.SelDay = 17;
    RefreshAll(ctx);
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Caption, "B00");
    EXPECT_EQ(ctx.view.Days[0].Cells[0].TextColor, kGreen);
    EXPECT_EQ(ctx.view.NotesText, "week 38");
    EXPECT_EQ(ctx.view.Days[1].Holiday.Caption, "Feast");
    EXPECT_EQ(ctx.view.WeekLabels[37].Background, kBlue);
}

}  // namespace
}  // namespace skemora::test
