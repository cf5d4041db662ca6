// The month and day names the window uses: the names file's when there is one, else the
// system locale's.
#pragma once

#include <string>

#include "core/language/names_file.h"
#include "app/state/main_state.h"
#include "app/state/platform.h"

namespace skemora {

// The names file of the state's data folder is read through storage; one that cannot be read
// counts as absent.
NameTables LoadNameTables(MainState& state, Platform& platform);

}  // namespace skemora
