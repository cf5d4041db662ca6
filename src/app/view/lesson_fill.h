// The fill of the 60 lesson cells from the loaded time-table and the shown week's homework.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Fills the cells: days aligned by start time, subjects green when they have homework.
void ShowTimetable(AppContext& ctx);
// Empties the in-memory time-table and blanks all 60 cells.
void ResetTimetable(AppContext& ctx);

}  // namespace skemora
