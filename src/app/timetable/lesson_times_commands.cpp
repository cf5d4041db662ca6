#include "app/timetable/lesson_times_commands.h"

#include "app/refresh/refresh.h"
#include "app/state/timetable_state.h"
#include "app/storage/lesson_times_files.h"
#include "app/timetable/save_as_commands.h"

namespace skemora {

void EditLessonTimes(AppContext& ctx) {
    if (!TimetableOpenOrSaveAs(ctx)) return;
    // The file as it is now, so that an edit elsewhere is not undone unseen.
    if (FollowLessonTimes(ctx.state))
        ctx.messages.ShowMessage(
            FillTemplate(ctx.texts.LessonTimesDamaged, {ctx.state.TimesPath}));
    LessonTimes times = ctx.state.Times;
    const int mondayStart = ctx.state.Days[0].StartTime;
    const bool accepted = ctx.timetableDialogs.EditLessonTimes(
        mondayStart, times, SavingStep(ctx.state.LanguageCode, [&] {
            WriteLessonTimesFile(ctx.state, UserFolder(ctx.state), times);
        }));
    if (!accepted) return;
    // What the file holds now, merged with another writer's change if there was one.
    ctx.state.TimesPath.clear();
    FollowLessonTimes(ctx.state);
    RefreshAll(ctx);
}

}  // namespace skemora
