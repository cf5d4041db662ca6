#include "app/refresh/refresh.h"

#include "app/state/timetable_state.h"
#include "app/storage/loading.h"
#include "app/storage/save.h"
#include "app/storage/week_notes.h"
#include "app/view/lesson_fill.h"
#include "app/view/projection.h"
#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"
#include "core/holidays/holiday_tables.h"
#include "app/storage/holiday_files.h"
#include "app/storage/save_question.h"
#include "app/storage/storage.h"
#include "core/timetable/periods.h"

namespace skemora {

namespace {

// The week panel's data: the holiday tables around the selected month, the week number, which
// week files of the year exist, and the open time-table's period list and week homework.
void LoadWeekPanel(AppContext& ctx) {
    auto& state = ctx.state;
    state.WeekPanelYear = state.SelYear;
    ReadHolidayTables(state);

    state.WeekFileExists = WeekFilesOfYear(state, state.SelYear);
    const int week = WeekNumber(state.SelYear, state.SelMonth, state.SelDay, state.SundayFirst);
    state.WeekNo = static_cast<std::uint16_t>(week);

    if (IsTimetableOpen(ctx)) ReadTimetableFiles(ctx);
}

// Saves what is pending, reads the shown week's notes, and when the shown week falls in
// another period than the lessons held, asks about unsaved changes and loads that period.
void LoadLessons(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    auto& state = ctx.state;
    auto& saving = state.Saving;
    // While a file of the time-table cannot be read, no save can be made, and a change made
    // meanwhile stays unsaved until the file reads again.
    const bool saveable = saving.FailedLoadPath.empty();
    SavePending(ctx);
    ctx.platform.ProcessEvents();
    // With Sunday first a selected Sunday shows the school week after it, and its lessons.
    const int selectedDay = PeriodDayOfSelectedDate(state);
    ReadWeekNotes(state);
    const int period = PeriodForDate(state.Periods, selectedDay);
    if (period == saving.LoadedPeriod) return;
    if (saveable) AskToSaveChanges(ctx, CaptionOf(state, ctx.texts));
    // The selected cell is selected again in the new lessons, but the selected date stays: the
    // user chose it, and selecting the cell would move it to the cell's column.
    const auto selectedCell = state.SelCell;
    state.SelCell.reset();
    LoadPeriod(ctx, period);
    if (selectedCell) PlaceSelection(state, *selectedCell, FillLessons(state));
}

// The parts of the shown week a refresh loads.
enum class Part { WeekPanel, Lessons, All };

void Draw(AppContext& ctx) {
    ProjectView(ctx.state, ctx.texts, ctx.view);
    // The notes just read are put into the box once; after that it holds what is typed.
    ctx.state.ShownNotes.Fresh = false;
}

// Loads the part, then draws the state, also when loading failed part way: the view shows what
// was loaded.
void RunDown(AppContext& ctx, Part part) {
    try {
        if (part != Part::Lessons) LoadWeekPanel(ctx);
        if (part != Part::WeekPanel) LoadLessons(ctx);
    } catch (...) {
        Draw(ctx);
        throw;
    }
    Draw(ctx);
}

}  // namespace

void SavePending(AppContext& ctx) {
    const auto& saving = ctx.state.Saving;
    if (IsTimetableOpen(ctx) && saving.Modified && saving.FailedLoadPath.empty()) Save(ctx);
}

void LoadShownWeek(AppContext& ctx) {
    LoadWeekPanel(ctx);
    LoadLessons(ctx);
}

void RefreshAll(AppContext& ctx) {
    RunDown(ctx, Part::All);
}

void RefreshWeekPanel(AppContext& ctx) {
    RunDown(ctx, Part::WeekPanel);
}

void RefreshDayHeaders(AppContext& ctx) {
    Draw(ctx);
}

void RefreshLessons(AppContext& ctx) {
    RunDown(ctx, Part::Lessons);
}

void RefreshMonthPanel(AppContext& ctx) {
    Draw(ctx);
}

}  // namespace skemora
