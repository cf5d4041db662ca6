// Putting together two writers' changes to one file: what was read (the base), what this window
// would write (ours) and what the file holds now (theirs).
#pragma once

#include <string>
#include <vector>

namespace skemora {

struct LineMerge {
    std::vector<std::string> Lines;
    // Some line was changed by both sides to different values; Lines then holds theirs there.
    bool Conflict = false;
};

// A merge of files whose meaning is in the line numbers: a line only one side changed takes that
// side's change. A line past the end of a side counts as an empty line; the merge is as long as
// the longer side. When only one side changed anything, that side comes back byte for byte.
LineMerge MergeLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                     const std::vector<std::string>& theirs);

// A merge of a free text (the week notes) that loses neither side: changes to different parts
// of the base are both applied; where both changed the same part, theirs comes first and ours
// follows on a line of its own.
std::string MergeTexts(const std::string& base, const std::string& ours, const std::string& theirs);

// A text file's lines joined by "\n", and back: a text's lines (CR LF, LF or a lone trailing CR
// end a line); a text without a line break is one line.
std::string JoinLines(const std::vector<std::string>& lines);
std::vector<std::string> SplitLines(const std::string& text);

// Where a version of `path` that could not be merged is kept beside it, in the way sync tools
// name their conflicts: "DIR/NAME.skemora-conflict-YYYYMMDD-HHMMSS.EXT". `stamp` is
// "YYYYMMDD-HHMMSS".
std::string ConflictCopyPath(const std::string& path, const std::string& stamp);

// A conflict copy of another writer (Syncthing "NAME.sync-conflict-YYYYMMDD-HHMMSS-DEVICE.EXT",
// Nextcloud "NAME (conflicted copy ...).EXT", or this program's own): the file name it is a copy
// of, or "" for any other name.
std::string ConflictCopyOriginal(const std::string& fileName);
// Only the copies sync tools make, whose contents the program merges back itself.
bool IsSyncToolConflictCopy(const std::string& fileName);

// Sync tools' conflict copies: what they keep holds no base, only two versions of a file.
// Two texts of one note with no common base: the part they share at the start and at the end is
// kept once, the differing middles both, `first`'s before `second`'s on a line of its own. When
// one text holds the other whole, that one is the merge and nothing is doubled.
std::string MergeTextsWithoutBase(const std::string& first, const std::string& second);
// Two versions of a position-based line file with no common base: a line of `copy` goes in
// where the file's line is empty or the same. A line where both hold different non-empty values
// is a conflict, and takes `copy`'s value only with `preferCopy`.
LineMerge MergeCopyLines(const std::vector<std::string>& file, const std::vector<std::string>& copy,
                         bool preferCopy);

}  // namespace skemora
