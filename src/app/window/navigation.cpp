#include "app/window/navigation.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/refresh/refresh.h"
#include "app/view/week_grid.h"
#include "core/timetable/week_view_text.h"
#include "core/calendar/calendar.h"

namespace skemora {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

Date SelectedDate(const MainState& state) {
    return {state.SelYear, state.SelMonth, state.SelDay};
}

bool IsWeekend(const Date& date) {
    const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
    return weekday == 1 || weekday == 7;
}

// The row the lesson moves step from: the selected cell's own row when a cell is selected, so
// that a column drawn lower than the others is walked cell by cell.
int CurrentRow(const MainState& state) {
    if (state.SelColumn != 0 && state.SelCell) return state.SelCell->Row;
    return state.SelLesson;
}

void StepSchoolDay(AppContext& ctx, int delta) {
    const auto date = SchoolDayStepDate(ctx.state, delta);
    if (!date) return;
    const int row = std::clamp(CurrentRow(ctx.state), 0, kLessons - 1);
    SelectDate(ctx, date->Year, date->Month, date->Day);
    const int weekday = WeekdayOf(date->Year, date->Month, date->Day);
    SelectCell(ctx, CellRef{weekday - 2, row});
}

void Go(AppContext& ctx, const std::optional<Date>& date) {
    if (date) SelectDate(ctx, date->Year, date->Month, date->Day);
}

// The month of a header's month caption; the last matching name wins, January when none does.
int MonthOfCaption(const NameTables& names, const std::string& caption) {
    int month = 1;
    for (int m = 0; m < 12; ++m) {
        if (names.ShortMonthNames[m] == caption) month = m + 1;
    }
    return month;
}

void StepLesson(AppContext& ctx, int delta) {
    auto& state = ctx.state;
    int row = state.SelColumn == 0 ? (delta < 0 ? kLessons : -1) : CurrentRow(state);
    if (delta < 0) {
        row = row <= 0 ? kLessons - 1 : row - 1;
    } else {
        row = row >= kLessons - 1 ? 0 : row + 1;
    }
    state.SelLesson = row;
    const int column = std::clamp(state.SelColumn == 0 ? 1 : state.SelColumn, 1, kDays);
    SelectCell(ctx, CellRef{column - 1, row});
}

}  // namespace

std::optional<Date> YearStepDate(const MainState& state, int delta) {
    const int year = state.SelYear + delta;
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    const int month = state.SelMonth;
    int day = std::min<int>(state.SelDay, DaysInMonth(year, month));
    if (WeekNumber(year, month, day, state.SundayFirst) == 0) day = 15;
    return Date{year, month, day};
}

std::optional<Date> MonthStepDate(const MainState& state, int delta) {
    int year = state.SelYear;
    int month = state.SelMonth + delta;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    return Date{year, month, std::min<int>(state.SelDay, DaysInMonth(year, month))};
}

std::optional<Date> SchoolDayStepDate(const MainState& state, int delta) {
    Date date = SelectedDate(state);
    do {
        date = AddDays(date, delta);
    } while (IsWeekend(date));
    if (date.Year < kFirstYear || date.Year > kLastYear) return std::nullopt;
    return date;
}

std::optional<Date> WeekDate(const MainState& state, int week) {
    const int year = state.SelYear;
    const bool sundayFirst = state.SundayFirst;
    // Week numbers of a year run without gaps from that of 1 January to that of 31 December;
    // a number outside them goes to the nearest week the year has.
    week = std::clamp(week, WeekNumber(year, 1, 1, sundayFirst),
                      WeekNumber(year, 12, 31, sundayFirst));
    // Week numbers never fall within a year: the first day of the week is found by halving.
    const Date newYear{year, 1, 1};
    int low = 0;
    int high = DayOfYear(year, 12, 31) - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        const Date date = AddDays(newYear, middle);
        if (WeekNumber(date.Year, date.Month, date.Day, sundayFirst) < week) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const Date found = AddDays(newYear, low);
    if (WeekNumber(found.Year, found.Month, found.Day, sundayFirst) == week) return found;
    Date date = week >= 52 ? Date{year, 12, 1} : Date{year - 1, 12, 28};
    for (int step = 0; step < 400; ++step) {
        date = AddDays(date, 1);
        if (date.Year >= year && WeekNumber(date.Year, date.Month, date.Day, sundayFirst) == week) {
            return date;
        }
    }
    return std::nullopt;
}

void SelectCell(AppContext& ctx, CellRef cell) {
    if (cell.Column < 0 || cell.Column >= kDays || cell.Row < 0 || cell.Row >= kLessons) return;
    ShowCellSelection(ctx, cell);
    auto& state = ctx.state;
    const auto& header = ctx.view.Days[cell.Column];
    const auto day = NumberInCaption(header.DayNumber.Caption);
    const auto year = NumberInCaption(header.Year.Caption);
    if (!day || !year || *year < 1 || *year > 9999) return;
    const int month = MonthOfCaption(state.Names, header.Month.Caption);
    if (*day < 1 || *day > DaysInMonth(*year, month)) return;
    SelectDate(ctx, *year, month, *day);
}

