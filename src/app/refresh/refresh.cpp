#include "app/refresh/refresh.h"

#include "app/view/week_grid.h"
#include "core/timetable/week_view_text.h"
#include "core/calendar/calendar.h"
#include "core/holidays/holiday_tables.h"
#include "app/view/lesson_fill.h"
#include "app/storage/loading.h"
#include "core/timetable/periods.h"
#include "app/storage/save.h"
#include "app/storage/save_question.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"
#include "app/storage/holiday_files.h"
#include "app/storage/storage.h"

namespace skemora {

namespace {

Date SelectedDate(const MainState& state) {
    return {state.SelYear, state.SelMonth, state.SelDay};
}

bool IsSchoolDay(int weekday) {
    return weekday >= 2 && weekday <= 6;
}

// The holiday table of a date's month: before, at or after the selected month.
const feriedage& TableOf(const MainState& state, const Date& date) {
    const int shown = state.SelYear * 12 + state.SelMonth;
    const int month = date.Year * 12 + date.Month;
    if (month < shown) return state.HolidayTables[0];
    if (month > shown) return state.HolidayTables[2];
    return state.HolidayTables[1];
}

void ShowDateCaptions(AppContext& ctx, DayColumnView& column, const Date& date) {
    column.DayNumber.Caption = std::to_string(date.Day);
    column.Year.Caption = std::to_string(date.Year);
    column.Month.Caption = ctx.state.Names.ShortMonthNames[date.Month - 1];
}

// A date of the walks through the shown week: its captions, and its holiday mark in colour.
void ShowWeekDate(AppContext& ctx, const Date& date) {
    const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
    if (!IsSchoolDay(weekday)) return;
    auto& column = ctx.view.Days[weekday - 2];
    ShowDateCaptions(ctx, column, date);
    const feriedage& table = TableOf(ctx.state, date);
    if (!IsHoliday(table, date.Day)) return;
    const Color colour = HolidayColour(table, date.Day);
    column.DayNumber.TextColor = colour;
    column.Holiday.Caption = table.Names[date.Day - 1];
    column.Holiday.TextColor = colour;
    column.Holiday.Visible = true;
}

}  // namespace

void RefreshAll(AppContext& ctx) {
    RefreshWeekPanel(ctx);
    RefreshDayHeaders(ctx);
    RefreshLessons(ctx);
    RefreshMonthPanel(ctx);
}

void RefreshWeekPanel(AppContext& ctx) {
    auto& state = ctx.state;
    auto& view = ctx.view;
    state.WeekPanelYear = state.SelYear;
    ReadHolidayTables(state);

    for (auto& label : view.WeekLabels) {
        label.Background = kWhite;
        label.TextColor = kBlack;
    }
    const auto weekFiles = WeekFilesOfYear(state, state.SelYear);
    for (int w = 1; w <= 53; ++w) {
        if (weekFiles[w - 1]) view.WeekLabels[w - 1].TextColor = kBlue;
    }
    const int week = WeekNumber(state.SelYear, state.SelMonth, state.SelDay, state.SundayFirst);
    if (week >= 1 && week <= 53) {
        view.WeekLabels[week - 1].Background = kBlue;
        view.WeekLabels[week - 1].TextColor = kWhite;
    }
    state.WeekNo = static_cast<std::uint16_t>(week);
    view.YearStrip.Caption = std::to_string(state.WeekPanelYear);
    view.WeekLabels[52].Visible = WeeksInYear(state.SelYear, state.SundayFirst) >= 53;

    if (IsTimetableOpen(ctx)) {
        ReadTimetableFiles(ctx);
        ShowTimetable(ctx);
    }
}

void RefreshDayHeaders(AppContext& ctx) {
    auto& state = ctx.state;
    auto& view = ctx.view;
    for (auto& column : view.Days) {
        column.Header.Background = kWhite;
        for (Element* label : {&column.DayName, &column.DayNumber, &column.Month, &column.Year}) {
            label->TextColor = kBlack;
        }
        column.Holiday.Visible = false;
        column.Holiday.Background = kWhite;
        column.Holiday.TextColor = kBlack;
    }

    const Date selected = SelectedDate(state);
    const int weekday = WeekdayOf(selected.Year, selected.Month, selected.Day);
    if (IsSchoolDay(weekday)) {
        auto& column = view.Days[weekday - 2];
        column.Header.Background = kBlue;
        for (Element* label :
             {&column.DayName, &column.DayNumber, &column.Month, &column.Year, &column.Holiday}) {
            label->TextColor = kWhite;
        }
        ShowDateCaptions(ctx, column, selected);
        const bool holiday = IsHoliday(state.HolidayTables[1], selected.Day);
        if (holiday) {
            column.Holiday.Caption = state.HolidayTables[1].Names[selected.Day - 1];
            column.Holiday.Visible = true;
        }
        view.Menus.HolidaysDelete.Enabled = holiday;
    }

    const int firstWeekday = state.SundayFirst ? 1 : 2;
    Date date = selected;
    while (WeekdayOf(date.Year, date.Month, date.Day) != firstWeekday) {
        date = AddDays(date, -1);
        ShowWeekDate(ctx, date);
    }
    for (;;) {
        date = AddDays(date, 1);
        const int day = WeekdayOf(date.Year, date.Month, date.Day);
        if (day == 7 || (day == 1 && !state.SundayFirst)) break;
        ShowWeekDate(ctx, date);
    }
}

void RefreshLessons(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    auto& state = ctx.state;
    auto& saving = state.Saving;
    // While a file of the time-table cannot be read, no save can be made, and a change made
    // meanwhile stays unsaved until the file reads again.
    const bool saveable = saving.FailedLoadPath.empty();
    if (saving.Modified && saveable) Save(ctx);
    ctx.platform.ProcessEvents();
    // With Sunday first a selected Sunday shows the school week after it, and its lessons.
    const int selectedDay = PeriodDayOfSelectedDate(state);
    ReadWeekNotes(ctx);
    const int period = PeriodForDate(state.Periods, selectedDay);
    if (period == saving.LoadedPeriod) return;
    if (saveable) AskToSaveChanges(ctx, CaptionOf(state, ctx.texts));
    // The selected cell is shown again for the new lessons, but the selected date stays: the
    // user chose it, and selecting the cell would move it to the cell's column.
    const auto selectedCell = state.SelCell;
    state.SelCell.reset();
    LoadPeriod(ctx, period);
    state.SelCell = selectedCell;
    if (selectedCell) ShowCellSelection(ctx, *selectedCell);
}

void RefreshMonthPanel(AppContext& ctx) {
    auto& state = ctx.state;
    auto& view = ctx.view;
    const int days = DaysInMonth(state.SelYear, state.SelMonth);
    const feriedage& table = state.HolidayTables[1];
    for (int d = 1; d <= days; ++d) {
        auto& label = view.DayLabels[d - 1];
        label.Caption = NumberLabelCaption(d);
        label.Background = kWhite;
        if (d == state.SelDay) {
            label.Background = kBlue;
            label.TextColor = kWhite;
        } else if (WeekdayOf(state.SelYear, state.SelMonth, d) == 1) {
            label.TextColor = kRed;
        } else if (IsHoliday(table, d)) {
            label.TextColor = HolidayColour(table, d);
        } else {
            label.TextColor = kBlack;
        }
    }
    view.DayLabels[28].Visible = days > 28;
    view.DayLabels[29].Visible = days >= 30;
    view.DayLabels[30].Visible = days > 30;

    const int first = WeekdayOf(state.SelYear, state.SelMonth, 1);
    int column = state.SundayFirst ? first : (first == 1 ? 7 : first - 1);
    int row = 0;
    for (int d = 0; d < 31; ++d) {
        view.DayLabels[d].Left = column * 22 - 18;
        view.DayLabels[d].Top = row * 13 + 15;
        if (column == 7) {
            ++row;
            column = 1;
        } else {
            ++column;
        }
    }
    view.MonthName.Caption = state.Names.LongMonthNames[state.SelMonth - 1];
}

}  // namespace skemora
