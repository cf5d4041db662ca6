// The week notes: reading the shown week's notes file into the box, and writing the box back.
#pragma once

#include <string>

#include "app/state/app_context.h"

namespace skemora {

// Enables the box, sets its hint and fills it from the shown week's notes file (or empties it).
// Filling it is no edit.
void ReadWeekNotes(AppContext& ctx);
// Save's notes step: writes the box's lines to the notes file of the week they were read for,
// or deletes that file when the box is empty.
void WriteWeekNotes(AppContext& ctx);
// The notes file the box belongs to: the week it was last read for, else the shown week.
std::string NotesPath(const MainState& state);

}  // namespace skemora
