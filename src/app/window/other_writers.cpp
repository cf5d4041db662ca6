#include "app/window/other_writers.h"

#include <utility>

#include "app/refresh/refresh.h"
#include "app/state/timetable_state.h"
#include "app/storage/subject_list_files.h"
#include "core/files/skemora_error.h"

namespace skemora {

void ReloadShownWeek(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    // The lessons held are older than their file: none is held, so the refresh reads them.
    if (!ctx.state.Saving.Modified) ctx.state.Saving.LoadedPeriod = -1;
    ReadSubjectList(ctx);
    RefreshAll(ctx);
}

void TakeInOtherWriters(AppContext& ctx) {
    auto& memory = ctx.state.Storage;
    if (!memory.OtherWriterMerged && memory.ConflictCopies.empty()) return;
    memory.OtherWriterMerged = false;
    ReloadShownWeek(ctx);
}

void TellConflictCopies(AppContext& ctx) {
    const auto copies = std::exchange(ctx.state.Storage.ConflictCopies, {});
    for (const auto& [file, copy] : copies)
        ctx.messages.Notify(FillTemplate(ctx.texts.OtherWriterConflict, {file, copy}));
}

}  // namespace skemora
