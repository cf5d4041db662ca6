// Reading and writing the lesson-times file of a time-table's user folder through storage.
#pragma once

#include <string>

#include "app/state/main_state.h"
#include "core/timetable/lesson_times.h"

namespace skemora {

std::string LessonTimesPath(const std::string& userFolder);
// The times of the file; no file gives the defaults. A file that cannot be read or holds a
// value that is no number in range reads as damaged, each unclear value at its default.
ReadLessonTimesResult ReadLessonTimesFile(MainState& state, const std::string& userFolder);
void WriteLessonTimesFile(MainState& state, const std::string& userFolder,
                          const LessonTimes& times);
// The open time-table's times into the state, read again only when the file changed or another
// time-table was opened. True when a damaged file was read now (to be told once).
bool FollowLessonTimes(MainState& state);

}  // namespace skemora
