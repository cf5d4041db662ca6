#include "core/holidays/holiday_editor_rules.h"

namespace skemora {

namespace {

constexpr int kDanish = 6;

}  // namespace

std::string HolidayDateText(const Date& date, const std::array<std::string, 12>& shortMonthNames,
                            int languageCode) {
    const std::string month = date.Month >= 1 && date.Month <= 12
                                  ? shortMonthNames[static_cast<std::size_t>(date.Month - 1)]
                                  : std::string();
    const std::string day = std::to_string(date.Day);
    const std::string year = std::to_string(date.Year);
    if (languageCode == kDanish) return day + " " + month + " " + year;
    return month + " " + day + " " + year;
}

ColourSwatch ColourSwatchOf(const SwatchRect& entry) {
    return {{entry.Left + 1, entry.Top + 1, entry.Right - 20, entry.Bottom - 1},
            {entry.Left + 2, entry.Top + 2, entry.Right - 21, entry.Bottom - 2}};
}

HolidayEditorDates StartHolidayEditor(const Date& from) {
    return {from, from};
}

void PickFromDate(HolidayEditorDates& dates, const Date& picked) {
    dates.From = picked;
    dates.To = picked;
}

void PickToDate(HolidayEditorDates& dates, const Date& picked) {
    dates.To = picked;
}

}  // namespace skemora
