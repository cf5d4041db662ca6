// Inserting and retiring periods when a crash cuts the change off before any one of its file
// steps: the next opening finds the old list over the old files or the new list over the new
// ones, every period paired with its own lessons, no journal and no retired file left behind;
// making the edit again then leaves exactly what an uncut change leaves. Also the journal's
// own reading, which a damaged or hand-made journal must not turn into renames.
#include "app/storage/period_change.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "core/files/write_faults.h"
#include "support/timetable_session.h"
#include "core/timetable/file_names.h"
#include "core/timetable/period_journal.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;
// A full list of periods two weeks apart, period k holding "P<k>"; the edit goes into the week
// after period 40's Monday, so the save retires period 1 and inserts a period in the middle.
struct FullList {
    std::vector<int> starts;
    Lines subjects;
    int editedMonday = 0;
    FullList() {
        for (int k = 0; k < kMaxStoredPeriods; ++k) {
            starts.push_back(DayNumber(2003, 8, 11) + 14 * k);
            subjects.push_back("P" + std::to_string(k));
        }
        editedMonday = starts[40] + 7;
    }
    // A list whose later starts come in reverse order, the edit in a week between two of them: the
    // save puts the list and every lesson file in order first.
    static FullList Reversed() {
        FullList layout;
        const int periods = 6;
        layout.starts.resize(periods);
        layout.subjects.resize(periods);
        for (int k = 1; k < periods; ++k) layout.starts[k] = layout.starts[0] + 14 * (periods - k);
        layout.editedMonday = layout.starts[2] + 7;
        return layout;
    }
    std::string Expected(int start) const {
        if (start == editedMonday) return "NEW";
        for (std::size_t k = 0; k < starts.size(); ++k) {
            if (starts[k] == start) return subjects[k];
        }
        return "?";
    }
    void EditIn(Session& s) const {
        const Date monday = DateOfDayNumber(editedMonday);
        s.Select(monday.Year, monday.Month, monday.Day);
        s.EditMonday("NEW");
    }
};

int stepsBeforeCrash = 0;
bool CrashAtStep(WriteStep) {
    if (--stepsBeforeCrash == 0) _exit(0);
    return false;
}

// Runs the edit in a child that dies before file step k; answers whether it got that far.
bool CrashBeforeStep(Session& s, const FullList& layout, int k) {
    const pid_t child = fork();
    if (child == 0) {
        stepsBeforeCrash = k;
        SetWriteFaultHook(&CrashAtStep);
        try {
            layout.EditIn(s);
        } catch (...) {
            _exit(2);
        }
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 2) << "the edit failed without a fault";
    return WEXITSTATUS(status) == 0;
}

// Cuts the layout's edit off before each of its file steps in turn; `allowed` answers, from the
// list before the edit, whether a list a cut left may be there besides the uncut edit's. Answers
// the number of cuts tried.
int CutOffAtEveryStep(const FullList& layout,
                      const std::function<bool(const Lines& list, const Lines& before)>& allowed) {
    Session uncut;
    uncut.Open(layout.starts, layout.subjects);
    layout.EditIn(uncut);
    EXPECT_TRUE(uncut.dialogs.Errors.empty());
    const Snapshot done = FilesUnder(uncut.User());
    const Lines newList = uncut.List();

    int cut = 0;
    for (int k = 1;; ++k) {
        SCOPED_TRACE("crash before file step " + std::to_string(k));
        Session s;
        s.Open(layout.starts, layout.subjects);
        const Lines oldList = s.List();
        if (!CrashBeforeStep(s, layout, k)) break;
        ++cut;

        // The parent still holds the state from before the edit: it opens the files anew.
        s.OpenPeter();
        EXPECT_TRUE(s.dialogs.Errors.empty());
        const Lines list = s.List();
        EXPECT_TRUE(list == newList || allowed(list, oldList));
        for (std::size_t p = 1; p < list.size(); ++p) {
            EXPECT_EQ(Session::SubjectIn(s.Period(static_cast<int>(p))),
                      layout.Expected(std::stoi(list[p])))
                << "period " << p;
        }
        for (const auto& [name, bytes] : FilesUnder(s.User())) {
            EXPECT_NE(name.front(), '.') << name << " is left";
            EXPECT_NE(name, kPeriodJournalFileName);
        }
        EXPECT_FALSE(fs::exists(s.Period(static_cast<int>(list.size()))));

        layout.EditIn(s);
        EXPECT_EQ(FilesUnder(s.User()), done);
    }
    std::printf("cut-off points tried: %d\n", cut);
    return cut;
}

