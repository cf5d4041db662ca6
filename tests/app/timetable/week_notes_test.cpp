#include "app/storage/week_notes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/timetable/week_notes_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

class WeekNotesTest : public TimetableTest {
protected:
    // Peter's time-table open on Wednesday 17 March 2004, week 12.
    void OpenInWeek12() {
        Start({2004, 3, 17});
        WritePeter({12276}, {"Base"});
        OpenPeter();
    }
    void Type(const std::string& text) {
        ctx.view.NotesText = text;
        NotesEdited(ctx);
    }
    std::string NotesFile() const { return User() + "a200412.dfz"; }
};

TEST_F(WeekNotesTest, EveryKeystrokeWritesTheNotesAndEmptyingDeletesThem) {
    OpenInWeek12();
    EXPECT_TRUE(ctx.view.NotesBox.Enabled);
    EXPECT_EQ(ctx.view.NotesBox.Hint, "Notes week 12");
    const std::string lessons = ReadBytes(folder / "Peter.dfd");
    Type("H");
    EXPECT_EQ(ReadBytes(NotesFile()), "H\r\n");
    Type("Hi\nthere \xc3\xa6");
    EXPECT_EQ(ReadBytes(NotesFile()), "Hi\r\nthere \xe6\r\n");
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), lessons);
    Type("");
    EXPECT_FALSE(fs::exists(NotesFile()));
}

TEST_F(WeekNotesTest, EmptyingTheBoxOfAWeekWithoutNotesWritesNothing) {
    OpenInWeek12();
    fs::remove(User() + "fagl.txt");
    const auto written = fs::last_write_time(folder / "Peter.dfd");
    Type("");
    EXPECT_FALSE(fs::exists(NotesFile()));
    EXPECT_FALSE(fs::exists(User() + "fagl.txt"));
    EXPECT_EQ(fs::last_write_time(folder / "Peter.dfd"), written);
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

TEST_F(WeekNotesTest, FillingTheBoxFromAFileIsNoEdit) {
    Start({2004, 3, 17});
    WritePeter({12276}, {"Base"});
    WriteBytes(NotesFile(), "line 1\r\n\r\nline 3\r\n");
    OpenPeter();
    EXPECT_EQ(ctx.view.NotesText, "line 1\n\nline 3");
    EXPECT_FALSE(ctx.state.Saving.Loading);
    EXPECT_FALSE(ctx.state.Saving.Modified);
    ctx.state.Saving.Loading = true;
    Type("changed while loading");
    EXPECT_EQ(ReadBytes(NotesFile()), "line 1\r\n\r\nline 3\r\n");
}

TEST_F(WeekNotesTest, TheNotesFollowTheWeekTheyWereReadFor) {
    OpenInWeek12();
    Type("week 12");
    NextWeek(ctx);
    EXPECT_EQ(ctx.view.NotesText, "");
    EXPECT_EQ(ctx.view.NotesBox.Hint, "Notes week 13");
    ctx.view.NotesText = "pending";
    ctx.state.Saving.NotesChanged = ctx.state.Saving.Modified = true;
    PreviousWeek(ctx);  // saves week 13 before week 12 is read
    EXPECT_EQ(ctx.view.NotesText, "week 12");
    EXPECT_EQ(ReadLines(User() + "a200413.dfz"), Lines{"pending"});
}

TEST_F(WeekNotesTest, ANotesFileThatCannotBeReadTakesNoTypingOfAnotherWeeksNotes) {
    OpenInWeek12();
    Type("week 12");
    // Reading /proc/self/mem at offset 0 fails with an I/O error, as a failing disk does.
    fs::create_symlink("/proc/self/mem", User() + "a200413.dfz");
    EXPECT_THROW(NextWeek(ctx), SkemoraError);
    EXPECT_FALSE(ctx.view.NotesBox.Enabled);
    EXPECT_EQ(ctx.view.NotesText, "");
    EXPECT_TRUE(fs::is_symlink(User() + "a200413.dfz"));
    PreviousWeek(ctx);
    EXPECT_TRUE(ctx.view.NotesBox.Enabled);
    EXPECT_EQ(ctx.view.NotesText, "week 12");
}

TEST_F(WeekNotesTest, AnotherUsersTimetableShowsThatUsersNotes) {
    OpenInWeek12();
    Type("Peter's");
    fs::create_directories(folder / "Paula");
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    WriteLines(folder / "Paula/a200412.dfz", {"Paula's"});
    OpenTimetable(ctx, folder / "Paula.dfd");
    EXPECT_EQ(ctx.view.NotesText, "Paula's");
}

TEST_F(WeekNotesTest, AnUnwritableNotesFileKeepsTheNotesPending) {
    OpenInWeek12();
    fs::create_directory(NotesFile());
    EXPECT_THROW(Type("kept"), SkemoraError);
    EXPECT_TRUE(ctx.state.Saving.NotesChanged);
    EXPECT_TRUE(ctx.state.Saving.Modified);
    fs::remove(NotesFile());
    Save(ctx);
    EXPECT_EQ(ReadLines(NotesFile()), Lines{"kept"});
}

}  // namespace
}  // namespace skemora::test
