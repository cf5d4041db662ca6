#include "app/storage/storage.h"

#include <algorithm>
#include <chrono>

#include "app/state/timetable_state.h"
#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"

namespace skemora {

namespace {

// Longer than the coarsest time stamps of a folder (two seconds on FAT): a folder changed this
// long before it was listed gets another time stamp from any later change.
constexpr std::chrono::seconds kTimeStampMargin{2};

void ForgetListing(StorageMemory& memory) {
    memory.ListedFolder.clear();
    memory.Listing = {};
    memory.ListingTrusted = false;
}

std::chrono::nanoseconds ModifiedSinceEpoch(const FileIdentity& identity) {
    return std::chrono::seconds(identity.ModifiedSeconds) +
           std::chrono::nanoseconds(identity.ModifiedNanoseconds);
}

// The listing of `folder` as a fresh one would read now.
const FolderListing& CurrentListing(StorageMemory& memory, const std::string& folder) {
    if (memory.ListedFolder == folder && memory.ListingTrusted &&
        FolderIdentityOf(folder) == memory.Listing.Folder) {
        return memory.Listing;
    }
    const auto listedAt = std::chrono::system_clock::now().time_since_epoch();
    memory.Listing = ListFolder(folder);
    memory.ListedFolder = folder;
    memory.ListingTrusted = memory.Listing.Folder.Exists &&
                            ModifiedSinceEpoch(memory.Listing.Folder) + kTimeStampMargin < listedAt;
    return memory.Listing;
}

bool Holds(const std::vector<std::string>& sorted, const std::string& name) {
    return std::binary_search(sorted.begin(), sorted.end(), name);
}

}  // namespace

std::optional<std::vector<std::string>> ReadStored(MainState& state, const std::string& path) {
    FileIdentity identity;
    auto lines = ReadLinesIfPresent(path, identity);
    state.Storage.Files[path] = identity;
    return lines;
}

std::vector<std::string> ReadStoredRequired(MainState& state, const std::string& path) {
    auto lines = ReadStored(state, path);
    if (!lines) throw SkemoraError(ErrorKind::CannotOpenFile, {path});
    return std::move(*lines);
}

std::vector<std::string> ReadStoredOrEmpty(MainState& state, const std::string& path) {
    auto lines = ReadStored(state, path);
    return lines ? std::move(*lines) : std::vector<std::string>{};
}

void WriteStored(MainState& state, const std::string& path, const std::vector<std::string>& lines) {
    ForgetListing(state.Storage);
    state.Storage.Files[path] = WriteLines(path, lines);
}

void CommitStored(MainState& state, StagedFile& file) {
    ForgetListing(state.Storage);
    file.Commit();
    state.Storage.Files[file.Path()] = file.Identity();
}

void RemoveStored(MainState& state, const std::string& path) {
    ForgetListing(state.Storage);
    DeleteFile(path);
    state.Storage.Files[path] = FileIdentity{};
}

bool StoredFileExists(const std::string& path) {
    return FileExists(path);
}

bool CreateStoredFolder(MainState& state, const std::string& folder) {
    ForgetListing(state.Storage);
    return CreateFolder(folder);
}

void RemoveLeftovers(MainState& state, const std::string& folder) {
    ForgetListing(state.Storage);
    RemoveLeftoverTemporaries(folder, WrittenFileExtensions());
}

void ForgetStored(MainState& state, const std::vector<std::string>& paths) {
    ForgetListing(state.Storage);
    for (const auto& path : paths) state.Storage.Files.erase(path);
}

bool ChangedSinceRead(const MainState& state, const std::string& path) {
    const auto known = state.Storage.Files.find(path);
    return known == state.Storage.Files.end() || IdentityOf(path) != known->second;
}

std::vector<std::string> FilesInFolder(MainState& state, const std::string& folder) {
    const FolderListing& listing = CurrentListing(state.Storage, folder);
    std::vector<std::string> names = listing.Files;
    for (const auto& name : listing.Probed) {
        if (FileExists(folder + name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::array<bool, 53> WeekFilesOfYear(MainState& state, int year) {
    std::array<bool, 53> present{};
    if (UserFolder(state).empty()) return present;
    const FolderListing& listing = CurrentListing(state.Storage, UserFolder(state));
    for (int w = 1; w <= 53; ++w) {
        const std::string name = WeekFileName(year, w);
        // A link's answer follows its target, which can change while the folder does not; a
        // folder that cannot be listed may still let its files be found.
        const bool probe = !listing.Folder.Exists || Holds(listing.Probed, name);
        present[w - 1] =
            Holds(listing.Files, name) || (probe && FileExists(UserFolder(state) + name));
    }
    return present;
}

}  // namespace skemora
