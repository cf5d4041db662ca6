#include "app/glance/glance.h"

#include <algorithm>

#include "app/state/main_state.h"
#include "app/state/timetable_state.h"
#include "app/storage/holiday_files.h"
#include "app/storage/lesson_times_files.h"
#include "app/storage/storage.h"
#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/notes/note_files.h"
#include "core/notes/upcoming_files.h"
#include "core/timetable/file_names.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"

namespace skemora {

namespace {

constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kSaturday = 7;

// The reading of one glance: a state of its own, so that the diary's reading code can run on
// it, and the files that failed.
class GlanceReader {
public:
    explicit GlanceReader(const GlanceRequest& request) {
        state_.DataFolder = request.DataFolder;
        state_.SundayFirst = request.SundayFirst;
        state_.Open = OpenedTimetable{request.MainFileName,
                                      request.DataFolder + request.MainFileName,
                                      UserFolderOf(request.DataFolder, request.MainFileName),
                                      UserNameOf(request.MainFileName)};
        times_ = ReadLessonTimesFile(state_, state_.Open->UserFolder);
        if (times_.Damaged) NoteUnreadable(LessonTimesPath(state_.Open->UserFolder));
        periods_ = BuildPeriodList(Read(PeriodListPath(state_)), request.MainFileName);
    }

    GlanceDay Day(const Date& date) {
        GlanceDay day{date, DayKind::SchoolDay, {}, {}};
        const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
        if (weekday == kSunday || weekday == kSaturday) {
            day.Kind = DayKind::Weekend;
            return day;
        }
        const feriedage holidays = ReadHolidayMonthFile(state_, date.Year, date.Month);
        if (IsHoliday(holidays, date.Day)) {
            day.Kind = DayKind::Holiday;
            day.HolidayName = holidays.Names[static_cast<std::size_t>(date.Day - 1)];
            return day;
        }
        state_.SelYear = static_cast<std::uint16_t>(date.Year);
        state_.SelMonth = static_cast<std::uint16_t>(date.Month);
        state_.SelDay = static_cast<std::uint16_t>(date.Day);
        // The week file is named as the diary's week panel names it.
        state_.WeekNo = static_cast<std::uint16_t>(
            WeekNumber(date.Year, date.Month, date.Day, state_.SundayFirst));
        const int period = PeriodForDate(periods_, PeriodDayOfSelectedDate(state_));
        const std::string lessonFile =
            period > 0 ? UserFolder(state_) + periods_.Entries[period].FileName
                       : state_.Open->TimetablePath;
        const DayRecords* days = Lessons(lessonFile);
        if (!days) return day;
        const WeekHomework& homework = Homework(WeekHomeworkPath(state_));
        const auto d = static_cast<std::size_t>(weekday - kMonday);
        day.Lessons = GlanceLessons((*days)[d], times_.Times, homework[d]);
        return day;
    }

    std::vector<GlanceDocument> Documents(const Date& today) {
        std::vector<GlanceDocument> documents;
        const std::string path = UpcomingFilesPath(UserFolder(state_));
        const auto lines = Read(path);
        try {
            CheckUpcomingDates(lines);
        } catch (const SkemoraError&) {
            NoteUnreadable(path);
            return documents;
        }
        const int first = DayNumber(today.Year, today.Month, today.Day);
        for (std::size_t k = 0; k + 2 < lines.size(); k += 3) {
            const int date = StrToInt(lines[k]);
            if (date < first) continue;
            documents.push_back({DateOfDayNumber(date), lines[k + 1], lines[k + 2]});
        }
        return documents;
    }

    std::vector<std::string> Unreadable() const { return unreadable_; }

private:
    // The lessons of a lesson file, parsed once for all the days that read it in a row; none for
    // a file that is missing or cannot be read.
    const DayRecords* Lessons(const std::string& lessonFile) {
        if (lessonFile != lessonFile_) {
            lessonFile_ = lessonFile;
            lessonsRead_ = false;
            const auto lines = Read(lessonFile);
            if (lines.empty()) return nullptr;
            std::string className;
            lessons_ = {};
            try {
                ParseTimetable(lessons_, className, lines, lessonFile);
                lessonsRead_ = true;
            } catch (const SkemoraError&) {
                NoteUnreadable(lessonFile);
            }
        }
        return lessonsRead_ ? &lessons_ : nullptr;
    }

