#include "timetable/file_names.h"

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
    return fileName.size() > extension.size() && fileName.front() != '.' &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
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

}  // namespace skemora
