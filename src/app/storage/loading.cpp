#include "app/storage/loading.h"

#include <utility>

#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "core/timetable/lesson_file.h"
#include "core/timetable/periods.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"
#include "app/storage/lesson_times_files.h"

namespace skemora {

namespace {

// The period list read again holds other lines than before: another writer inserted, retired
// or moved periods. The loaded period is the one that starts on the same Monday now; its lesson
// file's base moves with it. One no longer listed leaves its file unknown, so a write there
// keeps the other writer's file.
void FindLoadedPeriodAgain(AppContext& ctx, const PeriodList& before) {
    auto& state = ctx.state;
    state.Storage.OtherWriterMerged = true;
    const int loaded = state.Saving.LoadedPeriod;
    if (loaded <= 0 || loaded >= before.Count) return;  // the main file stays the main file
    const int start = before.Entries[loaded].Start;
    int found = -1;
    for (int k = state.Periods.Count - 1; k > 0 && found < 0; --k) {
        if (state.Periods.Entries[k].Start == start) found = k;
    }
    if (found == loaded) return;
    if (found < 0) {
        ForgetStored(state, {PeriodPath(state, loaded)});
        return;
    }
    MoveStoredBase(state, PeriodPath(state, loaded), PeriodPath(state, found));
    state.Saving.LoadedPeriod = found;
}

// The periods of `lines`, built again only when what is held may not be that: every refresh
// reads the list, and it rarely changes.
PeriodList PeriodsOf(MainState& state, const std::vector<std::string>& lines) {
    auto& read = state.PeriodsRead;
    if (read.Lines == lines && read.MainName == state.Open->Name && read.Built == state.Periods)
        return state.Periods;
    PeriodList built = BuildPeriodList(lines, state.Open->Name);
    read = {lines, state.Open->Name, built};
    return built;
}

// Whether the list read holds other lines than the list held while lessons were held.
bool ReadPeriodList(AppContext& ctx) {
    auto& state = ctx.state;
    const std::string listPath = PeriodListPath(state);
    auto& failed = state.Saving.FailedLoadPath;
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadStored(state, listPath);
        if (lines && *lines == state.PeriodLines) state.Periods = PeriodsOf(state, *lines);
    } catch (const SkemoraError&) {
        // Nothing may be saved over the list while it is not understood.
        failed = listPath;
        throw;
    }
    if (!lines || *lines == state.PeriodLines) {
        if (!lines) state.Periods = PeriodsOf(state, state.PeriodLines);
        if (failed == listPath) failed.clear();
        return false;
    }
    const std::vector<std::string> before = std::move(state.PeriodLines);
    const PeriodList periodsBefore = state.Periods;
    try {
        state.Periods = PeriodsOf(state, *lines);
        state.PeriodLines = std::move(*lines);
    } catch (const SkemoraError&) {
        state.PeriodLines = before;
        failed = listPath;
        throw;
    }
    if (failed == listPath) failed.clear();
    // Lessons held from the list before, and the list now another: another writer changed it.
    if (state.Saving.LoadedPeriod < 0 || before.empty() || state.PeriodLines == before)
        return false;
    FindLoadedPeriodAgain(ctx, periodsBefore);
    return true;
}

}  // namespace

void ReadTimetableFiles(AppContext& ctx) {
    if (!IsTimetableOpen(ctx)) return;
    ReadWeekHomework(ctx);
    ReadPeriodList(ctx);
    if (FollowLessonTimes(ctx.state))
        ctx.messages.Notify(FillTemplate(ctx.texts.LessonTimesDamaged, {ctx.state.TimesPath}));
}

void FollowPeriodList(AppContext& ctx) {
    auto& state = ctx.state;
    if (!IsTimetableOpen(ctx) || !ChangedSinceRead(state, PeriodListPath(state))) return;
    if (!ReadPeriodList(ctx)) return;
    // The edit belongs to the period its week is in now (another window's edit of this week
    // may have started one): that period's file is merged against the lessons held.
    const int shown = PeriodForDate(state.Periods, PeriodDayOfSelectedDate(state));
    auto& loaded = state.Saving.LoadedPeriod;
    if (loaded < 0 || shown < 0 || shown == loaded) return;
    const std::string path = shown == 0 ? MainFilePath(ctx) : PeriodPath(state, shown);
    ForgetStored(state, {path});
    AssumeStoredBase(state, path, state.LessonLines);
    loaded = shown;
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
