// The one question about unsaved changes, asked before they could be lost.
#pragma once

#include <string>

#include "app/state/app_context.h"

namespace skemora {

// While there are unsaved changes, asks whether to save the changed `name` (the caption, or the
// no-document title where the question names no time-table); Yes saves them. False when the
// user cancelled, so the caller stops; true after Yes, after No and when nothing was unsaved.
bool AskToSaveChanges(AppContext& ctx, const std::string& name);

}  // namespace skemora
