#include "core/timetable/lesson_file.h"

#include "core/files/skemora_error.h"
#include "core/files/text_file.h"

namespace skemora {

namespace {

constexpr int kLinesPerDay = 1 + 3 * kLessons;

}  // namespace

std::vector<std::string> TimetableLines(const DayRecords& days, const std::string& className) {
    std::vector<std::string> lines;
    lines.reserve(kLessonFileLines);
    for (const auto& day : days) {
        lines.push_back(std::to_string(day.StartTime));
        for (int j = 0; j < kLessons; ++j) {
            lines.push_back(day.Subject[j]);
            lines.push_back(day.Room[j]);
            lines.push_back(day.Teacher[j]);
        }
    }
    lines.push_back(className);
    return lines;
}

void ParseTimetable(DayRecords& days, std::string& className, const std::vector<std::string>& lines,
                    const std::string& source) {
    if (lines.size() < static_cast<std::size_t>(kLessonFileLines)) {
        throw SkemoraError(ErrorKind::DamagedLessonFile, {source, std::to_string(lines.size()),
                                                          std::to_string(kLessonFileLines)});
    }
    DayRecords parsed;
    for (int d = 0; d < kDays; ++d) {
        const int first = d * kLinesPerDay;
        parsed[d].StartTime = StrToInt(lines[first]);
        for (int j = 0; j < kLessons; ++j) {
            parsed[d].Subject[j] = lines[first + 3 * j + 1];
            parsed[d].Room[j] = lines[first + 3 * j + 2];
            parsed[d].Teacher[j] = lines[first + 3 * j + 3];
        }
    }
    days = std::move(parsed);
    className = lines[kLessonFileLines - 1];
}

void DefaultTimetable(DayRecords& days, const std::string& emptySubject) {
    for (auto& day : days) {
        day = DayRecord{};
        day.StartTime = 800;
        day.Subject[0] = emptySubject;
    }
}

}  // namespace skemora
