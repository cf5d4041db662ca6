// Two writers' subject lists merge as sets of subjects: nobody's subject is lost, and a room or
// teacher only one side changed takes that change.
#include "core/timetable/subject_list.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

using Lines = std::vector<std::string>;

TEST(MergeSubjectLists, KeepsEverySidesSubjects) {
    const Lines base = {"Danish", "R1", "Hansen", "Math", "R2", "Jensen"};
    struct Case {
        const char* what;
        Lines ours, theirs, merged;
    } cases[] = {
        {"both added one at the front",
         {"Latin", "R3", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"German", "R4", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"Latin", "R3", "", "German", "R4", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"}},
        {"ours changed a room, theirs added",
         {"Danish", "R9", "Hansen", "Math", "R2", "Jensen"},
         {"German", "R4", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"German", "R4", "", "Danish", "R9", "Hansen", "Math", "R2", "Jensen"}},
        {"ours removed one",
         {"Danish", "R1", "Hansen"},
         {"German", "R4", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"German", "R4", "", "Danish", "R1", "Hansen"}},
        {"both added the same subject: theirs stays",
         {"Latin", "R3", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"Latin", "R5", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"},
         {"Latin", "R5", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MergeSubjectLists(base, c.ours, c.theirs), c.merged) << c.what;
    // No base (a sync tool's copy found at opening): the copy's new subjects join the file's.
    EXPECT_EQ(MergeSubjectLists({}, {"Latin", "R3", "", "Danish", "R0", ""}, base),
              (Lines{"Latin", "R3", "", "Danish", "R1", "Hansen", "Math", "R2", "Jensen"}));
}

}  // namespace
}  // namespace skemora
