#include "app/window/window_events.h"

#include "app/window/navigation.h"
#include "app/state/help_topics.h"
#include "app/state/settings_store.h"
#include "app/view/options_menu.h"
#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"
#include "core/files/file_ops.h"
#include "app/storage/save.h"
#include "app/storage/save_question.h"
#include "app/storage/storage.h"
#include "app/timetable/school_class_commands.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

// Writes back the options that differ from their values at start-up.
void WriteBackOptions(AppContext& ctx) {
    SettingsStore& settings = ctx.settings;
    const bool mondayFirst = !ctx.state.SundayFirst;
    if (mondayFirst != ctx.state.StartMondayFirst) {
        settings.MondayFirstWrite = mondayFirst ? "0" : "1";
        settings.WriteMondayFirst();
    }
    const bool tray = ctx.state.StartInTray;
    if (tray != ctx.state.StartTray) {
        settings.TrayCommand = tray ? "1" : "0";
        settings.UpdateTrayEntry();
    }
}

// Remembers the time-table open now for the next start without a name.
void WriteBackLastTimetable(AppContext& ctx) {
    SettingsStore& settings = ctx.settings;
    settings.LastTimetableWrite = IsTimetableOpen(ctx) ? UserName(ctx.state) : std::string();
    if (settings.LastTimetableWrite != settings.LastTimetableRead) {
        settings.WriteLastTimetable();
        settings.LastTimetableRead = settings.LastTimetableWrite;
    }
}

// Opens a file or folder with the desktop's handler; says so when nothing could.
void OpenOrSay(AppContext& ctx, const std::string& target) {
    if (!ctx.platform.OpenUrl(target))
        ctx.messages.ShowMessage(FillTemplate(ctx.dialogTexts.OpenFailed, {target}));
}

std::string HelpFileOf(const MainState& state) {
    return state.DataFolder + (state.LanguageCode == kDanish ? "DURAZ1.HLP" : "ZEZUVIDEZ1.HLP");
}

}  // namespace

bool CloseQuery(AppContext& ctx) {
    auto& state = ctx.state;
    state.LayoutLocked = true;
    bool mayClose = true;
    try {
        mayClose = AskToSaveChanges(ctx, CaptionOf(state, ctx.texts));
    } catch (...) {
        // The changes are not on disk: the window stays open so nothing is lost.
        WriteBackOptions(ctx);
        state.LayoutLocked = false;
        throw;
    }
    if (!mayClose) state.LayoutLocked = false;
    WriteBackOptions(ctx);
    if (mayClose) WriteBackLastTimetable(ctx);
    return mayClose;
}

void WindowActivated(AppContext& ctx) {
    ctx.view.HelpFile = HelpFileOf(ctx.state);
}

void WindowResized(AppContext& ctx, int width, int height) {
    if (ctx.state.LayoutLocked) return;
    ctx.view.WindowWidth = width;
    ctx.view.WindowHeight = height;
    ResizeWeekView(ctx.view, width, height);
}

void ClassFieldClick(AppContext& ctx) {
    if (IsTimetableOpen(ctx)) EditClass(ctx);
}

void ShowHelp(AppContext& ctx) {
    ShowHelpTopic(ctx, kTopicMainWindow);
}

void ShowHelpTopic(AppContext& ctx, int topic) {
    if (ctx.view.HelpFile.empty()) ctx.view.HelpFile = HelpFileOf(ctx.state);
    // A help file of the user's own in the data folder comes first.
    if (StoredFileExists(ctx.view.HelpFile)) {
        OpenOrSay(ctx, ctx.view.HelpFile);
        return;
    }
    const auto page =
        ctx.platform.UserGuidePage(ctx.state.LanguageCode == kDanish ? "da" : "en");
    if (!page) {
        ctx.messages.ShowMessage(ctx.texts.HelpFileMissing + ctx.view.HelpFile);
        return;
    }
    const std::string anchor = HelpAnchor(topic);
    if (!ctx.platform.OpenUrl("file://" + *page + "#" + anchor))
        ctx.platform.ShowHelpWindow(*page, anchor);
}

void OpenDataFolder(AppContext& ctx) {
    OpenOrSay(ctx, ctx.state.DataFolder);
}

void MondayFirstClick(AppContext& ctx) {
    auto& state = ctx.state;
    state.SundayFirst = !state.SundayFirst;
    ShowOptions(state, ctx.view.Menus);
    const auto header = WeekdayHeader(state.Names.ShortDayNames, state.SundayFirst);
    ctx.view.WeekdayStrip.Caption = header.Text;
    state.WeekdayAbbreviations = header.Abbreviations;
    SelectDate(ctx, state.SelYear, state.SelMonth, state.SelDay);
}

void StartTrayClick(AppContext& ctx) {
    ctx.state.StartInTray = !ctx.state.StartInTray;
    ShowOptions(ctx.state, ctx.view.Menus);
}

}  // namespace skemora