    // A week's homework, parsed once for the days of the week; empty when it cannot be read.
    const WeekHomework& Homework(const std::string& path) {
        if (path != homeworkFile_) {
            homeworkFile_ = path;
            homework_ = {};
            try {
                ParseWeekHomework(homework_, Read(path));
            } catch (const SkemoraError&) {
                homework_ = {};
                NoteUnreadable(path);
            }
        }
        return homework_;
    }

    void NoteUnreadable(const std::string& path) {
        if (std::find(unreadable_.begin(), unreadable_.end(), path) == unreadable_.end())
            unreadable_.push_back(path);
    }

    // The file's lines; none for no file, and none, noted, for a file that cannot be read.
    std::vector<std::string> Read(const std::string& path) {
        try {
            return ReadStoredOrEmpty(state_, path);
        } catch (const SkemoraError&) {
            NoteUnreadable(path);
            return {};
        }
    }

    MainState state_;
    ReadLessonTimesResult times_;
    PeriodList periods_;
    std::vector<std::string> unreadable_;
    std::string lessonFile_, homeworkFile_;
    bool lessonsRead_ = false;
    DayRecords lessons_;
    WeekHomework homework_;
};

}  // namespace

std::vector<GlanceLesson> GlanceLessons(const DayRecord& record, const LessonTimes& times,
                                        const std::array<LessonHomework, kLessons>& homework) {
    std::vector<GlanceLesson> lessons;
    for (int j = 0; j < kLessons; ++j) {
        const auto p = static_cast<std::size_t>(j);
        if (record.Subject[p].empty()) continue;
        lessons.push_back({j, LessonStart(record.StartTime, times, j),
                           LessonEnd(record.StartTime, times, j), record.Subject[p],
                           record.Room[p], record.Teacher[p], homework[p].HomeworkText,
                           homework[p].Shortcuts});
    }
    return lessons;
}

Glance TakeGlance(const GlanceRequest& request) {
    Glance glance;
    glance.Timetable = request.MainFileName;
    glance.Now = request.Now;
    GlanceReader reader(request);
    glance.Today = reader.Day(request.Today);
    glance.Tomorrow = reader.Day(AddDays(request.Today, 1));
    const auto& lessons = glance.Today.Lessons;
    for (std::size_t k = 0; k < lessons.size(); ++k) {
        if (!glance.Current && lessons[k].Start <= request.Now && request.Now < lessons[k].End)
            glance.Current = k;
        if (!glance.Next && lessons[k].Start > request.Now) glance.Next = k;
    }
    glance.Documents = reader.Documents(request.Today);
    glance.Unreadable = reader.Unreadable();
    return glance;
}

SchoolDays ReadSchoolDays(const GlanceRequest& request, const Date& first, const Date& last) {
    SchoolDays days;
    GlanceReader reader(request);
    const int end = DayNumber(last.Year, last.Month, last.Day);
    for (int day = DayNumber(first.Year, first.Month, first.Day); day <= end; ++day)
        days.Days.push_back(reader.Day(DateOfDayNumber(day)));
    days.Unreadable = reader.Unreadable();
    return days;
}

std::optional<std::string> GlanceTimetable(const std::string& dataFolder, const std::string& name,
                                           const std::string& remembered) {
    if (!name.empty()) {
        const std::string file = name + kTimetableExtension;
        if (IsMainFileName(file) && FileExists(dataFolder + file)) return file;
        return std::nullopt;
    }
    if (!remembered.empty() && IsMainFileName(remembered) && FileExists(dataFolder + remembered))
        return remembered;
    // Every save replaces files of the user folder, so the folder's own time is the last save.
    std::optional<std::string> newest;
    std::int64_t newestTime = 0;
    MainState listing;
    for (const std::string& file : FilesInFolder(listing, dataFolder)) {
        if (!IsMainFileName(file)) continue;
        const FileIdentity folder = FolderIdentityOf(UserFolderOf(dataFolder, file));
        const FileIdentity main = IdentityOf(dataFolder + file);
        const std::int64_t time = std::max(folder.ModifiedSeconds * 1000000000 +
                                               folder.ModifiedNanoseconds,
                                           main.ModifiedSeconds * 1000000000 +
                                               main.ModifiedNanoseconds);
        if (!newest || time > newestTime) {
            newest = file;
            newestTime = time;
        }
    }
    return newest;
}

}  // namespace skemora
