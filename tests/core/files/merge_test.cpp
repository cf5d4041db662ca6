#include "core/files/merge.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

using Lines = std::vector<std::string>;

struct LineCase {
    const char* what;
    Lines base, ours, theirs, merged;
    bool conflict;
};

TEST(MergeLines, EachSideKeepsWhatOnlyItChanged) {
    const LineCase cases[] = {
        {"only ours changed", {"a", "b"}, {"a", "B"}, {"a", "b"}, {"a", "B"}, false},
        {"only theirs changed", {"a", "b"}, {"a", "b"}, {"A", "b"}, {"A", "b"}, false},
        {"different lines", {"a", "b", "c"}, {"A", "b", "c"}, {"a", "b", "C"}, {"A", "b", "C"},
         false},
        {"same change on both", {"a"}, {"x"}, {"x"}, {"x"}, false},
        {"same line, different values", {"a", "b"}, {"x", "b"}, {"y", "B"}, {"y", "B"}, true},
        {"ours appends, theirs edits", {"a"}, {"a", "new"}, {"A"}, {"A", "new"}, false},
        {"theirs emptied a line ours kept", {"a", "b"}, {"A", "b"}, {"a"}, {"A", ""}, false},
        {"a missing line reads as empty", {}, {"", "", "x"}, {"y"}, {"y", "", "x"}, false},
        {"both filled a new line", {"a"}, {"a", "o"}, {"a", "t"}, {"a", "t"}, true},
    };
    for (const auto& c : cases) {
        const LineMerge merge = MergeLines(c.base, c.ours, c.theirs);
        EXPECT_EQ(merge.Lines, c.merged) << c.what;
        EXPECT_EQ(merge.Conflict, c.conflict) << c.what;
    }
}

TEST(MergeTexts, LosesNeitherSide) {
    struct Case {
        const char* what;
        std::string base, ours, theirs, merged;
    } cases[] = {
        {"both typed at the end", "A-note", "A-note B2", "A-note A2", "A-note A2\n B2"},
        {"apart", "one two three", "ONE two three", "one two THREE", "ONE two THREE"},
        {"one side only", "x", "x", "xy", "xy"},
        {"theirs emptied it, ours added", "abc", "abcd", "", "abcd"},
        {"both replaced all", "old", "mine", "yours", "yours\nmine"},
        {"from nothing", "", "mine", "yours", "yours\nmine"},
        {"never splits a character", "æ", "æø", "æå", "æå\nø"},
    };
    for (const auto& c : cases) EXPECT_EQ(MergeTexts(c.base, c.ours, c.theirs), c.merged) << c.what;
}

TEST(ConflictCopies, NamesAreReadBackToTheirOriginal) {
    struct Case {
        const char* name;
        const char* original;
        bool syncTool;
    } cases[] = {
        {"S1.sync-conflict-20261209-101500-ABCDEF7.dfd", "S1.dfd", true},
        {"a2026_50.sync-conflict-20261209-101500-ABCDEF7.txt", "a2026_50.txt", true},
        {"fratil (conflicted copy 2026-12-09 101500).dfd", "fratil.dfd", true},
        {"S1.skemora-conflict-20261209-101500.dfd", "S1.dfd", false},
        {"S1.dfd", "", false},
        {"notes.sync-conflict-2026.txt", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConflictCopyOriginal(c.name), c.original) << c.name;
        EXPECT_EQ(IsSyncToolConflictCopy(c.name), c.syncTool) << c.name;
    }
    EXPECT_EQ(ConflictCopyPath("/d/u/S1.dfd", "20261209-101500"),
              "/d/u/S1.skemora-conflict-20261209-101500.dfd");
    EXPECT_EQ(ConflictCopyOriginal("S1.skemora-conflict-20261209-101500.dfd"), "S1.dfd");
}

TEST(MergeTextsWithoutBase, DoublesOnlyTheDifferingParts) {
    struct Case {
        const char* what;
        std::string first, second, merged;
    } cases[] = {
        {"the same", "Bring A", "Bring A", "Bring A"},
        {"one holds the other", "Bring A and B", "Bring A", "Bring A and B"},
        {"different middles", "Test\nBring A\nGym", "Test\nBring B\nGym",
         "Test\nBring A\nB\nGym"},
        {"nothing shared", "home", "school", "home\nschool"},
        {"one empty", "", "school", "school"},
        {"never splits a character", "æø", "æå", "æø\nå"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MergeTextsWithoutBase(c.first, c.second), c.merged) << c.what;
    }
}

TEST(MergeCopyLines, TakesTheCopysLinesWhereTheFileHoldsNothingElse) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        Lines file, copy;
        bool preferCopy;
        Lines merged;
        bool conflict;
    } cases[] = {
        {"filled where empty", {"a", "", "c"}, {"a", "b", ""}, false, {"a", "b", "c"}, false},
        {"a longer copy", {"a"}, {"a", "", "x", ""}, false, {"a", "", "x"}, false},
        {"a conflict keeps the file", {"a", "b"}, {"a", "B"}, false, {"a", "b"}, true},
        {"or takes the copy", {"a", "b", ""}, {"A", "b", "c"}, true, {"A", "b", "c"}, true},
        {"no file", {}, {"x", "y"}, false, {"x", "y"}, false},
    };
    for (const auto& c : cases) {
        const LineMerge merge = MergeCopyLines(c.file, c.copy, c.preferCopy);
        EXPECT_EQ(merge.Lines, c.merged) << c.what;
        EXPECT_EQ(merge.Conflict, c.conflict) << c.what;
    }
}

}  // namespace
}  // namespace skemora
