// The refresh chain: everything on screen follows from the selected date. Each entry runs down:
// a storage step fills the state with what the shown week needs, then the projection draws it.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// The storage step: saves what is pending (asking, when the shown lessons are about to be
// replaced, whether to save the changes) and loads the shown week: the holiday tables, which
// week files exist, the period list, the week's homework and notes, and its period's lessons.
// Writes no view element.
void LoadShownWeek(AppContext& ctx);
// The saving part of the storage step: saves what is pending when a save can be made (no file of
// the time-table failed to read). Throws as Save does, with the change kept for the next save.
void SavePending(AppContext& ctx);

void RefreshAll(AppContext& ctx);
// The week panel's part of the storage step (no saving, no lessons), then the projection.
void RefreshWeekPanel(AppContext& ctx);
// The projection alone.
void RefreshDayHeaders(AppContext& ctx);
// The lessons' part of the storage step (saving, notes, the period's lessons), then the
// projection.
void RefreshLessons(AppContext& ctx);
// The projection alone.
void RefreshMonthPanel(AppContext& ctx);

}  // namespace skemora
