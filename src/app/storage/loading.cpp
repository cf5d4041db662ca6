#include "app/storage/loading.h"

#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"

namespace skemora {

void ReadTimetableFiles(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    auto& state = ctx.state;
    SetUser(state, ctx.view.Title);

    ReadWeekHomework(ctx);

    const std::string listPath = PeriodListPath(state);
    auto& failed = state.Saving.FailedLoadPath;
    if (FileExists(listPath)) {
        try {
            auto lines = ReadLines(listPath);
            state.Periods = BuildPeriodList(lines, ctx.view.Title);
            state.PeriodLines = std::move(lines);
        } catch (const SkemoraError&) {
            // Nothing may be saved over the list while it is not understood.
            failed = listPath;
            throw;
        }
    } else {
        state.Periods = BuildPeriodList(state.PeriodLines, ctx.view.Title);
    }
    if (failed == listPath) failed.clear();
}

void LoadPeriod(AppContext& ctx, int period) {
    auto& state = ctx.state;
    auto& saving = state.Saving;
    state.Days = DayRecords{};
    saving.LoadedPeriod = period;

    const std::string mainFile = MainFilePath(ctx);
    std::string path = mainFile;
    if (period > 0) {
        const bool listed = period < state.Periods.Count && period < kMaxPeriodEntries;
        path = listed ? state.UserFolder + state.Periods.Entries[period].FileName
                      : PeriodPath(state, period);
    }
    std::vector<std::string> lines = state.LessonLines;
    bool fromFile = false;
    if (FileExists(path)) {
        fromFile = true;
    } else if (lines.empty() && period > 0 && FileExists(mainFile)) {
        // Nothing of this time-table is held yet: its base lessons stand in.
        path = mainFile;
        fromFile = true;
    }
    try {
        if (fromFile) lines = ReadLines(path);
        if (fromFile || !lines.empty()) ParseTimetable(state.Days, state.ClassName, lines, path);
    } catch (const SkemoraError&) {
        // The lessons shown are not the file's: no save may write them, and the next refresh
        // tries the file again.
        if (fromFile) saving.FailedLoadPath = path;
        saving.LoadedPeriod = -1;
        saving.Modified = false;
        throw;
    }
    if (!lines.empty()) state.LessonLines = std::move(lines);
    if (saving.FailedLoadPath != PeriodListPath(state)) saving.FailedLoadPath.clear();
    saving.Modified = false;
}

void MarkPendingPeriod(AppContext& ctx) {
    ctx.state.Saving.PendingPeriodStart = MondayOfSelectedWeek(ctx.state);
}

}  // namespace skemora
