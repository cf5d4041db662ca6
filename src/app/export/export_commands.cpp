#include "app/export/export_commands.h"

#include "core/export/calendar_page.h"
#include "core/export/timetable_page.h"
#include "app/storage/storage.h"
#include "app/timetable/save_as_commands.h"
#include "app/state/timetable_state.h"

namespace skemora {

namespace {

WeekGridText GridAsShown(const AppContext& ctx) {
    WeekGridText grid;
    for (int d = 0; d < kDays; ++d) {
        grid.DayNames[d] = ctx.state.Names.LongDayNames[d + 1];
        for (int r = 0; r < kLessons; ++r) grid.Cells[d][r] = ctx.view.Days[d].Cells[r].Caption;
    }
    return grid;
}

std::optional<SchoolLines> ReadSchoolLines(MainState& state) {
    const auto read = ReadStored(state, SchoolFilePath(state));
    if (!read) return std::nullopt;
    const auto& lines = *read;
    const auto line = [&](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    return SchoolLines{line(0), line(4), line(5)};
}

// Writes the page and opens it; a page that cannot be written is not opened, one that nothing
// opens is named with where it was written.
void WriteAndOpen(AppContext& ctx, const std::vector<std::string>& lines) {
    const std::string path = HtmlPagePath(ctx.state);
    ReplaceStored(ctx.state, path, lines);
    if (!ctx.platform.OpenUrl(path))
        ctx.messages.ShowMessage(FillTemplate(ctx.texts.PageOpenFailed, {path}));
}

}  // namespace

std::string HtmlPagePath(const MainState& state) {
    return UserFolder(state) + UserName(state) + ".html";
}

void ConverttoClick(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    auto& state = ctx.state;
    TimetablePageInput input;
    input.Name = UserName(state);
    input.ClassName = state.ClassName;
    input.School = ReadSchoolLines(state);
    for (int d = 0; d < kDays; ++d) input.StartTimes[d] = state.Days[d].StartTime;
    input.Grid = GridAsShown(ctx);
    WriteAndOpen(ctx, TimetablePage(input));
}

void Calendar1Click(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto& state = ctx.state;
    CalendarPageInput input;
    input.Name = UserName(state);
    input.SelectedDate = {state.SelYear, state.SelMonth, state.SelDay};
    input.SundayFirst = state.SundayFirst;
    input.LanguageCode = state.LanguageCode;
    input.WeekLabel = ctx.texts.WeekWord;
    input.WeekdayAbbreviations = state.WeekdayAbbreviations;
    input.LongMonthNames = state.Names.LongMonthNames;
    input.Grid = GridAsShown(ctx);
    for (int d = 0; d < kDays; ++d) {
        const DayColumnView& column = ctx.view.Days[d];
        DayHeading& heading = input.DayHeadings[d];
        heading.DayName = column.DayName.Caption;
        heading.DayNumber = column.DayNumber.Caption;
        heading.MonthName = column.Month.Caption;
        heading.Year = column.Year.Caption;
        if (column.Holiday.Visible) heading.HolidayName = column.Holiday.Caption;
    }
    WriteAndOpen(ctx, CalendarPage(input));
}

}  // namespace skemora
