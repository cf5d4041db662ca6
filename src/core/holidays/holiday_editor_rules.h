// The holiday editor's rules without a toolkit: the text of a date field, the swatches of the
// owner-drawn colour list, and how picked dates reach the from- and to-date.
#pragma once

#include <array>
#include <string>

#include "core/calendar/calendar.h"

namespace skemora {

// The colour list's entry selected when the editor is first built: clBlack.
constexpr int kFirstHolidayColourIndex = 1;

// Danish interface (language code 6): "24 Dec 2001"; otherwise "Dec 24 2001". Month names are
// January first.
std::string HolidayDateText(const Date& date, const std::array<std::string, 12>& shortMonthNames,
                            int languageCode);

struct SwatchRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const SwatchRect&, const SwatchRect&) = default;
};

// A colour entry is drawn as a black frame with the colour inside it, leaving the right end of
// the entry free.
struct ColourSwatch {
    SwatchRect Frame;  // drawn black
    SwatchRect Fill;   // filled with the entry's colour
};
ColourSwatch ColourSwatchOf(const SwatchRect& entry);

// The period's two dates while the editor is open.
struct HolidayEditorDates {
    Date From;
    Date To;
};
// On showing, both dates start at the given from-date.
HolidayEditorDates StartHolidayEditor(const Date& from);
// A date picked for the from-date moves the to-date along; one picked for the to-date changes it
// alone, even when it comes before the from-date.
void PickFromDate(HolidayEditorDates& dates, const Date& picked);
void PickToDate(HolidayEditorDates& dates, const Date& picked);

// What the holiday editor is filled with and what it gives back on OK.
struct HolidayEditorRecord {
    // Filled by the caller: the from-date the editor starts at, and what its date texts and the
    // date picker show.
    Date From;
    int LanguageCode = 5;
    bool SundayFirst = false;
    std::string WeekdayStrip;  // the main window's weekday header text
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;
    // Read back on OK.
    Date To;
    std::string Name;
    int ColourIndex = kFirstHolidayColourIndex;  // into kHolidayColourNames
};

}  // namespace skemora
