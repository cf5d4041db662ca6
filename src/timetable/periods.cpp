#include "timetable/periods.h"

#include <algorithm>

#include "calendar/calendar.h"
#include "timetable/skemora_error.h"
#include "timetable/text_file.h"

namespace skemora {

std::string PeriodFileName(int index) {
    return "S" + std::to_string(index) + ".dfd";
}

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
    return periods;
}

void BuildPeriodList(AppContext& ctx) {
    ctx.state.Periods = BuildPeriodList(ctx.state.PeriodLines, ctx.view.Title);
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

int MondayOfSelectedWeek(const MainState& state) {
    const int weekday = WeekdayOf(state.SelYear, state.SelMonth, state.SelDay);
    const int back = weekday == 1 ? 6 : weekday - 2;
    const Date monday = AddDays({state.SelYear, state.SelMonth, state.SelDay}, -back);
    return DayNumber(monday.Year, monday.Month, monday.Day);
}

}  // namespace skemora
