// The lesson file: 186 lines holding five days of lessons and the class name.
#pragma once

#include <string>
#include <vector>

#include "core/timetable/lessons.h"

namespace skemora {

constexpr int kLessonFileLines = 186;

// Line 37d: StartTime of day d; 37d + 3j + 1..3: Subject, Room, Teacher of lesson j; 185: class.
std::vector<std::string> TimetableLines(const DayRecords& days, const std::string& className);
// Fills days and className from the first 186 lines (later lines are ignored). Throws
// SkemoraError and changes nothing when there are fewer lines or a start time is no number;
// `source` names the file in the message about a short file.
void ParseTimetable(DayRecords& days, std::string& className, const std::vector<std::string>& lines,
                    const std::string& source = "");
// The fresh time-table: every day starts at 800 with the single lesson `emptySubject`.
void DefaultTimetable(DayRecords& days, const std::string& emptySubject = "Empty");

}  // namespace skemora
