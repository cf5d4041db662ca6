#include "app/window/startup.h"

#include <cstdlib>

#include "support/main_window_fixture.h"

namespace skemora::test {
namespace {

struct ScreenCase {
    int ScreenHeight, Mode, Width, Height;
};

class ScreenModeTest : public MainWindowTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenModeTest, ChoosesTheModeAndWindowSize) {
    platform.Height = GetParam().ScreenHeight;
    ConstructMainWindow(ctx, folder.Path());
    EXPECT_EQ(ctx.state.ScreenMode, GetParam().Mode);
    EXPECT_EQ(ctx.view.WindowWidth, GetParam().Width);
    EXPECT_EQ(ctx.view.WindowHeight, GetParam().Height + 6);
    EXPECT_EQ(ctx.view.MonthPanel.Top, GetParam().Height - 145);  // laid out before the +6
}

INSTANTIATE_TEST_SUITE_P(Heights, ScreenModeTest,
                         ::testing::Values(ScreenCase{480, 1, 610, 450},
                                           ScreenCase{481, 2, 610, 450},
                                           ScreenCase{600, 2, 610, 450},
                                           ScreenCase{601, 3, 800, 600}));

TEST_F(MainWindowTest, LanguageFollowsTheEnvironment) {
    for (const auto& [value, code] : {std::pair{"da", 6}, std::pair{"de", 5}}) {
        setenv("SKEMORA_LANGUAGE", value, 1);
        ConstructMainWindow(ctx, folder.Path());
        unsetenv("SKEMORA_LANGUAGE");
        EXPECT_EQ(ctx.state.LanguageCode, code);
    }
}

TEST_F(MainWindowTest, FirstShowWithoutSettingsOrTimetable) {
    platform.TodayDate = {2003, 9, 10};
    Start({"a", "b"});  // names no existing file
    EXPECT_EQ(ctx.view.Title, "Time-table");
    EXPECT_EQ(ctx.view.ClassField.Caption, "Class");
    EXPECT_EQ(Selected(), (Date{2003, 9, 10}));
    EXPECT_FALSE(ctx.state.LayoutLocked);
    EXPECT_EQ(ctx.view.Days[4].DayName.Caption, "Friday");
    EXPECT_TRUE(ctx.view.Menus.MondayFirst.Checked);
    EXPECT_FALSE(ctx.state.SundayFirst);
    EXPECT_FALSE(ctx.view.Menus.StartTray.Checked);
    EXPECT_EQ(ctx.view.WeekdayStrip.Caption, "mo   tu  we   th   fr  sa   su");
}

TEST_F(MainWindowTest, FirstShowReadsTheOptions) {
    platform.Settings["Mandag"] = "1";
    platform.Autostart = "/opt/skemora/trayrun";
    Start();
    EXPECT_FALSE(ctx.view.Menus.MondayFirst.Checked);
    EXPECT_FALSE(ctx.state.StartMondayFirst);
    EXPECT_TRUE(ctx.state.SundayFirst);
    EXPECT_EQ(ctx.view.WeekdayStrip.Caption, "su  mo  tu   we  th   fr  sa  ");
    EXPECT_TRUE(ctx.view.Menus.StartTray.Checked);
    EXPECT_TRUE(ctx.state.StartTray);
}

TEST_F(MainWindowTest, CommandLineArgumentsNameTheTimetable) {
    WriteTimetable("a b");
    Start({"a", "b"});
    EXPECT_EQ(ctx.view.Title, "a b.dfd");
    EXPECT_TRUE(ctx.state.Open);
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Caption, "S00");
}

}  // namespace
}  // namespace skemora::test
