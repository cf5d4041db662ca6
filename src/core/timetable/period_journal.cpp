#include "core/timetable/period_journal.h"

#include <cstddef>

#include "core/timetable/file_names.h"
#include "core/timetable/periods.h"

namespace skemora {

namespace {

constexpr const char* kHeader = "Skemora period change";
constexpr const char* kMoving = "moving";
constexpr const char* kMoved = "moved";
constexpr const char* kCreated = "created ";
constexpr const char* kList = "list ";
constexpr const char* kMove = "move ";

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// A number of one to three digits without leading zero, or -1.
int SmallNumber(const std::string& digits) {
    if (digits.empty() || digits.size() > 3 || digits[0] == '0') return -1;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "S<k>.dfd" or ".S<k>.dfd.retired" for a period k of the list (the main file is never moved).
bool IsPeriodName(const std::string& name) {
    const bool retiring = StartsWith(name, ".S");
    const std::size_t first = retiring ? 2 : 1;
    if (!retiring && !StartsWith(name, "S")) return false;
    const std::size_t end = name.find('.', first);
    if (end == std::string::npos) return false;
    const int index = SmallNumber(name.substr(first, end - first));
    if (index < 1 || index >= kMaxPeriodEntries) return false;
    return name == (retiring ? RetiringPeriodFileName(index) : PeriodFileName(index));
}

}  // namespace

std::vector<std::string> PeriodJournalLines(const PeriodJournal& journal) {
    std::vector<std::string> lines = {kHeader, journal.Moved ? kMoved : kMoving,
                                      kCreated + journal.Created,
                                      kList + std::to_string(journal.NewList.size())};
    lines.insert(lines.end(), journal.NewList.begin(), journal.NewList.end());
    for (const auto& [from, to] : journal.Moves) lines.push_back(kMove + from + " " + to);
    return lines;
}

std::optional<PeriodJournal> ParsePeriodJournal(const std::vector<std::string>& lines) {
    if (lines.size() < 4 || lines[0] != kHeader) return std::nullopt;
    PeriodJournal journal;
    if (lines[1] != kMoving && lines[1] != kMoved) return std::nullopt;
    journal.Moved = lines[1] == kMoved;
    if (!StartsWith(lines[2], kCreated)) return std::nullopt;
    journal.Created = lines[2].substr(std::string(kCreated).size());
    if (!journal.Created.empty() && !IsPeriodName(journal.Created)) return std::nullopt;
    if (!StartsWith(lines[3], kList)) return std::nullopt;
    const std::string count = lines[3].substr(std::string(kList).size());
    const int listLines = count == "0" ? 0 : SmallNumber(count);
    if (listLines < 0 || listLines > kMaxPeriodEntries) return std::nullopt;
    const std::size_t firstMove = 4 + static_cast<std::size_t>(listLines);
    if (lines.size() < firstMove) return std::nullopt;
    journal.NewList.assign(lines.begin() + 4, lines.begin() + static_cast<long>(firstMove));
    for (std::size_t i = firstMove; i < lines.size(); ++i) {
        if (!StartsWith(lines[i], kMove)) return std::nullopt;
        const std::string names = lines[i].substr(std::string(kMove).size());
        const std::size_t blank = names.find(' ');
        if (blank == std::string::npos) return std::nullopt;
        std::string from = names.substr(0, blank);
        std::string to = names.substr(blank + 1);
        if (!IsPeriodName(from) || !IsPeriodName(to) || from == to) return std::nullopt;
        journal.Moves.emplace_back(std::move(from), std::move(to));
    }
    return journal;
}

}  // namespace skemora
