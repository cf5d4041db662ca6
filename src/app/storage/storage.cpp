#include "app/storage/storage.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "app/state/timetable_state.h"
#include "core/files/file_ops.h"
#include "core/files/merge.h"
#include "core/files/paths.h"
#include "core/files/skemora_error.h"
#include "core/timetable/file_names.h"
#include "core/timetable/subject_list.h"

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

// What a file is after this program read or wrote it: its identity and, when there, its lines
// as the file holds them.
void Remember(StorageMemory& memory, const std::string& path, const FileIdentity& identity,
              const std::optional<std::vector<std::string>>& lines) {
    memory.Files[path] = identity;
    if (lines) {
        auto& kept = memory.Lines[path];
        kept.clear();
        kept.reserve(lines->size());
        for (const auto& line : *lines) kept.push_back(OneLine(line));
    } else {
        memory.Lines.erase(path);
    }
    // The same rule as a listing's: a change later than the margin gets another time stamp.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto changed = std::max(ModifiedSinceEpoch(identity),
                                  std::chrono::seconds(identity.ChangedSeconds) +
                                      std::chrono::nanoseconds(identity.ChangedNanoseconds));
    if (lines && identity.Exists && changed + kTimeStampMargin < now) {
        memory.Settled.insert(path);
    } else {
        memory.Settled.erase(path);
    }
}

// The lines kept of a settled file that has not changed since: a fresh read would give them.
const std::vector<std::string>* KeptLinesStillTrue(const StorageMemory& memory,
                                                   const std::string& path) {
    if (memory.Settled.count(path) == 0) return nullptr;
    const auto identity = memory.Files.find(path);
    const auto lines = memory.Lines.find(path);
    if (identity == memory.Files.end() || lines == memory.Lines.end()) return nullptr;
    return Untouched(identity->second, IdentityOf(path)) ? &lines->second : nullptr;
}

// The lines kept of `path` are `lines`, as a read of their file would give them back.
bool KeptLinesAre(const StorageMemory& memory, const std::string& path,
                  const std::vector<std::string>& lines) {
    const auto kept = memory.Lines.find(path);
    return kept != memory.Lines.end() &&
           std::equal(kept->second.begin(), kept->second.end(), lines.begin(), lines.end(),
                      [](const std::string& held, const std::string& line) {
                          return held == line || held == OneLine(line);
                      });
}

// The file at `path` is still the one this window last wrote there: its bytes are known.
bool OwnLastWrite(const StorageMemory& memory, const std::string& path) {
    const auto own = memory.Written.find(path);
    const auto identity = memory.Files.find(path);
    return own != memory.Written.end() && identity != memory.Files.end() &&
           identity->second.Exists && own->second.Identity == identity->second;
}

// The same for a file this program wrote: a run of writes keeps the base it started from.
void RememberWrite(StorageMemory& memory, const std::string& path, const FileIdentity& identity,
                   const std::vector<std::string>& lines) {
    const auto before = memory.Lines.find(path);
    const bool known = before != memory.Lines.end();
    auto [own, first] = memory.Written.try_emplace(path);
    if (first || !known || before->second != own->second.Lines)
        own->second.Base = known ? before->second : std::vector<std::string>{};
    Remember(memory, path, identity, lines);
    own->second.Lines = memory.Lines[path];
    own->second.Identity = identity;
}

// The local time as a conflict copy's name gives it: "YYYYMMDD-HHMMSS".
std::string ConflictStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

bool AllEmpty(const std::vector<std::string>& lines) {
    return std::all_of(lines.begin(), lines.end(), [](const auto& line) { return line.empty(); });
}

// The week notes (".dfz") are a free text; every other file has its meaning in line positions.
bool IsNotesFile(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".dfz") == 0;
}

