// The conflict copies sync tools leave of the diary's own files (the open time-table's main file
// and user folder, the holiday files): merged back into their files, with the pupil told what
// was done, and each copy removed once everything in it is in its file.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// Merges every such copy there is now. A notes file keeps both texts; a position-based file
// takes the copy's lines where its own are empty or the same, and where both hold different
// lines the pupil chooses once per file which to keep (cancelled: the copy stays, and is not
// asked about again until a time-table is opened). Answers the files written.
std::vector<std::string> MergeSyncConflictCopies(AppContext& ctx);
// Whether there is any such copy now.
bool HasSyncConflictCopies(const AppContext& ctx);

}  // namespace skemora
