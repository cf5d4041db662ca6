// What a file was when it was read or written: enough to tell a later copy from this one
// without reading it again. A missing file is an identity of its own.
#pragma once

#include <cstdint>

struct stat;

namespace skemora {

struct FileIdentity {
    bool Exists = false;
    std::uint64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Device = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of what `info` describes (from stat or fstat).
FileIdentity IdentityFromStat(const struct stat& info);

}  // namespace skemora
