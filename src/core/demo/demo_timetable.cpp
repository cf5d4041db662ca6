#include "core/demo/demo_timetable.h"

#include <array>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "core/holidays/holiday_periods.h"
#include "core/holidays/holiday_tables.h"
#include "core/notes/contact_card.h"
#include "core/notes/mates.h"
#include "core/notes/note_files.h"
#include "core/notes/upcoming_files.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"
#include "core/timetable/subject_list.h"
#include "core/timetable/week_homework.h"

namespace skemora {

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kClassName = "7B";

struct DemoLesson {
    const char* Subject;
    const char* Room;
    const char* Teacher;
};

const DemoLesson kDanish{"Danish", "12", "Hansen"};
const DemoLesson kMaths{"Maths", "12", "Berg"};
const DemoLesson kEnglish{"English", "14", "Clarke"};
const DemoLesson kGerman{"German", "15", "Weber"};
const DemoLesson kHistory{"History", "12", "Hansen"};
const DemoLesson kBiology{"Biology", "Lab 1", "Nielsen"};
const DemoLesson kScience{"Science", "Lab 2", "Nielsen"};
const DemoLesson kGeography{"Geography", "16", "Berg"};
const DemoLesson kPe{"PE", "Gym", "Holm"};
const DemoLesson kMusic{"Music", "Music room", "Dahl"};
const DemoLesson kArt{"Art", "Art room", "Dahl"};
const DemoLesson kReligion{"Religion", "12", "Hansen"};
const DemoLesson kClassHour{"Class hour", "12", "Hansen"};

struct DemoDay {
    int StartTime;
    std::vector<DemoLesson> Lessons;
};

// The week of the current period: days start at different times.
const std::array<DemoDay, kDays> kCurrentWeek = {{
    {800, {kDanish, kDanish, kMaths, kMaths, kEnglish, kBiology}},
    {850, {kHistory, kGerman, kPe, kPe, kMusic}},
    {800, {kMaths, kMaths, kScience, kScience, kDanish, kGeography}},
    {940, {kEnglish, kDanish, kArt, kArt, kReligion}},
    {800, {kGerman, kMaths, kDanish, kDanish, kBiology, kClassHour}},
}};

DayRecords DaysOf(const std::array<DemoDay, kDays>& week) {
    DayRecords days;
    for (int d = 0; d < kDays; ++d) {
        const DemoDay& day = week[static_cast<std::size_t>(d)];
        DayRecord& record = days[static_cast<std::size_t>(d)];
        record.StartTime = day.StartTime;
        for (std::size_t j = 0; j < day.Lessons.size(); ++j) {
            record.Subject[j] = day.Lessons[j].Subject;
            record.Room[j] = day.Lessons[j].Room;
            record.Teacher[j] = day.Lessons[j].Teacher;
        }
    }
    return days;
}

// The period before the current one: Tuesday began at eight and Thursday had PE, not art.
DayRecords EarlierDays() {
    std::array<DemoDay, kDays> week = kCurrentWeek;
    week[1].StartTime = 800;
    week[3].Lessons[2] = kPe;
    week[3].Lessons[3] = kPe;
    return DaysOf(week);
}

ContactCardFields Card(std::array<std::string, kContactFields> fields) {
    return ContactCardFields{std::move(fields)};
}

struct DemoHomework {
    int Day;     // 0 = Monday
    int Lesson;  // position 0..11
    Lines Text;
    Lines Shortcuts;
};

void WriteWeek(const std::string& userFolder, const Date& today, const Date& monday,
               const std::string& documentPath) {
    const std::vector<DemoHomework> homework = {
        {0, 2, {"Page 42, exercises 1 to 6."}, {}},
        {2, 4, {"Read chapter 3 and write", "five questions about it."}, {}},
        {3, 0, {"Essay: my summer holiday,", "one page."}, {documentPath}},
        {4, 1, {"Test: fractions and decimals."}, {}},
    };
    WeekHomework week;
    Lines upcoming;
    const int todayNumber = DayNumber(today.Year, today.Month, today.Day);
    const int mondayNumber = DayNumber(monday.Year, monday.Month, monday.Day);
    const DayRecords days = DaysOf(kCurrentWeek);
    for (const DemoHomework& item : homework) {
        LessonHomework& lesson =
            week[static_cast<std::size_t>(item.Day)][static_cast<std::size_t>(item.Lesson)];
        lesson.HomeworkText = item.Text;
        lesson.Shortcuts = item.Shortcuts;
        const int lessonDate = mondayNumber + item.Day;
        if (!item.Shortcuts.empty() && lessonDate > todayNumber) {
            const std::string& subject = days[static_cast<std::size_t>(item.Day)]
                                             .Subject[static_cast<std::size_t>(item.Lesson)];
            AddUpcomingEntry(upcoming, {lessonDate, subject, item.Shortcuts.front()}, todayNumber);
        }
    }
    const Lines notes = {"Bring swimming kit on Tuesday.",
                         "Parents' evening on Wednesday at 18:00.",
                         "Return the library books before Friday."};
    // The week's files are named after the week number of today, which depends on the
    // "Monday first" option: both names are written so the demo shows under either.
    std::set<int> weeks;
    for (bool sundayFirst : {false, true})
        weeks.insert(WeekNumber(today.Year, today.Month, today.Day, sundayFirst));
    for (int weekNo : weeks) {
        WriteLines(userFolder + WeekFileName(today.Year, weekNo), WeekHomeworkLines(week));
        WriteLines(userFolder + WeekNotesFileName(today.Year, weekNo), notes);
    }
    if (!upcoming.empty()) WriteLines(UpcomingFilesPath(userFolder), upcoming);
}

void WriteNotes(const std::string& userFolder) {
    WriteLines(TeacherFilePath(userFolder, kMaths.Subject),
               ContactCardLines(Card({"Anna Berg", "Skolevej 4", "5000 Odense C", "", "66 12 34 56",
                                      "", "anna.berg@example.org"})));
    WriteLines(
        LinkFilePath(userFolder, kEnglish.Subject),
        {"https://learnenglishteens.britishcouncil.org/", "https://dictionary.cambridge.org/"});
    WriteLines(LinkFilePath(userFolder, kScience.Subject), {"https://phet.colorado.edu/"});

    Lines mates;
    AddMate(mates, Card({"Oliver Jensen", "Rosenvej 12", "5000 Odense C", "", "66 11 22 33",
                         "21 43 65 87", "oliver@example.org"}));
    AddMate(mates, Card({"Sofia Madsen", "Engvej 3", "5200 Odense V", "", "", "28 76 54 32",
                         "sofia@example.org"}));
    AddMate(mates,
            Card({"Noah Petersen", "Havnegade 7", "5000 Odense C", "", "66 99 88 77", "", ""}));
    WriteLines(MatesFilePath(userFolder, kDemoUserName), mates);

    WriteLines(userFolder + kSchoolFileName,
               ContactCardLines(Card({"Odense Friskole", "Skolevej 4", "5000 Odense C", "Denmark",
                                      "66 12 34 00", "", "kontor@example.org"})));
}

// A name that suits the season of a week's holiday.
std::string HolidayName(int month) {
    static const std::array<const char*, 12> kNames = {
        "Winter holiday", "Winter holiday", "Spring holiday", "Easter holiday",
        "Spring holiday", "Summer holiday", "Summer holiday", "Summer holiday",
        "Autumn holiday", "Autumn holiday", "Autumn holiday", "Christmas holiday"};
    return kNames[static_cast<std::size_t>(month - 1)];
}

void WriteHolidays(const std::string& dataFolder, const Date& monday) {
    const auto path = [&](int year, int month) {
        return dataFolder + HolidayFileName(year, month);
    };
    const HolidayMonthReader readMonth = [&](int year, int month) {
        return ReadHolidayMonth(path(year, month));
    };
    const HolidayMonthWriter writeMonth = [&](int year, int month, const Lines& lines) {
        WriteLines(path(year, month), lines);
    };
    const TakenDayQuestion overwrite = [](const Date&, const std::string&) {
        return TakenAnswer::Overwrite;
    };
    const Date friday = AddDays(monday, 4);
    const std::vector<HolidayPeriod> periods = {
        {friday, friday, "Sports day", "clGreen"},
        {AddDays(monday, 21), AddDays(monday, 25), HolidayName(AddDays(monday, 21).Month), "clRed"},
    };
    for (const HolidayPeriod& period : periods)
        ApplyHolidayPeriod(period, readMonth, overwrite, writeMonth);
}

}  // namespace

