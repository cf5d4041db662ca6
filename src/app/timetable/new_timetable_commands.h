// A new time-table, which is a new user: a main file in the data folder and a folder of the
// same name.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// File / "&New Time-table" and the first tool button. Leaves the new user's time-table open and
// saved; a name that already has a main file opens that time-table instead.
void NewTimetable(AppContext& ctx);

}  // namespace skemora
