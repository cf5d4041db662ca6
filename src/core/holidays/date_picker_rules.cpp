#include "core/holidays/date_picker_rules.h"

#include <algorithm>
#include <charconv>

namespace skemora {

namespace {

constexpr std::uint32_t kSheetWhite = 0xFFFFFF;
constexpr std::uint32_t kPickedBlue = 0x0000FF;
constexpr std::uint32_t kSundayRed = 0xFF0000;

constexpr int kSunday = 1;

std::string DayCaption(int day) {
    return (day < 10 ? "  " : " ") + std::to_string(day) + " ";
}

// Column 1..7 of day 1 of the month.
int FirstColumn(int year, int month, bool sundayFirst) {
    const int weekday = WeekdayOf(year, month, 1);
    if (sundayFirst) return weekday;
    return weekday == kSunday ? 7 : weekday - 1;
}

}  // namespace

Date ClampPickedDate(const Date& picked) {
    Date date;
    date.Year = std::clamp(picked.Year, kPickerFirstYear, kPickerLastYear);
    date.Month = std::clamp(picked.Month, 1, 12);
    date.Day = std::clamp(picked.Day, 1, DaysInMonth(date.Year, date.Month));
    return date;
}

PickerMonthView PickerMonthLayout(const Date& picked, bool sundayFirst,
                                  const std::array<std::string, 12>& shortMonthNames,
                                  const std::array<std::string, 12>& longMonthNames) {
    const Date date = ClampPickedDate(picked);
    const int length = DaysInMonth(date.Year, date.Month);
    PickerMonthView view;
    int column = FirstColumn(date.Year, date.Month, sundayFirst);
    int row = 2;
    for (int day = 1; day <= 31; ++day) {
        PickerDayLabel& label = view.Days[static_cast<std::size_t>(day - 1)];
        label.Caption = DayCaption(day);
        label.Visible = day <= length;
        label.Left = 22 * column - 16;
        label.Top = 13 * row + 15;
        if (day == date.Day) {
            label.Background = kPickedBlue;
            label.TextColour = kSheetWhite;
        } else if (label.Visible && WeekdayOf(date.Year, date.Month, day) == kSunday) {
            label.TextColour = kSundayRed;
        }
        if (column == 7) {
            column = 1;
            ++row;
        } else {
            ++column;
        }
    }
    const auto monthIndex = static_cast<std::size_t>(date.Month - 1);
    view.YearText = "  " + std::to_string(date.Year);
    view.MonthText = "  " + shortMonthNames[monthIndex];
    view.MonthLabel = longMonthNames[monthIndex];
    return view;
}

Date PickerDayClick(const Date& picked, const std::string& caption) {
    std::string digits = caption;
    std::erase(digits, ' ');
    Date date = ClampPickedDate(picked);
    int day = 0;
    const char* end = digits.data() + digits.size();
    const auto [rest, error] = std::from_chars(digits.data(), end, day);
    if (digits.empty() || error != std::errc() || rest != end) return date;
    if (day < 1 || day > DaysInMonth(date.Year, date.Month)) return date;
    date.Day = day;
    return date;
}

Date PickerYearStep(const Date& picked, int step) {
    Date date = ClampPickedDate(picked);
    date.Year += step;
    return ClampPickedDate(date);
}

Date PickerMonthStep(const Date& picked, int step) {
    Date date = ClampPickedDate(picked);
    const int months = date.Year * 12 + (date.Month - 1) + step;
    const int year = months / 12;
    if (year < kPickerFirstYear || year > kPickerLastYear) return date;
    date.Year = year;
    date.Month = months % 12 + 1;
    return ClampPickedDate(date);
}

Date PickerDayStep(const Date& picked, int step) {
    Date date = ClampPickedDate(picked);
    for (; step > 0; --step) {
        Date next = date;
        if (++next.Day > DaysInMonth(next.Year, next.Month)) {
            next.Day = 1;
            if (++next.Month > 12) {
                next.Month = 1;
                ++next.Year;
            }
        }
        if (next.Year > kPickerLastYear) break;
        date = next;
    }
    for (; step < 0; ++step) {
        Date previous = date;
        if (--previous.Day < 1) {
            if (--previous.Month < 1) {
                previous.Month = 12;
                --previous.Year;
            }
            if (previous.Year < kPickerFirstYear) break;
            previous.Day = DaysInMonth(previous.Year, previous.Month);
        }
        date = previous;
    }
    return date;
}

std::string PickerWeekdayStrip(const std::array<std::string, 7>& shortDayNames, bool sundayFirst) {
    return WeekdayHeader(shortDayNames, sundayFirst).Text;
}

}  // namespace skemora
