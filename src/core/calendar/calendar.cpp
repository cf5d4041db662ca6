#include "core/calendar/calendar.h"

#include <algorithm>
#include <chrono>

namespace skemora {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The one day count every operation goes through. Months outside 1..12 roll into the
// neighbouring years and days outside the month into the neighbouring months, so odd input read
// from a file still gives a definite date rather than an undefined one.
sys_days DaysOf(int year, int month, int day) {
    const int clampedYear = std::clamp(year, -32767, 32766);
    const auto firstOfMonth =
        std::chrono::year{clampedYear} / std::chrono::January + std::chrono::months{month - 1};
    return sys_days{firstOfMonth / std::chrono::day{1}} + days{day - 1};
}

constexpr sys_days kDayZero =
    sys_days{std::chrono::year{1970} / std::chrono::January / 1} - days{1};

Date DateOf(sys_days value) {
    const year_month_day date{value};
    return Date{static_cast<int>(date.year()),
                static_cast<int>(static_cast<unsigned>(date.month())),
                static_cast<int>(static_cast<unsigned>(date.day()))};
}

// Weekday of 1 January with Monday = 1 .. Sunday = 7.
int MondayBasedWeekdayOfNewYear(int year) {
    const int weekday = WeekdayOf(year, 1, 1);
    return weekday == 1 ? 7 : weekday - 1;
}

int CeilSevenths(int n) {
    return n / 7 + (n % 7 != 0 ? 1 : 0);
}

// The first two characters of a UTF-8 name (a character being a lead byte and its continuation
// bytes), with A-Z lowered. A name shorter than two characters is padded with blanks.
std::string Abbreviation(const std::string& name) {
    std::string result;
    std::size_t position = 0;
    for (int characters = 0; characters < 2; ++characters) {
        if (position >= name.size()) {
            result += ' ';
            continue;
        }
        std::size_t end = position + 1;
        while (end < name.size() && end - position < 4 &&
               (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
            ++end;
        }
        for (std::size_t i = position; i < end; ++i) {
            const char c = name[i];
            result += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        position = end;
    }
    return result;
}

}  // namespace

bool LeapYear(int year) {
    return year % 4 == 0 && !(year % 100 == 0 && year % 400 != 0);
}

// Months outside 1..12 have no days, so loops over a month's days do nothing for them.
int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthLengths[static_cast<std::size_t>(month - 1)] +
           (month == 2 && LeapYear(year) ? 1 : 0);
}

int WeekdayOf(int year, int month, int day) {
    return static_cast<int>(std::chrono::weekday{DaysOf(year, month, day)}.c_encoding()) + 1;
}

int DayOfYear(int year, int month, int day) {
    return static_cast<int>((DaysOf(year, month, day) - DaysOf(year, 1, 1)).count()) + 1;
}

int WeekNumber(int year, int month, int day, bool sundayFirst) {
    const int dayOfYear = DayOfYear(year, month, day);
    if (sundayFirst) {
        const int firstWeekDays = 8 - WeekdayOf(year, 1, 1);
        const int rest = dayOfYear - firstWeekDays;
        return rest <= 0 ? 1 : 1 + CeilSevenths(rest);
    }
    const int weekday = MondayBasedWeekdayOfNewYear(year);
    const int openingWeek = weekday <= 4 ? 1 : 0;
    const int rest = dayOfYear - (8 - weekday);
    return rest <= 0 ? openingWeek : openingWeek + CeilSevenths(rest);
}

int WeeksInYear(int year, bool sundayFirst) {
    const int length = LeapYear(year) ? 366 : 365;
    if (sundayFirst) {
        const int rest = length - (8 - WeekdayOf(year, 1, 1));
        return 1 + rest / 7 + (rest > 364 ? 1 : 0);
    }
    const int weekday = MondayBasedWeekdayOfNewYear(year);
    int rest = 0;
    int count = 0;
    if (weekday <= 4) {
        rest = length - (8 - weekday);
        count = 1 + rest / 7;
    } else {
        rest = length - (9 - weekday);
        count = rest / 7;
    }
    if (count == 0) count = 1;
    return count + (rest > 360 ? 1 : 0);
}

int DayNumber(int year, int month, int day) {
    if (year < 1970) return -1;
    return static_cast<int>((DaysOf(year, month, day) - kDayZero).count());
}

Date DateOfDayNumber(int dayNumber) {
    return DateOf(kDayZero + days{dayNumber});
}

Date AddDays(const Date& date, int count) {
    return DateOf(DaysOf(date.Year, date.Month, date.Day) + days{count});
}

WeekdayHeaderText WeekdayHeader(const std::array<std::string, 7>& shortDayNames, bool sundayFirst) {
    // Day indices are 0 = Sunday .. 6 = Saturday; each step is a day and the blanks after it.
    struct Step {
        int Day;
        int Blanks;
    };
    static constexpr std::array<Step, 7> kSundayFirst = {
        {{0, 2}, {1, 2}, {2, 3}, {3, 2}, {4, 3}, {5, 2}, {6, 2}}};
    static constexpr std::array<Step, 7> kMondayFirst = {
        {{1, 3}, {2, 2}, {3, 3}, {4, 3}, {5, 2}, {6, 3}, {0, 0}}};

    WeekdayHeaderText header;
    const auto& steps = sundayFirst ? kSundayFirst : kMondayFirst;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string abbreviation =
            Abbreviation(shortDayNames[static_cast<std::size_t>(steps[i].Day)]);
        header.Abbreviations[i] = abbreviation;
        header.Text += abbreviation;
        header.Text.append(static_cast<std::size_t>(steps[i].Blanks), ' ');
    }
    return header;
}

}  // namespace skemora
