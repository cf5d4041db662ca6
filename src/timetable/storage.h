// Opening and saving a time-table: the per-user files of the shown week, the lesson file of a
// validity period, the save with its period cases, and Save As.
#pragma once

#include <string>

#include "app/app_context.h"

namespace skemora {

// Reads the shown week's homework and the period list of the open time-table.
void ReadTimetableFiles(AppContext& ctx);
// Replaces the in-memory time-table with period p's lessons and shows them.
void LoadPeriod(AppContext& ctx, int period);
// Sets PendingPeriodStart to the Monday of the selected date's week.
void MarkPendingPeriod(AppContext& ctx);
// Makes the time-table at `path` the open one.
void OpenTimetable(AppContext& ctx, const std::string& path);
// File / Open and the open button.
void OpenCommand(AppContext& ctx);
// File / Save, the save button, and the end of every edit. Throws SkemoraError on failure, with
// the time-table left modified.
void Save(AppContext& ctx);
// Save under a new name in the data folder.
void SaveAs(AppContext& ctx);

}  // namespace skemora
