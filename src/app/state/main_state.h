// The main window's whole run-time state: one plain record, changed only by the commands.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/holidays/holiday_tables.h"
#include "core/language/names_file.h"
#include "core/timetable/lesson_times.h"
#include "core/timetable/lessons.h"
#include "core/timetable/periods.h"
#include "core/timetable/week_homework.h"
#include "app/state/storage_memory.h"

namespace skemora {

// A lesson cell of the grid: column 0..4 (Monday..Friday), row 0..11.
struct CellRef {
    int Column = 0;
    int Row = 0;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// How the open time-table stands against its files: what is unsaved, what the next save must
// write, and what was loaded from where.
struct SaveState {
    // Unsaved changes. Save, Save As and the save button follow it: the projection draws them,
    // and SetModified changes both at once where a command does not refresh.
    bool Modified = false;
    bool NotesChanged = false;
    bool WriteAllOnSave = false;  // the next save writes the main file and the period list first
    std::int32_t PendingPeriodStart = -1;  // the Monday an edit takes effect from; <= 0: none
    std::int32_t LoadedPeriod = -1;        // -1: the next refresh reads the lesson file again
    bool Loading = false;                  // files are being read: filling the notes box is no edit
    // A lesson file or period list that failed to load: no save may write over it.
    std::string FailedLoadPath;
};

// The open time-table: its files' names, all derived from its main file when it became open.
struct OpenedTimetable {
    std::string Name;           // the main file's name, as the caption shows it: "Emma.dfd"
    std::string TimetablePath;  // the main file, in the data folder
    std::string UserFolder;     // ends with "/"
    std::string UserName;
};

// The shown week's notes as the refresh last read them, for the projection to put in the box.
struct ShownWeekNotes {
    bool Read = false;      // read for the open time-table since it was opened
    bool Readable = true;   // the file read, or there was none: the box takes typing
    bool Fresh = false;     // read and not yet put into the box (which then holds what is typed)
    std::uint16_t Week = 0;
    std::string Text;       // lines joined by "\n"
};

struct MainState {
    std::uint16_t SelYear = 1970, SelMonth = 1, SelDay = 1;
    std::uint16_t TodayYear = 1970, TodayMonth = 1, TodayDay = 1;
    std::uint16_t WeekNo = 0;
    std::uint16_t WeekPanelYear = 1970;
    std::int32_t SelColumn = 0;  // 1 = Monday .. 5 = Friday; 0 = none selected yet
    std::int32_t SelLesson = 0;
    std::optional<CellRef> SelCell;
    std::int32_t ScreenMode = 1;
    bool LayoutLocked = true;
    std::string DataFolder;  // ends with "/"
    std::string ClassName;
    PeriodList Periods;
    SaveState Saving;
    std::int32_t LanguageCode = 5;
    bool SundayFirst = false;
    bool StartMondayFirst = true;
    bool StartTray = false;
    NameTables Names;
    DayRecords Days;

    // Owned beside the record by the main window.
    WeekHomework Homework;
    std::vector<std::string> SubjectList;             // subject, room, teacher triples
    std::vector<std::string> PeriodLines;             // the period list lines last read or written
    // What reading the period list last built, from which lines and main file name: while the
    // list reads the same and `Periods` is still that, nothing needs building again.
    struct PeriodsReading {
        std::vector<std::string> Lines;
        std::string MainName;
        PeriodList Built;
    } PeriodsRead;
    std::vector<std::string> LessonLines;             // the lesson lines last read or written
    std::array<feriedage, 3> HolidayTables;           // month before, selected month, month after
    std::array<std::string, 7> WeekdayAbbreviations;  // as appended by the weekday header
    std::string NotesFileName;                        // of the shown week, without folder
    bool PeriodLimitAnnounced = false;                // the folding of old periods was announced

    // The open time-table and the options as set now.
    // Set only by BecomeOpenTimetable and cleared only by CloseTimetable; none: no time-table.
    std::optional<OpenedTimetable> Open;
    bool StartInTray = false;  // "Start in system tray" as set now; StartTray: as at start-up

    // Storage: what each file held when it was read or written.
    StorageMemory Storage;

    // The refresh: what its storage step read for the shown week, drawn by the projection.
    std::array<bool, 53> WeekFileExists{};  // index k: week k + 1 of SelYear has a homework file
    ShownWeekNotes ShownNotes;

    // Sync tools' conflict copies: those the pupil chose to decide on later, or that could not
    // be read, by path; not taken up again until a time-table is opened.
    std::vector<std::string> ConflictCopiesLeft;

    // Lesson times: the open time-table's lesson lengths and breaks, and the file they came
    // from (empty: none read yet).
    LessonTimes Times;
    std::string TimesPath;
};

}  // namespace skemora
