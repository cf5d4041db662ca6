// The week homework file of the shown week: per lesson with homework, its day, lesson, the
// counted homework lines and the counted file-shortcut lines.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/timetable/lessons.h"

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
// throws InvalidInteger, with the records before it kept. Answers whether every line found its
// place: only then can the file be written again from `homework` without losing anything.
bool ParseWeekHomework(WeekHomework& homework, const std::vector<std::string>& lines);
// The week file's lines: day 1..5, lesson 1..12, positions without homework left out.
std::vector<std::string> WeekHomeworkLines(const WeekHomework& homework);

// Homework follows its lesson when a day's lessons shift (day 0..4, position 0..11).
// A lesson inserted at `position`: the homework from there on moves one place later and the
// position is left empty; what the last position held falls out of the day.
void InsertHomeworkPosition(WeekHomework& homework, int day, int position);
// The lesson at `position` deleted: its homework goes, the later ones move one place earlier.
void DeleteHomeworkPosition(WeekHomework& homework, int day, int position);

// The Mondays (day numbers, ascending) of the school weeks whose homework file is the one named
// by `year` and `week`: those shown while a date of that year in that week is selected.
std::vector<int> ShownMondaysOfWeekFile(int year, int week, bool sundayFirst);

}  // namespace skemora
