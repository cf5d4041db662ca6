// The week notes: reading the shown week's notes file for the box, and writing the box back.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// Reads the shown week's notes file (none: empty notes) into ShownNotes, for the box.
void ReadWeekNotes(MainState& state);
// Save's notes step: writes the box's lines to the notes file of the week they were read for,
// or deletes that file when the box is empty.
void WriteWeekNotes(AppContext& ctx);
// The notes file the box belongs to: the week it was last read for, else the shown week.
std::string NotesPath(const MainState& state);

}  // namespace skemora