TEST(PeriodChangeCrash, EveryCutOffChangeIsCompletedOrUndoneAtTheNextOpening) {
    const FullList layout;
    // Retiring period 1 to make room is a change of its own, complete before the insert.
    const int cut = CutOffAtEveryStep(layout, [](const Lines& list, Lines before) {
        if (list == before) return true;
        before.erase(before.begin() + 1);
        return list == before;
    });
    EXPECT_GT(cut, 150) << "the change has fewer file steps than its renames";
}

TEST(PeriodChangeCrash, EveryCutOffPuttingInOrderIsCompletedOrUndoneAtTheNextOpening) {
    const FullList layout = FullList::Reversed();
    // Each swap of two lesson files is a change of its own: any order of the same starts.
    const int cut = CutOffAtEveryStep(layout, [](Lines list, Lines before) {
        std::sort(list.begin(), list.end());
        std::sort(before.begin(), before.end());
        return list == before;
    });
    // Two swaps, each a journal, two renames, a lesson file and the list.
    EXPECT_GT(cut, 30) << "the change has fewer file steps than its swaps";
}

TEST(PeriodJournal, ReadsBackWhatItWritesAndNothingThatNamesOtherFiles) {
    PeriodJournal journal;
    journal.Moved = true;
    journal.Created = "S3.dfd";
    journal.NewList = {"12275", "12289", ""};
    journal.Moves = {{"S3.dfd", "S4.dfd"}, {"S1.dfd", ".S1.dfd.retired"}};
    const auto back = ParsePeriodJournal(PeriodJournalLines(journal));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Moved, true);
    EXPECT_EQ(back->Created, "S3.dfd");
    EXPECT_EQ(back->NewList, journal.NewList);
    EXPECT_EQ(back->Moves, journal.Moves);

    const Lines good = PeriodJournalLines(journal);
    const std::vector<std::pair<std::size_t, std::string>> damaged = {
        {0, "Skemora"},
        {1, "half"},
        {2, "created ../Peter.dfd"},
        {2, "created S0.dfd"},
        {2, "created S03.dfd"},
        {3, "list 9"},
        {3, "list -1"},
        {8, "S3.dfd"},
        {7, "move S1.dfd ../../x.dfd"},
        {7, "move S1.dfd S1.dfd"},
        {7, "move S1.dfd .S2.dfd.retired x"},
        {7, "move S200.dfd S1.dfd"},
        {7, "move Peter.dfd S1.dfd"}};
    for (const auto& [line, text] : damaged) {
        Lines lines = good;
        lines.at(line) = text;
        EXPECT_FALSE(ParsePeriodJournal(lines)) << text;
    }
    EXPECT_FALSE(ParsePeriodJournal({}));
    EXPECT_FALSE(ParsePeriodJournal(Lines(good.begin(), good.begin() + 5)));
}

TEST(PeriodJournal, ADamagedJournalIsRemovedWithoutMovingAnything) {
    TempFolder folder;
    const std::string user = folder / "Peter/";
    fs::create_directories(user);
    WriteBytes(user + "S1.dfd", "one");
    WriteBytes(user + "fratil.dfd", "12275\r\n12289\r\n");
    WriteBytes(
        user + kPeriodJournalFileName,
        "Skemora period change\r\nmoving\r\ncreated \r\nlist 0\r\nmove S1.dfd ../S1.dfd\r\n");
    EXPECT_FALSE(RecoverPeriodChange(user));
    EXPECT_EQ(FilesUnder(user),
              (Snapshot{{"S1.dfd", "one"}, {"fratil.dfd", "12275\r\n12289\r\n"}}));
    EXPECT_FALSE(fs::exists(folder / "S1.dfd"));
    EXPECT_FALSE(RecoverPeriodChange(user));
}

}  // namespace
}  // namespace skemora::test
