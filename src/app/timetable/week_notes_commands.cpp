#include "app/timetable/week_notes_commands.h"

#include "app/storage/save.h"
#include "app/storage/storage.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"

namespace skemora {

void NotesEdited(AppContext& ctx) {
    auto& state = ctx.state;
    if (state.Saving.Loading || !IsTimetableOpen(ctx)) return;
    // An empty box for a week that has no notes file changes nothing on disk.
    if (ctx.view.NotesText.empty() && !state.Saving.NotesChanged &&
        !StoredFileExists(NotesPath(state))) {
        return;
    }
    state.Saving.NotesChanged = true;
    SetModified(ctx, true);
    Save(ctx);
}

}  // namespace skemora
