// The period-change journal "fratil.jnl", read when the time-table opens: whatever it holds, the
// opening completes or undoes only renames among the period files, never touches another file,
// never makes up a file's content, and leaves no journal behind.
#include <algorithm>

#include "core/timetable/period_journal.h"
#include "user_folder.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

std::vector<std::string> Contents(const std::string& folder) {
    std::vector<std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != "fratil.jnl") contents.push_back(ReadBytes(entry.path()));
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    UserFolder user(folder);
    WriteLines(user.User("fratil.dfd"), {"12275", "12289", "12303"});
    WriteBytes(user.User("S1.dfd"), "one");
    WriteBytes(user.User("S2.dfd"), "two");
    WriteBytes(user.User(".S3.dfd.retired"), "three");
    WriteBytes(user.User("fagl.txt"), "Art\r\n\r\n\r\n");
    WriteBytes(user.User("fratil.jnl"), bytes);
    const std::string main = ReadBytes(user.Data("Peter.dfd"));
    const auto before = Contents(user.User());

    const auto journal = ParsePeriodJournal(DecodeLines(bytes));
    if (journal) {
        const auto again = ParsePeriodJournal(PeriodJournalLines(*journal));
        Check(again && again->Moves == journal->Moves && again->NewList == journal->NewList &&
                  again->Created == journal->Created && again->Moved == journal->Moved,
              "a journal reads back as it was written");
    }

    user.Start();
    Check(!std::filesystem::exists(user.User("fratil.jnl")), "the opening leaves no journal");
    Check(ReadBytes(user.Data("Peter.dfd")) == main, "the main file is never touched");
    Check(ReadBytes(user.User("fagl.txt")).rfind("Art\r\n", 0) == 0, "other files stay");
    const auto after = Contents(user.User());
    Check(std::includes(before.begin(), before.end(), after.begin(), after.end()),
          "renames and removals make up no content");
    return 0;
}
