#include "core/timetable/subject_list.h"

#include <algorithm>

namespace skemora {

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

void MergeLessons(std::vector<std::string>& list, const DayRecords& days) {
    for (int j = 0; j < kLessons; ++j) {
        for (const auto& day : days) {
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
}

namespace {

std::vector<std::string> EntryAt(const std::vector<std::string>& list, int at) {
    const auto first = list.begin() + at;
    std::vector<std::string> entry(first, first + std::min<std::ptrdiff_t>(3, list.end() - first));
    entry.resize(3);
    return entry;
}

}  // namespace

std::vector<std::string> MergeSubjectLists(const std::vector<std::string>& base,
                                           const std::vector<std::string>& ours,
                                           const std::vector<std::string>& theirs) {
    std::vector<std::string> merged = theirs;
    for (const auto& subject : SubjectChoices(base)) {
        if (FindSubject(ours, subject) < 0) RemoveSubjectEntry(merged, subject);
    }
    const auto subjects = SubjectChoices(ours);
    for (auto it = subjects.rbegin(); it != subjects.rend(); ++it) {
        const std::vector<std::string> entry = EntryAt(ours, FindSubject(ours, *it));
        const int inBase = FindSubject(base, *it);
        if (inBase >= 0 && EntryAt(base, inBase) == entry) continue;
        const int at = FindSubject(merged, *it);
        if (at < 0) {
            merged.insert(merged.begin(), entry.begin(), entry.end());
        } else if (inBase >= 0) {
            const auto place = static_cast<std::size_t>(at);
            if (merged.size() < place + 3) merged.resize(place + 3);
            merged[place + 1] = entry[1];
            merged[place + 2] = entry[2];
        }
    }
    return merged;
}

bool RemoveSubjectEntry(std::vector<std::string>& list, const std::string& subject) {
    const int i = FindSubject(list, subject);
    if (i < 0) return false;
    const auto first = list.begin() + i;
    list.erase(first, first + std::min<std::ptrdiff_t>(3, list.end() - first));
    return true;
}

}  // namespace skemora
