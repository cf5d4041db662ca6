// The month and day names: from "sp06.txt" in the data folder when it is there, else from the
// system's locale.
#pragma once

#include <string>
#include <vector>

#include "app/main_state.h"
#include "platform/platform.h"

namespace skemora {

// Lines 2m / 2m+1 are the short / long name of month m, lines 24+2d / 25+2d those of day d
// (Sunday first); missing lines give empty names.
NameTables NamesFromLines(const std::vector<std::string>& lines);
NameTables LoadNameTables(const std::string& dataFolder, Platform& platform);

}  // namespace skemora
