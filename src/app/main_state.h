// The main window's whole run-time state: one plain record, changed only by the commands.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

constexpr int kDays = 5;      // Monday .. Friday
constexpr int kLessons = 12;  // lesson positions per day
constexpr int kMaxPeriodEntries = 200;
constexpr int kMaxStoredPeriods = 81;

struct DayRecord {
    std::int32_t StartTime = 0;  // hours * 100 + minutes
    std::array<std::string, kLessons> Subject;
    std::array<std::string, kLessons> Room;
    std::array<std::string, kLessons> Teacher;
};
using DayRecords = std::array<DayRecord, kDays>;

struct PeriodEntry {
    std::uint16_t Start = 0;  // a DayNumber, always a Monday
    std::string FileName;
};
struct PeriodList {
    int Count = 0;
    std::array<PeriodEntry, kMaxPeriodEntries> Entries;
};

struct LessonHomework {
    std::vector<std::string> HomeworkText;
    std::vector<std::string> Shortcuts;
    bool HasHomework() const { return !HomeworkText.empty() || !Shortcuts.empty(); }
};
// [day 0..4][lesson position 0..11]
using WeekHomework = std::array<std::array<LessonHomework, kLessons>, kDays>;

// One month's holiday marks; entry i is day i + 1.
struct feriedage {
    std::array<std::uint8_t, 32> Flags{};
    std::array<std::string, 31> Colours;
    std::array<std::string, 31> Names;
};

struct NameTables {
    std::array<std::string, 12> ShortMonthNames;  // index 0 = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;  // index 0 = Sunday
    std::array<std::string, 7> LongDayNames;
};

// A lesson cell of the grid: column 0..4 (Monday..Friday), row 0..11.
struct CellRef {
    int Column = 0;
    int Row = 0;
    friend bool operator==(const CellRef&, const CellRef&) = default;
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
    bool TimetableOpen = false;
    bool Modified = false;
    std::int32_t LoadedPeriod = -1;
    std::string DataFolder;  // ends with "/"
    std::string UserName;
    std::string UserFolder;  // ends with "/"
    std::string ClassName;
    PeriodList Periods;
    std::int32_t PendingPeriodStart = -1;
    bool Loading = false;
    bool NotesChanged = false;
    bool WriteAllOnSave = false;
    std::string TimetablePath;
    std::int32_t LanguageCode = 5;
    bool SundayFirst = false;
    bool StartMondayFirst = true;
    bool StartTray = false;
    NameTables Names;
    DayRecords Days;

    // Owned beside the record by the main window.
    WeekHomework Homework;
    std::vector<std::string> SubjectList;        // subject, room, teacher triples
    std::vector<std::string> PeriodLines;        // the period list lines last read or written
    std::vector<std::string> LessonLines;        // the lesson lines last read or written
    std::array<feriedage, 3> HolidayTables;      // month before, selected month, month after
    std::array<std::string, 7> WeekdayAbbreviations;  // as appended by the weekday header
    std::string NotesFileName;                   // of the shown week, without folder
    bool PeriodLimitAnnounced = false;           // the folding of old periods was announced
    std::string FailedLoadPath;  // a lesson file or period list that failed to load this run
};

}  // namespace skemora
