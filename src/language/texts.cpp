#include "language/texts.h"

#include <array>

#include "app/view_model.h"

namespace skemora {

namespace {

constexpr int kDanish = 6;

struct SlotText {
    std::string MessageTexts::*Slot;
    const char* English;
    const char* Danish;
};

// Always assigned, in both languages: the slots are empty until the first ApplyLanguage.
const std::array<SlotText, 25> kSlotTexts = {{
    {&MessageTexts::NoDocumentTitle, "Time-table", "Skema"},
    {&MessageTexts::SaveQuestionTitle, "Save ", "Gem "},
    {&MessageTexts::SaveQuestionText, " changed, save it?", " er blevet ændret, skal den gemmes?"},
    {&MessageTexts::StartTimeLabel, "Start time ", "Mødetid "},
    {&MessageTexts::ReplaceQuestion, "File exist! Replace?",
     "Filen eksisterer allerede! Overskriv?"},
    {&MessageTexts::MustSaveMessage, "Your Time-Table MUST be saved in ",
     "Dit skema skal gemmes i "},
    {&MessageTexts::HolidaysTitle, "Holidays", "Helligdage"},
    {&MessageTexts::DateBefore1970, "You can not sellect a date older than 1970.",
     "Du kan ikke vælge datoer fra før 1970."},
    {&MessageTexts::ChangeLessonTitle, "Change lesson ", "Ret timen "},
    {&MessageTexts::DeleteLessonTitle, "Delete class ", "Slet timen "},
    {&MessageTexts::AddLessonTitle, "Add a new lesson to ", "Tilføj en time til "},
    {&MessageTexts::InsertLessonTitle, "Put a new lesson in before ", "Sæt en time ind før "},
    {&MessageTexts::SchoolInformationTitle, "Information school", "Information om Skolen"},
    {&MessageTexts::ClassNameText, "Class", "klasse"},
    {&MessageTexts::WeekWord, "week", "uge"},
    {&MessageTexts::CopyError, "Copy file error!", "Filen kan ikke kopieres!"},
    {&MessageTexts::HolidayTakenTitle, "Holiday already used!", "Feriedag optaget!"},
    {&MessageTexts::DeleteWord, "Delete", "Slet"},
    {&MessageTexts::DeleteHolidayQuestion, "Do you want to delete this holiday?",
     "Vil du slette helligdagen?"},
    {&MessageTexts::OneLessonADay,
     "There must be at least one hour a day, ie. create a course named holiday by renaming the "
     "last hour to holiday.",
     "Der skal være et fag pr. dag, omdøb timen til fridag."},
    {&MessageTexts::HomeworkHint, "Homework for ", "Lektier til "},
    {&MessageTexts::LinksHint, "Links for ", "Links til "},
    {&MessageTexts::TeacherHint, "Teacher info ", "Oplysninger om underviser "},
    {&MessageTexts::SchoolMatesHint, "School mates ", "Oplysninger om elever "},
    {&MessageTexts::WeekNotesHint, "Notes week ", "Notater uge "},
}};

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

struct DialogText {
    std::string DialogTexts::*Field;
    const char* English;
    const char* Danish;
    bool SetInEnglish;
};

constexpr bool kSet = true;
constexpr bool kNotSet = false;

const std::array<DialogText, 38> kDialogTexts = {{
    {&DialogTexts::AskYes, "Yes", "Ja", kSet},
    {&DialogTexts::AskNo, "No", "Nej", kSet},
    {&DialogTexts::AskCancel, "Cancel", "Fortryd", kSet},
    {&DialogTexts::HomeworkStrip, "Homework description", "Lektiebeskrivelse", kSet},
    {&DialogTexts::ShortcutStrip, "Shortcut to files", "Genveje til filer", kSet},
    {&DialogTexts::AddShortcut, "Add Shortcut", "Tilføj genvej", kSet},
    {&DialogTexts::DeleteShortcut, "Delete", "Slet genvej", kSet},
    {&DialogTexts::CreateFile, "Create file", "Opret fil", kSet},
    {&DialogTexts::HomeworkCloseQuestion, "Save changes?", "Skal ændringerne gemmes", kSet},
    {&DialogTexts::HomeworkMissingType,
     "Filetype missing! ie. wordfile.doc instead of just wordfile",
     "Filtype mangler! F.eks wordfil.doc istedet for kun wordfil", kSet},
    {&DialogTexts::HomeworkFileNamePrompt, "Write filename for the new file",
     "Skriv det navn filen skal oprettes under", kSet},
    {&DialogTexts::HomeworkFileExists, "File exist! Use Add shortcut instead.",
     "Filen eksisterer allerede! brug Tilføj genvej istedet.", kSet},
    {&DialogTexts::AddLink, "Add Link", "Tilføj Link", kSet},
    {&DialogTexts::DeleteLink, "Delete Link", "Slet Link", kSet},
    {&DialogTexts::PhoneLabel, "Phone:", "TLF:", kSet},
    {&DialogTexts::NameAddressLabel, "Name & addrs.", "Navn og adr.", kSet},
    {&DialogTexts::EmailLabel, "Email addrs.", "Email adr.", kSet},
    {&DialogTexts::AddMate, "Add", "Tilføj elev", kSet},
    {&DialogTexts::DeleteMate, "Delete", "Slet elev", kSet},
    {&DialogTexts::DateFrame, " Date ", " Dato ", kNotSet},
    {&DialogTexts::DatePickerCancel, "Cancel", "Fortryd", kNotSet},
    {&DialogTexts::TimeCancel, "Cancel", "Fortryd", kNotSet},
    {&DialogTexts::LessonLabel, "Lesson", "Fag", kSet},
    {&DialogTexts::RoomLabel, "Room", "Værelse", kSet},
    {&DialogTexts::TeacherLabel, "Teacher", "Lærer", kSet},
    {&DialogTexts::LessonCancel, "Cancel", "Fortryd", kNotSet},
    {&DialogTexts::ClassTitle, "Name", "Klassenavn", kSet},
    {&DialogTexts::ClassPrompt, "Write the name of your class", "Skriv navnet på klassen f.eks 6U",
     kSet},
    {&DialogTexts::HolidayNameText, "Name of holiday period", "Navn på helligdag", kSet},
    {&DialogTexts::HolidayNameHint, "ie. Christmas", "F.eks. Påske", kSet},
    {&DialogTexts::FromDateHint, "Pick new date", "Vælg ny dato", kSet},
    {&DialogTexts::ToDateHint, "Pick new date", "Vælg ny dato", kSet},
    {&DialogTexts::HolidayNameLabel, "Holiday name:", "Navn:", kNotSet},
    {&DialogTexts::FromLabel, "From:", "Fra:", kNotSet},
    {&DialogTexts::ToLabel, "To:", "Til:", kNotSet},
    {&DialogTexts::ColorLabel, "Color:", "Farve:", kSet},
    {&DialogTexts::ColorListHint, "Pick color of date", "Vælg datofarve", kSet},
    {&DialogTexts::HolidayCancel, "Cancel", "Fortryd", kNotSet},
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

    for (const SlotText& row : kSlotTexts) texts.*row.Slot = choose(row);

    for (const WindowText& row : kWindowTexts) Assign(row.Target(view), row.What, choose(row));
    for (DayColumnView& day : view.Days) {
        Assign(day.Body, Kind::HintWithToolTips, danish ? kDayBodyDanish : kDayBodyEnglish);
    }

    for (const DialogText& row : kDialogTexts) {
        if (danish || row.SetInEnglish) dialogs.*row.Field = choose(row);
    }

    if (danish) {
        for (const MenuText& row : kMenuTexts) (view.Menus.*row.Item).Caption = row.Danish;
    }
}

DialogTexts DesignDialogTexts() {
    DialogTexts dialogs;
    for (const DialogText& row : kDialogTexts) dialogs.*row.Field = row.English;
    return dialogs;
}

}  // namespace skemora
