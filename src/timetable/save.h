// Saving the open time-table: the week notes, the lesson file of the right period (rewriting,
// moving back, inserting or appending a period), the period list and the subject list.
#pragma once

#include "app/app_context.h"

namespace skemora {

// File / Save, the save button, and the end of every edit. Throws SkemoraError on failure, with
// the time-table left modified and the pending period start kept for the next save.
void Save(AppContext& ctx);

}  // namespace skemora
