// Typing in the week-notes box: every change is saved at once.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// The box's change handler; view.NotesText already holds the new text.
void NotesEdited(AppContext& ctx);

}  // namespace skemora
