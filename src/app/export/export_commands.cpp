#include "app/export/export_commands.h"

#include <ctime>

#include "core/export/calendar_page.h"
#include "core/export/export_range.h"
#include "core/export/ics_calendar.h"
#include "core/files/file_ops.h"
#include "core/files/paths.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/language/texts.h"
#include "core/export/timetable_page.h"
#include "app/glance/glance.h"
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

constexpr int kDaysPerWeek = 7;

// A day of the range choice: "31 July 2027".
std::string RangeDateText(const AppContext& ctx, int dayNumber) {
    const Date day = DateOfDayNumber(dayNumber);
    std::string month = ctx.state.Names.LongMonthNames[static_cast<std::size_t>(day.Month - 1)];
    // Danish writes a month inside a sentence in small letters: "10. marts 2025".
    if (ctx.state.LanguageCode == kDanish && !month.empty() && month[0] >= 'A' && month[0] <= 'Z')
        month[0] = static_cast<char>(month[0] - 'A' + 'a');
    return FillTemplate(ctx.texts.IcsRangeDate,
                        {std::to_string(day.Day), month, std::to_string(day.Year)});
}

// The last day of the range the user chooses from the week of `monday`; nothing when cancelled.
std::optional<int> ChooseRangeEnd(AppContext& ctx, int monday) {
    struct Choice {
        ExportRange Range;
        const std::string MessageTexts::*Caption;
    };
    const Choice choices[] = {{ExportRange::ShownWeek, &MessageTexts::IcsRangeShownWeek},
                              {ExportRange::ToPeriodEnd, &MessageTexts::IcsRangePeriod},
                              {ExportRange::ToSchoolYearEnd, &MessageTexts::IcsRangeSchoolYear}};
    std::vector<int> ends;
    std::vector<std::string> options;
    for (const Choice& choice : choices) {
        ends.push_back(ExportRangeEnd(choice.Range, ctx.state.Periods, monday));
        options.push_back(
            FillTemplate(ctx.texts.*choice.Caption,
                         {RangeDateText(ctx, monday), RangeDateText(ctx, ends.back())}));
    }
    const auto chosen =
        ctx.messages.ChooseOne(ctx.texts.IcsRangeTitle, ctx.texts.IcsRangePrompt, options);
    if (!chosen || *chosen < 0 || static_cast<std::size_t>(*chosen) >= ends.size())
        return std::nullopt;
    return ends[static_cast<std::size_t>(*chosen)];
}

// The calendar file the user names; a file that is there already is replaced only when the user
// agrees. Nothing when cancelled.
std::optional<std::string> ChooseIcsFile(AppContext& ctx) {
    const auto& state = ctx.state;
    std::string folder = ctx.platform.DocumentsFolder();
    if (folder.empty()) folder = UserFolder(state);
    if (folder.back() != '/') folder += '/';
    for (;;) {
        const auto chosen = ctx.messages.SaveFileName(folder, UserName(state) + ".ics",
                                                      "*.ics|*.ics|*.*|*.*", "*.ics");
        if (!chosen || !FileExists(*chosen)) return chosen;
        const int answer = ctx.messages.Ask(ctx.texts.SaveQuestionTitle + FileNamePart(*chosen),
                                            ctx.texts.ReplaceQuestion);
        if (answer == kAnswerYes) return chosen;
        if (answer != kAnswerNo) return std::nullopt;
    }
}

// The shown week as the refresh loaded it, edits not yet saved included, read as the glance
// reads a day: a holiday holds no lessons.
std::vector<GlanceDay> ShownWeek(const AppContext& ctx, const Date& monday) {
    std::vector<GlanceDay> week;
    for (int d = 0; d < kDays; ++d) {
        GlanceDay& day = week.emplace_back();
        day.Day = AddDays(monday, d);
        const Element& holiday = ctx.view.Days[d].Holiday;
        if (holiday.Visible) {
            day.Kind = DayKind::Holiday;
            day.HolidayName = holiday.Caption;
            continue;
        }
        day.Lessons = GlanceLessons(ctx.state.Days[d], ctx.state.Times, ctx.state.Homework[d]);
    }
    return week;
}

// The lessons of the days as timed events, their named holidays as all-day events.
void AddSchoolDays(IcsCalendarInput& input, const std::vector<GlanceDay>& days) {
    for (const GlanceDay& day : days) {
        if (day.Kind == DayKind::Holiday && !day.HolidayName.empty())
            input.Holidays.push_back({day.Day, day.HolidayName});
        for (const GlanceLesson& lesson : day.Lessons) {
            input.Lessons.push_back({day.Day, lesson.Position, LocalToUtc(day.Day, lesson.Start),
                                     LocalToUtc(day.Day, lesson.End), lesson.Subject, lesson.Room,
                                     lesson.Teacher, lesson.Homework});
        }
    }
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
    const int monday = MondayOfSelectedWeek(state);
    const auto last = ChooseRangeEnd(ctx, monday);
    if (!last) return;
    const auto path = ChooseIcsFile(ctx);
    if (!path) return;

    IcsCalendarInput input;
    input.Pupil = UserName(state);
    input.StampUtc = static_cast<std::int64_t>(std::time(nullptr));
    AddSchoolDays(input, ShownWeek(ctx, DateOfDayNumber(monday)));
    std::vector<std::string> unreadable;
    const int nextMonday = monday + kDaysPerWeek;
    if (*last >= nextMonday) {
        const GlanceRequest request{state.DataFolder, state.Open->Name, {}, 0, state.SundayFirst};
        SchoolDays later =
            ReadSchoolDays(request, DateOfDayNumber(nextMonday), DateOfDayNumber(*last));
        AddSchoolDays(input, later.Days);
        unreadable = std::move(later.Unreadable);
    }
    try {
        StagedFile file(*path, IcsCalendar(input));
        file.Commit();
    } catch (const SkemoraError& error) {
        const std::string reason = error.SystemError() != 0
                                       ? SystemReasonText(error.SystemError(), state.LanguageCode)
                                       : ErrorText(error, state.LanguageCode);
        ctx.messages.ShowError(FillTemplate(ctx.texts.IcsWriteFailed, {*path, reason}));
        return;
    }
    std::string report = FillTemplate(
        ctx.texts.IcsWritten,
        {*path, std::to_string(input.Lessons.size()), std::to_string(input.Holidays.size())});
    for (const std::string& file : unreadable)
        report += "\n" + FillTemplate(ctx.texts.GlanceUnreadable, {file});
    ctx.messages.ShowMessage(report);
}

}  // namespace skemora
