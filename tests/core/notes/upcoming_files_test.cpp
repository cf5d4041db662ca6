#include "core/notes/upcoming_files.h"

#include <gtest/gtest.h>

#include "core/files/skemora_error.h"

namespace skemora {
namespace {

using Lines = std::vector<std::string>;

Lines Entries(std::initializer_list<int> dates) {
    Lines lines;
    for (int date : dates) {
        lines.push_back(std::to_string(date));
        lines.push_back("Math");
        lines.push_back("/home/p/" + std::to_string(date) + ".doc");
    }
    return lines;
}

TEST(UpcomingFiles, AdditionKeepsTheListSortedAndDropsExpiredHeads) {
    struct Case {
        const char* name;
        Lines before;
        UpcomingEntry added;
        int today;
        Lines after;
    };
    const Case cases[] = {
        {"an empty list gets the entry", {}, {40, "Math", "/a.doc"}, 25, {"40", "Math", "/a.doc"}},
        {"expired heads go, the new entry follows 30",
         Entries({10, 20, 30}),
         {40, "Math", "/a.doc"},
         25,
         {"30", "Math", "/home/p/30.doc", "40", "Math", "/a.doc"}},
        {"an entry of an existing date goes in front of it",
         Entries({10, 20, 30}),
         {30, "Phys", "/b.doc"},
         25,
         {"30", "Phys", "/b.doc", "30", "Math", "/home/p/30.doc"}},
        {"an equal entry is not added twice",
         Entries({30}),
         {30, "Math", "/home/p/30.doc"},
         25,
         Entries({30})},
        {"only expired heads go: a later expired entry stays",
         Entries({30, 10}),
         {40, "Math", "/a.doc"},
         25,
         {"30", "Math", "/home/p/30.doc", "10", "Math", "/home/p/10.doc", "40", "Math", "/a.doc"}},
        {"every entry expired",
         Entries({10, 20}),
         {40, "Math", "/a.doc"},
         25,
         {"40", "Math", "/a.doc"}},
        {"a trailing part-entry stays last",
         {"30", "Math", "/x.doc", "50"},
         {40, "Math", "/a.doc"},
         25,
         {"30", "Math", "/x.doc", "40", "Math", "/a.doc", "50"}},
    };
    for (const Case& c : cases) {
        Lines lines = c.before;
        AddUpcomingEntry(lines, c.added, c.today);
        EXPECT_EQ(lines, c.after) << c.name;
    }
}

TEST(UpcomingFiles, RemovalTakesEveryEqualEntryAndKeepsTheOthersInOrder) {
    Lines lines = Entries({10, 20, 20, 30});
    lines[7] = "Phys";  // the second entry of day 20 has another subject
    EXPECT_TRUE(RemoveUpcomingEntries(lines, {20, "Math", "/home/p/20.doc"}));
    EXPECT_EQ(lines, (Lines{"10", "Math", "/home/p/10.doc", "20", "Phys", "/home/p/20.doc", "30",
                            "Math", "/home/p/30.doc"}));
    EXPECT_FALSE(RemoveUpcomingEntries(lines, {20, "Math", "/other.doc"}));

    Lines twice = Entries({10, 10});
    EXPECT_TRUE(RemoveUpcomingEntries(twice, {10, "Math", "/home/p/10.doc"}));
    EXPECT_TRUE(twice.empty());
}

TEST(UpcomingFiles, ADateLineThatIsNoNumberIsFoundBeforeAnythingChanges) {
    Lines lines = Entries({10, 20});
    lines[3] = "2O";
    try {
        CheckUpcomingDates(lines);
        FAIL() << "no error";
    } catch (const SkemoraError& error) {
        EXPECT_EQ(error.Kind(), ErrorKind::InvalidInteger);
    }
    // The line of a trailing part-entry is no date to check.
    EXPECT_NO_THROW(CheckUpcomingDates({"10", "Math", "/a.doc", "bad"}));
}

}  // namespace
}  // namespace skemora
