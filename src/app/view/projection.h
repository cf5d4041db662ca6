// The projection: the state turned into what the refresh draws, reading no file and asking
// nothing. The same state always gives the same view.
#pragma once

#include "app/state/main_state.h"
#include "app/state/view_model.h"
#include "core/language/texts.h"

namespace skemora {

// The week panel, the day headers with their holiday marks, the lesson cells and the selected
// lesson, the month panel, the controls that follow the open time-table's standing, and the
// shown week's notes (the box's text only when just read: what is typed stays).
void ProjectView(const MainState& state, const MessageTexts& texts, ViewModel& view);

}  // namespace skemora
