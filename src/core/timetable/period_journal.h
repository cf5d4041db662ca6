// The journal of a period change: inserting or retiring a period renames lesson files one by one
// before the new period list replaces the old, so the renames are written down first. A change
// the journal still names is complete when the list on disk is its new list; else it is undone.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace skemora {

struct PeriodJournal {
    // False while the renames are under way; true once all are done and `Created` may be there.
    bool Moved = false;
    // The lesson file the change writes (an inserted period's), or "".
    std::string Created;
    // The lines of the period list the change writes.
    std::vector<std::string> NewList;
    // The renames, in the order they are made: file names in the user folder.
    std::vector<std::pair<std::string, std::string>> Moves;
};

std::vector<std::string> PeriodJournalLines(const PeriodJournal& journal);
// The journal of these lines, or nothing when they are not one: every file it names must be a
// period file or a retiring period file, so a damaged journal can never move anything else.
std::optional<PeriodJournal> ParsePeriodJournal(const std::vector<std::string>& lines);

}  // namespace skemora
