#include "core/language/texts.h"

#include <array>
#include <cerrno>
#include <vector>

namespace skemora {

namespace {

struct SlotText {
    std::string MessageTexts::*Slot;
    const char* English;
    const char* Danish;
};

// Always assigned, in both languages: the slots are empty until the first ApplyLanguage.
const auto kSlotTexts = std::to_array<SlotText>({
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
    {&MessageTexts::FromListSuffix, " from list", " fra listen"},
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
    {&MessageTexts::HomeworkWord, "Homework", "Lektier"},
    {&MessageTexts::LinksWord, "Links", "Links"},
    {&MessageTexts::TeacherWord, "Teacher", "Lærer"},
    {&MessageTexts::StudentsWord, "Students", "Elever"},
    {&MessageTexts::WeekNotesHint, "Notes week ", "Notater uge "},
    {&MessageTexts::CannotDeleteThis, "You can't delete this.", "Det kan ikke slettes."},
    {&MessageTexts::HelpFileMissing, "Help file not found: ", "Hjælpefilen blev ikke fundet: "},
    {&MessageTexts::PeriodsMerged,
     "A time-table keeps at most %1 periods. To make room for this change, the period that began "
     "on %2 was merged into the period before it: its weeks now show that period's lessons.",
     "Et skema kan højst have %1 perioder. For at gøre plads til ændringen er perioden, der "
     "begyndte %2, lagt sammen med perioden før den: dens uger viser nu den periodes timer."},
    // Typed input that is not dropped: the new-user dialog's checks.
    {&MessageTexts::NewUserNameMissing, "Write the name of the new user.",
     "Skriv navnet på den nye bruger."},
    {&MessageTexts::NewUserExists, "A time-table named \"%1\" exists already. Open it?",
     "Der findes allerede et skema med navnet \"%1\". Vil du åbne det?"},
    {&MessageTexts::NewUserExistsClass,
     "A time-table named \"%1\" exists already. Open it? It keeps its own class, so the class "
     "\"%2\" "
     "you typed is not used.",
     "Der findes allerede et skema med navnet \"%1\". Vil du åbne det? Det beholder sin egen "
     "klasse, "
     "så klassen \"%2\", som du skrev, bliver ikke brugt."},
    // Opening, the holiday editor and the week notes.
    {&MessageTexts::NotATimetable,
     "%1 is not a time-table. Only the time-tables directly in %2 (a name and .dfd) can be "
     "opened.",
     "%1 er ikke et skema. Kun skemaerne direkte i %2 (et navn og .dfd) kan åbnes."},
    {&MessageTexts::LongHolidayQuestion, "This holiday covers %1 months. Enter it anyway?",
     "Denne ferie strækker sig over %1 måneder. Skal den oprettes alligevel?"},
    {&MessageTexts::HolidayProgressLabel, "Entering the holiday period …",
     "Opretter ferieperioden …"},
    // Homework following inserted and deleted lessons
    {&MessageTexts::DeleteHomeworkQuestion,
     "Delete the lesson and its homework and file shortcuts (week %1)?",
     "Skal timen slettes sammen med dens lektier og genveje (uge %1)?"},
    {&MessageTexts::HomeworkPushedOut,
     "The day's 12th lesson has homework or file shortcuts (week %1), and a new lesson would push "
     "them out of the day. No lesson was inserted.",
     "Dagens 12. time har lektier eller genveje (uge %1), og en ny time ville skubbe dem ud af "
     "dagen. Der er ikke sat nogen time ind."},
    {&MessageTexts::HomeworkFileDamaged,
     "The homework file %1 cannot be read in full, so its homework cannot move with the lessons. "
     "The time-table was not changed.",
     "Lektiefilen %1 kan ikke læses helt, så lektierne i den kan ikke flyttes med timerne. "
     "Skemaet er ikke ændret."},
    // Errors and opening.
    {&MessageTexts::PageOpenFailed,
     "The page was written to %1, but no program on this computer could open it.",
     "Siden er gemt i %1, men intet program på denne computer kunne åbne den."},
    // Another writer: links and order.
    {&MessageTexts::PeriodsReordered,
     "The dates on which this time-table's periods begin were out of order. They are now "
     "written in date order, and every period keeps its own lessons.",
     "Datoerne, hvor skemaets perioder begynder, stod ikke i rækkefølge. Nu står de i "
     "datoorden, og hver periode beholder sine egne timer."},
    // Another writer
    {&MessageTexts::OtherWriterConflict,
     "%1 was changed in another window or on another computer, in the same place as here. That "
     "version is kept, and this window's version is saved beside it as %2.",
     "%1 er blevet ændret i et andet vindue eller på en anden computer, samme sted som her. Den "
     "udgave er beholdt, og dette vindues udgave er gemt ved siden af som %2."},
    // Sync tools' conflict copies of the diary's files
    {&MessageTexts::ConflictNotesKept,
     "Week %1's notes were changed on two computers; both texts are kept.",
     "Noterne til uge %1 blev ændret på to computere; begge tekster er bevaret."},
    {&MessageTexts::ConflictFileMerged,
     "%1 was changed on two computers; the changes from both are kept.",
     "%1 blev ændret på to computere; ændringerne fra begge er bevaret."},
    {&MessageTexts::ConflictTitle, "Changed on two computers", "Ændret på to computere"},
    {&MessageTexts::ConflictQuestion,
     "%1 was changed differently on two computers. Keep the other computer's changes? "
     "(Cancel: decide later)",
     "%1 blev ændret forskelligt på to computere. Skal den anden computers ændringer bruges? "
     "(Fortryd: bestem senere)"},
    {&MessageTexts::ConflictFileName, "The file %1", "Filen %1"},
    // Screen reader: the names read out for the week's cells and labels.
    {&MessageTexts::ReaderLesson, "%1, lesson %2: %3", "%1, %2. time: %3"},
    {&MessageTexts::ReaderEmptyCell, "%1, row %2: no lesson", "%1, række %2: ingen time"},
    {&MessageTexts::ReaderRoom, "room %1", "lokale %1"},
    {&MessageTexts::ReaderHomework, "homework", "lektier"},
    {&MessageTexts::ReaderDate, "%1 %2 %3 %4", "%1 den %2. %3 %4"},
    {&MessageTexts::ReaderWeek, "Week %1", "Uge %1"},
    {&MessageTexts::ReaderMonthDay, "%1 %2", "%1. %2"},
    {&MessageTexts::ReaderYear, "Year %1", "År %1"},
    {&MessageTexts::ReaderSelected, "selected", "valgt"},
    {&MessageTexts::ReaderClass, "Class %1", "Klasse %1"},
    // Danish interface: the subject a fresh time-table stores.
    {&MessageTexts::EmptySubject, "Empty", "Tom"},
    // Help, About, the welcome and the command line
    {&MessageTexts::AboutTitle, "About Skemora", "Om Skemora"},
    {&MessageTexts::AboutDescription,
     "A school diary built around a pupil's weekly time-table.",
     "En skoledagbog bygget op om elevens ugeskema."},
    {&MessageTexts::AboutVersion, "Version %1", "Version %1"},
    {&MessageTexts::AboutLicence,
     "Free software under the GNU General Public License, version 3 or later.",
     "Fri software under GNU General Public License, version 3 eller senere."},
    {&MessageTexts::AboutDataFolder, "Data folder (click to open it):",
     "Datamappe (klik for at åbne den):"},
    {&MessageTexts::WelcomeText,
     "Welcome to Skemora!\nMake a time-table for a pupil to begin, or open one you already "
     "have.",
     "Velkommen til Skemora!\nLav et skema til en elev for at begynde, eller åbn et, du "
     "allerede har."},
    {&MessageTexts::WelcomeNew, "&New Time-table…", "&Nyt skema…"},
    {&MessageTexts::WelcomeOpen, "O&pen…", "&Åbn…"},
    {&MessageTexts::UsageLine, "Usage: %1 [options] [name]", "Brug: %1 [tilvalg] [navn]"},
    {&MessageTexts::UsageDescription,
     "Skemora, a school diary. Opens the pupil's time-table named, or without a name the one "
     "that was open when the program last closed.",
     "Skemora, en skoledagbog. Åbner det navngivne elevskema, eller uden navn det skema, der "
     "var åbent, da programmet sidst blev lukket."},
    {&MessageTexts::UsageOptions, "Options:", "Tilvalg:"},
    {&MessageTexts::UsageArguments, "Arguments:", "Argumenter:"},
    {&MessageTexts::UsageEnvironment, "Environment:", "Miljøvariabler:"},
    {&MessageTexts::UsageHelpOption, "Show this help and exit.", "Vis denne hjælp, og afslut."},
    {&MessageTexts::UsageVersionOption, "Show the version and exit.",
     "Vis versionsnummeret, og afslut."},
    {&MessageTexts::UsageNameArgument,
     "The time-table to open: its name in the data folder, without \".dfd\". Several words are "
     "joined with blanks.",
     "Skemaet, der skal åbnes: dets navn i datamappen, uden \".dfd\". Flere ord sættes sammen "
     "med mellemrum."},
    {&MessageTexts::UsageDataDirVariable,
     "The data folder to use instead of ~/.local/share/Skemora.",
     "Datamappen, der skal bruges i stedet for ~/.local/share/Skemora."},
    {&MessageTexts::UsageLanguageVariable, "\"da\" gives a Danish interface; otherwise English.",
     "\"da\" giver dansk brugerflade, ellers engelsk."},
    {&MessageTexts::UsageUnknownOption, "Unknown option: %1", "Ukendt tilvalg: %1"},
    {&MessageTexts::UsageTryHelp, "Run \"%1 --help\" to see what it takes.",
     "Kør \"%1 --help\" for at se, hvad det kan."},
    // The command line: the day's glance
    {&MessageTexts::UsageTodayOption,
     "Print today's lessons, their times, rooms, teachers and homework, and exit.",
     "Skriv dagens timer med tider, lokaler, lærere og lektier, og afslut."},
    {&MessageTexts::UsageJsonOption, "With --today: print the same as JSON.",
     "Med --today: skriv det samme som JSON."},
    // Lesson times, the glance at today and the tray program.
    {&MessageTexts::LessonTimesDamaged,
     "The lesson times in %1 could not all be read. The lessons whose times were unclear use "
     "45 minutes with a 5-minute break until you set them under Time-table, Lesson times.",
     "Lektionstiderne i %1 kunne ikke alle læses. Lektioner med uklare tider bruger 45 minutter "
     "med 5 minutters pause, indtil du indstiller dem under Skema, Lektionstider."},
    {&MessageTexts::GlanceNoTimetable, "There is no time-table in %1 yet.",
     "Der er endnu ikke noget skema i %1."},
    {&MessageTexts::GlanceUnknownTimetable, "There is no time-table named \"%1\".",
     "Der findes ikke noget skema med navnet \"%1\"."},
    {&MessageTexts::GlanceUnreadable, "%1 could not be read.", "%1 kunne ikke læses."},
    {&MessageTexts::GlanceWeekend, "Weekend: no lessons today.", "Weekend: ingen timer i dag."},
    {&MessageTexts::GlanceHoliday, "%1: no lessons today.", "%1: ingen timer i dag."},
    {&MessageTexts::GlanceNoLessons, "No lessons today.", "Ingen timer i dag."},
    {&MessageTexts::GlanceDayOver, "No more lessons today.", "Ikke flere timer i dag."},
    {&MessageTexts::GlanceNow, "Now: %1", "Nu: %1"},
    {&MessageTexts::GlanceNext, "Next: %1", "Næste: %1"},
    {&MessageTexts::GlanceRoom, "room %1", "lokale %1"},
    {&MessageTexts::GlanceTeacher, "teacher %1", "lærer %1"},
    {&MessageTexts::GlanceToday, "Today", "I dag"},
    {&MessageTexts::GlanceTomorrow, "Tomorrow", "I morgen"},
    {&MessageTexts::GlanceHomework, "Homework", "Lektier"},
    {&MessageTexts::GlanceDocuments, "Upcoming documents", "Kommende dokumenter"},
    {&MessageTexts::GlanceOpenDiary, "Open diary", "Åbn dagbogen"},
    {&MessageTexts::GlanceQuit, "Quit", "Afslut"},
    {&MessageTexts::TrayMissing,
     "This desktop has no system tray, so Skemora's tray icon cannot be shown.",
     "Skrivebordet har intet statusfelt, så Skemoras ikon kan ikke vises der."},
    // Calendar export
    {&MessageTexts::IcsRangeTitle, "Export to calendar", "Eksport til kalender"},
    {&MessageTexts::IcsRangePrompt, "Which days go into the calendar file?",
     "Hvilke dage skal med i kalenderfilen?"},
    {&MessageTexts::IcsRangeShownWeek, "&The shown week (%1 – %2)", "&Den viste uge (%1 – %2)"},
    {&MessageTexts::IcsRangePeriod, "To the &end of its time-table period (%1 – %2)",
     "Til &slutningen af skemaperioden (%1 – %2)"},
    {&MessageTexts::IcsRangeSchoolYear, "The &rest of the school year (%1 – %2)",
     "&Resten af skoleåret (%1 – %2)"},
    {&MessageTexts::IcsRangeDate, "%1 %2 %3", "%1. %2 %3"},
    {&MessageTexts::IcsWritten, "The calendar file %1 is written.\nLessons: %2\nHoliday days: %3",
     "Kalenderfilen %1 er skrevet.\nLektioner: %2\nFeriedage: %3"},
    {&MessageTexts::IcsWriteFailed,
     "The calendar file %1 could not be written, so nothing was exported.\n%2",
     "Kalenderfilen %1 kunne ikke skrives, så intet er eksporteret.\n%2"},
});

struct ErrorTextRow {
    ErrorKind Kind;
    const char* Danish;  // the English text is the error's own
};

const auto kErrorTexts = std::to_array<ErrorTextRow>({
    {ErrorKind::InvalidInteger, "'%1' er ikke et gyldigt heltal"},
    {ErrorKind::CannotCreateFile, "Kan ikke oprette filen %1"},
    {ErrorKind::CannotOpenFile, "Kan ikke åbne filen %1"},
    {ErrorKind::DamagedLessonFile, "%1 er beskadiget: den indeholder %2 linjer i stedet for %3."},
    {ErrorKind::SaveRefused, "%1 kunne ikke læses, så ændringen gemmes ikke oven i den."},
    {ErrorKind::UnreadableNotReplaced, "%1 kunne ikke læses (%2), så den overskrives ikke."},
    {ErrorKind::Message, "%1"},
});

struct DialogText {
    std::string DialogTexts::*Field;
    const char* English;
    const char* Danish;
};

const auto kDialogTexts = std::to_array<DialogText>({
    {&DialogTexts::AskYes, "Yes", "&Ja"},
    {&DialogTexts::AskNo, "No", "&Nej"},
    {&DialogTexts::AskCancel, "Cancel", "&Fortryd"},
    {&DialogTexts::HomeworkStrip, "Homework description", "Lektiebeskrivelse"},
    {&DialogTexts::ShortcutStrip, "Shortcut to files", "Genveje til filer"},
    {&DialogTexts::AddShortcut, "Add Shortcut", "&Tilføj genvej"},
    {&DialogTexts::DeleteShortcut, "Delete", "&Slet genvej"},
    {&DialogTexts::CreateFile, "Create file", "&Opret fil"},
    {&DialogTexts::HomeworkCloseQuestion, "Save changes?", "Skal ændringerne gemmes"},
    {&DialogTexts::HomeworkMissingType,
     "Filetype missing! ie. wordfile.doc instead of just wordfile",
     "Filtype mangler! F.eks wordfil.doc istedet for kun wordfil"},
    {&DialogTexts::HomeworkFileNamePrompt, "Write filename for the new file",
     "Skriv det navn filen skal oprettes under"},
    {&DialogTexts::HomeworkFileExists, "File exist! Use Add shortcut instead.",
     "Filen eksisterer allerede! brug Tilføj genvej istedet."},
    {&DialogTexts::HomeworkCannotCreate, "Cannot create file %1", "Kan ikke oprette filen %1"},
    {&DialogTexts::AddLink, "Add Link", "&Tilføj link"},
    {&DialogTexts::DeleteLink, "Delete Link", "&Slet link"},
    {&DialogTexts::PhoneLabel, "Phone:", "TLF:"},
    {&DialogTexts::NameAddressLabel, "Name & addrs.", "Navn og adr."},
    {&DialogTexts::EmailLabel, "Email addrs.", "Email adr."},
    {&DialogTexts::AddMate, "Add", "&Tilføj elev"},
    {&DialogTexts::DeleteMate, "Delete", "&Slet elev"},
    {&DialogTexts::DateFrame, " Date ", " Dato "},
    {&DialogTexts::DatePickerOk, "OK", "OK"},
    {&DialogTexts::DatePickerCancel, "Cancel", "&Fortryd"},
    {&DialogTexts::TimeCancel, "Cancel", "&Fortryd"},
    {&DialogTexts::LessonLabel, "Lesson", "Fag"},
    {&DialogTexts::RoomLabel, "Room", "Lokale"},
    {&DialogTexts::TeacherLabel, "Teacher", "Lærer"},
    {&DialogTexts::LessonCancel, "Cancel", "&Fortryd"},
    {&DialogTexts::IllegalCharacter, "Illigal character: ", "Ugyldigt tegn: "},
    {&DialogTexts::NewUserTitle, "Create new user", "Opret ny bruger"},
    {&DialogTexts::NewUserNameLabel, "Your name:", "Dit navn:"},
    {&DialogTexts::NewUserNameHint, "The name of the new user", "Navnet på den nye bruger"},
    {&DialogTexts::NewUserClassLabel, "Class name", "Klassens navn"},
    {&DialogTexts::NewUserClassHint, "The name of users class", "Navnet på brugerens klasse"},
    {&DialogTexts::NewUserCancel, "Cancel", "&Fortryd"},
    {&DialogTexts::ClassTitle, "Name", "Klassenavn"},
    {&DialogTexts::ClassPrompt, "Write the name of your class", "Skriv navnet på klassen f.eks 6U"},
    {&DialogTexts::HolidayNameText, "Name of holiday period", "Navn på helligdag"},
    {&DialogTexts::HolidayNameHint, "ie. Christmas", "F.eks. Påske"},
    {&DialogTexts::FromDateHint, "Pick new date", "Vælg ny dato"},
    {&DialogTexts::ToDateHint, "Pick new date", "Vælg ny dato"},
    {&DialogTexts::HolidayNameLabel, "Holiday name:", "Navn:"},
    {&DialogTexts::FromLabel, "From:", "Fra:"},
    {&DialogTexts::ToLabel, "To:", "Til:"},
    {&DialogTexts::ColorLabel, "Color:", "Farve:"},
    {&DialogTexts::ColorListHint, "Pick color of date", "Vælg datofarve"},
    {&DialogTexts::HolidayOk, "OK", "OK"},
    {&DialogTexts::HolidayCancel, "Cancel", "&Fortryd"},
    // Typed input that is not dropped: the time dialog's message, the contact card's close
    // question.
    {&DialogTexts::TimeInvalid, "Write a time of day from 00:00 to 23:59, e.g. 08:15.",
     "Skriv et klokkeslæt fra 00:00 til 23:59, f.eks. 08:15."},
    {&DialogTexts::CardCloseQuestion, "Save changes?", "Skal ændringerne gemmes?"},
    // Single-line values
    {&DialogTexts::ShortcutLineBreak,
     "The file's name holds a line break, so it cannot be kept as a shortcut. Rename the file "
     "and add it again.",
     "Filens navn indeholder et linjeskift, så den kan ikke gemmes som genvej. Omdøb filen, og "
     "tilføj den igen."},
    // Errors and opening.
    {&DialogTexts::OpenFailed, "No program on this computer could open %1.",
     "Intet program på denne computer kunne åbne %1."},
    // Danish interface: the holiday colours, in the order of the stored colour names.
    {&DialogTexts::ColourGreen, "clGreen", "Grøn"},
    {&DialogTexts::ColourBlack, "clBlack", "Sort"},
    {&DialogTexts::ColourRed, "clRed", "Rød"},
    {&DialogTexts::ColourLime, "clLime", "Lysegrøn"},
    {&DialogTexts::ColourYellow, "clYellow", "Gul"},
    {&DialogTexts::ColourAqua, "clAqua", "Turkis"},
    {&DialogTexts::ColourMaroon, "clMaroon", "Rødbrun"},
    {&DialogTexts::ColourPurple, "clPurple", "Lilla"},
    // Lesson times: the dialog.
    {&DialogTexts::LessonTimesTitle, "Lesson times", "Lektionstider"},
    {&DialogTexts::LessonTimesPosition, "Lesson", "Lektion"},
    {&DialogTexts::LessonTimesLength, "Length (minutes)", "Længde (minutter)"},
    {&DialogTexts::LessonTimesBreak, "Break after (minutes)", "Pause efter (minutter)"},
    {&DialogTexts::LessonTimesStart, "Monday starts", "Mandag begynder"},
    {&DialogTexts::LessonTimesOk, "OK", "OK"},
    {&DialogTexts::LessonTimesCancel, "Cancel", "Fortryd"},
    // Calendar export: the buttons of the choice of one option.
    {&DialogTexts::ChoiceOk, "OK", "OK"},
    {&DialogTexts::ChoiceCancel, "Cancel", "&Fortryd"},
});

// Errors and opening: why a file could not be written, in the system's common cases.
struct SystemReasonRow {
    int Error;
    const char* English;
    const char* Danish;
};

const auto kSystemReasons = std::to_array<SystemReasonRow>({
    {ENOSPC, "No space left on device", "Der er ikke mere plads på disken"},
    {EROFS, "Read-only file system", "Filsystemet er skrivebeskyttet"},
    {EACCES, "Permission denied", "Adgang nægtet"},
    {EPERM, "Operation not permitted", "Handlingen er ikke tilladt"},
    {ENAMETOOLONG, "File name too long", "Filnavnet er for langt"},
    {EDQUOT, "Disk quota exceeded", "Diskkvoten er opbrugt"},
    {EFBIG, "File too large", "Filen er for stor"},
});

}  // namespace

MessageTexts MessageTextsFor(int languageCode) {
    const bool danish = languageCode == kDanish;
    MessageTexts texts;
    for (const SlotText& row : kSlotTexts) texts.*row.Slot = danish ? row.Danish : row.English;
    return texts;
}

DialogTexts DialogTextsFor(int languageCode) {
    const bool danish = languageCode == kDanish;
    DialogTexts dialogs;
    for (const DialogText& row : kDialogTexts)
        dialogs.*row.Field = danish ? row.Danish : row.English;
    return dialogs;
}

DialogTexts DesignDialogTexts() {
    return DialogTextsFor(kEnglish);
}

int LanguageOf(const DialogTexts& texts) {
    static const std::string danishYes = DialogTextsFor(kDanish).AskYes;
    return texts.AskYes == danishYes ? kDanish : kEnglish;
}

const std::vector<std::string MessageTexts::*>& MessageSlots() {
    static const auto slots = [] {
        std::vector<std::string MessageTexts::*> all;
        for (const SlotText& row : kSlotTexts) all.push_back(row.Slot);
        return all;
    }();
    return slots;
}

const std::vector<std::string DialogTexts::*>& DialogTextFields() {
    static const auto fields = [] {
        std::vector<std::string DialogTexts::*> all;
        for (const DialogText& row : kDialogTexts) all.push_back(row.Field);
        return all;
    }();
    return fields;
}

std::string ErrorText(const SkemoraError& error, int languageCode) {
    std::vector<std::string> arguments = error.Arguments();
    if (const SkemoraError* cause = error.Cause()) {
        arguments.push_back(ErrorText(*cause, languageCode));
    }
    std::string_view text = EnglishErrorTemplate(error.Kind());
    if (languageCode == kDanish) {
        for (const ErrorTextRow& row : kErrorTexts) {
            if (row.Kind == error.Kind()) text = row.Danish;
        }
    }
    std::string message = FillTemplate(text, arguments);
    if (error.SystemError() != 0)
        message += "\n" + SystemReasonText(error.SystemError(), languageCode);
    return message;
}

std::string SystemReasonText(int systemError, int languageCode) {
    for (const SystemReasonRow& row : kSystemReasons) {
        if (row.Error == systemError) return languageCode == kDanish ? row.Danish : row.English;
    }
    return SystemErrorText(systemError);
}

}  // namespace skemora
