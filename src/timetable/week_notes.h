// The week-notes box: reading the shown week's notes, and saving at every change.
#pragma once

#include <string>

#include "app/app_context.h"

namespace skemora {

// WeekFileName(year, week) with its last character "z".
std::string WeekNotesFileName(int year, int week);
// Enables the box, sets its hint and fills it from the shown week's notes file (or empties it).
// Filling it is no edit.
void ReadWeekNotes(AppContext& ctx);
// The box's change handler; view.NotesText already holds the new text.
void NotesEdited(AppContext& ctx);
// Save's notes step: writes the box's lines to the notes file of the week they were read for,
// or deletes that file when the box is empty.
void WriteWeekNotes(AppContext& ctx);

}  // namespace skemora
