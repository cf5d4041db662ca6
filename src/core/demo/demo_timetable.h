// The demo time-table a newcomer first sees: a pupil's filled school year around today, written
// through the program's own file writers into a data folder of its own.
#pragma once

#include <string>

#include "core/calendar/calendar.h"

namespace skemora {

// The demo pupil: the main file is this name + ".dfd".
inline constexpr const char* kDemoUserName = "Emma";

// Writes the demo into `dataFolder` (ending with "/", created when missing) relative to `today`:
// two validity periods (the second from a few weeks back), homework and a shortcut in the week
// of today, week notes, a teacher card and links, school mates, the school's card and holidays.
// Does nothing and answers false when the folder already holds the demo's main file, so a
// demo that someone has edited is kept. Throws SkemoraError when a file cannot be written.
bool MakeDemoTimetable(const std::string& dataFolder, const Date& today);

}  // namespace skemora
