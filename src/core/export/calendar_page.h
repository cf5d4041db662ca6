// The calendar page: a printable sheet of the selected week with two small month calendars
// (week numbers, the selected week outlined), the week's lessons, and one box per school day for
// notes, headed with its date and holiday.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/calendar.h"
#include "core/export/page_parts.h"

namespace skemora {

// What the header of one day column of the week view shows.
struct DayHeading {
    std::string DayName;
    std::string DayNumber;
    std::string MonthName;
    std::string Year;
    std::optional<std::string> HolidayName;  // set while the column's holiday label is shown
};

struct CalendarPageInput {
    std::string Name;  // the time-table's name: the window caption without ".dfd"
    Date SelectedDate;
    bool SundayFirst = false;
    int LanguageCode = 5;   // 6 (Danish) puts the day number before the month in the day boxes
    std::string WeekLabel;  // "week"
    // The seven abbreviations in the order of the weekday header: Sunday first when SundayFirst.
    // The month calendars lay out their day columns in the same order.
    std::array<std::string, 7> WeekdayAbbreviations;
    std::array<std::string, 12> LongMonthNames;  // January first
    WeekGridText Grid;
    std::array<DayHeading, 5> DayHeadings;  // Monday .. Friday
};

// The page's lines without line ends; every inserted text is HTML-escaped.
std::vector<std::string> CalendarPage(const CalendarPageInput& input);

}  // namespace skemora
