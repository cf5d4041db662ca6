// The open user's subject list file "fagl.txt": reading it, merging the lessons into it at every
// save, and removing an entry.
#pragma once

#include <string>
#include <vector>

#include "app/state/app_context.h"

namespace skemora {

// Replaces SubjectList with the open user's stored list, or empties it when there is none; run
// whenever a time-table is opened or created, so merges extend that user's list.
void ReadSubjectList(AppContext& ctx);
// The lesson dialog's part: replaces SubjectList with the stored list when the file exists and
// answers the subjects to offer (none when the file is missing).
std::vector<std::string> LoadSubjectList(AppContext& ctx);
// Merges every lesson of the loaded time-table into the list and writes it.
void MergeSubjects(AppContext& ctx);
// Removes the last entry of `subject` and writes the list; "Empty" (in a Danish interface "Tom"
// too) and the empty text are refused with "You can't delete this.", an unknown subject is left
// alone without a message.
void RemoveSubject(AppContext& ctx, const std::string& subject);

}  // namespace skemora
