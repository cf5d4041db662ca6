// Time-table, Lesson times: the lesson lengths and breaks of the open time-table.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// Shows the lesson-times dialog with the stored times; OK stores them in the user folder and
// redraws the lesson times shown.
void EditLessonTimes(AppContext& ctx);

}  // namespace skemora
