// Another writer (a second window, a sync tool) changed files this window writes: after a
// command, what is shown is read again from the merged files, and conflicts are told.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Reads the shown week again from the files: the period list, the period's lessons, the week's
// homework and notes (the notes box gets the file's text), and the subject list.
void ReloadShownWeek(AppContext& ctx);

// Where a command ends: when a write merged another writer's change, the shown week is read
// again.
void TakeInOtherWriters(AppContext& ctx);
// Then, once the window shows it: each version kept beside a file is told in plain words.
void TellConflictCopies(AppContext& ctx);

}  // namespace skemora
