// The lesson editing commands of the Edit menu and the lesson cells' context menu, and the
// subject list's removal command. Each asks through the dialogs, changes the in-memory
// time-table and saves it from the Monday of the shown week onward; while no time-table is open
// each runs Save As instead.
#pragma once

#include "app/state/app_context.h"

namespace skemora {

// "&Time - First lesson": the selected day's first-lesson time.
void EditStartTime(AppContext& ctx);
// "&Lesson": the selected lesson's subject, room and teacher.
void ChangeLesson(AppContext& ctx);
// "&Delete": removes the selected lesson; a day's last lesson stays.
void DeleteLesson(AppContext& ctx);
// "&Add": a new lesson after the selected day's last one.
void AddLesson(AppContext& ctx);
// "&Insert": a new lesson before the selected one.
void InsertLesson(AppContext& ctx);
// Options / "&Remove lesson from list".
void RemoveLessonFromList(AppContext& ctx);

}  // namespace skemora
