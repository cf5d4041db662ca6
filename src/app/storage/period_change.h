// Inserting or retiring a period renames lesson files one by one and then replaces the period
// list. The renames are written to a journal in the user folder first, so that a change a crash
// cut off is completed or undone at the next opening: a period never shows another's lessons.
#pragma once

#include <string>

#include "core/files/text_file.h"
#include "core/timetable/period_journal.h"

namespace skemora {

// Makes the renames of `journal` in order in `userFolder` (a move whose source is missing
// removes its target, so every period keeps its own file or none), then commits `created`
// (when given: the file the journal names as created) and last `list`. A failure undoes what was
// done and throws SkemoraError(failureText), or the commit's own error.
void ChangePeriods(const std::string& userFolder, PeriodJournal journal, StagedFile* created,
                   StagedFile& list, const std::string& failureText);

// Puts right a change the journal in `userFolder` still names: complete when the period list
// on disk is its new list (a retired file left behind is removed), undone otherwise. The journal
// is removed once the folder is as it was or as it should be; a damaged one is removed without
// moving anything. Answers whether a change was put right. Runs at every opening and save.
bool RecoverPeriodChange(const std::string& userFolder);

}  // namespace skemora
