// The month and day names the window uses: the names file's when there is one, else the
// system locale's.
#pragma once

#include <string>

#include "core/language/names_file.h"
#include "app/state/platform.h"

namespace skemora {

NameTables LoadNameTables(const std::string& dataFolder, Platform& platform);

}  // namespace skemora
