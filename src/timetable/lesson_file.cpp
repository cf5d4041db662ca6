#include "timetable/lesson_file.h"

#include "timetable/skemora_error.h"
#include "timetable/text_file.h"

namespace skemora {

namespace {

constexpr int kLinesPerDay = 1 + 3 * kLessons;

}  // namespace

std::vector<std::string> TimetableLines(const MainState& state) {
    std::vector<std::string> lines;
    lines.reserve(kLessonFileLines);
    for (const auto& day : state.Days) {
        lines.push_back(std::to_string(day.StartTime));
        for (int j = 0; j < kLessons; ++j) {
            lines.push_back(day.Subject[j]);
            lines.push_back(day.Room[j]);
            lines.push_back(day.Teacher[j]);
        }
    }
    lines.push_back(state.ClassName);
    return lines;
}

void ParseTimetable(MainState& state, const std::vector<std::string>& lines,
                    const std::string& source) {
    if (lines.size() < static_cast<std::size_t>(kLessonFileLines)) {
        const std::string what = source.empty() ? "The time-table file" : source;
        throw SkemoraError(what + " is damaged: it holds " + std::to_string(lines.size()) +
                           " lines instead of " + std::to_string(kLessonFileLines) + ".");
    }
    DayRecords days;
    for (int d = 0; d < kDays; ++d) {
        const int first = d * kLinesPerDay;
        days[d].StartTime = StrToInt(lines[first]);
        for (int j = 0; j < kLessons; ++j) {
            days[d].Subject[j] = lines[first + 3 * j + 1];
            days[d].Room[j] = lines[first + 3 * j + 2];
            days[d].Teacher[j] = lines[first + 3 * j + 3];
        }
    }
    state.Days = std::move(days);
    state.ClassName = lines[kLessonFileLines - 1];
}

void DefaultTimetable(MainState& state) {
    for (auto& day : state.Days) {
        day = DayRecord{};
        day.StartTime = 800;
        day.Subject[0] = "Empty";
    }
}

}  // namespace skemora
