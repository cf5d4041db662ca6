// The week-notes box: reading the shown week's notes, and saving at every change.
#pragma once

#include "app/app_context.h"

namespace skemora {

void ReadWeekNotes(AppContext& ctx);
// The box's change handler; view.NotesText already holds the new text.
void NotesEdited(AppContext& ctx);

}  // namespace skemora
