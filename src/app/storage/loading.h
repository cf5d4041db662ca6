// Reading the open time-table: the per-user files of the shown week, and the lesson file of a
// validity period. They fill the state only; the refresh's projection draws it.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Reads the shown week's homework and the period list of the open time-table.
void ReadTimetableFiles(AppContext& ctx);
// Reads the period list again when it changed since it was read (another writer). The loaded
// period is found again by the Monday it starts on, never by its position.
void FollowPeriodList(AppContext& ctx);
// Replaces the in-memory time-table with period p's lessons, which are then unmodified.
void LoadPeriod(AppContext& ctx, int period);
// Sets PendingPeriodStart to the Monday of the selected date's week.
void MarkPendingPeriod(AppContext& ctx);

}  // namespace skemora
