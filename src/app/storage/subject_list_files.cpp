#include "app/storage/subject_list_files.h"

#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "core/timetable/subject_list.h"
#include "app/state/timetable_state.h"

namespace skemora {

void ReadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (UserFolder(ctx.state).empty() || !FileExists(path)) {
        ctx.state.SubjectList.clear();
        return;
    }
    ctx.state.SubjectList = ReadLines(path);
}

std::vector<std::string> LoadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (UserFolder(ctx.state).empty() || !FileExists(path)) return {};
    ctx.state.SubjectList = ReadLines(path);
    return SubjectChoices(ctx.state.SubjectList);
}

void MergeSubjects(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    auto list = ctx.state.SubjectList;
    // A stored list that could not be read when the time-table opened is extended, not
    // replaced: it is read now, and one that still cannot be read stops the save.
    if (list.empty() && FileExists(path)) list = ReadLines(path);
    MergeLessons(list, ctx.state.Days);
    WriteLines(path, list);
    ctx.state.SubjectList = std::move(list);
}

void RemoveSubject(AppContext& ctx, const std::string& subject) {
    if (subject.empty() || subject == "Empty") {
        ctx.dialogs.ShowMessage(ctx.texts.CannotDeleteThis);
        return;
    }
    auto list = ctx.state.SubjectList;
    if (!RemoveSubjectEntry(list, subject)) return;
    WriteLines(SubjectListPath(ctx.state), list);
    ctx.state.SubjectList = std::move(list);
}

}  // namespace skemora
