#include "core/timetable/file_names.h"

#include <algorithm>

#include "core/files/merge.h"

namespace skemora {

std::vector<std::string> WrittenFileExtensions() {
    // Time-tables, periods, school and lists; week homework, notes and holidays; the subject
    // list; the upcoming files; links, teachers and mates; the exported page; the period journal.
    return {".dfd", ".dff", ".dfz", ".dfg",  ".txt", ".flk",
            ".lin", ".lae", ".elv", ".html", ".jnl"};
}

std::string UserNameOf(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

bool IsMainFileName(const std::string& fileName) {
    const std::string extension = kTimetableExtension;
    if (fileName.size() <= extension.size() ||
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    const std::string user = UserNameOf(fileName);
    // A sync tool's copy of a main file is no pupil of its own.
    return user != "." && user != ".." && ConflictCopyOriginal(fileName).empty();
}

std::string UserFolderOf(const std::string& dataFolder, const std::string& fileName) {
    return dataFolder + UserNameOf(fileName) + "/";
}

std::string PeriodFileName(int index) {
    return "S" + std::to_string(index) + ".dfd";
}

std::string RetiringPeriodFileName(int index) {
    return "." + PeriodFileName(index) + ".retired";
}

std::string WeekFileName(int year, int week) {
    return "a" + std::to_string(year) + (week < 10 ? "0" : "") + std::to_string(week) + ".dff";
}

std::string WeekNotesFileName(int year, int week) {
    std::string name = WeekFileName(year, week);
    name.back() = 'z';
    return name;
}

std::optional<WeekFileWeek> WeekOfWeekFileName(const std::string& name) {
    const std::string suffix = ".dff";
    if (name.size() < 1 + 3 + suffix.size() || name.front() != 'a' ||
        !name.ends_with(suffix)) {
        return std::nullopt;
    }
    const std::string digits = name.substr(1, name.size() - 1 - suffix.size());
    // Four-digit years and two-digit weeks are all the calendar makes.
    if (digits.size() != 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const WeekFileWeek week{std::stoi(digits.substr(0, 4)), std::stoi(digits.substr(4))};
    if (WeekFileName(week.Year, week.Week) != name) return std::nullopt;
    return week;
}

}  // namespace skemora
