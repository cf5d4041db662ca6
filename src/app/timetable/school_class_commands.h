// The school's address card and the pupil's class, from the Time-table menu.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// "&School": the contact card of the school, kept in the user folder apart from the periods.
void EditSchool(AppContext& ctx);
// "&Class" and a click on the class field: the class, saved into the loaded period only.
void EditClass(AppContext& ctx);

}  // namespace skemora