bool MakeDemoTimetable(const std::string& dataFolder, const Date& today) {
    const std::string mainFile = std::string(kDemoUserName) + kTimetableExtension;
    if (FileExists(dataFolder + mainFile)) return false;
    std::error_code ignored;
    std::filesystem::create_directories(dataFolder, ignored);
    const std::string userFolder = UserFolderOf(dataFolder, mainFile);
    CreateFolder(userFolder);

    const Date monday = DateOfDayNumber(MondayOf(today));
    const int currentStart = MondayOf(today) - 21;
    const int earlierStart = MondayOf(today) - 15 * 7;
    const DayRecords earlier = EarlierDays();
    const DayRecords current = DaysOf(kCurrentWeek);

    // A document for the homework's shortcut.
    const std::string documentPath = userFolder + "Essay outline.txt";
    WriteLines(documentPath, {"My summer holiday", "", "1. Where we went", "2. What we did",
                              "3. What I liked best"});
    WriteWeek(userFolder, today, monday, documentPath);
    WriteNotes(userFolder);
    WriteHolidays(dataFolder, monday);

    Lines subjects;
    MergeLessons(subjects, earlier);
    MergeLessons(subjects, current);
    WriteLines(userFolder + kSubjectListFileName, subjects);

    PeriodList periods;
    periods.Count = 2;
    periods.Entries[0] = {static_cast<std::uint16_t>(earlierStart), mainFile};
    periods.Entries[1] = {static_cast<std::uint16_t>(currentStart), PeriodFileName(1)};
    WriteLines(userFolder + PeriodFileName(1), TimetableLines(current, kClassName));
    WriteLines(userFolder + kPeriodListFileName, PeriodListLines(periods));
    // The main file last: its presence marks a finished demo.
    WriteLines(dataFolder + mainFile, TimetableLines(earlier, kClassName));
    return true;
}

}  // namespace skemora
