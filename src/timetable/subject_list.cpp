#include "timetable/subject_list.h"

#include <algorithm>

#include "timetable/file_ops.h"
#include "timetable/text_file.h"

namespace skemora {

namespace {

std::string SubjectListPath(const MainState& state) {
    return state.UserFolder + "fagl.txt";
}

}  // namespace

int FindSubject(const std::vector<std::string>& list, const std::string& subject) {
    if (subject.empty()) return -1;
    int found = -1;
    for (std::size_t i = 0; i < list.size(); i += 3) {
        if (list[i] == subject) found = static_cast<int>(i);
    }
    return found;
}

std::vector<std::string> SubjectChoices(const std::vector<std::string>& list) {
    std::vector<std::string> choices;
    for (std::size_t i = 0; i < list.size(); i += 3) choices.push_back(list[i]);
    return choices;
}

void ReadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (ctx.state.UserFolder.empty() || !FileExists(path)) {
        ctx.state.SubjectList.clear();
        return;
    }
    ctx.state.SubjectList = ReadLines(path);
}

std::vector<std::string> LoadSubjectList(AppContext& ctx) {
    const std::string path = SubjectListPath(ctx.state);
    if (ctx.state.UserFolder.empty() || !FileExists(path)) return {};
    ctx.state.SubjectList = ReadLines(path);
    return SubjectChoices(ctx.state.SubjectList);
}

void MergeSubjects(AppContext& ctx) {
    auto list = ctx.state.SubjectList;
    // A stored list that could not be read when the time-table opened is extended, not
    // replaced: it is read now, and one that still cannot be read stops the save.
    if (list.empty() && FileExists(SubjectListPath(ctx.state))) {
        list = ReadLines(SubjectListPath(ctx.state));
    }
    for (int j = 0; j < kLessons; ++j) {
        for (const auto& day : ctx.state.Days) {
            const std::string& subject = day.Subject[j];
            if (subject.empty()) continue;
            const int i = FindSubject(list, subject);
            if (i < 0) {
                list.insert(list.begin(), {subject, day.Room[j], day.Teacher[j]});
                continue;
            }
            const std::size_t at = static_cast<std::size_t>(i);
            if (list.size() < at + 3) list.resize(at + 3);
            list[at + 1] = day.Room[j];
            list[at + 2] = day.Teacher[j];
        }
    }
    WriteLines(SubjectListPath(ctx.state), list);
    ctx.state.SubjectList = std::move(list);
}

void RemoveSubject(AppContext& ctx, const std::string& subject) {
    if (subject.empty() || subject == "Empty") {
        ctx.dialogs.ShowMessage("You can't delete this.");
        return;
    }
    auto list = ctx.state.SubjectList;
    const int i = FindSubject(list, subject);
    if (i < 0) return;
    const auto first = list.begin() + i;
    list.erase(first, first + std::min<std::ptrdiff_t>(3, list.end() - first));
    WriteLines(SubjectListPath(ctx.state), list);
    ctx.state.SubjectList = std::move(list);
}

}  // namespace skemora
