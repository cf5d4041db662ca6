// The upcoming-files list ("lek.flk"): entries of three lines (the lesson's day number, its
// subject, its first file shortcut), ascending by day number. A trailing incomplete entry is no
// entry but stays in the list.
#pragma once

#include <string>
#include <vector>

namespace skemora {

struct UpcomingEntry {
    int LessonDate = 0;  // DayNumber
    std::string Subject;
    std::string Shortcut;
};

// Throws InvalidInteger on the first entry whose date line is no decimal number, so that no
// change is made to a list that is not understood.
void CheckUpcomingDates(const std::vector<std::string>& lines);
// Removes every entry equal to `entry`; true when one was removed. The dates must be checked.
bool RemoveUpcomingEntries(std::vector<std::string>& lines, const UpcomingEntry& entry);
// Drops the expired entries at the head (dated before `today`), then inserts `entry` in front of
// the first entry not dated before it, unless an equal entry is already there. The dates must be
// checked.
void AddUpcomingEntry(std::vector<std::string>& lines, const UpcomingEntry& entry, int today);

}  // namespace skemora
