// The subject list: subject, room, teacher triples, newest first, merged with the time-table's
// lessons at every save.
#pragma once

#include <string>
#include <vector>

#include "core/timetable/lessons.h"

namespace skemora {

// The line index (a multiple of 3) of the last entry whose subject is `subject`; -1 when none
// is or the text is empty.
int FindSubject(const std::vector<std::string>& list, const std::string& subject);
// The subjects of the entries, in list order.
std::vector<std::string> SubjectChoices(const std::vector<std::string>& list);
// Every lesson of the days merged into the list: a new subject goes first with its room and
// teacher, a known one takes the lesson's room and teacher.
void MergeLessons(std::vector<std::string>& list, const DayRecords& days);
// Two writers' lists merged as sets of entries: `theirs`, less the subjects `ours` removed from
// `base`, with the entries `ours` added (first, in its order) or changed from `base`. A subject
// both added keeps their entry.
std::vector<std::string> MergeSubjectLists(const std::vector<std::string>& base,
                                           const std::vector<std::string>& ours,
                                           const std::vector<std::string>& theirs);
// Removes the last entry of `subject`; false when there is none.
bool RemoveSubjectEntry(std::vector<std::string>& list, const std::string& subject);

}  // namespace skemora
