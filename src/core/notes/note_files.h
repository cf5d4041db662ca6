// The names of the lesson notes' files in a user folder: the upcoming-files list, the links and
// teacher card of a subject, and the time-table's school mates.
#pragma once

#include <string>

namespace skemora {

// The sorted list of future lessons that carry file shortcuts.
inline constexpr const char* kUpcomingFilesName = "lek.flk";

// The stem of a subject's files: the subject with every "/" replaced by "-".
std::string NoteFileKey(const std::string& subject);
// userFolder (ending with "/") + key + ".lin"
std::string LinkFilePath(const std::string& userFolder, const std::string& subject);
// userFolder + key + ".lae"
std::string TeacherFilePath(const std::string& userFolder, const std::string& subject);
// userFolder + userName + ".elv"
std::string MatesFilePath(const std::string& userFolder, const std::string& userName);
// userFolder + "lek.flk"
std::string UpcomingFilesPath(const std::string& userFolder);

}  // namespace skemora
