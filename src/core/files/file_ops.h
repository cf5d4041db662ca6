// The file operations every module uses.
#pragma once

#include <string>
#include <vector>

#include "core/files/file_identity.h"

namespace skemora {

// True only for an existing ordinary file (not a folder). A name beginning with "." counts like
// any other: the program writes such names itself (the subject ".NET" gives ".NET.lin").
bool FileExists(const std::string& path);
// Removes the file; a failure is ignored. A link is removed itself, never the file it leads to:
// that file may be kept in another folder for more than the diary.
void DeleteFile(const std::string& path);
// Creates one folder; an existing folder is no error, parents are not created. False on failure.
bool CreateFolder(const std::string& path);
// Copies `from` over `to`, replacing it atomically. False on failure.
bool CopyFile(const std::string& from, const std::string& to);
// Renames `from` over `to` (same file system), replacing it. False on failure.
bool MoveFile(const std::string& from, const std::string& to);

// The identity of what is at `path` now (following links); a missing file, or anything that
// is not an ordinary file, has the identity of a missing file.
FileIdentity IdentityOf(const std::string& path);
// The identity of the folder at `path` (following links); missing when there is no folder.
FileIdentity FolderIdentityOf(const std::string& path);

// One reading of a folder: the ordinary files in it, the links and entries of unknown kind
// (whose answer can change without the folder changing, so they are asked about each time),
// and the folder's own identity, taken from the folder that was read.
struct FolderListing {
    FileIdentity Folder;              // Exists false: the folder could not be read
    std::vector<std::string> Files;   // in the folder's own order
    std::vector<std::string> Probed;  // in the folder's own order
};
FolderListing ListFolder(const std::string& folder);

// Creating documents for the homework dialog.
// True when anything at all goes by that name: a file of any kind, hidden or not, a folder, a
// link (even one that leads nowhere).
bool NameTaken(const std::string& path);
// Creates `path` as a new empty file in one step that never opens anything already there:
// false, with nothing touched, when the name is taken. Throws CannotCreateFile(path) when it
// cannot be created for another reason.
bool CreateNewFile(const std::string& path);

}  // namespace skemora
