#include "core/notes/upcoming_files.h"

#include "core/files/text_file.h"

namespace skemora {

namespace {

std::size_t EntryCount(const std::vector<std::string>& lines) {
    return lines.size() / 3;
}

int DateOf(const std::vector<std::string>& lines, std::size_t entry) {
    return StrToInt(lines[3 * entry]);
}

bool Equal(const std::vector<std::string>& lines, std::size_t entry, const UpcomingEntry& e) {
    return DateOf(lines, entry) == e.LessonDate && lines[3 * entry + 1] == e.Subject &&
           lines[3 * entry + 2] == e.Shortcut;
}

}  // namespace

void CheckUpcomingDates(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < EntryCount(lines); ++i) DateOf(lines, i);
}

bool RemoveUpcomingEntries(std::vector<std::string>& lines, const UpcomingEntry& entry) {
    bool removed = false;
    std::size_t i = 0;
    while (i < EntryCount(lines)) {
        if (Equal(lines, i, entry)) {
            const auto first = lines.begin() + static_cast<std::ptrdiff_t>(3 * i);
            lines.erase(first, first + 3);
            removed = true;
        } else {
            ++i;
        }
    }
    return removed;
}

void AddUpcomingEntry(std::vector<std::string>& lines, const UpcomingEntry& entry, int today) {
    const std::vector<std::string> added = {std::to_string(entry.LessonDate), entry.Subject,
                                            entry.Shortcut};
    if (lines.empty()) {
        lines = added;
        return;
    }
    while (EntryCount(lines) > 0 && DateOf(lines, 0) < today)
        lines.erase(lines.begin(), lines.begin() + 3);

    const std::size_t n = EntryCount(lines);
    for (std::size_t i = 0; i < n; ++i) {
        if (Equal(lines, i, entry)) return;
    }
    std::size_t p = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (DateOf(lines, i) < entry.LessonDate) p = 3 * i + 3;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(p), added.begin(), added.end());
}

}  // namespace skemora
