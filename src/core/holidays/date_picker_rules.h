// The date picker's rules without a toolkit: where the 31 day labels of a month stand and how
// they are coloured, the year and month fields, day clicks and the year/month steps.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/calendar/calendar.h"

namespace skemora {

// Years the picker can show; stepping stops at either end.
constexpr int kPickerFirstYear = 1;
constexpr int kPickerLastYear = 9999;

struct PickerDayLabel {
    std::string Caption;  // "  5 ", " 17 "
    bool Visible = true;
    int Left = 0;  // within the day sheet
    int Top = 0;
    std::uint32_t Background = 0xFFFFFF;  // 0xRRGGBB
    std::uint32_t TextColour = 0x000000;
};

struct PickerMonthView {
    std::array<PickerDayLabel, 31> Days;  // entry i is day i + 1
    std::string YearText;                 // two blanks and the year
    std::string MonthText;                // two blanks and the short month name
    std::string MonthLabel;               // the long month name
};

// The date brought into the range the picker shows: year kPickerFirstYear..kPickerLastYear,
// month 1..12, day 1..length of that month.
Date ClampPickedDate(const Date& picked);

// The day sheet, year field and month field for the picked date's month. Month names are
// January first.
PickerMonthView PickerMonthLayout(const Date& picked, bool sundayFirst,
                                  const std::array<std::string, 12>& shortMonthNames,
                                  const std::array<std::string, 12>& longMonthNames);

// The picked date after a click on the day label with this caption: the caption without its
// blanks read as the day. A caption that is no day of the month leaves the date as it was.
Date PickerDayClick(const Date& picked, const std::string& caption);

// One year back (-1) or forward (+1); the day is cut to the new month's length (29 February).
Date PickerYearStep(const Date& picked, int step);
// One month back (-1) or forward (+1), across the turn of the year; the day is cut likewise.
Date PickerMonthStep(const Date& picked, int step);
// Keyboard: the picked date moved by `step` days across months and years; stepping stops at
// either end of the years shown.
Date PickerDayStep(const Date& picked, int step);

// The weekday strip over the day sheet: the weekday header text of the main window.
std::string PickerWeekdayStrip(const std::array<std::string, 7>& shortDayNames, bool sundayFirst);

}  // namespace skemora
