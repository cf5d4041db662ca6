#include "app/storage/week_homework_files.h"

#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "app/state/timetable_state.h"
#include "core/timetable/week_homework.h"

namespace skemora {

void ReadWeekHomework(AppContext& ctx) {
    auto& state = ctx.state;
    state.Homework = WeekHomework{};
    if (UserFolder(state).empty() || !IsTimetableOpen(ctx)) return;
    const std::string path = WeekHomeworkPath(state);
    if (!FileExists(path)) return;
    ParseWeekHomework(state.Homework, ReadLines(path));
}

void WriteWeekHomework(AppContext& ctx) {
    const auto& state = ctx.state;
    if (UserFolder(state).empty()) return;
    const std::string path = WeekHomeworkPath(state);
    if (FileExists(path)) {
        WeekHomework stored;
        try {
            ParseWeekHomework(stored, ReadLines(path));
        } catch (const SkemoraError& error) {
            throw SkemoraError(ErrorKind::UnreadableNotReplaced, {path}, error);
        }
    }
    const auto lines = WeekHomeworkLines(state.Homework);
    if (!lines.empty()) {
        WriteLines(path, lines);
    } else if (FileExists(path)) {
        DeleteFile(path);
    }
}

}  // namespace skemora
