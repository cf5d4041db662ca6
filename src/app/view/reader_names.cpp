#include "app/view/reader_names.h"

#include <initializer_list>
#include <string>

#include "core/files/skemora_error.h"
#include "core/timetable/week_view_text.h"

namespace skemora {

namespace {

// The parts that say something, joined by ", ".
std::string Joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += ", ";
        text += part;
    }
    return text;
}

// A label caption's number without its padding blanks.
std::string NumberOf(const std::string& caption) {
    const auto number = NumberInCaption(caption);
    return number ? std::to_string(*number) : caption;
}

// The long month name for a header's short one; the caption itself when no name matches.
std::string LongMonth(const NameTables& names, const std::string& caption) {
    for (int m = 11; m >= 0; --m) {
        if (names.ShortMonthNames[m] == caption) return names.LongMonthNames[m];
    }
    return caption;
}

// The date a day column shows, with the name of its holiday when it has one.
std::string ColumnDate(const MainState& state, const MessageTexts& texts,
                       const DayColumnView& day) {
    if (day.DayNumber.Caption.empty()) return day.DayName.Caption;
    const std::string date = FillTemplate(
        texts.ReaderDate, {day.DayName.Caption, NumberOf(day.DayNumber.Caption),
                           LongMonth(state.Names, day.Month.Caption), day.Year.Caption});
    return Joined({date, day.Holiday.Visible ? day.Holiday.Caption : ""});
}

std::string SelectedWord(const MessageTexts& texts, bool selected) {
    return selected ? texts.ReaderSelected : "";
}

void NameCells(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    for (int c = 0; c < kDays; ++c) {
        DayColumnView& day = view.Days[c];
        const DayRecord& record = state.Days[c];
        const std::string date = ColumnDate(state, texts, day);
        const bool selectedDay = day.Header.Background == kBlue;
        day.Header.ReaderName = date;
        day.Header.ReaderDescription = SelectedWord(texts, selectedDay);
        day.Body.ReaderName = Joined({day.DayName.Caption, day.Body.Hint});
        // A column drawn lower than the others starts with empty cells that hold no lesson.
        int leading = 0;
        while (leading < kLessons && day.Cells[leading].Caption.empty()) ++leading;
        for (int r = 0; r < kLessons; ++r) {
            Element& cell = day.Cells[r];
            const std::string row = std::to_string(r + 1);
            if (cell.Caption.empty()) {
                cell.ReaderName = FillTemplate(texts.ReaderEmptyCell, {day.DayName.Caption, row});
            } else {
                const int lesson = r - leading;
                const std::string& room = record.Room[lesson];
                cell.ReaderName = Joined(
                    {FillTemplate(texts.ReaderLesson,
                                  {day.DayName.Caption, std::to_string(lesson + 1), cell.Caption}),
                     room.empty() ? "" : FillTemplate(texts.ReaderRoom, {room}),
                     record.Teacher[lesson], cell.TextColor == kGreen ? texts.ReaderHomework : ""});
            }
            const bool selected = state.SelCell && *state.SelCell == CellRef{c, r};
            cell.ReaderDescription = Joined({date, SelectedWord(texts, selected)});
        }
    }
}

void NameWeekPanel(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    view.WeekPanel.ReaderName = view.WeekPanel.Hint;
    view.YearStrip.ReaderName = FillTemplate(texts.ReaderYear, {view.YearStrip.Caption});
    for (int k = 0; k < 53; ++k) {
        Element& label = view.WeekLabels[k];
        label.ReaderName = FillTemplate(texts.ReaderWeek, {NumberOf(label.Caption)});
        // The selected week is drawn white on blue.
        label.ReaderDescription =
            Joined({state.WeekFileExists[k] ? texts.ReaderHomework : "",
                    SelectedWord(texts, label.Background == kBlue)});
    }
}

void NameMonthPanel(const MessageTexts& texts, ViewModel& view) {
    view.MonthPanel.ReaderName = Joined({view.MonthPanel.Hint, view.MonthName.Caption});
    for (Element& label : view.DayLabels) {
        label.ReaderName =
            FillTemplate(texts.ReaderMonthDay, {NumberOf(label.Caption), view.MonthName.Caption});
        label.ReaderDescription = SelectedWord(texts, label.Background == kBlue);
    }
}

}  // namespace

void NameForReaders(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    NameCells(state, texts, view);
    NameWeekPanel(state, texts, view);
    NameMonthPanel(texts, view);
    // Elements that show no text are read by their hint.
    for (Element* element :
         {&view.NewButton, &view.OpenButton, &view.SaveButton, &view.TodayButton,
          &view.PrevYearButton, &view.NextYearButton, &view.PrevMonthButton,
          &view.NextMonthButton, &view.NotesBox, &view.NotesPanel, &view.ButtonColumn}) {
        element->ReaderName = element->Caption.empty() ? element->Hint : "";
    }
    view.ClassField.ReaderName = view.ClassField.Caption.empty()
                                     ? view.ClassField.Hint
                                     : FillTemplate(texts.ReaderClass, {view.ClassField.Caption});
}

}  // namespace skemora