// `path` changed since it was read here (another window, a sync tool): this window's version
// (`ours`, nullopt to remove the file) is merged with what the file holds now against what was
// read. A change that cannot be merged leaves their file and puts ours beside it.
void WriteOverOtherWriter(MainState& state, const std::string& path,
                          const std::optional<std::vector<std::string>>& ours) {
    auto& memory = state.Storage;
    FileIdentity theirsIdentity;
    const auto theirs = ReadLinesIfPresent(path, theirsIdentity);
    const bool baseKnown = memory.Files.count(path) > 0;
    const auto kept = memory.Lines.find(path);
    const std::vector<std::string> base =
        kept == memory.Lines.end() ? std::vector<std::string>{} : kept->second;
    const std::vector<std::string> oursLines = ours.value_or(std::vector<std::string>{});

    const auto write = [&](const std::vector<std::string>& lines) {
        RememberWrite(memory, path, WriteLines(path, lines), lines);
    };
    const auto remove = [&] {
        DeleteFile(path);
        Remember(memory, path, FileIdentity{}, std::nullopt);
    };
    const auto keepTheirs = [&] {
        Remember(memory, path, theirsIdentity, theirs);
        if (*theirs != oursLines) memory.OtherWriterMerged = true;
    };

    // Removed by the other side: what this window holds loses nothing.
    if (!theirs) {
        if (ours) write(*ours);
        else Remember(memory, path, FileIdentity{}, std::nullopt);
        return;
    }
    std::vector<std::string> merged;
    bool conflict = false;
    if (!baseKnown) {
        // Never read here: only a different file is a conflict.
        merged = *theirs;
        conflict = ours && *ours != *theirs;
    } else if (FileNamePart(path) == kSubjectListFileName) {
        // A set of subjects: both sides' additions go in, wherever each put them.
        merged = MergeSubjectLists(base, oursLines, *theirs);
    } else if (IsNotesFile(path)) {
        const std::string text =
            MergeTexts(JoinLines(base), JoinLines(oursLines), JoinLines(*theirs));
        if (!text.empty()) merged = SplitLines(text);
    } else {
        LineMerge lineMerge = MergeLines(base, oursLines, *theirs);
        merged = std::move(lineMerge.Lines);
        conflict = lineMerge.Conflict;
    }
    if (conflict) {
        keepTheirs();
        // Removing is no version to keep: their change stands.
        if (!ours) return;
        const std::string copy = ConflictCopyPath(path, ConflictStamp());
        WriteLines(copy, *ours);
        memory.ConflictCopies.emplace_back(path, copy);
        return;
    }
    if (merged == *theirs) {
        keepTheirs();
        return;
    }
    if (AllEmpty(merged)) {
        remove();
    } else {
        write(merged);
    }
    if (merged != oursLines) memory.OtherWriterMerged = true;
}

}  // namespace

std::optional<std::vector<std::string>> ReadStored(MainState& state, const std::string& path) {
    if (const auto* kept = KeptLinesStillTrue(state.Storage, path)) return *kept;
    FileIdentity identity;
    auto lines = ReadLinesIfPresent(path, identity);
    Remember(state.Storage, path, identity, lines);
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
    if (ChangedSinceRead(state, path)) {
        ForgetListing(state.Storage);
        return WriteOverOtherWriter(state, path, lines);
    }
    // A save writes every file of the time-table. One that holds these lines already is left
    // as it is: known without reading when this window wrote it last, else by comparing bytes.
    auto& memory = state.Storage;
    const bool sameLines = KeptLinesAre(memory, path, lines);
    if (sameLines && OwnLastWrite(memory, path)) {
        const FileIdentity identity = memory.Files[path];
        return RememberWrite(memory, path, identity, lines);
    }
    ForgetListing(memory);
    if (sameLines) return RememberWrite(memory, path, WriteLines(path, lines), lines);
    // Other lines than the file holds are other bytes: no need to read it first.
    StagedFile file(path, EncodeLines(lines));
    file.Commit();
    RememberWrite(memory, path, file.Identity(), lines);
}

