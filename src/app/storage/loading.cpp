#include "app/storage/loading.h"

#include <utility>

#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"

namespace skemora {

void ReadTimetableFiles(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    auto& state = ctx.state;

    ReadWeekHomework(ctx);

    const std::string listPath = PeriodListPath(state);
    auto& failed = state.Saving.FailedLoadPath;
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadStored(state, listPath);
        if (lines) {
            state.Periods = BuildPeriodList(*lines, state.Open->Name);
            state.PeriodLines = std::move(*lines);
        }
    } catch (const SkemoraError&) {
        // Nothing may be saved over the list while it is not understood.
        failed = listPath;
        throw;
    }
    if (!lines) state.Periods = BuildPeriodList(state.PeriodLines, state.Open->Name);
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
        path = listed ? UserFolder(state) + state.Periods.Entries[period].FileName
                      : PeriodPath(state, period);
    }
    std::vector<std::string> lines = state.LessonLines;
    bool fromFile = true;  // a file that is there but cannot be read failed to load
    try {
        auto read = ReadStored(state, path);
        if (!read && lines.empty() && period > 0) {
            // Nothing of this time-table is held yet: its base lessons stand in.
            const std::string own = std::exchange(path, mainFile);
            read = ReadStored(state, path);
            if (!read) path = own;
        }
        fromFile = read.has_value();
        if (fromFile) lines = std::move(*read);
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
