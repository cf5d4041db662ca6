// Saving the open time-table: the week notes, the lesson file of the right period (rewriting,
// moving back, inserting or appending a period), the period list and the subject list.
#pragma once

#include <functional>

#include "app/state/app_context.h"

namespace skemora {

// File / Save, the save button, and the end of every edit. Throws SkemoraError on failure, with
// the time-table left modified and the pending period start kept for the next save.
void Save(AppContext& ctx);

// Runs an edit that ends in a save. When it fails, the lessons, the class, the save flags and the
// view are put back as they were before it, so that a dialog kept open for another try starts
// from what is stored; the error goes on.
void SaveOrUndo(AppContext& ctx, const std::function<void()>& editAndSave);

}  // namespace skemora
