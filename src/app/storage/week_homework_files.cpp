#include "app/storage/week_homework_files.h"

#include "app/storage/storage.h"
#include "core/files/skemora_error.h"
#include "app/state/timetable_state.h"
#include "core/timetable/week_homework.h"

namespace skemora {

void ReadWeekHomework(AppContext& ctx) {
    auto& state = ctx.state;
    state.Homework = WeekHomework{};
    if (UserFolder(state).empty() || !IsTimetableOpen(ctx)) return;
    const std::string path = WeekHomeworkPath(state);
    if (const auto lines = ReadStored(state, path)) ParseWeekHomework(state.Homework, *lines);
}

void WriteWeekHomework(AppContext& ctx) {
    auto& state = ctx.state;
    if (UserFolder(state).empty()) return;
    const std::string path = WeekHomeworkPath(state);
    try {
        if (const auto lines = ReadStored(state, path)) {
            WeekHomework stored;
            ParseWeekHomework(stored, *lines);
        }
    } catch (const SkemoraError& error) {
        throw SkemoraError(ErrorKind::UnreadableNotReplaced, {path}, error);
    }
    const auto lines = WeekHomeworkLines(state.Homework);
    if (!lines.empty()) {
        WriteStored(state, path, lines);
    } else if (StoredFileExists(path)) {
        RemoveStored(state, path);
    }
}

}  // namespace skemora
