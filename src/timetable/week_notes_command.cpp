#include "timetable/week_notes_command.h"

#include "files/file_ops.h"
#include "timetable/save.h"
#include "timetable/timetable_state.h"
#include "timetable/week_notes.h"

namespace skemora {

void NotesEdited(AppContext& ctx) {
    auto& state = ctx.state;
    if (state.Saving.Loading || !IsTimetableOpen(ctx)) return;
    // An empty box for a week that has no notes file changes nothing on disk.
    if (ctx.view.NotesText.empty() && !state.Saving.NotesChanged && !FileExists(NotesPath(state))) {
        return;
    }
    state.Saving.NotesChanged = true;
    SetModified(ctx, true);
    Save(ctx);
}

}  // namespace skemora
