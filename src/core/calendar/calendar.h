// Dates, weekdays, week numbers, weeks per year and day numbers, under Monday-first or
// Sunday-first weeks. Weekdays are 1 = Sunday .. 7 = Saturday throughout.
#pragma once

#include <array>
#include <string>

namespace skemora {

struct Date {
    int Year = 1970;
    int Month = 1;
    int Day = 1;
    friend bool operator==(const Date&, const Date&) = default;
};

bool LeapYear(int year);
int DaysInMonth(int year, int month);
int WeekdayOf(int year, int month, int day);
int DayOfYear(int year, int month, int day);
int WeekNumber(int year, int month, int day, bool sundayFirst);
int WeeksInYear(int year, bool sundayFirst);
// 1 for 1 January 1970, -1 for any date before 1970.
int DayNumber(int year, int month, int day);
// The date of a day number (inverse of DayNumber for day numbers >= 1).
Date DateOfDayNumber(int dayNumber);
// The date that lies `days` days after (or before, when negative) the given one.
Date AddDays(const Date& date, int days);

struct WeekdayHeaderText {
    std::string Text;
    std::array<std::string, 7> Abbreviations;  // in the order they were appended
};

// shortDayNames are Sunday first. The blanks after each abbreviation line the letters up with
// the day columns of the month grid, in either language.
WeekdayHeaderText WeekdayHeader(const std::array<std::string, 7>& shortDayNames, bool sundayFirst);

}  // namespace skemora
