#include "core/files/file_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/files/paths.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "core/files/write_faults.h"

namespace skemora {

bool FileExists(const std::string& path) {
    if (FileNamePart(path).empty()) return false;
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileIdentity IdentityOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return IdentityFromStat(info);
}

FileIdentity FolderIdentityOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    return IdentityFromStat(info);
}

FolderListing ListFolder(const std::string& folder) {
    FolderListing listing;
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr) return listing;
    struct stat info {};
    if (fstat(dirfd(entries), &info) != 0) {
        closedir(entries);
        return listing;
    }
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (entry->d_type == DT_REG) {
            listing.Files.push_back(name);
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            listing.Probed.push_back(name);
        }
    }
    closedir(entries);
    listing.Folder = IdentityFromStat(info);
    return listing;
}

void DeleteFile(const std::string& path) {
    if (WriteStepFails(WriteStep::Delete)) return;
    unlink(path.c_str());
}

bool CreateFolder(const std::string& path) {
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.empty()) return false;
    if (mkdir(folder.c_str(), 0777) == 0) return true;
    struct stat info {};
    return errno == EEXIST && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CopyFile(const std::string& from, const std::string& to) {
    if (!FileExists(from)) return false;
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) return false;
        StagedFile copy(to, bytes);
        copy.Commit();
    } catch (const std::ios_base::failure&) {
        // A read error is thrown by the stream buffer itself.
        return false;
    } catch (const SkemoraError&) {
        return false;
    }
    return true;
}

bool MoveFile(const std::string& from, const std::string& to) {
    return !WriteStepFails(WriteStep::Rename) && std::rename(from.c_str(), to.c_str()) == 0;
}

bool NameTaken(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

bool CreateNewFile(const std::string& path) {
    if (WriteStepFails(WriteStep::Create)) throw CannotCreateFile(path, errno);
    // O_EXCL refuses every name already there, a link included, without following it.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return false;
        throw CannotCreateFile(path, errno);
    }
    if (close(fd) != 0) throw CannotCreateFile(path, errno);
    return true;
}

}  // namespace skemora
