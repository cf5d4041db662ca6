#include "app/window/startup.h"

#include <cstdlib>
#include <cstring>

#include "app/refresh/refresh.h"
#include "app/state/settings_store.h"
#include "app/view/options_menu.h"
#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"
#include "core/files/text_file.h"
#include "app/view/apply_language.h"
#include "app/storage/name_tables.h"
#include "app/storage/storage.h"
#include "core/timetable/file_names.h"
#include "app/timetable/open_commands.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

int ScreenModeOf(int screenHeight) {
    if (screenHeight < 481) return 1;
    if (screenHeight < 601) return 2;
    return 3;
}

}  // namespace

int LanguageFromEnvironment() {
    const char* language = std::getenv("SKEMORA_LANGUAGE");
    return language && std::strcmp(language, "da") == 0 ? kDanish : kEnglish;
}

void ConstructMainWindow(AppContext& ctx, const std::string& dataFolder) {
    auto& state = ctx.state;
    state.Days = DayRecords{};
    state.LayoutLocked = true;
    state.LanguageCode = LanguageFromEnvironment();

    state.DataFolder = dataFolder;
    if (!state.DataFolder.empty() && state.DataFolder.back() != '/') state.DataFolder += '/';
    // Saves cut off by a crash may have left their temporaries beside the files.
    RemoveLeftovers(state, state.DataFolder);
    state.Names = LoadNameTables(state, ctx.platform);

    state.ScreenMode = ScreenModeOf(ctx.platform.ScreenHeight());
    const bool large = state.ScreenMode == 3;
    const int width = large ? 800 : 610;
    const int height = large ? 600 : 450;
    BuildWeekView(ctx.view, width, height, state.ScreenMode);
    for (int c = 0; c < kDays; ++c) {
        ctx.view.Days[c].DayName.Caption = state.Names.LongDayNames[c + 1];
    }

    ResetSaving(ctx);

    ctx.view.WindowHeight = height + 6;
    state.Homework = WeekHomework{};
}

void FirstShow(AppContext& ctx, const std::vector<std::string>& arguments) {
    auto& state = ctx.state;
    auto& view = ctx.view;
    ApplyLanguage(state.LanguageCode, view, ctx.texts, ctx.dialogTexts);

    view.ClassField.Caption = ctx.texts.ClassNameText;
    state.ClassName = ctx.texts.ClassNameText;
    CloseTimetable(ctx);

    const Date today = ctx.platform.Today();

    SettingsStore& settings = ctx.settings;
    settings.ReadMondayFirst();
    const bool mondayFirst = settings.MondayFirstRead == "0";
    state.StartMondayFirst = mondayFirst;
    state.SundayFirst = !mondayFirst;

    settings.RememberDirectory();
    settings.ReadTrayEntry();
    const bool tray = settings.TrayRead != "f";
    state.StartTray = tray;
    state.StartInTray = tray;
    ShowOptions(state, view.Menus);

    const auto header = WeekdayHeader(state.Names.ShortDayNames, state.SundayFirst);
    view.WeekdayStrip.Caption = header.Text;
    state.WeekdayAbbreviations = header.Abbreviations;

    state.SelYear = state.TodayYear = static_cast<std::uint16_t>(today.Year);
    state.SelMonth = state.TodayMonth = static_cast<std::uint16_t>(today.Month);
    state.SelDay = state.TodayDay = static_cast<std::uint16_t>(today.Day);

    RefreshWeekPanel(ctx);
    RefreshDayHeaders(ctx);
    RefreshMonthPanel(ctx);

    // Without a name, the time-table open at the last close opens again.
    settings.ReadLastTimetable();
    if (!arguments.empty()) {
        OpenCommandLineTimetable(ctx, arguments);
    } else if (!settings.LastTimetableRead.empty()) {
        OpenCommandLineTimetable(ctx, {settings.LastTimetableRead});
    }

    state.LayoutLocked = false;
}

}  // namespace skemora
