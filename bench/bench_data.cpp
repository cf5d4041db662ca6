#include "bench_data.h"

#include <stdlib.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "core/holidays/holiday_periods.h"
#include "core/holidays/holiday_tables.h"
#include "core/notes/contact_card.h"
#include "core/notes/mates.h"
#include "core/notes/note_files.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"
#include "core/timetable/subject_list.h"
#include "core/timetable/week_homework.h"

namespace skemora::bench {

namespace {

using Lines = std::vector<std::string>;

const Date kFirstMonday{2016, 8, 15};
const Date kLastDay{2026, 7, 31};

// The subjects of a Danish school, taught from grade 0 to 9 with the grade in the name from the
// pupil's fourth year on, so that a subject has files of its own per grade.
constexpr std::array<const char*, 20> kSubjects = {
    "Danish",  "Maths",   "English",   "German",   "History", "Biology",   "Physics",
    "Geography", "PE",    "Music",     "Art/Design", "Religion", "Social studies", "Science",
    "Handicraft", "Home economics", "French", "Chemistry", "Class hour", "Computing"};
constexpr std::array<const char*, 12> kTeachers = {"Hansen", "Berg",  "Clarke", "Weber",
                                                   "Nielsen", "Holm", "Dahl",   "Madsen",
                                                   "Larsen", "Kjær",  "Sørensen", "Olsen"};

// Text followed by a number (GCC 12 warns falsely on "literal" + std::to_string).
std::string Numbered(std::string text, int number) {
    text += std::to_string(number);
    return text;
}

// The subject names of the school year that starts in `year`: five grades, 20 subjects each,
// make the 100 subjects with notes files.
std::string SubjectOf(int subject, int year) {
    const int grade = 5 + (year - kFirstMonday.Year) / 2;  // 5..9
    return Numbered(std::string(kSubjects[static_cast<std::size_t>(subject)]) + " ", grade);
}

int FirstDayNumber() { return DayNumber(kFirstMonday.Year, kFirstMonday.Month, kFirstMonday.Day); }

ContactCardFields Card(const std::string& name, int number) {
    return ContactCardFields{{name, Numbered("Skolevej ", number), "5000 Odense C", "",
                              Numbered("66 12 ", 10 + number % 90), "",
                              Numbered("person", number) + "@example.org"}};
}

std::string HolidayNameOf(int month) {
    static const std::array<const char*, 12> kNames = {
        "Winter holiday", "Winter holiday", "Spring holiday", "Easter holiday",
        "Ascension",      "Whitsun",        "Summer holiday", "Summer holiday",
        "Study day",      "Autumn holiday", "Sports day",     "Christmas holiday"};
    return kNames[static_cast<std::size_t>(month - 1)];
}

std::string TemporaryFolder() {
    const auto base = std::filesystem::temp_directory_path() / "skemora-bench-XXXXXX";
    std::string pattern = base.string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder under " + pattern);
    }
    return pattern + "/";
}

}  // namespace

int PeriodStart(int k) { return FirstDayNumber() + 7 * kPeriodWeeks * k; }

DayRecords PeriodDays(int k) {
    const int year = DateOfDayNumber(PeriodStart(k)).Year;
    DayRecords days;
    for (int d = 0; d < kDays; ++d) {
        DayRecord& day = days[static_cast<std::size_t>(d)];
        day.StartTime = d == 2 ? 850 : 800;
        const int lessons = d == 4 ? 6 : 8;
        for (int j = 0; j < lessons; ++j) {
            const auto at = static_cast<std::size_t>(j);
            const int subject = (3 * d + j + k) % static_cast<int>(kSubjects.size());
            day.Subject[at] = SubjectOf(subject, year);
            day.Room[at] = Numbered("R", 10 + (j + d) % 8);
            day.Teacher[at] = kTeachers[static_cast<std::size_t>((subject + k / 10) % 12)];
        }
    }
    return days;
}

BenchData::BenchData() : path_(TemporaryFolder()) {
    CreateFolder(UserFolder());
    RestorePeriods(kPeriods);
    WriteWeeks();
    WriteHolidays();
    WriteNotes();
    Lines subjects;
    for (int k = 0; k < kPeriods; ++k) MergeLessons(subjects, PeriodDays(k));
    Write(UserFolder() + kSubjectListFileName, subjects);
    // The main file last, as a finished time-table has it.
    Write(MainFile(), TimetableLines(PeriodDays(0), "7B"));
    Settle();
}

BenchData::BenchData(std::string existingFolder) : path_(std::move(existingFolder)), owned_(false) {
    if (path_.empty() || path_.back() != '/') path_ += '/';
}

