#include "core/files/file_identity.h"

#include <sys/stat.h>

namespace skemora {

FileIdentity IdentityFromStat(const struct stat& info) {
    FileIdentity identity;
    identity.Exists = true;
    identity.Size = static_cast<std::uint64_t>(info.st_size);
    identity.ModifiedSeconds = info.st_mtim.tv_sec;
    identity.ModifiedNanoseconds = info.st_mtim.tv_nsec;
    identity.Inode = info.st_ino;
    identity.Device = info.st_dev;
    identity.ChangedSeconds = info.st_ctim.tv_sec;
    identity.ChangedNanoseconds = info.st_ctim.tv_nsec;
    return identity;
}

bool Untouched(const FileIdentity& before, const FileIdentity& now) {
    return before.Exists && before == now && before.ChangedSeconds == now.ChangedSeconds &&
           before.ChangedNanoseconds == now.ChangedNanoseconds;
}

}  // namespace skemora
