// The names of a time-table's files: the main file and its user, the period files, the period
// and subject lists, and the week files. Paths are these names in the data or user folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skemora {

// The period list in the user folder.
inline constexpr const char* kPeriodListFileName = "fratil.dfd";
// The subject list in the user folder.
inline constexpr const char* kSubjectListFileName = "fagl.txt";
// The school's address card in the user folder.
inline constexpr const char* kSchoolFileName = "skol.dfd";
// The record of a period change under way in the user folder: the next opening completes or
// undoes a change a crash cut off.
inline constexpr const char* kPeriodJournalFileName = "fratil.jnl";
// The main time-table file's extension.
inline constexpr const char* kTimetableExtension = ".dfd";

// The extensions of every file the program writes in the data and user folders: the next
// opening removes the temporaries that saves cut off by a crash left of them.
std::vector<std::string> WrittenFileExtensions();

// The user name of a main file name: the name without its last four characters (".dfd"); a
// name of four characters or fewer is kept whole, so the user folder is never the data folder.
std::string UserNameOf(const std::string& fileName);
// Whether a file name in the data folder can be a main time-table file: a user name other than
// "." and ".." (so its folder is neither the data folder nor above it) plus ".dfd". A hidden
// name an earlier version let a pupil choose still opens; a sync tool's conflict copy does not.
bool IsMainFileName(const std::string& fileName);
// The user folder of a main file name in the data folder (ending with "/"), ending with "/".
std::string UserFolderOf(const std::string& dataFolder, const std::string& fileName);
// "S" + index + ".dfd"
std::string PeriodFileName(int index);
// "." + PeriodFileName(index) + ".retired": where a retired period's file waits until the new
// period list is written.
std::string RetiringPeriodFileName(int index);
// "a" + year + two-digit week + ".dff": the week's homework file.
std::string WeekFileName(int year, int week);
// The week file name with its last character "z": the week's notes file.
std::string WeekNotesFileName(int year, int week);

// The year and week a week homework file name was made of; nothing for any other name.
struct WeekFileWeek {
    int Year = 0;
    int Week = 0;
};
std::optional<WeekFileWeek> WeekOfWeekFileName(const std::string& name);

}  // namespace skemora
