// The week homework file of the shown week: per lesson with homework, its day, lesson, the
// counted homework lines and the counted file-shortcut lines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "timetable/lessons.h"

namespace skemora {

struct LessonHomework {
    std::vector<std::string> HomeworkText;
    std::vector<std::string> Shortcuts;
    bool HasHomework() const { return !HomeworkText.empty() || !Shortcuts.empty(); }
};
// [day 0..4][lesson position 0..11]
using WeekHomework = std::array<std::array<LessonHomework, kLessons>, kDays>;

// Appends the records of a week file's lines to `homework`. A record whose day is outside 1..5
// or whose lesson is outside 1..12 is skipped. A record whose counts run past the end of the
// file keeps the lines that are there, and reading stops. A count or position that is no number
// throws InvalidInteger, with the records before it kept.
void ParseWeekHomework(WeekHomework& homework, const std::vector<std::string>& lines);
// The week file's lines: day 1..5, lesson 1..12, positions without homework left out.
std::vector<std::string> WeekHomeworkLines(const WeekHomework& homework);

}  // namespace skemora
