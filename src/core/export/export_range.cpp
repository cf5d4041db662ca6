#include "core/export/export_range.h"

#include <algorithm>
#include <optional>

namespace skemora {

namespace {

constexpr int kFridayAfterMonday = 4;
constexpr int kSchoolYearEndMonth = 7;
constexpr int kSchoolYearEndDay = 31;

// The first start after the period valid on `dayNumber`, or nothing when that period is the last.
std::optional<int> NextPeriodStart(const PeriodList& periods, int dayNumber) {
    for (int k = PeriodForDate(periods, dayNumber) + 1; k < periods.Count; ++k) {
        const int start = periods.Entries[static_cast<std::size_t>(k)].Start;
        if (start > dayNumber) return start;
    }
    return std::nullopt;
}

}  // namespace

int SchoolYearEnd(int dayNumber) {
    const Date day = DateOfDayNumber(dayNumber);
    const int end = DayNumber(day.Year, kSchoolYearEndMonth, kSchoolYearEndDay);
    return end >= dayNumber ? end : DayNumber(day.Year + 1, kSchoolYearEndMonth, kSchoolYearEndDay);
}

int ExportRangeEnd(ExportRange range, const PeriodList& periods, int monday) {
    const int friday = monday + kFridayAfterMonday;
    int end = friday;
    if (range == ExportRange::ToSchoolYearEnd) {
        end = SchoolYearEnd(monday);
    } else if (range == ExportRange::ToPeriodEnd) {
        const auto next = NextPeriodStart(periods, monday);
        end = next ? *next - 1 : SchoolYearEnd(monday);
    }
    return std::max(end, friday);
}

}  // namespace skemora
