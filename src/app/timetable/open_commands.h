// Opening a time-table: from a path, with the Open command, and from the command line.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// Makes the time-table at `path` the open one.
void OpenTimetable(AppContext& ctx, const std::string& path);
// File / Open and the open button: only a main time-table file of the data folder is opened;
// any other file is refused with a message, and nothing is opened or created.
void OpenCommand(AppContext& ctx);
// Start-up: the arguments joined by blanks plus ".dfd" name a time-table in the data folder,
// opened when it exists. A name that leads to an existing file other than a main time-table file
// of the data folder (one holding a "/", say) is refused with a message, as by OpenCommand.
void OpenCommandLineTimetable(AppContext& ctx, const std::vector<std::string>& arguments);

}  // namespace skemora
