#include "core/timetable/periods.h"

#include <algorithm>

#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/timetable/file_names.h"

namespace skemora {

PeriodList BuildPeriodList(const std::vector<std::string>& lines, const std::string& mainFileName) {
    PeriodList periods;
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), kMaxPeriodEntries));
    for (int k = 0; k < count; ++k) {
        const int start = StrToInt(lines[k]);
        if (start < 0 || start > 0xFFFF) throw InvalidInteger(lines[k]);
        periods.Entries[k].Start = static_cast<std::uint16_t>(start);
        periods.Entries[k].FileName = k == 0 ? mainFileName : PeriodFileName(k);
    }
    periods.Count = count;
    const auto byStart = [](const PeriodEntry& a, const PeriodEntry& b) { return a.Start < b.Start; };
    if (count > 1 &&
        !std::is_sorted(periods.Entries.begin() + 1, periods.Entries.begin() + count, byStart)) {
        std::stable_sort(periods.Entries.begin() + 1, periods.Entries.begin() + count,
                         byStart);
    }
    return periods;
}

bool PeriodListInOrder(const PeriodList& periods) {
    const int count = std::clamp(periods.Count, 0, kMaxPeriodEntries);
    for (int k = 1; k < count; ++k) {
        const auto& entry = periods.Entries[k];
        if (entry.FileName != PeriodFileName(k) || entry.Start < periods.Entries[k - 1].Start)
            return false;
    }
    return true;
}

PeriodList OrderedPeriodList(const PeriodList& periods) {
    PeriodList ordered = periods;
    const int count = std::clamp(periods.Count, 0, kMaxPeriodEntries);
    for (int k = 1; k < count; ++k) ordered.Entries[k].FileName = PeriodFileName(k);
    if (count > 1) {
        auto& first = ordered.Entries[0].Start;
        first = std::min(first, ordered.Entries[1].Start);
    }
    return ordered;
}

std::vector<std::string> PeriodListLines(const PeriodList& periods) {
    std::vector<std::string> lines;
    const int count = std::clamp(periods.Count, 0, kMaxPeriodEntries);
    for (int k = 0; k < count; ++k) lines.push_back(std::to_string(periods.Entries[k].Start));
    return lines;
}

int PeriodForDate(const PeriodList& periods, int dayNumber) {
    int index = 0;
    const int count = std::clamp(periods.Count, 0, kMaxPeriodEntries);
    for (int k = 0; k < count; ++k) {
        if (periods.Entries[k].Start <= dayNumber) index = k;
    }
    return index;
}

int MondayOf(const Date& date) {
    const int weekday = WeekdayOf(date.Year, date.Month, date.Day);
    const int back = weekday == 1 ? 6 : weekday - 2;
    const Date monday = AddDays(date, -back);
    return DayNumber(monday.Year, monday.Month, monday.Day);
}

int ShownMonday(const Date& date, bool sundayFirst) {
    if (sundayFirst && WeekdayOf(date.Year, date.Month, date.Day) == 1)
        return DayNumber(date.Year, date.Month, date.Day) + 1;
    return MondayOf(date);
}

}  // namespace skemora
