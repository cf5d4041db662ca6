#include "core/notes/note_files.h"

#include <algorithm>

namespace skemora {

std::string NoteFileKey(const std::string& subject) {
    std::string key = subject;
    std::replace(key.begin(), key.end(), '/', '-');
    return key;
}

std::string LinkFilePath(const std::string& userFolder, const std::string& subject) {
    return userFolder + NoteFileKey(subject) + ".lin";
}

std::string TeacherFilePath(const std::string& userFolder, const std::string& subject) {
    return userFolder + NoteFileKey(subject) + ".lae";
}

std::string MatesFilePath(const std::string& userFolder, const std::string& userName) {
    return userFolder + userName + ".elv";
}

std::string UpcomingFilesPath(const std::string& userFolder) {
    return userFolder + kUpcomingFilesName;
}

}  // namespace skemora
