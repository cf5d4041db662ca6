// The refresh chain: everything on screen follows from the selected date.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

void RefreshAll(AppContext& ctx);
void RefreshWeekPanel(AppContext& ctx);
void RefreshDayHeaders(AppContext& ctx);
void RefreshLessons(AppContext& ctx);
void RefreshMonthPanel(AppContext& ctx);

}  // namespace skemora
