// Files linked into another folder are written through to their targets and stay links; a
// period list out of order shows every period in its weeks and is written in order at the next
// save.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/storage/storage.h"
#include "app/timetable/week_notes_commands.h"
#include "core/timetable/file_names.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

// Mondays of 2003.
const int kAug11 = DayNumber(2003, 8, 11);
const int kSep8 = DayNumber(2003, 9, 8);
const int kNov3 = DayNumber(2003, 11, 3);

class LinksAndOrderTest : public TimetableTest {
protected:
    std::string Cloud() const { return folder / "cloud/"; }
    std::string Notes() const { return User() + WeekNotesFileName(2003, 37); }

    // Moves the file into the cloud folder and leaves a link to it behind, relative or absolute;
    // `hops` further links in the cloud folder make a chain.
    void LinkIntoCloud(const std::string& path, bool relative, int hops = 0) {
        fs::create_directories(Cloud());
        std::string target = Cloud() + fs::path(path).filename().string();
        if (fs::exists(path)) fs::rename(path, target);
        for (int hop = 0; hop < hops; ++hop) {
            const std::string link = target + ".link" + std::to_string(hop);
            fs::create_symlink(fs::path(target).filename(), link);
            target = link;
        }
        fs::create_symlink(relative ? fs::relative(target, fs::path(path).parent_path()).string()
                                    : target,
                           path);
    }
    void TypeNotes(const std::string& text) {
        ctx.view.NotesText = text;
        NotesEdited(ctx);
    }
};

TEST_F(LinksAndOrderTest, LinkedFilesStayLinksAndTheirTargetsTakeEverySave) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(Notes(), {"old"});
    struct Linked {
        std::string path;
        bool relative;
        int hops;
    };
    const Linked linked[] = {{folder / "Peter.dfd", false, 0},
                             {Period(1), true, 2},
                             {User() + "fratil.dfd", true, 0},
                             {Notes(), false, 1}};
    for (const auto& file : linked) LinkIntoCloud(file.path, file.relative, file.hops);
    OpenPeter();
    ASSERT_EQ(Shown(), "September");

    EditMonday("Edited");   // rewrites S1.dfd and the list
    TypeNotes("new notes");  // the notes file
    Select(2003, 8, 6);
    EditMonday("Moved");  // moves period 0's start back a week: the main file and the list
    EXPECT_TRUE(dialogs.Errors.empty());

    for (const auto& file : linked) {
        SCOPED_TRACE(file.path);
        EXPECT_TRUE(fs::is_symlink(file.path));
        EXPECT_FALSE(ChangedSinceRead(ctx.state, file.path));
    }
    EXPECT_EQ(SubjectIn(Cloud() + "S1.dfd"), "Edited");
    EXPECT_EQ(SubjectIn(Cloud() + "Peter.dfd"), "Moved");
    EXPECT_EQ(ReadBytes(Cloud() + WeekNotesFileName(2003, 37)), "new notes\r\n");
    EXPECT_EQ(ReadLines(Cloud() + "fratil.dfd"), (Lines{"12269", "12304"}));

    // A save a crash cut off left its temporary beside the target: the sweep of the user folder
    // finds it there, and nothing else.
    WriteBytes(Cloud() + ".S1.dfd.a1B2c3", "half");
    WriteBytes(Cloud() + ".other.dfd.a1B2c3", "not ours");
    RemoveLeftovers(ctx.state, User());
    EXPECT_FALSE(fs::exists(Cloud() + ".S1.dfd.a1B2c3"));
    EXPECT_TRUE(fs::exists(Cloud() + ".other.dfd.a1B2c3"));
    EXPECT_EQ(SubjectIn(Period(1)), "Edited");

    // A period inserted before the linked one moves the link up a number, its lessons along.
    Select(2003, 8, 20);
    EditMonday("Inserted");
    EXPECT_TRUE(fs::is_symlink(Period(2)));
    EXPECT_EQ(SubjectIn(Period(2)), "Edited");
    EXPECT_FALSE(fs::is_symlink(Period(1)));
    EXPECT_EQ(SubjectIn(Period(1)), "Inserted");
    EXPECT_TRUE(dialogs.Errors.empty());
}

TEST_F(LinksAndOrderTest, AListOutOfOrderShowsEveryPeriodInItsWeeksAndIsWrittenInOrder) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kNov3, kSep8}, {"Base", "November", "September"});
    OpenPeter();
    const struct {
        Date date;
        const char* shown;
    } weeks[] = {{{2003, 8, 20}, "Base"},
                 {{2003, 9, 10}, "September"},
                 {{2003, 10, 8}, "September"},
                 {{2003, 11, 5}, "November"},
                 {{2003, 12, 3}, "November"}};
    for (const auto& week : weeks) {
        Select(week.date.Year, week.date.Month, week.date.Day);
        EXPECT_EQ(Shown(), week.shown) << week.date.Month << "-" << week.date.Day;
    }
    EXPECT_TRUE(dialogs.Messages.empty());
    const Lines before = List();

    // The edit goes to the period shown; the list and the files take the order of the starts.
    Select(2003, 11, 5);
    EditMonday("November edited");
    EXPECT_EQ(List(), (Lines{"12276", "12304", "12360"}));
    EXPECT_EQ(SubjectIn(Period(1)), "September");
    EXPECT_EQ(SubjectIn(Period(2)), "November edited");
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base");
    EXPECT_NE(List(), before);
    EXPECT_EQ(dialogs.Messages, (Lines{ctx.texts.PeriodsReordered}));
    EXPECT_FALSE(fs::exists(User() + kPeriodJournalFileName));

    Select(2003, 9, 10);
    EditMonday("September edited");
    EXPECT_EQ(SubjectIn(Period(1)), "September edited");
    EXPECT_EQ(List(), (Lines{"12276", "12304", "12360"}));
    EXPECT_EQ(dialogs.Messages.size(), 1u);  // told once
    Select(2003, 11, 5);
    EXPECT_EQ(Shown(), "November edited");
}

// Putting the list in order moves each file as it is: one with line ends of its own keeps its
// bytes, and a linked one that takes another's place stays a link into the cloud folder.
TEST_F(LinksAndOrderTest, PuttingTheListInOrderMovesEachFileAsItIs) {
    Start({2003, 9, 10});
    const int kOct6 = DayNumber(2003, 10, 6);
    WritePeter({kAug11, kNov3, kSep8, kOct6}, {"Base", "November", "September", "October"});
    std::string november = ReadBytes(Period(1));
    for (std::size_t at = 0; (at = november.find("\r\n", at)) != std::string::npos;) {
        november.erase(at, 1);
    }
    WriteBytes(Period(1), november);
    const std::string september = ReadBytes(Period(2));
    LinkIntoCloud(Period(2), true);
    OpenPeter();

    Select(2003, 8, 13);
    EditMonday("Base edited");
    EXPECT_EQ(List(), (Lines{"12276", "12304", "12332", "12360"}));
    EXPECT_EQ(ReadBytes(Period(3)), november);
    EXPECT_TRUE(fs::is_symlink(Period(1)));
    EXPECT_EQ(ReadBytes(Period(1)), september);
    EXPECT_EQ(SubjectIn(Period(2)), "October");
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base edited");
    EXPECT_TRUE(dialogs.Errors.empty());
    Select(2003, 11, 5);
    EXPECT_EQ(Shown(), "November");
}

}  // namespace
}  // namespace skemora::test
