#include "language/apply_language.h"

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
const std::array<WindowText, 16> kWindowTexts = {{
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
     "Hom&ework", "Lektier"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kLinksButton]; }, Kind::Caption,
     "Lin&ks", "Links"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kTeacherButton]; }, Kind::Caption,
     "&Teacher", "Lærer"},
    {[](ViewModel& v) -> Element& { return v.LessonButtons[kStudentsButton]; }, Kind::Caption,
     "&Students", "Elever "},
}};

// Only Danish assigns the menus; in English they keep the window design's captions.
struct MenuText {
    MenuItem MenuView::*Item;
    const char* Danish;
};

const std::array<MenuText, 27> kMenuTexts = {{
    {&MenuView::File, "Filer"},
    {&MenuView::NewTimetable, "Nyt Skema"},
    {&MenuView::Open, "Åbn.."},
    {&MenuView::Save, "Gem"},
    {&MenuView::SaveAs, "Gem som"},
    {&MenuView::Convert, "Oversæt til HTML."},
    {&MenuView::ConvertTimetable, "Skema"},
    {&MenuView::ConvertCalendar, "Kalender"},
    {&MenuView::Edit, "Rediger"},
    {&MenuView::EditTime, "Mødetid.."},
    {&MenuView::EditLesson, "Fag.."},
    {&MenuView::EditDelete, "Slet.."},
    {&MenuView::EditAdd, "Tilføj.."},
    {&MenuView::EditInsert, "Indsæt.."},
    {&MenuView::Timetable, "Skema"},
    {&MenuView::Holidays, "Ferie"},
    {&MenuView::HolidaysNew, "Opret"},
    {&MenuView::HolidaysDelete, "Slet"},
    {&MenuView::School, "Skole"},
    {&MenuView::Class, "Klasse"},
    {&MenuView::Help, "Hjælp"},
    {&MenuView::HelpItem, "Hjælp"},
    {&MenuView::PopupTime, "Mødetid.."},
    {&MenuView::PopupChange, "Fag.."},
    {&MenuView::PopupDelete, "Slet.."},
    {&MenuView::PopupAdd, "Tilføj.."},
    {&MenuView::PopupInsert, "Indsæt.."},
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
