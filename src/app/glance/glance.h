// The glance at a school day: today's lessons with their times, the one under way and the next,
// the homework of today's and tomorrow's lessons, the upcoming documents and whether the day is
// a holiday or a weekend. Read with the diary's own reading code; nothing is ever written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calendar/calendar.h"
#include "core/timetable/lesson_times.h"
#include "core/timetable/lessons.h"
#include "core/timetable/week_homework.h"

namespace skemora {

struct GlanceLesson {
    int Position = 0;         // 0..11 within its day
    int Start = 0, End = 0;   // minutes after midnight
    std::string Subject, Room, Teacher;
    std::vector<std::string> Homework;   // the homework text's lines
    std::vector<std::string> Shortcuts;  // its documents
};

struct GlanceDocument {
    Date LessonDate;
    std::string Subject, Path;
};

enum class DayKind { SchoolDay, Weekend, Holiday };

struct GlanceDay {
    Date Day;
    DayKind Kind = DayKind::SchoolDay;
    std::string HolidayName;
    std::vector<GlanceLesson> Lessons;  // none on a weekend or holiday
};

struct Glance {
    std::string Timetable;  // the main file's name, "Emma.dfd"
    int Now = 0;            // minutes after midnight
    GlanceDay Today, Tomorrow;
    // Indexes into Today.Lessons: the lesson under way, and the next to start.
    std::optional<std::size_t> Current, Next;
    std::vector<GlanceDocument> Documents;  // upcoming, today's first
    std::vector<std::string> Unreadable;    // files that could not be read
};

struct GlanceRequest {
    std::string DataFolder;     // ends with "/"
    std::string MainFileName;   // "Emma.dfd", in the data folder
    Date Today;
    int Now = 0;                // minutes after midnight
    bool SundayFirst = false;   // the week files' numbering
};

Glance TakeGlance(const GlanceRequest& request);

// The lessons of one day's record at their times, with their homework of the week.
std::vector<GlanceLesson> GlanceLessons(const DayRecord& record, const LessonTimes& times,
                                        const std::array<LessonHomework, kLessons>& homework);

// The days `first` to `last` of the request's time-table, each read as the glance reads a day
// (`Today` and `Now` of the request are not used), and the files that could not be read.
struct SchoolDays {
    std::vector<GlanceDay> Days;
    std::vector<std::string> Unreadable;
};
SchoolDays ReadSchoolDays(const GlanceRequest& request, const Date& first, const Date& last);

// The time-table to glance at in the data folder: `name` + ".dfd" when a name is given (nothing
// when there is none such); otherwise `remembered` when that main file exists, else the one
// whose files changed last. Nothing when the folder holds no time-table.
std::optional<std::string> GlanceTimetable(const std::string& dataFolder, const std::string& name,
                                           const std::string& remembered = "");

}  // namespace skemora
