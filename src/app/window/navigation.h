// The date navigation commands, selecting a lesson cell, and the main window's keyboard map.
#pragma once

#include <optional>

#include "app/state/app_context.h"
#include "core/calendar/calendar.h"

namespace skemora {

// The dates the steps lead to from the selected date, none where a step would leave the years
// 1..9999. A year step clamps the day to the month and takes a date of week 0 to the 15th; a
// month step clamps the day; a school-day step passes over weekends; a week number outside
// the year's goes to the nearest week it has.
std::optional<Date> YearStepDate(const MainState& state, int delta);
std::optional<Date> MonthStepDate(const MainState& state, int delta);
std::optional<Date> SchoolDayStepDate(const MainState& state, int delta);
std::optional<Date> WeekDate(const MainState& state, int week);

void PreviousYear(AppContext& ctx);
void NextYear(AppContext& ctx);
void PreviousMonth(AppContext& ctx);
void NextMonth(AppContext& ctx);
void PreviousWeek(AppContext& ctx);
void NextWeek(AppContext& ctx);
void PreviousSchoolDay(AppContext& ctx);
void NextSchoolDay(AppContext& ctx);
void PreviousLesson(AppContext& ctx);
void NextLesson(AppContext& ctx);
void GoToToday(AppContext& ctx);
// Selects a lesson cell, shows its lesson and makes its column's date the selected date.
void SelectCell(AppContext& ctx, CellRef cell);
// Keyboard: the selected cell moved by the arrow keys' steps, stopping at the grid's edges; with
// no cell selected, the first cell of Monday is selected.
void MoveSelectedCell(AppContext& ctx, int columnStep, int rowStep);
// Makes the date the selected date and runs RefreshAll.
void SelectDate(AppContext& ctx, int year, int month, int day);
void GoToWeek(AppContext& ctx, int week);
// Clicks on week label k (0..52) and on day label d (0..30) read the label's caption.
void WeekLabelClick(AppContext& ctx, int labelIndex);
void DayLabelClick(AppContext& ctx, int labelIndex);

// The key map: letter is 'D', 'I', 'L', 'M', 'W' or 'Y'. Runs the Ctrl command, then the Alt
// command. Answers whether the key is one of the map's (the caller then moves the focus to the
// class field and swallows the key).
bool HandleKey(AppContext& ctx, char letter, bool ctrl, bool alt);

}  // namespace skemora