void MoveSelectedCell(AppContext& ctx, int columnStep, int rowStep) {
    if (!ctx.state.SelCell) {
        SelectCell(ctx, CellRef{0, 0});
        return;
    }
    const CellRef from = *ctx.state.SelCell;
    SelectCell(ctx, CellRef{std::clamp(from.Column + columnStep, 0, kDays - 1),
                            std::clamp(from.Row + rowStep, 0, kLessons - 1)});
}

void SelectDate(AppContext& ctx, int year, int month, int day) {
    year = std::clamp(year, kFirstYear, kLastYear);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, DaysInMonth(year, month));
    // What is pending is saved while the week it belongs to is still selected: a save that
    // fails leaves the whole window on that week, the change kept for the next save.
    SavePending(ctx);
    ctx.state.SelYear = static_cast<std::uint16_t>(year);
    ctx.state.SelMonth = static_cast<std::uint16_t>(month);
    ctx.state.SelDay = static_cast<std::uint16_t>(day);
    RefreshAll(ctx);
}

void PreviousYear(AppContext& ctx) {
    Go(ctx, YearStepDate(ctx.state, -1));
}
void NextYear(AppContext& ctx) {
    Go(ctx, YearStepDate(ctx.state, 1));
}
void PreviousMonth(AppContext& ctx) {
    Go(ctx, MonthStepDate(ctx.state, -1));
}
void NextMonth(AppContext& ctx) {
    Go(ctx, MonthStepDate(ctx.state, 1));
}

void PreviousWeek(AppContext& ctx) {
    int week = ctx.state.WeekNo - 1;
    if (week < 1) {
        if (ctx.state.SelYear <= kFirstYear) return;
        week = WeeksInYear(ctx.state.SelYear - 1, ctx.state.SundayFirst);
        PreviousYear(ctx);
    }
    GoToWeek(ctx, week);
}

void NextWeek(AppContext& ctx) {
    int week = ctx.state.WeekNo + 1;
    if (week > WeeksInYear(ctx.state.SelYear, ctx.state.SundayFirst)) {
        if (ctx.state.SelYear >= kLastYear) return;
        NextYear(ctx);
        week = 1;
    }
    GoToWeek(ctx, week);
}

void PreviousSchoolDay(AppContext& ctx) {
    StepSchoolDay(ctx, -1);
}
void NextSchoolDay(AppContext& ctx) {
    StepSchoolDay(ctx, 1);
}
void PreviousLesson(AppContext& ctx) {
    StepLesson(ctx, -1);
}
void NextLesson(AppContext& ctx) {
    StepLesson(ctx, 1);
}

void GoToToday(AppContext& ctx) {
    SelectDate(ctx, ctx.state.TodayYear, ctx.state.TodayMonth, ctx.state.TodayDay);
}

void GoToWeek(AppContext& ctx, int week) {
    Go(ctx, WeekDate(ctx.state, week));
}

void WeekLabelClick(AppContext& ctx, int labelIndex) {
    if (labelIndex < 0 || labelIndex >= 53) return;
    if (auto week = NumberInCaption(ctx.view.WeekLabels[labelIndex].Caption)) GoToWeek(ctx, *week);
}

void DayLabelClick(AppContext& ctx, int labelIndex) {
    if (labelIndex < 0 || labelIndex >= 31) return;
    const auto day = NumberInCaption(ctx.view.DayLabels[labelIndex].Caption);
    if (!day || *day < 1 || *day > DaysInMonth(ctx.state.SelYear, ctx.state.SelMonth)) return;
    SelectDate(ctx, ctx.state.SelYear, ctx.state.SelMonth, *day);
}

bool HandleKey(AppContext& ctx, char letter, bool ctrl, bool alt) {
    using Command = void (*)(AppContext&);
    struct KeyCommands {
        char Letter;
        Command WithCtrl, WithAlt;
    };
    static constexpr KeyCommands kKeyMap[] = {
        {'D', PreviousSchoolDay, NextSchoolDay}, {'I', GoToToday, nullptr},
        {'L', PreviousLesson, NextLesson},       {'M', PreviousMonth, NextMonth},
        {'W', PreviousWeek, NextWeek},           {'Y', PreviousYear, NextYear},
    };
    for (const auto& entry : kKeyMap) {
        if (entry.Letter != std::toupper(static_cast<unsigned char>(letter))) continue;
        const bool acts = (ctrl && entry.WithCtrl) || (alt && entry.WithAlt);
        if (!acts) return false;
        if (ctrl && entry.WithCtrl) entry.WithCtrl(ctx);
        if (alt && entry.WithAlt) entry.WithAlt(ctx);
        return true;
    }
    return false;
}

}  // namespace skemora
