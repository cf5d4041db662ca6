// Opening and saving a time-table: the per-user files of the shown week, the lesson file of a
// validity period, the save with its period cases, and Save As.
#pragma once

#include <string>
#include <vector>

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
// Start-up: the arguments joined by blanks plus ".dfd" name a time-table in the data folder,
// opened when it exists. A name holding a "/" is not opened.
void OpenCommandLineTimetable(AppContext& ctx, const std::vector<std::string>& arguments);

// The user name of a main file name: the name without its last four characters (".dfd"); a
// name of four characters or fewer is kept whole, so the user folder is never the data folder.
std::string UserNameOf(const std::string& fileName);
// The open time-table's main file (period 0).
std::string MainFilePath(const AppContext& ctx);

}  // namespace skemora
