#include "app/view/projection.h"

#include "app/view/lesson_fill.h"
#include "app/view/week_grid.h"
#include "core/calendar/calendar.h"
#include "core/holidays/holiday_tables.h"
#include "core/timetable/week_view_text.h"

namespace skemora {

namespace {

Date SelectedDate(const MainState& state) {
    return {state.SelYear, state.SelMonth, state.SelDay};
}

// Whether a time-table was opened: only then do the lessons, the selection and the controls
// that follow it show the state.
bool TimetableShown(const MainState& state) {
    return state.Open.has_value();
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

void ShowDateCaptions(const MainState& state, DayColumnView& column, const Date& date) {
    column.DayNumber.Caption = std::to_string(date.Day);
    column.Year.Caption = std::to_string(date.Year);
    column.Month.Caption = state.Names.ShortMonthNames[date.Month - 1];
}

// A date of the walks through the shown week: its captions, and its holiday mark in colour.
void ShowWeekDate(const MainState& state, ViewModel& view, const Date& date) {
    const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
    if (!IsSchoolDay(weekday)) return;
    auto& column = view.Days[weekday - 2];
    ShowDateCaptions(state, column, date);
    const feriedage& table = TableOf(state, date);
    if (!IsHoliday(table, date.Day)) return;
    const Color colour = HolidayColour(table, date.Day);
    column.DayNumber.TextColor = colour;
    column.Holiday.Caption = table.Names[date.Day - 1];
    column.Holiday.TextColor = colour;
    column.Holiday.Visible = true;
}

// Week labels with a homework file are blue, the selected week's is white on blue.
void ProjectWeekPanel(const MainState& state, ViewModel& view) {
    for (int k = 0; k < 53; ++k) {
        auto& label = view.WeekLabels[k];
        label.Background = kWhite;
        label.TextColor = state.WeekFileExists[k] ? kBlue : kBlack;
    }
    const int week = WeekNumber(state.SelYear, state.SelMonth, state.SelDay, state.SundayFirst);
    if (week >= 1 && week <= 53) {
        view.WeekLabels[week - 1].Background = kBlue;
        view.WeekLabels[week - 1].TextColor = kWhite;
    }
    view.YearStrip.Caption = std::to_string(state.WeekPanelYear);
    view.WeekLabels[52].Visible = WeeksInYear(state.SelYear, state.SundayFirst) >= 53;
}

void ProjectDayHeaders(const MainState& state, ViewModel& view) {
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
        ShowDateCaptions(state, column, selected);
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
        ShowWeekDate(state, view, date);
    }
    for (;;) {
        date = AddDays(date, 1);
        const int day = WeekdayOf(date.Year, date.Month, date.Day);
        if (day == 7 || (day == 1 && !state.SundayFirst)) break;
        ShowWeekDate(state, view, date);
    }
}

void ProjectMonthPanel(const MainState& state, ViewModel& view) {
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

// The controls that follow the open time-table: its menus, the save controls, the class, the
// school mates button once lessons are loaded, and the notes box once its notes were read.
void ProjectStanding(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    auto& menus = view.Menus;
    if (TimetableShown(state)) {
        for (MenuItem* item :
             {&menus.Convert, &menus.RemoveLesson, &menus.School, &menus.Class, &menus.Holidays,
              &menus.ExportCalendar}) {
            item->Enabled = true;
        }
    }
    const bool modified = state.Saving.Modified;
    menus.Save.Enabled = modified;
    menus.SaveAs.Enabled = modified;
    view.SaveButton.Enabled = modified;

    if (state.Saving.LoadedPeriod >= 0) {
        view.ClassField.Caption = state.ClassName;
        auto& students = view.LessonButtons[kStudentsButton];
        students.Hint = texts.SchoolMatesHint + state.ClassName;
        if (!state.SelCell) students.Enabled = true;
    }

    const ShownWeekNotes& notes = state.ShownNotes;
    if (notes.Read) {
        view.NotesBox.Enabled = notes.Readable;
        view.NotesBox.Hint = texts.WeekNotesHint + std::to_string(notes.Week);
        if (notes.Fresh) view.NotesText = notes.Text;
    }
}

}  // namespace

void ProjectView(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    ProjectWeekPanel(state, view);
    ProjectDayHeaders(state, view);
    if (TimetableShown(state)) {
        ProjectLessons(state, view);
        ProjectSelection(state, texts, view);
    }
    ProjectMonthPanel(state, view);
    ProjectStanding(state, texts, view);
}

}  // namespace skemora
