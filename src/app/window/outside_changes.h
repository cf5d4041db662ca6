// Files changed by another writer (a sync tool, a second window on the same pupil): the shown
// week follows them, and what a sync tool kept beside the files is merged into them.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// What the file-system watcher looks at: the data folder and the open time-table's user folder
// (sync tools replace a file by renaming another over it, which only its folder sees), and the
// files the shown week was read from (written in place by other tools).
std::vector<std::string> WatchedPaths(const AppContext& ctx);

// The watcher saw a change. Merges the sync tools' conflict copies there are, and when a file the
// shown week was read from is no longer what was read, reads the week again and draws it; the
// program's own writes change nothing. Unsaved lesson changes are saved first (the save puts
// them together with the other writer's file), so that the reading loses none of them.
void FilesChangedOutside(AppContext& ctx);

}  // namespace skemora
