#include "app/export/export_commands.h"

#include <ctime>

#include "core/export/calendar_page.h"
#include "core/export/ics_calendar.h"
#include "core/files/text_file.h"
#include "core/timetable/lesson_times.h"
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

// Calendar export
void ExportCalendarClick(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    const auto& state = ctx.state;
    std::string folder = ctx.platform.DocumentsFolder();
    if (folder.empty()) folder = UserFolder(state);
    if (folder.back() != '/') folder += '/';
    const auto chosen =
        ctx.messages.SaveFileName(folder, UserName(state) + ".ics", "*.ics|*.ics|*.*|*.*", "*.ics");
    if (!chosen) return;

    IcsCalendarInput input;
    input.Pupil = UserName(state);
    input.StampUtc = static_cast<std::int64_t>(std::time(nullptr));
    const Date monday = DateOfDayNumber(MondayOfSelectedWeek(state));
    for (int d = 0; d < kDays; ++d) {
        const Date day = AddDays(monday, d);
        const DayRecord& record = state.Days[d];
        for (int p = 0; p < kLessons; ++p) {
            if (record.Subject[p].empty()) continue;
            IcsLesson lesson;
            lesson.Day = day;
            lesson.Position = p;
            lesson.StartUtc = LocalToUtc(day, LessonStart(record.StartTime, state.Times, p));
            lesson.EndUtc = LocalToUtc(day, LessonEnd(record.StartTime, state.Times, p));
            lesson.Subject = record.Subject[p];
            lesson.Room = record.Room[p];
            lesson.Teacher = record.Teacher[p];
            lesson.Homework = state.Homework[d][p].HomeworkText;
            input.Lessons.push_back(std::move(lesson));
        }
        const Element& holiday = ctx.view.Days[d].Holiday;
        if (holiday.Visible && !holiday.Caption.empty()) input.Holidays.push_back({day, holiday.Caption});
    }
    StagedFile file(*chosen, IcsCalendar(input));
    file.Commit();
}

}  // namespace skemora
