// The one way to the data folder and the user folder: reading, writing and removing files,
// asking whether one exists, and which week files the shown year has. It remembers what each
// file was when read or written (MainState::Storage), so a change behind the program shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/state/main_state.h"
#include "core/files/text_file.h"

namespace skemora {

// The file's lines; nullopt when there is no file (one failed open). Remembers its identity.
std::optional<std::vector<std::string>> ReadStored(MainState& state, const std::string& path);
// The same for a file that must be there: no file throws as a failed read.
std::vector<std::string> ReadStoredRequired(MainState& state, const std::string& path);
// The same with no file read as no lines.
std::vector<std::string> ReadStoredOrEmpty(MainState& state, const std::string& path);
// Replaces the file atomically (WriteLines) and remembers what it wrote. When the file changed
// since it was read here (another window, a sync tool), this window's version is merged with it
// instead (the week notes as texts, every other file line by line), or, where both changed the
// same thing, their file stays and this version is kept beside it as a conflict copy
// (MainState::Storage tells which). CommitStored and RemoveStored do the same.
void WriteStored(MainState& state, const std::string& path, const std::vector<std::string>& lines);
// Replaces the file with `lines` whatever it holds now: a file made from others (a page),
// or one the user chose to replace.
void ReplaceStored(MainState& state, const std::string& path, const std::vector<std::string>& lines);
// Commits a file prepared beside its target and remembers what it wrote.
void CommitStored(MainState& state, StagedFile& file);
// Removes the file (a failure is ignored) and remembers it missing; a file changed since it
// was read is merged with nothing from this side instead.
void RemoveStored(MainState& state, const std::string& path);
// Whether an ordinary file is there now.
bool StoredFileExists(const std::string& path);
// Creates the folder (CreateFolder); false on failure.
bool CreateStoredFolder(MainState& state, const std::string& folder);
// Removes what saves cut off by a crash left in the folder (RemoveLeftoverTemporaries).
void RemoveLeftovers(MainState& state, const std::string& folder);
// Files of the user folder were changed by other means (a period change renames lesson
// files): what was remembered of them and the folder's listing are dropped.
void ForgetStored(MainState& state, const std::vector<std::string>& paths);
// Another writer moved the file at `from` to `to` (a period inserted elsewhere): what was
// remembered of it follows it, and nothing is remembered at `from`.
void MoveStoredBase(MainState& state, const std::string& from, const std::string& to);
// Nothing is remembered of `path`: `lines` stand for what was read of it (the lessons held,
// about to be written there, came from these lines of another file), so a file there now is
// merged against them.
void AssumeStoredBase(MainState& state, const std::string& path,
                      const std::vector<std::string>& lines);
// The same for files this program itself changed by other means: what they hold now is
// remembered as read.
void RereadStored(MainState& state, const std::vector<std::string>& paths);

// The ordinary files in `folder` (links followed), by name, sorted; answered from the same
// listing as WeekFilesOfYear when the folder has not changed.
std::vector<std::string> FilesInFolder(MainState& state, const std::string& folder);

// What `path` held before this window wrote `version` into it (over a run of writes, before
// the first), when `version` is the last this window wrote there and differs from that base;
// nullopt otherwise.
std::optional<std::vector<std::string>> BaseOfOwnVersion(const MainState& state,
                                                         const std::string& path,
                                                         const std::vector<std::string>& version);

// True when `path` was never read or written here, or is no longer what it was then.
bool ChangedSinceRead(const MainState& state, const std::string& path);

// Which week files of `year` the user folder holds (index week - 1), answered from one listing
// of the folder, which is read again only when the folder changed.
std::array<bool, 53> WeekFilesOfYear(MainState& state, int year);

}  // namespace skemora
