// Whole text files: lines ended by CR LF (a lone CR or LF also ends a line when reading),
// Windows-1252 on disk unless the text needs UTF-8, UTF-8 in memory; atomic replace on write.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_identity.h"

namespace skemora {

// The lines of the file; throws SkemoraError when it exists but cannot be read.
std::vector<std::string> ReadLines(const std::string& path);
// The lines of the file, with the identity of what was read (taken from the file that was
// read); nullopt, and a missing identity, for no ordinary file there, told in the common case
// by one failed open. Throws SkemoraError like ReadLines for a file there that cannot be read.
std::optional<std::vector<std::string>> ReadLinesIfPresent(const std::string& path,
                                                           FileIdentity& identity);
// The same for the file's bytes as they stand.
std::optional<std::string> ReadBytesIfPresent(const std::string& path, FileIdentity& identity);
// Replaces the file atomically; throws CannotCreateFile(path) on any failure. Answers the
// identity of the file it leaves.
FileIdentity WriteLines(const std::string& path, const std::vector<std::string>& lines);
// Strict decimal conversion; throws InvalidInteger(text).
int StrToInt(const std::string& text);

// A value kept on one line of a file: every CR and LF becomes a blank, so that a line break
// pasted into a field cannot shift the lines after it. Every line written goes through it.
std::string OneLine(std::string text);
bool HoldsLineBreak(const std::string& text);
// The bytes a file of these lines holds: each line as OneLine makes it with CR LF after it,
// Windows-1252 when every character fits and reads back the same, else UTF-8.
std::string EncodeLines(const std::vector<std::string>& lines);
// The lines of a file's bytes, as UTF-8.
std::vector<std::string> DecodeLines(const std::string& bytes);
// The encoding DecodeLines takes these bytes in, as a charset name for a web page: "utf-8" for
// valid UTF-8 beyond ASCII, else "windows-1252".
std::string_view CharsetOf(const std::string& bytes);

// The file a write of `path` replaces: `path` itself, or for a symbolic link the file at the end
// of its chain (a relative target taken from the link's own folder), so that a linked file is
// written through and stays a link. A chain too long or looping ends where it stops.
std::string WriteTargetOf(const std::string& path);

// Removes what saves cut off by a crash left in `folder`: StagedFile temporaries
// ".<name>.XXXXXX" (six letters or digits) whose <name> is no hidden name and ends with one of
// `extensions`, and those beside the target of each link in `folder` with such a name. Nothing
// else is touched; the number removed is answered.
int RemoveLeftoverTemporaries(const std::string& folder,
                              const std::vector<std::string>& extensions);

// A file written in full beside its target (hidden temporary name, flushed to disk), which
// Commit renames over the target; the target of a link is the file the link leads to. Dropped uncommitted, the temporary is removed. Lets a save
// prepare every file that needs disk space before it changes anything.
class StagedFile {
public:
    // Throws CannotCreateFile(path) when the temporary cannot be written.
    StagedFile(const std::string& path, const std::string& bytes);
    StagedFile(const std::string& path, const std::vector<std::string>& lines)
        : StagedFile(path, EncodeLines(lines)) {}
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Throws CannotCreateFile(path) when the rename fails; the temporary is then removed.
    void Commit();
    const std::string& Path() const { return path_; }
    // The identity the target has once committed.
    const FileIdentity& Identity() const { return identity_; }
    // The bytes written.
    const std::string& Bytes() const { return bytes_; }

private:
    std::string path_;
    std::string target_;
    std::string bytes_;
    std::string temporary_;
    FileIdentity identity_;
};

}  // namespace skemora
