// What the storage layer remembers of the files: the identity of each file as it was last read
// or written, and the last listing of the user folder with what it takes to trust it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

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

    // Another writer: the lines each file held when last read or written here (the base a
    // change made meanwhile is merged against); no entry for a file that was not there.
    std::map<std::string, std::vector<std::string>> Lines;
    // Files read here long enough after their last change that any later change shows as
    // another identity: while the identity stays, their kept lines are what a read would give.
    std::set<std::string> Settled;
    // A write merged another writer's change into a file: what is held in memory is older
    // than the files until the shown week is read again.
    bool OtherWriterMerged = false;
    // Files whose change by another writer could not be merged with this window's: the file
    // and where this window's version was written beside it.
    std::vector<std::pair<std::string, std::string>> ConflictCopies;

    // The last version this window wrote of each file, and what the file held before this
    // window's run of writes to it began: a sync tool's conflict copy of that version is merged
    // against what both computers started from.
    struct OwnWrite {
        std::vector<std::string> Base;
        std::vector<std::string> Lines;
        FileIdentity Identity;  // of the file as written (its bytes encode Lines exactly)
    };
    std::map<std::string, OwnWrite> Written;
};

}  // namespace skemora
