// What the main window shows: captions, colours, places, visibility, enabled state and hints of
// every element, as plain data. The Qt window draws exactly this after every command.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/holidays/holiday_tables.h"
#include "core/timetable/lessons.h"

namespace skemora {

using Color = Rgb;  // 0xRRGGBB
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kBlue = 0x0000FF;
constexpr Color kRed = 0xFF0000;
constexpr Color kGreen = 0x008000;
constexpr Color kButtonFace = 0xF0F0F0;

enum class Frame { None, Raised, Lowered, LoweredInner };

// A panel, label or button of the main window. Positions are relative to the parent element.
struct Element {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    std::string Hint;
    Color Background = kWhite;
    Color TextColor = kBlack;
    bool Visible = true;
    bool Enabled = true;
    bool Bold = false;
    bool ShowHint = false;
    bool Transparent = false;  // labels draw no background
    int FontSize = 8;          // points
    Frame Border = Frame::None;
    // Screen reader: what a reader says for the element, and the detail it adds.
    std::string ReaderName;
    std::string ReaderDescription;
};

struct MenuItem {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
};

struct MenuView {
    MenuItem File, NewTimetable, Open, Save, SaveAs, Convert, ConvertTimetable, ConvertCalendar;
    MenuItem Edit, EditTime, EditLesson, EditDelete, EditAdd, EditInsert;
    MenuItem Timetable, Holidays, HolidaysNew, HolidaysDelete, School, Class;
    MenuItem Options, MondayFirst, StartTray, RemoveLesson;
    MenuItem Help, HelpItem;
    // The lesson cells' context menu.
    MenuItem PopupTime, PopupChange, PopupDelete, PopupAdd, PopupInsert;
    // Keyboard: File / Quit (Ctrl+Q), closing the window as its close button does.
    MenuItem Quit;
    // Help: the About window.
    MenuItem About;
    // Lesson times
    MenuItem LessonTimes;
    // Calendar export
    MenuItem ExportCalendar;
};

struct DayColumnView {
    Element Header;                                    // child of the window
    Element DayName, DayNumber, Month, Year, Holiday;  // children of Header
    Element Body;                                      // child of the window
    std::array<Element, kLessons> Cells;               // children of Body
};

enum LessonButton { kHomeworkButton = 0, kLinksButton, kTeacherButton, kStudentsButton };

struct ViewModel {
    std::string Title;  // the window caption
    int WindowLeft = 10, WindowTop = 10, WindowWidth = 610, WindowHeight = 456;

    // Tool buttons and the class field (children of the window).
    Element NewButton, OpenButton, SaveButton, TodayButton, ClassField;
    Element PrevYearButton, NextYearButton, PrevMonthButton, NextMonthButton;

    std::array<DayColumnView, kDays> Days;

    Element WeekPanel;                   // child of the window
    Element YearStrip;                   // child of WeekPanel
    std::array<Element, 53> WeekLabels;  // children of WeekPanel; index k is week k + 1

    Element MonthPanel;                 // child of the window
    Element WeekdayStrip;               // child of MonthPanel
    std::array<Element, 31> DayLabels;  // children of MonthPanel; index d is day d + 1
    Element MonthName;                  // child of MonthPanel

    Element NotesPanel;                    // child of the window
    Element TitleStrip;                    // child of NotesPanel
    Element NotesBox;                      // child of NotesPanel
    std::string NotesText;                 // the week-notes box's content, lines joined by "\n"
    Element ButtonColumn;                  // child of NotesPanel
    std::array<Element, 4> LessonButtons;  // children of ButtonColumn, see LessonButton
    std::array<Element, 5> DetailLabels;   // children of NotesPanel

    MenuView Menus;

    std::string HelpFile;  // set each time the window becomes active

    // Help: the welcome in the empty window, offering New Time-table and Open.
    Element Welcome;
};

}  // namespace skemora