BenchData::~BenchData() {
    if (!owned_) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void BenchData::Settle() const {
    const auto dayAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::last_write_time(entry.path(), dayAgo, ignored);
    std::filesystem::last_write_time(UserFolder(), dayAgo, ignored);
    std::filesystem::last_write_time(path_, dayAgo, ignored);
}

std::string BenchData::UserFolder() const { return path_ + kPupil + "/"; }

std::string BenchData::MainFile() const { return path_ + kPupil + kTimetableExtension; }

void BenchData::Write(const std::string& path, const Lines& lines) {
    WriteLines(path, lines);
    ++files_;
}

void BenchData::RestorePeriods(int periods) const {
    PeriodList list;
    list.Count = periods;
    for (int k = 0; k < periods; ++k) {
        list.Entries[static_cast<std::size_t>(k)] = {
            static_cast<std::uint16_t>(PeriodStart(k)),
            k == 0 ? std::string(kPupil) + kTimetableExtension : PeriodFileName(k)};
    }
    WriteLines(UserFolder() + kPeriodListFileName, PeriodListLines(list));
    for (int k = 1; k <= kMaxStoredPeriods; ++k) {
        const std::string file = UserFolder() + PeriodFileName(k);
        if (k < periods) {
            WriteLines(file, TimetableLines(PeriodDays(k), "7B"));
        } else {
            DeleteFile(file);
        }
    }
}

// A homework and a notes file for every school week (the summer weeks 27 to 32 have none).
void BenchData::WriteWeeks() {
    const int last = DayNumber(kLastDay.Year, kLastDay.Month, kLastDay.Day);
    for (int monday = FirstDayNumber(); monday <= last; monday += 7) {
        const Date date = DateOfDayNumber(monday);
        const int week = WeekNumber(date.Year, date.Month, date.Day, false);
        if (week >= 27 && week <= 32) continue;
        const DayRecords days = PeriodDays((monday - FirstDayNumber()) / (7 * kPeriodWeeks));
        WeekHomework homework;
        for (int d = 0; d < kDays; ++d) {
            const int lesson = (d + week) % 6;
            LessonHomework& item =
                homework[static_cast<std::size_t>(d)][static_cast<std::size_t>(lesson)];
            item.HomeworkText = {Numbered("Page ", 10 + week) + ", exercises 1 to 6.",
                                 "Read the chapter on " +
                                     days[static_cast<std::size_t>(d)]
                                         .Subject[static_cast<std::size_t>(lesson)] +
                                     "."};
            if (d == 3) item.Shortcuts = {Numbered("/home/peter/Documents/essay-", week) + ".odt"};
        }
        Write(UserFolder() + WeekFileName(date.Year, week), WeekHomeworkLines(homework));
        Write(UserFolder() + WeekNotesFileName(date.Year, week),
              {Numbered("Week ", week) + ": bring the swimming kit on Tuesday.",
               "Parents' evening on Wednesday at 18:00.", "",
               "Return the library books before Friday."});
    }
}

// One holiday in every month but March and September: a week for the school holidays, a day or
// two otherwise.
void BenchData::WriteHolidays() {
    const HolidayMonthReader readMonth = [&](int year, int month) {
        return ReadHolidayMonth(path_ + HolidayFileName(year, month));
    };
    const HolidayMonthWriter writeMonth = [&](int year, int month, const Lines& lines) {
        Write(path_ + HolidayFileName(year, month), lines);
    };
    const TakenDayQuestion overwrite = [](const Date&, const std::string&) {
        return TakenAnswer::Overwrite;
    };
    static constexpr std::array<int, 12> kLength = {3, 5, 0, 5, 1, 1, 14, 5, 0, 5, 1, 9};
    for (int year = kFirstMonday.Year; year <= kLastDay.Year; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int length = kLength[static_cast<std::size_t>(month - 1)];
            if (length == 0) continue;
            Date from{year, month, month == 12 ? 21 : 9 + month % 5};
            // A holiday starts on a school day: weekends get no mark.
            while (WeekdayOf(from.Year, from.Month, from.Day) == 1 ||
                   WeekdayOf(from.Year, from.Month, from.Day) == 7) {
                from = AddDays(from, 1);
            }
            const HolidayPeriod period{from, AddDays(from, length - 1), HolidayNameOf(month),
                                       kHolidayColourNames[static_cast<std::size_t>(month % 8)]};
            ApplyHolidayPeriod(period, readMonth, overwrite, writeMonth);
        }
    }
}

// The links and teacher card of every subject, the school mates and the school's card.
void BenchData::WriteNotes() {
    const std::string user = UserFolder();
    for (int grade = 0; grade < kNoteSubjects / static_cast<int>(kSubjects.size()); ++grade) {
        for (std::size_t s = 0; s < kSubjects.size(); ++s) {
            const std::string subject = SubjectOf(static_cast<int>(s), kFirstMonday.Year + 2 * grade);
            const int number = grade * 20 + static_cast<int>(s);
            Write(LinkFilePath(user, subject),
                  {Numbered("https://www.example.org/", number), "https://dictionary.example.org/",
                   "https://www.dr.dk/skole"});
            Write(TeacherFilePath(user, subject),
                  ContactCardLines(Card(kTeachers[s % kTeachers.size()], number)));
        }
    }
    Lines mates;
    for (int m = 0; m < kMates; ++m) AddMate(mates, Card(Numbered("Mate ", m + 1), m));
    Write(MatesFilePath(user, kPupil), mates);
    Write(user + kSchoolFileName,
          ContactCardLines({{"Odense Friskole", "Skolevej 4", "5000 Odense C", "Denmark",
                             "66 12 34 00", "66 12 34 01", "kontor@example.org"}}));
}

}  // namespace skemora::bench
