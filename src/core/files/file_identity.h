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
    // When the inode last changed (any write, rename or change of mode; no program can set it
    // back). Not part of the comparison: renaming a freshly written file into place changes it,
    // and that is still the file this program wrote. A cached reading also compares it.
    std::int64_t ChangedSeconds = 0;
    std::int64_t ChangedNanoseconds = 0;
    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.Exists == b.Exists && a.Size == b.Size && a.ModifiedSeconds == b.ModifiedSeconds &&
               a.ModifiedNanoseconds == b.ModifiedNanoseconds && a.Inode == b.Inode &&
               a.Device == b.Device;
    }
};

// The same file with no change at all since `before` was taken: also its inode change time.
bool Untouched(const FileIdentity& before, const FileIdentity& now);

// The identity of what `info` describes (from stat or fstat).
FileIdentity IdentityFromStat(const struct stat& info);

}  // namespace skemora
