// The calendar file (iCalendar): the lessons of a range of school days as timed events and the
// holiday marks as all-day events, for import into the pupil's own calendar program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar/calendar.h"

namespace skemora {

struct IcsLesson {
    Date Day;
    int Position = 0;            // lesson position 0..11; part of the event's identity
    std::int64_t StartUtc = 0;   // seconds since 1970-01-01 00:00 UTC
    std::int64_t EndUtc = 0;
    std::string Subject;
    std::string Room;
    std::string Teacher;
    std::vector<std::string> Homework;  // the week's homework lines of this lesson
};

struct IcsHoliday {
    Date Day;
    std::string Name;
};

struct IcsCalendarInput {
    std::string Pupil;          // the user's name: makes the identities differ between pupils
    std::int64_t StampUtc = 0;  // when the file is made
    std::vector<IcsLesson> Lessons;
    std::vector<IcsHoliday> Holidays;
};

// A text value with backslash, semicolon, comma and line ends escaped.
std::string IcsEscape(const std::string& text);
// One content line cut into pieces of at most 75 octets, each continued with CR LF and a space;
// a cut never falls inside a UTF-8 sequence. Ends with CR LF.
std::string IcsFold(const std::string& line);
// The whole file, UTF-8 with CR LF line ends.
std::string IcsCalendar(const IcsCalendarInput& input);
// Seconds since 1970 (UTC) of `minutes` after local midnight of `day` in the system's time zone.
std::int64_t LocalToUtc(const Date& day, int minutes);

}  // namespace skemora
