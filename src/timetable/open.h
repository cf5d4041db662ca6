// Opening a time-table: from a path, with the Open command, and from the command line.
#pragma once

#include <string>
#include <vector>

#include "app/app_context.h"

namespace skemora {

// Makes the time-table at `path` the open one.
void OpenTimetable(AppContext& ctx, const std::string& path);
// File / Open and the open button.
void OpenCommand(AppContext& ctx);
// Start-up: the arguments joined by blanks plus ".dfd" name a time-table in the data folder,
// opened when it exists. A name holding a "/" is not opened.
void OpenCommandLineTimetable(AppContext& ctx, const std::vector<std::string>& arguments);

}  // namespace skemora
