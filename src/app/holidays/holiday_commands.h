// The Holidays menu of the main window: a new holiday period through the holiday editor, and
// deleting the selected day's mark. Both write the month files in the data folder and redraw.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Time-table / Holidays / New: the editor opens at the selected date; on OK every Monday-to-
// Friday day of the period gets the mark, asking before a day's existing mark is replaced. A
// period longer than a year is entered only after a Yes; a long one shows its progress and can be
// cancelled between two months.
void nyhelligdagClick(AppContext& ctx);

// Time-table / Holidays / Delete: after a Yes, the selected day loses its mark; a month left
// without marks loses its file.
void slethelligdagClick(AppContext& ctx);

}  // namespace skemora
