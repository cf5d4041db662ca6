#include "app/storage/lesson_times_files.h"

#include "app/state/timetable_state.h"
#include "app/storage/storage.h"
#include "core/files/skemora_error.h"

namespace skemora {

std::string LessonTimesPath(const std::string& userFolder) {
    return userFolder + kLessonTimesFileName;
}

ReadLessonTimesResult ReadLessonTimesFile(MainState& state, const std::string& userFolder) {
    try {
        const auto lines = ReadStored(state, LessonTimesPath(userFolder));
        return lines ? LessonTimesFromLines(*lines) : ReadLessonTimesResult{};
    } catch (const SkemoraError&) {
        return ReadLessonTimesResult{LessonTimes{}, true};
    }
}

void WriteLessonTimesFile(MainState& state, const std::string& userFolder,
                          const LessonTimes& times) {
    WriteStored(state, LessonTimesPath(userFolder), LessonTimesLines(times));
}

bool FollowLessonTimes(MainState& state) {
    const std::string& folder = UserFolder(state);
    if (folder.empty()) {
        state.Times = LessonTimes{};
        state.TimesPath.clear();
        return false;
    }
    const std::string path = LessonTimesPath(folder);
    if (path == state.TimesPath && !ChangedSinceRead(state, path)) return false;
    const ReadLessonTimesResult read = ReadLessonTimesFile(state, folder);
    state.Times = read.Times;
    state.TimesPath = path;
    return read.Damaged;
}

}  // namespace skemora