void ReplaceStored(MainState& state, const std::string& path,
                   const std::vector<std::string>& lines) {
    ForgetListing(state.Storage);
    Remember(state.Storage, path, WriteLines(path, lines), lines);
}

void CommitStored(MainState& state, StagedFile& file) {
    ForgetListing(state.Storage);
    // Dropped uncommitted, the staged copy goes away.
    const auto lines = DecodeLines(file.Bytes());
    if (ChangedSinceRead(state, file.Path()))
        return WriteOverOtherWriter(state, file.Path(), lines);
    file.Commit();
    RememberWrite(state.Storage, file.Path(), file.Identity(), lines);
}

void RemoveStored(MainState& state, const std::string& path) {
    ForgetListing(state.Storage);
    if (ChangedSinceRead(state, path)) return WriteOverOtherWriter(state, path, std::nullopt);
    DeleteFile(path);
    Remember(state.Storage, path, FileIdentity{}, std::nullopt);
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
    for (const auto& path : paths) {
        state.Storage.Files.erase(path);
        state.Storage.Lines.erase(path);
    }
}

void MoveStoredBase(MainState& state, const std::string& from, const std::string& to) {
    auto& memory = state.Storage;
    const auto identity = memory.Files.find(from);
    if (identity == memory.Files.end()) return ForgetStored(state, {from, to});
    memory.Files[to] = identity->second;
    const auto lines = memory.Lines.find(from);
    if (lines == memory.Lines.end()) {
        memory.Lines.erase(to);
    } else {
        memory.Lines[to] = lines->second;
    }
    ForgetStored(state, {from});
}

void AssumeStoredBase(MainState& state, const std::string& path,
                      const std::vector<std::string>& lines) {
    if (state.Storage.Files.count(path) > 0 || lines.empty()) return;
    Remember(state.Storage, path, FileIdentity{}, lines);
}

void RereadStored(MainState& state, const std::vector<std::string>& paths) {
    ForgetStored(state, paths);
    for (const auto& path : paths) {
        try {
            ReadStored(state, path);
        } catch (const SkemoraError&) {
            // Unreadable: it stays unknown, and a write over it is careful.
        }
    }
}

std::optional<std::vector<std::string>> BaseOfOwnVersion(const MainState& state,
                                                         const std::string& path,
                                                         const std::vector<std::string>& version) {
    const auto own = state.Storage.Written.find(path);
    // A run of writes that changed nothing is no side of a conflict.
    if (own == state.Storage.Written.end() || own->second.Lines != version ||
        own->second.Base == version) {
        return std::nullopt;
    }
    return own->second.Base;
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
    const std::string& folder = UserFolder(state);
    if (folder.empty()) return present;
    const FolderListing& listing = CurrentListing(state.Storage, folder);
    // The week of `year` whose homework file a name of the listing is, else 0: a name is
    // the prefix, two digits and the extension (a folder of ten years holds a thousand names).
    const std::string first = WeekFileName(year, 10);
    const std::string prefix = first.substr(0, first.size() - 6);
    const std::string extension = first.substr(first.size() - 4);
    const auto weekOf = [&](const std::string& name) -> int {
        if (name.size() != first.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            !name.ends_with(extension)) {
            return 0;
        }
        const char tens = name[prefix.size()];
        const char ones = name[prefix.size() + 1];
        if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return 0;
        const int week = (tens - '0') * 10 + (ones - '0');
        return week >= 1 && week <= 53 ? week : 0;
    };
    if (!listing.Folder.Exists) {
        // A folder that cannot be listed may still let its files be found.
        for (int w = 1; w <= 53; ++w) present[w - 1] = FileExists(folder + WeekFileName(year, w));
        return present;
    }
    for (const auto& name : listing.Files) {
        if (const int w = weekOf(name)) present[w - 1] = true;
    }
    // A link's answer follows its target, which can change while the folder does not.
    for (const auto& name : listing.Probed) {
        if (const int w = weekOf(name); w && FileExists(folder + name)) present[w - 1] = true;
    }
    return present;
}

}  // namespace skemora
