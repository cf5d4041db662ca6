#include "core/holidays/holiday_periods.h"

#include <algorithm>
#include <tuple>

#include "core/files/text_file.h"

namespace skemora {

namespace {

bool MondayToFriday(int year, int month, int day) {
    const int weekday = WeekdayOf(year, month, day);
    return weekday >= 2 && weekday <= 6;
}

bool ValidDate(const Date& date) {
    return date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

std::size_t Index(int day) {
    return static_cast<std::size_t>(day - 1);
}

void Mark(feriedage& table, int day, const HolidayPeriod& period) {
    table.Flags[Index(day)] = 1;
    table.Colours[Index(day)] = period.Colour;
    table.Names[Index(day)] = period.Name;
}

}  // namespace

std::vector<std::string> HolidayMonthLines(const feriedage& table) {
    std::vector<std::string> lines;
    for (int day = 1; day <= 31; ++day) {
        if (!IsHoliday(table, day)) continue;
        lines.push_back(std::to_string(day - 1));
        lines.push_back(OneLine(table.Colours[Index(day)]));
        lines.push_back(OneLine(table.Names[Index(day)]));
    }
    return lines;
}

bool HolidayStartRefused(const Date& from) {
    return DayNumber(from.Year, from.Month, from.Day) == -1;
}

std::vector<HolidayMonthSpan> HolidayPeriodMonths(const Date& from, const Date& to) {
    std::vector<HolidayMonthSpan> months;
    if (!ValidDate(from)) return months;
    // Days still to visit, counting the from-date; DayNumber gives -1 before 1970, which makes
    // the count negative like any to-date before the from-date.
    long long remaining = static_cast<long long>(DayNumber(to.Year, to.Month, to.Day)) -
                          DayNumber(from.Year, from.Month, from.Day) + 1;
    HolidayMonthSpan span{from.Year, from.Month, from.Day, from.Day - 1};
    while (true) {
        const int length = DaysInMonth(span.Year, span.Month);
        const long long visited = std::clamp<long long>(remaining, 0, length - span.FirstDay + 1);
        span.LastDay = span.FirstDay + static_cast<int>(visited) - 1;
        remaining -= visited;
        months.push_back(span);
        if (remaining <= 0) return months;
        span.Year += span.Month == 12 ? 1 : 0;
        span.Month = span.Month == 12 ? 1 : span.Month + 1;
        span.FirstDay = 1;
    }
}

bool HolidayLongerThanAYear(const Date& from, const Date& to) {
    const auto key = [](const Date& date) { return std::tuple(date.Year, date.Month, date.Day); };
    return key(to) >= key(Date{from.Year + 1, from.Month, from.Day});
}

ApplyOutcome ApplyHolidayPeriod(const HolidayPeriod& period, const HolidayMonthReader& readMonth,
                                const TakenDayQuestion& askTaken,
                                const HolidayMonthWriter& writeMonth,
                                const HolidayMonthProgress& progress) {
    if (HolidayStartRefused(period.From)) return ApplyOutcome::RefusedBefore1970;
    int monthsDone = 0;
    for (const HolidayMonthSpan& span : HolidayPeriodMonths(period.From, period.To)) {
        if (progress && !progress(monthsDone)) return ApplyOutcome::Cancelled;
        ++monthsDone;
        feriedage table = readMonth(span.Year, span.Month);
        for (int day = span.FirstDay; day <= span.LastDay; ++day) {
            // Saturdays and Sundays are never marked, so a mark there is neither asked about
            // nor replaced.
            if (!MondayToFriday(span.Year, span.Month, day)) continue;
            if (IsHoliday(table, day)) {
                const TakenAnswer answer =
                    askTaken(Date{span.Year, span.Month, day}, table.Names[Index(day)]);
                if (answer == TakenAnswer::Cancel) return ApplyOutcome::Cancelled;
                if (answer == TakenAnswer::Keep) continue;
            }
            Mark(table, day, period);
        }
        writeMonth(span.Year, span.Month, HolidayMonthLines(table));
    }
    return ApplyOutcome::Finished;
}

MonthFileChange DeleteHolidayMark(const feriedage& month, int day) {
    if (!IsHoliday(month, day)) return {};
    feriedage rest = month;
    rest.Flags[Index(day)] = 0;
    rest.Colours[Index(day)].clear();
    rest.Names[Index(day)].clear();
    MonthFileChange change;
    change.Lines = HolidayMonthLines(rest);
    change.Action = change.Lines.empty() ? MonthFileAction::Remove : MonthFileAction::Write;
    return change;
}

std::string HolidayTakenTitle(const std::string& title, const std::string& newName) {
    return title + " = " + newName;
}

std::string DeleteHolidayMessage(const std::string& deleteWord, const std::string& markName) {
    return deleteWord + " " + markName + "?";
}

}  // namespace skemora
