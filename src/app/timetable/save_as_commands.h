// Save As: the time-table saved under a new name in the data folder, and then opened.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Also what every command that needs a time-table runs while none is open.
void SaveAs(AppContext& ctx);
// The first step of every command that needs a time-table: true when one is open; otherwise runs
// Save As instead and answers false.
bool TimetableOpenOrSaveAs(AppContext& ctx);

}  // namespace skemora
