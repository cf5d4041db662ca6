// The validity periods: the list of Mondays on which the periods begin, paired with their lesson
// files, and the choice of the period valid on a day.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar/calendar.h"

namespace skemora {

constexpr int kMaxPeriodEntries = 200;
constexpr int kMaxStoredPeriods = 81;

struct PeriodEntry {
    std::uint16_t Start = 0;  // a DayNumber, always a Monday
    std::string FileName;
    friend bool operator==(const PeriodEntry&, const PeriodEntry&) = default;
};
struct PeriodList {
    int Count = 0;
    std::array<PeriodEntry, kMaxPeriodEntries> Entries;
    friend bool operator==(const PeriodList&, const PeriodList&) = default;
};

// Entry 0 gets line 0 and `mainFileName`, entry k the k-th line and "S" + k + ".dfd"; lines
// after the 200th are ignored. A line that is no day number (blank, not an integer, or outside
// 0..65535) throws InvalidInteger. Entries 1 on are then put in order of their starts (equal
// starts in list order), each keeping its own file name: a list out of order, made by hand or
// by a bad merge, shows every period in its weeks. Entry 0 stays first, as its file is the main
// file.
PeriodList BuildPeriodList(const std::vector<std::string>& lines, const std::string& mainFileName);
// The lines of the period list file: one start per entry.
std::vector<std::string> PeriodListLines(const PeriodList& periods);
// Whether the list is as a save writes it: starts never decreasing, and entry k >= 1 the file
// "S" + k + ".dfd".
bool PeriodListInOrder(const PeriodList& periods);
// The list as written in order: entry k >= 1 takes "S" + k + ".dfd", and entry 0's start, when
// later than entry 1's, becomes entry 1's (the weeks before entry 1 are period 0's either way).
PeriodList OrderedPeriodList(const PeriodList& periods);
// The last entry, in list order, whose start is on or before the day; 0 when none is. Always an
// index inside the list (or 0 for an empty one), whatever order the starts are in.
int PeriodForDate(const PeriodList& periods, int dayNumber);
// The day number of the Monday on or before the date (Monday-based whatever the option).
int MondayOf(const Date& date);
// The Monday of the school week shown while the date is selected: the Monday on or before it,
// except that with Sunday first a Sunday opens the week after it.
int ShownMonday(const Date& date, bool sundayFirst);

}  // namespace skemora
