// The Homework, Links, Teacher and Students commands over a real user folder, with scripted
// dialogs. Today is Wednesday 10 September 2003.
#include "app/notes/note_commands.h"

#include "app/refresh/refresh.h"
#include "core/files/file_ops.h"
#include "app/notes/homework_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

class NoteCommandsTest : public TimetableTest {
protected:
    void SetUp() override {
        Start();
        WritePeter({5}, {"Math/Phys"});
        OpenPeter();
        auto& days = ctx.state.Days;
        days[0].Teacher[0] = "Hansen";
        days[3].Subject[0] = "Math/Phys";  // Thursday, the same subject
        days[3].Teacher[0] = "Jensen";
        Select(2003, 9, 10);
    }
    // Selects the first lesson of a day of the shown week (0 = Monday).
    void SelectLesson(int day) { SelectCell(ctx, CellRef{day, 0}); }
    std::string Upcoming() const { return User() + "lek.flk"; }
    static int Day(int d) { return DayNumber(2003, 9, d); }
    void Homework(const Lines& text, const Lines& shortcuts) {
        dialogs.HomeworkAnswers.push_back(LessonHomework{text, shortcuts});
        HomeworkCommand(ctx);
    }
};

TEST_F(NoteCommandsTest, TheUpcomingListFollowsTheFirstShortcutOfAFutureLesson) {
    SelectLesson(3);  // Thursday 11 September: tomorrow
    Homework({"read"}, {"/h/a.doc"});
    const std::string tomorrow = std::to_string(Day(11));
    EXPECT_EQ(ReadLines(Upcoming()), (Lines{tomorrow, "Math/Phys", "/h/a.doc"}));

    Homework({"read"}, {"/h/a.doc", "/h/b.doc"});  // a second shortcut: nothing new
    EXPECT_EQ(ReadLines(Upcoming()).size(), 3u);

    Homework({"read"}, {"/h/c.doc"});  // another first shortcut: a second entry
    EXPECT_EQ(ReadLines(Upcoming()),
              (Lines{tomorrow, "Math/Phys", "/h/c.doc", tomorrow, "Math/Phys", "/h/a.doc"}));

    Homework({"read"}, {});  // no shortcut left: the entry of the old first one goes
    EXPECT_EQ(ReadLines(Upcoming()), (Lines{tomorrow, "Math/Phys", "/h/a.doc"}));
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

TEST_F(NoteCommandsTest, APastLessonKeepsTheListButLosesItsEntryWhenItsShortcutsGo) {
    const Lines entries = {std::to_string(Day(8)),  "Math/Phys", "/h/a.doc",
                           std::to_string(Day(20)), "Art",       "/h/z.doc"};
    WriteLines(Upcoming(), entries);
    SelectLesson(0);  // Monday 8 September: past
    Homework({}, {"/h/a.doc"});
    EXPECT_EQ(ReadLines(Upcoming()), entries);
    Homework({}, {});
    EXPECT_EQ(ReadLines(Upcoming()), (Lines{std::to_string(Day(20)), "Art", "/h/z.doc"}));
}

TEST_F(NoteCommandsTest, HomeworkTurnsTheLessonGreenAndAnEmptyWeekLeavesNoFile) {
    SelectLesson(3);
    ASSERT_EQ(ctx.view.Days[3].Cells[0].TextColor, kBlack);
    Homework({"page 12", "page 13"}, {});
    EXPECT_EQ(dialogs.HomeworkDialogs.back().Title, "  Homework Thursday  Math/Phys");
    EXPECT_EQ(ctx.view.Days[3].Cells[0].TextColor, kGreen);
    EXPECT_EQ(ctx.state.Homework[3][0].HomeworkText, (Lines{"page 12", "page 13"}));
    EXPECT_FALSE(FileExists(Upcoming()));  // no shortcut, no entry
    const std::string weekFile = WeekHomeworkPath(ctx.state);
    EXPECT_TRUE(FileExists(weekFile));

    Homework({}, {});
    EXPECT_FALSE(FileExists(weekFile));
    EXPECT_EQ(ctx.view.Days[3].Cells[0].TextColor, kBlack);
}

TEST_F(NoteCommandsTest, ClosingWithoutOkReloadsTheStoredHomework) {
    SelectLesson(3);
    Homework({"kept"}, {});
    dialogs.HomeworkAnswers.push_back(std::nullopt);
    HomeworkCommand(ctx);
    EXPECT_EQ(dialogs.HomeworkDialogs.back().Homework.HomeworkText, Lines{"kept"});
    EXPECT_EQ(ctx.state.Homework[3][0].HomeworkText, Lines{"kept"});
}

TEST_F(NoteCommandsTest, ADamagedUpcomingListIsReportedUnchangedAndTheHomeworkIsKept) {
    const Lines damaged = {"12x", "Art", "/h/z.doc"};
    WriteLines(Upcoming(), damaged);
    SelectLesson(3);
    const std::string error = ErrorOf([&] { Homework({"essay"}, {"/h/a.doc"}); });
    EXPECT_NE(error.find("lek.flk"), std::string::npos) << error;
    EXPECT_EQ(ReadLines(Upcoming()), damaged);
    EXPECT_EQ(ctx.state.Homework[3][0].HomeworkText, Lines{"essay"});  // read back from the file
    EXPECT_EQ(ctx.view.Days[3].Cells[0].TextColor, kGreen);
}

TEST_F(NoteCommandsTest, EveryNotesCommandRunsSaveAsWhileNoTimetableIsOpen) {
    TempFolder other;
    FakeDialogs noDialogs;
    FakePlatform noPlatform;
    AppContext fresh{noDialogs, noPlatform};
    noPlatform.TodayDate = {2003, 9, 10};
    ConstructMainWindow(fresh, other.Path());
    FirstShow(fresh, {});
    for (auto command : {&HomeworkCommand, &LinksCommand, &TeacherCommand, &StudentsCommand})
        command(fresh);
    EXPECT_EQ(noDialogs.SaveDialogs, 4);
    EXPECT_TRUE(noDialogs.HomeworkDialogs.empty());
    EXPECT_TRUE(noDialogs.MatesDialogs.empty());
}

TEST_F(NoteCommandsTest, MathPhysLessonsShareOneLinksFileThatGoesWhenEmpty) {
    SelectLesson(0);
    dialogs.LinksAnswers.push_back(Lines{"http://a.dk", "http://b.dk"});
    LinksCommand(ctx);
    EXPECT_EQ(dialogs.LinksDialogs.back().Title, " Links - Peter-Math/Phys");
    EXPECT_EQ(ReadLines(User() + "Math-Phys.lin"), (Lines{"http://a.dk", "http://b.dk"}));

    SelectLesson(3);
    dialogs.LinksAnswers.push_back(std::nullopt);  // the close box changes nothing
    LinksCommand(ctx);
    EXPECT_EQ(dialogs.LinksDialogs.back().Lines, (Lines{"http://a.dk", "http://b.dk"}));
    EXPECT_TRUE(FileExists(User() + "Math-Phys.lin"));

    dialogs.LinksAnswers.push_back(Lines{});
    LinksCommand(ctx);
    EXPECT_FALSE(FileExists(User() + "Math-Phys.lin"));
    dialogs.LinksAnswers.push_back(Lines{});  // OK on an untouched empty list: still no file
    LinksCommand(ctx);
    EXPECT_FALSE(FileExists(User() + "Math-Phys.lin"));
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

TEST_F(NoteCommandsTest, AThreeLineTeacherFileFillsThreeFieldsAndIsRewrittenWithSeven) {
    WriteLines(User() + "Math-Phys.lae", {"Mr Hansen", "Street 1", "Town"});
    SelectLesson(3);
    ContactCardFields answer;
    answer.Fields = {"Mr Hansen", "Street 1", "Town", "", "", "", ""};
    dialogs.ContactCardAnswers.push_back(answer);
    TeacherCommand(ctx);
    const auto& [title, shown] = dialogs.ContactCardsShown.back();
    EXPECT_EQ(title, " Teacher - Peter-Math/Phys - Jensen");
    EXPECT_EQ(shown.Fields[2], "Town");
    EXPECT_EQ(shown.Fields[3], "");
    EXPECT_EQ(ReadLines(User() + "Math-Phys.lae"),
              (Lines{"Mr Hansen", "Street 1", "Town", "", "", "", ""}));

    SelectLesson(0);  // Monday's lesson of the subject: the same card, its own teacher
    dialogs.ContactCardAnswers.push_back(ContactCardFields{});
    TeacherCommand(ctx);
    EXPECT_EQ(dialogs.ContactCardsShown.back().first, " Teacher - Peter-Math/Phys - Hansen");
    EXPECT_EQ(dialogs.ContactCardsShown.back().second.Fields[0], "Mr Hansen");
    EXPECT_EQ(ReadLines(User() + "Math-Phys.lae"), Lines(7));  // written even when empty
}

TEST_F(NoteCommandsTest, FifteenLinesOfMatesAreWrittenBackWholeOnOk) {
    const Lines mates = {"Anna", "", "", "", "", "", "", "Bo", "", "", "", "", "", "", "part"};
    WriteLines(User() + "Peter.elv", mates);
    dialogs.MatesAnswers.push_back(std::nullopt);
    StudentsCommand(ctx);
    EXPECT_EQ(dialogs.MatesDialogs.back().Title, " Students - Peter-");
    EXPECT_EQ(dialogs.MatesDialogs.back().CardTitle, " Students - Peter-");  // no "&" shown
    EXPECT_EQ(dialogs.MatesDialogs.back().Lines, mates);

    dialogs.MatesAnswers.push_back(mates);
    StudentsCommand(ctx);
    EXPECT_EQ(ReadLines(User() + "Peter.elv"), mates);

    dialogs.MatesAnswers.push_back(Lines{});  // the only mates deleted: an empty file stays
    StudentsCommand(ctx);
    EXPECT_TRUE(FileExists(User() + "Peter.elv"));
    EXPECT_EQ(ReadBytes(User() + "Peter.elv"), "");
    EXPECT_FALSE(ctx.state.Saving.Modified);
}

}  // namespace
}  // namespace skemora::test
