// The English and Danish interface texts: the message-text slots the commands read, the texts of
// the dialogs, and the messages of the program's errors.
#pragma once

#include <string>
#include <vector>

#include "core/files/skemora_error.h"

namespace skemora {

constexpr int kEnglish = 5;
constexpr int kDanish = 6;

// Message-text slots, read when a text is shown or composed.
struct MessageTexts {
    std::string NoDocumentTitle;         // "Time-table"
    std::string SaveQuestionTitle;       // "Save "
    std::string SaveQuestionText;        // " changed, save it?"
    std::string StartTimeLabel;          // "Start time "
    std::string ReplaceQuestion;         // "File exist! Replace?"
    std::string MustSaveMessage;         // "Your Time-Table MUST be saved in "
    std::string HolidaysTitle;           // "Holidays"
    std::string DateBefore1970;          // "You can not sellect a date older than 1970."
    std::string ChangeLessonTitle;       // "Change lesson "
    std::string DeleteLessonTitle;       // "Delete class "
    std::string AddLessonTitle;          // "Add a new lesson to "
    std::string InsertLessonTitle;       // "Put a new lesson in before "
    std::string FromListSuffix;          // " from list"
    std::string SchoolInformationTitle;  // "Information school"
    std::string ClassNameText;           // "Class"
    std::string WeekWord;                // "week"
    std::string CopyError;               // "Copy file error!"
    std::string HolidayTakenTitle;       // "Holiday already used!"
    std::string DeleteWord;              // "Delete"
    std::string DeleteHolidayQuestion;   // "Do you want to delete this holiday?"
    std::string OneLessonADay;           // "There must be at least one hour a day, ..."
    std::string HomeworkHint;            // "Homework for "
    std::string LinksHint;               // "Links for "
    std::string TeacherHint;             // "Teacher info "
    std::string SchoolMatesHint;         // "School mates "
    // The lesson notes' window-title words.
    std::string HomeworkWord;      // "Homework"
    std::string LinksWord;         // "Links"
    std::string TeacherWord;       // "Teacher"
    std::string StudentsWord;      // "Students"
    std::string WeekNotesHint;     // "Notes week "
    std::string CannotDeleteThis;  // "You can't delete this."
    std::string HelpFileMissing;   // "Help file not found: "
    std::string PeriodsMerged;     // %1 the most periods kept, %2 the merged period's start
    // Typed input that is not dropped: the new-user dialog's checks.
    std::string NewUserNameMissing;  // "Write the name of the new user."
    std::string NewUserExists;       // %1 the name
    std::string NewUserExistsClass;  // %1 the name, %2 the class typed
    // Opening, the holiday editor and the week notes.
    std::string NotATimetable;         // %1 the file chosen, %2 the data folder
    std::string LongHolidayQuestion;   // %1 the number of months
    std::string HolidayProgressLabel;  // "Entering the holiday period …"
    // Homework following inserted and deleted lessons
    std::string DeleteHomeworkQuestion;  // %1 the weeks in which the lesson has homework
    std::string HomeworkPushedOut;       // %1 the weeks in which the last lesson has homework
    std::string HomeworkFileDamaged;     // %1 the week homework file
    // Errors and opening.
    std::string PageOpenFailed;  // %1 the page written that nothing could open
    // Another writer: links and order.
    std::string PeriodsReordered;  // the period list was out of order and is written in order
    // Another writer: %1 the file both changed, %2 where this window's version was kept.
    std::string OtherWriterConflict;
    // Sync tools' conflict copies of the diary's files
    std::string ConflictNotesKept;   // %1 the week
    std::string ConflictFileMerged;  // %1 the file, as ConflictFileName gives it
    std::string ConflictTitle;       // the question's title
    std::string ConflictQuestion;    // %1 the file; Yes keeps the copy's lines, No the file's
    std::string ConflictFileName;    // %1 the file's name in the data folder
    // Screen reader: the names read out for the week's cells and labels.
    std::string ReaderLesson;      // %1 the day, %2 the lesson's number, %3 the subject
    std::string ReaderEmptyCell;   // %1 the day, %2 the row's number
    std::string ReaderRoom;        // %1 the room
    std::string ReaderHomework;    // "homework"
    std::string ReaderDate;        // %1 the day name, %2 the day, %3 the month, %4 the year
    std::string ReaderWeek;        // %1 the week's number
    std::string ReaderMonthDay;    // %1 the day, %2 the month
    std::string ReaderYear;        // %1 the year
    std::string ReaderSelected;    // "selected"
    std::string ReaderClass;       // %1 the class name
    // Danish interface
    std::string EmptySubject;  // "Empty": the single lesson of each day of a fresh time-table
    // Help, About, the welcome and the command line
    std::string AboutTitle;           // "About Skemora"
    std::string AboutDescription;     // one line: what the program is
    std::string AboutVersion;         // %1 the version
    std::string AboutLicence;         // the licence
    std::string AboutDataFolder;      // the label before the data folder in use
    std::string WelcomeText;          // the empty window's welcome
    std::string WelcomeNew;           // its button for a new time-table
    std::string WelcomeOpen;          // its button for opening one
    std::string UsageLine;            // %1 the program's name
    std::string UsageDescription;     // what a start does
    std::string UsageOptions;         // the heading of the options
    std::string UsageArguments;       // the heading of the arguments
    std::string UsageEnvironment;     // the heading of the environment variables
    std::string UsageHelpOption;      // --help
    std::string UsageVersionOption;   // --version
    std::string UsageNameArgument;    // the time-table name
    std::string UsageDataDirVariable; // SKEMORA_DATA_DIR
    std::string UsageLanguageVariable;  // SKEMORA_LANGUAGE
    std::string UsageUnknownOption;   // %1 the option given
    std::string UsageTryHelp;         // %1 the program's name
    // Lesson times, the glance at today (skemora --today) and the tray program.
    std::string LessonTimesDamaged;  // %1 the lesson-times file
    std::string GlanceNoTimetable;   // %1 the data folder
    std::string GlanceUnknownTimetable;  // %1 the name asked for
    std::string GlanceUnreadable;        // %1 the file
    std::string GlanceWeekend, GlanceHoliday;  // GlanceHoliday: %1 the holiday's name
    std::string GlanceNoLessons, GlanceDayOver;
    std::string GlanceNow, GlanceNext;  // %1 the lesson
    std::string GlanceRoom, GlanceTeacher;  // %1 the room, the teacher
    std::string GlanceToday, GlanceTomorrow, GlanceHomework, GlanceDocuments;
    std::string GlanceOpenDiary, GlanceQuit;
    std::string TrayMissing;
    // The command line: the day's glance
    std::string UsageTodayOption;  // --today
    std::string UsageJsonOption;   // --json
    // Calendar export: the range choice (%1 the first day, %2 the last), a date in it (%1 day,
    // %2 month name, %3 year), what was written (%1 the file, %2 lessons, %3 holiday days), and
    // a failed write (%1 the file, %2 the reason).
    std::string IcsRangeTitle, IcsRangePrompt;
    std::string IcsRangeShownWeek, IcsRangePeriod, IcsRangeSchoolYear;
    std::string IcsRangeDate;
    std::string IcsWritten, IcsWriteFailed;
};

// Texts of the dialogs (captions, hints, initial texts), and the homework dialog's own messages.
struct DialogTexts {
    // Question dialog
    std::string AskYes, AskNo, AskCancel;
    // Homework
    std::string HomeworkStrip, ShortcutStrip, AddShortcut, DeleteShortcut, CreateFile;
    std::string HomeworkCloseQuestion, HomeworkMissingType, HomeworkFileNamePrompt,
        HomeworkFileExists, HomeworkCannotCreate;
    // Links
    std::string AddLink, DeleteLink;
    // Contact card
    std::string PhoneLabel, NameAddressLabel, EmailLabel;
    // School mates
    std::string AddMate, DeleteMate;
    // Date picker
    std::string DateFrame, DatePickerOk, DatePickerCancel;
    // Time entry
    std::string TimeCancel;
    // Lesson editor
    std::string LessonLabel, RoomLabel, TeacherLabel, LessonCancel;
    std::string IllegalCharacter;  // "Illigal character: "
    // New user
    std::string NewUserTitle, NewUserNameLabel, NewUserNameHint, NewUserClassLabel,
        NewUserClassHint, NewUserCancel;
    // Class name
    std::string ClassTitle, ClassPrompt;
    // Holiday editor
    std::string HolidayNameText, HolidayNameHint, FromDateHint, ToDateHint;
    std::string HolidayNameLabel, FromLabel, ToLabel, ColorLabel, ColorListHint, HolidayOk,
        HolidayCancel;
    // Typed input that is not dropped: the time dialog's message, the contact card's close
    // question.
    std::string TimeInvalid, CardCloseQuestion;
    // Single-line values: a file whose name holds a line break is no shortcut
    std::string ShortcutLineBreak;
    // Errors and opening: %1 the document, address or mail address nothing could open.
    std::string OpenFailed;
    // Danish interface: the holiday colours' names, in the order of kHolidayColourNames.
    std::string ColourGreen, ColourBlack, ColourRed, ColourLime, ColourYellow, ColourAqua,
        ColourMaroon, ColourPurple;
    // Lesson times: the dialog.
    std::string LessonTimesTitle, LessonTimesPosition, LessonTimesLength, LessonTimesBreak,
        LessonTimesStart, LessonTimesOk, LessonTimesCancel;
    // Calendar export: the buttons of the choice of one option.
    std::string ChoiceOk, ChoiceCancel;
};

// The texts of a language: 6 is Danish, any other code English.
MessageTexts MessageTextsFor(int languageCode);
DialogTexts DialogTextsFor(int languageCode);
// The English texts of the dialogs as designed, before any language is applied.
DialogTexts DesignDialogTexts();
// The language of dialog texts made by DialogTextsFor, for the words a dialog adds itself (the
// reason of a write error).
int LanguageOf(const DialogTexts& texts);

// Every slot and dialog text, each once, in table order.
const std::vector<std::string MessageTexts::*>& MessageSlots();
const std::vector<std::string DialogTexts::*>& DialogTextFields();

// An error's message in the language.
std::string ErrorText(const SkemoraError& error, int languageCode);

// Errors and opening: the reason of a system error number in the language; one the tables do not
// hold is given as the system words it.
std::string SystemReasonText(int systemError, int languageCode);

}  // namespace skemora
