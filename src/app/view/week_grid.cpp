#include "app/view/week_grid.h"

#include <algorithm>

#include "core/language/mnemonics.h"
#include "core/timetable/week_view_text.h"
#include "core/calendar/calendar.h"
#include "app/view/apply_language.h"
#include "app/view/lesson_fill.h"
#include "core/timetable/lesson_rules.h"

namespace skemora {

namespace {

constexpr int kHeaderTop = 22;
constexpr int kHeaderHeight = 41;
constexpr int kWeekPanelWidth = 41;
constexpr int kWeekPanelHeight = 400;
constexpr int kMonthPanelWidth = 160;
constexpr int kMonthPanelHeight = 95;
constexpr int kMonthButtonWidth = 12;
constexpr int kYearButtonSize = 17;
constexpr int kNotesHeight = 95;

// Sizes of a window shrunk below the layout's reach stay at zero instead of turning negative.
int Size(int value) {
    return std::max(value, 0);
}

Element Place(int left, int top, int width, int height) {
    Element element;
    element.Left = left;
    element.Top = top;
    element.Width = width;
    element.Height = height;
    return element;
}

Element Label(int left, int top, int width, int height) {
    Element label = Place(left, top, width, height);
    label.Transparent = true;
    return label;
}

Element Panel(int left, int top, int width, int height, Frame border) {
    Element panel = Place(left, top, width, height);
    panel.Border = border;
    return panel;
}

Element ToolButton(int left) {
    return Place(left, 0, 33, 20);
}

MenuItem Item(bool enabled = true) {
    MenuItem item;
    item.Enabled = enabled;
    return item;
}

void BuildMenus(MenuView& menus) {
    menus.File = Item();
    menus.NewTimetable = Item();
    menus.Open = Item();
    menus.Save = Item(false);
    menus.SaveAs = Item(false);
    menus.SaveAs.Visible = false;
    menus.Convert = Item(false);
    menus.ConvertTimetable = Item();
    menus.ConvertCalendar = Item();
    menus.ExportCalendar = Item(false);  // calendar export: once a time-table is shown

    menus.Edit = Item();
    menus.EditTime = Item(false);
    menus.EditLesson = Item(false);
    menus.EditDelete = Item(false);
    menus.EditAdd = Item(false);
    menus.EditInsert = Item(false);

    menus.Timetable = Item();
    menus.Holidays = Item(false);
    menus.HolidaysNew = Item();
    menus.HolidaysDelete = Item();
    menus.School = Item(false);
    menus.Class = Item(false);

    menus.Options = Item();
    menus.MondayFirst = Item();
    menus.StartTray = Item();
    menus.RemoveLesson = Item(false);

    menus.Help = Item();
    menus.HelpItem = Item();

    menus.PopupTime = Item(false);
    menus.PopupChange = Item(false);
    menus.PopupDelete = Item(false);
    menus.PopupAdd = Item(false);
    menus.PopupInsert = Item(false);
    menus.Quit = Item();
    menus.About = Item();
}

// Places the class field over the third day column.
void PlaceClassField(ViewModel& view) {
    view.ClassField.Left = view.Days[2].Header.Left;
    view.ClassField.Width = view.Days[2].Header.Width;
}

// The day columns for outer size W x H; `bodyMargin` is 215 at construction, 220 on resizes.
void PlaceDayColumns(ViewModel& view, int width, int height, int bodyMargin) {
    const int columnWidth = Size((width - 70) / 5);
    const int bodyHeight = Size((height - bodyMargin) / 12) * 12 + 1;
    for (int c = 0; c < kDays; ++c) {
        auto& day = view.Days[c];
        day.Header.Left = c * columnWidth;
        day.Header.Top = kHeaderTop;
        day.Header.Width = columnWidth;
        day.DayName.Width = Size(columnWidth - 4);
        day.Holiday.Width = Size(columnWidth - day.Holiday.Left - 2);
        day.Body.Left = day.Header.Left;
        day.Body.Width = columnWidth;
        day.Body.Top = day.Header.Top + day.Header.Height;
        day.Body.Height = bodyHeight;
    }
    const int cellHeight = view.Days[0].Body.Height / 12;
    const int cellWidth = Size(view.Days[0].Body.Width - 1);
    for (auto& day : view.Days) {
        for (int r = 0; r < kLessons; ++r) {
            auto& cell = day.Cells[r];
            cell.Left = 1;
            cell.Top = r * cellHeight + 1;
            cell.Width = cellWidth;
            cell.Height = cellHeight;
        }
    }
    PlaceClassField(view);
}

// The year and month buttons beside the week and month panels.
void PlaceSideButtons(ViewModel& view) {
    const auto& week = view.WeekPanel;
    const auto& month = view.MonthPanel;
    view.PrevYearButton.Left = week.Left - view.PrevYearButton.Width;
    view.NextYearButton.Left = week.Left + week.Width;
    view.PrevMonthButton.Left = month.Left - view.PrevMonthButton.Width + 1;
    view.PrevMonthButton.Top = month.Top + 1;
    view.NextMonthButton.Left = month.Left + month.Width;
    view.NextMonthButton.Top = month.Top;
}

// The notes area below the grid. At construction the notes box and the button column take a
// third of the width each; after a resize three fifths and one fifth.
void PlaceNotesArea(ViewModel& view, int top, bool resized) {
    auto& notes = view.NotesPanel;
    notes.Top = top;
    notes.Width = Size(view.PrevMonthButton.Left - 3);
    view.TitleStrip.Width = Size(notes.Width - 1);
    view.NotesBox.Height = notes.Height - 16;
    view.NotesBox.Width = resized ? (notes.Width / 5) * 3 : notes.Width / 3;
    auto& column = view.ButtonColumn;
    column.Left = view.NotesBox.Width;
    column.Width = resized ? notes.Width / 5 : notes.Width / 3;
    const int buttonHeight = column.Height / 4;
    for (int k = 0; k < 4; ++k) {
        auto& button = view.LessonButtons[k];
        button.Left = 0;
        button.Top = k * buttonHeight + 1;
        button.Width = Size(column.Width - 1);
        button.Height = buttonHeight;
    }
    const int labelLeft = column.Left + column.Width + 2;
    for (int k = 0; k < 5; ++k) {
        auto& label = view.DetailLabels[k];
        label.Left = labelLeft;
        label.Top = k * ((column.Height - 16) / 4) + 16;
        label.Width = Size(notes.Width - labelLeft - 1);
    }
}

}  // namespace

void BuildWeekView(ViewModel& view, int width, int height, int screenMode) {
    const bool large = screenMode == 3;
    const int smallFont = large ? 10 : 8;

    view.WindowLeft = 10;
    view.WindowTop = 10;
    view.WindowWidth = width;
    view.WindowHeight = height;

    view.NewButton = ToolButton(0);
    view.OpenButton = ToolButton(33);
    view.SaveButton = ToolButton(66);
    view.SaveButton.Enabled = false;
    view.TodayButton = ToolButton(99);
    view.ClassField = Panel(0, 0, 0, 17, Frame::LoweredInner);

    for (int c = 0; c < kDays; ++c) {
        auto& day = view.Days[c];
        day.Header = Panel(0, kHeaderTop, 0, kHeaderHeight, Frame::Raised);
        day.DayName = Label(2, 1, 0, large ? 16 : 14);
        day.DayName.FontSize = smallFont;
        day.DayNumber = Label(2, 15, 28, 24);
        day.DayNumber.Bold = true;
        day.DayNumber.FontSize = 16;
        day.Month = Label(30, 25, 30, 14);
        day.Year = Label(60, 25, 32, 14);
        const int holidayLeft = large ? 64 : 44;
        day.Holiday = Label(holidayLeft, 12, 0, 14);
        day.Holiday.Visible = false;
        day.Body = Panel(0, 0, 0, 0, Frame::Raised);
        day.Body.ShowHint = true;
        for (auto& cell : day.Cells) {
            cell = Panel(0, 0, 0, 0, Frame::Raised);
            cell.Bold = true;
            cell.FontSize = smallFont;
        }
    }
    PlaceDayColumns(view, width, height, 215);

    const int weekLeft = width - 69;
    view.WeekPanel = Panel(weekLeft, 1, kWeekPanelWidth, kWeekPanelHeight, Frame::Lowered);
    view.WeekPanel.ShowHint = true;
    view.YearStrip = Panel(1, 1, 39, 14, Frame::Raised);
    view.YearStrip.Bold = true;
    for (int k = 0; k < 53; ++k) {
        const bool right = k % 2 == 1 || k == 52;
        auto& label = view.WeekLabels[k];
        label = Label(right ? 22 : 2, (k / 2) * 14 + 16, 18, 14);
        label.Transparent = false;
        label.Bold = true;
        label.Caption = NumberLabelCaption(k + 1);
    }

    const int monthTop = height - kMonthPanelHeight - 50;
    view.MonthPanel = Panel(weekLeft - kMonthPanelWidth - 22, monthTop, kMonthPanelWidth,
                            kMonthPanelHeight, Frame::Lowered);
    view.MonthPanel.ShowHint = true;
    view.WeekdayStrip = Panel(1, 1, 159, 14, Frame::Raised);
    view.WeekdayStrip.Bold = true;
    for (int d = 0; d < 31; ++d) {
        auto& label = view.DayLabels[d];
        const int column = d % 7 + 1;
        label = Label(column * 22 - 18, (d / 7) * 13 + 15, 20, 13);
        label.Transparent = false;
        label.Bold = true;
        label.Caption = NumberLabelCaption(d + 1);
    }
    view.MonthName = Label(60, 80, 98, 14);
    view.MonthName.Bold = true;

    view.PrevYearButton = Place(0, 0, kYearButtonSize, kYearButtonSize);
    view.NextYearButton = Place(0, 0, kYearButtonSize, kYearButtonSize);
    view.PrevMonthButton = Place(0, 0, kMonthButtonWidth, kMonthPanelHeight);
    view.NextMonthButton = Place(0, 0, kMonthButtonWidth, kMonthPanelHeight);
    PlaceSideButtons(view);

    view.NotesPanel = Panel(1, monthTop, 0, kNotesHeight, Frame::None);
    view.TitleStrip = Panel(0, 1, 0, 14, Frame::Raised);
    view.NotesBox = Place(0, 15, 0, 0);
    view.NotesBox.Enabled = false;
    view.NotesText.clear();
    view.ButtonColumn = Panel(0, 15, 0, kNotesHeight - 16, Frame::None);
    for (int k = 0; k < 4; ++k) {
        view.LessonButtons[k] = Place(0, 0, 0, 0);
        view.LessonButtons[k].Enabled = false;
    }
    for (int k = 0; k < 5; ++k) view.DetailLabels[k] = Label(0, 0, 0, 14);
    PlaceNotesArea(view, monthTop, false);

    BuildMenus(view.Menus);
    ApplyDesignTexts(view);
}

void ResizeWeekView(ViewModel& view, int width, int height) {
    PlaceDayColumns(view, width, height, 220);
    view.WeekPanel.Left = width - 70;
    const int panelTop = height - kMonthPanelHeight - 60;
    view.MonthPanel.Top = panelTop;
    view.MonthPanel.Left = view.WeekPanel.Left - kMonthPanelWidth - 22;
    PlaceSideButtons(view);
    PlaceNotesArea(view, panelTop, true);
}

std::string LessonButtonCaption(const ViewModel& view, int k) {
    const MenuView& m = view.Menus;
    std::vector<std::string> bar;
    for (const MenuItem* menu : {&m.File, &m.Edit, &m.Timetable, &m.Options, &m.Help}) {
        if (menu->Visible) bar.push_back(menu->Caption);
    }
    for (const char* letter = kNavigationLetters; *letter; ++letter)
        bar.push_back(std::string("&") + *letter);
    return ButtonCaptionBeside(view.LessonButtons[k].Caption, bar);
}

namespace {

// The lesson shown in row `row` of a column: the column's leading empty cells hold none.
int LessonOfRow(const std::array<LessonCellFill, kLessons>& cells, int row) {
    int leadingEmpty = 0;
    while (leadingEmpty < row && cells[leadingEmpty].Caption.empty()) ++leadingEmpty;
    return row - leadingEmpty;
}

bool InGrid(CellRef cell) {
    return cell.Column >= 0 && cell.Column < kDays && cell.Row >= 0 && cell.Row < kLessons;
}

void EnableLessonCommands(MenuView& menus, bool filled, bool add) {
    for (MenuItem* item :
         {&menus.EditTime, &menus.EditLesson, &menus.EditDelete, &menus.EditInsert,
          &menus.PopupTime, &menus.PopupChange, &menus.PopupDelete, &menus.PopupInsert}) {
        item->Enabled = filled;
    }
    menus.EditAdd.Enabled = add;
    menus.PopupAdd.Enabled = add;
}

// The details of the lesson in column 1..5 at grid row `row`.
void ShowLessonInfo(const MainState& state, const MessageTexts& texts, ViewModel& view,
                    int column, int lesson) {
    const std::string& dayName = state.Names.LongDayNames[column];
    const DayRecord& day = state.Days[column - 1];
    view.TitleStrip.Caption = texts.StartTimeLabel + dayName + " " + FormatTime(day.StartTime);

    const std::string& subject = day.Subject[lesson];
    view.DetailLabels[0].Caption =
        subject + "   " + LessonSpanText(day.StartTime, state.Times, lesson);
    view.DetailLabels[2].Caption = day.Teacher[lesson];
    view.DetailLabels[4].Caption = day.Room[lesson];

    for (auto& button : view.LessonButtons) button.Enabled = true;
    view.LessonButtons[kHomeworkButton].Hint = texts.HomeworkHint + dayName + ", " + subject;
    view.LessonButtons[kLinksButton].Hint = texts.LinksHint + subject;
    view.LessonButtons[kTeacherButton].Hint = texts.TeacherHint + subject;
}

// No lesson selected: the strip and the details show nothing, not the lesson selected before.
void ClearLessonInfo(ViewModel& view) {
    view.TitleStrip.Caption.clear();
    for (int k : {0, 2, 4}) view.DetailLabels[k].Caption.clear();
}

}  // namespace

void PlaceSelection(MainState& state, CellRef cell, const LessonGridFill& drawn) {
    if (!InGrid(cell)) return;
    state.SelCell = cell;
    state.SelColumn = cell.Column + 1;
    const auto& cells = drawn[cell.Column];
    state.SelLesson = cells[cell.Row].Caption.empty() ? cell.Row : LessonOfRow(cells, cell.Row);
}

void ProjectSelection(const MainState& state, const MessageTexts& texts, ViewModel& view) {
    for (auto& day : view.Days) {
        for (auto& c : day.Cells) c.Background = kWhite;
    }
    ClearLessonInfo(view);
    if (!state.SelCell || !InGrid(*state.SelCell)) return;
    const CellRef cell = *state.SelCell;
    view.Days[cell.Column].Cells[cell.Row].Background = kButtonFace;

    if (!view.Days[cell.Column].Cells[cell.Row].Caption.empty()) {
        EnableLessonCommands(view.Menus, true, true);
        ShowLessonInfo(state, texts, view, cell.Column + 1,
                       std::clamp(state.SelLesson, 0, kLessons - 1));
    } else {
        EnableLessonCommands(view.Menus, false, state.Open.has_value());
        for (auto& button : view.LessonButtons) button.Enabled = false;
        // The lesson's own buttons no longer name the lesson selected before.
        for (int k : {kHomeworkButton, kLinksButton, kTeacherButton})
            view.LessonButtons[k].Hint.clear();
    }
}

void ShowCellSelection(AppContext& ctx, CellRef cell) {
    if (!InGrid(cell)) return;
    // The cell chosen is one the user sees: its lesson counts from the cells as drawn.
    LessonGridFill drawn;
    for (int d = 0; d < kDays; ++d) {
        for (int r = 0; r < kLessons; ++r) drawn[d][r].Caption = ctx.view.Days[d].Cells[r].Caption;
    }
    PlaceSelection(ctx.state, cell, drawn);
    ProjectSelection(ctx.state, ctx.texts, ctx.view);
}

}  // namespace skemora
