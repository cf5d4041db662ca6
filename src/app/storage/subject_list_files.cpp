#include "app/storage/subject_list_files.h"

#include "app/storage/storage.h"
#include "core/timetable/subject_list.h"
#include "app/state/timetable_state.h"

namespace skemora {

void ReadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (UserFolder(ctx.state).empty()) {
        ctx.state.SubjectList.clear();
        return;
    }
    ctx.state.SubjectList = ReadStoredOrEmpty(ctx.state, path);
}

std::vector<std::string> LoadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (UserFolder(ctx.state).empty()) return {};
    auto lines = ReadStored(ctx.state, path);
    if (!lines) return {};
    ctx.state.SubjectList = std::move(*lines);
    return SubjectChoices(ctx.state.SubjectList);
}

void MergeSubjects(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    auto list = ctx.state.SubjectList;
    // A stored list that could not be read when the time-table opened is extended, not
    // replaced: it is read now, and one that still cannot be read stops the save.
    if (list.empty()) list = ReadStoredOrEmpty(ctx.state, path);
    MergeLessons(list, ctx.state.Days);
    WriteStored(ctx.state, path, list);
    ctx.state.SubjectList = std::move(list);
}

void RemoveSubject(AppContext& ctx, const std::string& subject) {
    if (subject.empty() || subject == "Empty" || subject == ctx.texts.EmptySubject) {
        ctx.messages.ShowMessage(ctx.texts.CannotDeleteThis);
        return;
    }
    auto list = ctx.state.SubjectList;
    if (!RemoveSubjectEntry(list, subject)) return;
    WriteStored(ctx.state, SubjectListPath(ctx.state), list);
    ctx.state.SubjectList = std::move(list);
}

}  // namespace skemora
