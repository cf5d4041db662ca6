#include "app/window/outside_changes.h"

#include <algorithm>

#include "app/refresh/refresh.h"
#include "app/state/timetable_state.h"
#include "app/storage/conflict_copies.h"
#include "app/storage/save.h"
#include "app/storage/storage.h"
#include "app/storage/subject_list_files.h"
#include "app/storage/week_notes.h"
#include "core/holidays/holiday_tables.h"
#include "core/timetable/periods.h"

namespace skemora {

namespace {

// The files the shown lessons were read from: the period list and the shown period's file.
std::vector<std::string> LessonSources(const AppContext& ctx) {
    const auto& state = ctx.state;
    if (!IsTimetableOpen(ctx)) return {};
    std::vector<std::string> paths{PeriodListPath(state)};
    const int period = state.Saving.LoadedPeriod;
    if (period == 0) paths.push_back(MainFilePath(ctx));
    if (period > 0) {
        paths.push_back(PeriodPath(state, period));
        if (period < state.Periods.Count && period < kMaxPeriodEntries)
            paths.push_back(UserFolder(state) + state.Periods.Entries[period].FileName);
        // A period without a file of its own shows the base lessons.
        paths.push_back(MainFilePath(ctx));
    }
    return paths;
}

// The other files of the shown week: the holidays around it, its homework and notes.
std::vector<std::string> WeekSources(const AppContext& ctx) {
    const auto& state = ctx.state;
    std::vector<std::string> paths;
    for (const auto& name : HolidayFileNamesAround(state.SelYear, state.SelMonth))
        paths.push_back(state.DataFolder + name);
    if (IsTimetableOpen(ctx)) {
        paths.push_back(WeekHomeworkPath(state));
        paths.push_back(NotesPath(state));
    }
    return paths;
}

// Whether a file read here is no longer what was read; a file never read shows nothing here.
bool AnyChanged(const MainState& state, const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
        return state.Storage.Files.contains(path) && ChangedSinceRead(state, path);
    });
}

}  // namespace

std::vector<std::string> WatchedPaths(const AppContext& ctx) {
    std::vector<std::string> paths{ctx.state.DataFolder};
    if (IsTimetableOpen(ctx)) paths.push_back(UserFolder(ctx.state));
    for (auto& path : LessonSources(ctx)) paths.push_back(std::move(path));
    for (auto& path : WeekSources(ctx)) paths.push_back(std::move(path));
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

void FilesChangedOutside(AppContext& ctx) {
    auto& state = ctx.state;
    const bool copies = HasSyncConflictCopies(ctx);
    bool lessons = AnyChanged(state, LessonSources(ctx));
    const bool week = AnyChanged(state, WeekSources(ctx));
    const bool subjects = IsTimetableOpen(ctx) && AnyChanged(state, {SubjectListPath(state)});
    if (!copies && !lessons && !week && !subjects) return;
    // While a lesson file cannot be read the shown lessons are not the file's: they stay as they
    // are, and so does an unsaved change to them.
    const bool saveable = state.Saving.FailedLoadPath.empty();
    if (state.Saving.Modified && saveable) Save(ctx);
    if (copies) lessons = !MergeSyncConflictCopies(ctx).empty() || lessons;
    if (subjects) ReadSubjectList(ctx);
    if (lessons && (saveable || !state.Saving.Modified)) state.Saving.LoadedPeriod = -1;
    RefreshAll(ctx);
    if (lessons) ShowClass(ctx);
}

}  // namespace skemora
