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
    return identity;
}

}  // namespace skemora
