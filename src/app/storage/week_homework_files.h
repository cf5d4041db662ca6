// Reading and writing the shown week's homework file of the open time-table.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Empties all 120 lists, then reads the shown week's file when it exists.
void ReadWeekHomework(AppContext& ctx);
// Writes the shown week's file from Homework, or deletes it when no lesson has homework. A file
// that does not read as a week file is not replaced (throws SkemoraError): what it holds beyond
// the records read is kept.
void WriteWeekHomework(AppContext& ctx);

}  // namespace skemora
