// The Links, Teacher and Students buttons: a subject's links and teacher card, and the
// time-table's school mates. Each runs Save As instead while no time-table is open, writes its
// file only on OK, and leaves the time-table unmodified.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

void LinksCommand(AppContext& ctx);
void TeacherCommand(AppContext& ctx);
void StudentsCommand(AppContext& ctx);

}  // namespace skemora
