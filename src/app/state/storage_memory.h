// What the storage layer remembers of the files: the identity of each file as it was last read
// or written, and the last listing of the user folder with what it takes to trust it.
#pragma once

#include <map>
#include <string>

#include "core/files/file_identity.h"
#include "core/files/file_ops.h"

namespace skemora {

struct StorageMemory {
    std::map<std::string, FileIdentity> Files;  // by path
    std::string ListedFolder;                   // empty: no listing held
    FolderListing Listing;
    // The folder's time stamp lay far enough before the listing that any later change of the
    // folder shows as another time stamp; only such a listing answers for a fresh one.
    bool ListingTrusted = false;
};

}  // namespace skemora
