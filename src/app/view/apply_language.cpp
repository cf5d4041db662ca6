#include "app/view/apply_language.h"

#include <array>

namespace skemora {

namespace {

enum class Kind { Caption, Hint, HintWithToolTips };

struct WindowText {
    Element& (*Target)(ViewModel&);
    Kind What;
    const char* English;
    const char* Danish;
};

// The hint of each of the five day bodies.
constexpr const char* kDayBodyEnglish = "Pick an hour";
constexpr const char* kDayBodyDanish = "Vælg time";

// Every row is assigned in English too.
const std::array<WindowText, 17> kWindowTexts = {{
    {[](ViewModel& v) -> Element& { return v.MonthPanel; }, Kind::HintWithToolTips, "pick a date",
     "Vælg dato"},
    {[](ViewModel& v) -> Element& { return v.WeekPanel; }, Kind::HintWithToolTips, "Week numbers",
     "Vælg uge nummer"},
    {[](ViewModel& v) -> Element& { return v.NewButton; }, Kind::Hint, "Create new Time-Table",
     "Opret nyt skema"},
    {[](ViewModel& v) -> Element& { return v.OpenButton; }, Kind::Hint, "Open Time-Table",
     "Åben skema"},
    {[](ViewModel& v) -> Element& { return v.SaveButton; }, Kind::Hint, "Save Time-Table",
     "Gem skema"},
    {[](ViewModel& v) -> Element& { return v.TodayButton; }, Kind::Hint, "Set date today",
     "Gå til i dag"},
    {[](ViewModel& v) -> Element& { return v.PrevMonthButton; }, Kind::Hint, "one month back",
     "En måned tilbage"},
    {[](ViewModel& v) -> Element& { return v.NextMonthButton; }, Kind::Hint, "one month forward",
     "En måned frem"},
    {[](ViewModel& v) -> Element& { return v.PrevYearButton; }, Kind::Hint, "one year back",
     "Et år tilbage"},
    {[](ViewModel& v) -> Element& { return v.NextYearButton; }, Kind::Hint, "one year forward",
     "Et år frem"},
    {[](ViewModel& v) -> Element& { return v.ClassField; }, Kind::Hint, "Class name",
     "Klasse navn"},
    {[](ViewModel& v) -> Element& { return v.DetailLabels[1]; }, Kind::Caption,
     "Teacher:", "Lærer:"},
    {[](ViewModel& v) -> Element& { return v.DetailLabels[3]; }, Kind::Caption, "Room:", "Lokale:"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kHomeworkButton]; }, Kind::Caption,
     "Hom&ework", "L&ektier"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kLinksButton]; }, Kind::Caption,
     "Lin&ks", "Lin&ks"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kTeacherButton]; }, Kind::Caption,
     "&Teacher", "L&ærer"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kStudentsButton]; }, Kind::Caption,
     "&Students", "Ele&ver "},
}};

// Only Danish assigns the menus; in English they keep the window design's captions.
struct MenuText {
    MenuItem MenuView::*Item;
    const char* English;
    const char* Danish;
};

// Each Danish caption's letter is unique within its menu, and the menu bar's among the menus;
// the bar leaves the letters of kNavigationLetters to the calendar keys.
const std::array<MenuText, 35> kMenuTexts = {{
    {&MenuView::File, "&File", "&Filer"},
    {&MenuView::NewTimetable, "&New Time-table", "&Nyt skema"},
    {&MenuView::Open, "&Open", "&Åbn.."},
    {&MenuView::Save, "Save", "&Gem"},
    {&MenuView::SaveAs, "Save As", "Gem s&om"},
    {&MenuView::Convert, "&Convert to HTML", "Oversæt til &HTML."},
    {&MenuView::ConvertTimetable, "&Time-Table", "&Skema"},
    {&MenuView::ConvertCalendar, "&Calendar", "&Kalender"},
    {&MenuView::Edit, "&Edit", "&Rediger"},
    {&MenuView::EditTime, "&Time - First lesson", "&Mødetid.."},
    {&MenuView::EditLesson, "&Lesson", "&Fag.."},
    {&MenuView::EditDelete, "&Delete", "&Slet.."},
    {&MenuView::EditAdd, "&Add", "&Tilføj.."},
    {&MenuView::EditInsert, "&Insert", "&Indsæt.."},
    {&MenuView::Timetable, "&Time-table", "&Skema"},
    {&MenuView::Holidays, "&Holidays", "&Ferie"},
    {&MenuView::HolidaysNew, "New", "&Opret"},
    {&MenuView::HolidaysDelete, "Delete", "&Slet"},
    {&MenuView::School, "&School", "&Skole"},
    {&MenuView::Class, "&Class", "&Klasse"},
    {&MenuView::Options, "&Options", "&Opsætning"},
    {&MenuView::MondayFirst, "&Monday first", "&Mandag først"},
    {&MenuView::StartTray, "&Start in system tray", "&Start i systembakken"},
    {&MenuView::RemoveLesson, "&Remove lesson from list", "&Fjern fag fra listen"},
    {&MenuView::Help, "&Help", "&Hjælp"},
    {&MenuView::HelpItem, "Help", "&Hjælp"},
    {&MenuView::PopupTime, "&Time first lesson", "&Mødetid.."},
    {&MenuView::PopupChange, "&Change lesson", "&Fag.."},
    {&MenuView::PopupDelete, "&Delete", "&Slet.."},
    {&MenuView::PopupAdd, "&Add", "&Tilføj.."},
    {&MenuView::PopupInsert, "&Insert", "&Indsæt.."},
    // Keyboard: File / Quit
    {&MenuView::Quit, "&Quit", "&Afslut"},
    // Help
    {&MenuView::About, "&About Skemora", "&Om Skemora"},
    // Lesson times
    {&MenuView::LessonTimes, "Lesson &times…", "Lektions&tider…"},
    // Calendar export
    {&MenuView::ExportCalendar, "&Export to calendar (.ics)…", "Eksport til &kalender (.ics)…"},
}};

void Assign(Element& element, Kind what, const char* text) {
    if (what == Kind::Caption) {
        element.Caption = text;
        return;
    }
    element.Hint = text;
    if (what == Kind::HintWithToolTips) element.ShowHint = true;
}

}  // namespace

void ApplyDesignTexts(ViewModel& view) {
    for (const WindowText& row : kWindowTexts) Assign(row.Target(view), row.What, row.English);
    for (DayColumnView& day : view.Days) Assign(day.Body, Kind::HintWithToolTips, kDayBodyEnglish);
    for (const MenuText& row : kMenuTexts) (view.Menus.*row.Item).Caption = row.English;
}

void ApplyLanguage(int languageCode, ViewModel& view, MessageTexts& texts, DialogTexts& dialogs) {
    const bool danish = languageCode == kDanish;
    auto choose = [danish](const auto& row) { return danish ? row.Danish : row.English; };

    texts = MessageTextsFor(languageCode);
    dialogs = DialogTextsFor(languageCode);

    for (const WindowText& row : kWindowTexts) Assign(row.Target(view), row.What, choose(row));
    for (DayColumnView& day : view.Days) {
        Assign(day.Body, Kind::HintWithToolTips, danish ? kDayBodyDanish : kDayBodyEnglish);
    }

    if (danish) {
        for (const MenuText& row : kMenuTexts) (view.Menus.*row.Item).Caption = row.Danish;
    }
}

}  // namespace skemora
