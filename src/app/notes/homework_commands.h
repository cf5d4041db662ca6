// The Homework button: the homework dialog for the selected lesson, and on OK the week
// homework file and the upcoming-files list.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Runs Save As instead while no time-table is open. Ends in RefreshAll whatever the answer.
void HomeworkCommand(AppContext& ctx);

}  // namespace skemora
