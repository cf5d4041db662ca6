// Values holding line breaks, as a paste into a single-line field gives them, through every
// command that stores one: each file keeps its lines, with blanks where the breaks were, and the
// time-table opens again. Today is Wednesday 10 September 2003 (week 37).
#include <gtest/gtest.h>

#include <functional>

#include "app/window/window_events.h"
#include "app/notes/homework_commands.h"
#include "app/notes/note_commands.h"
#include "core/notes/note_files.h"
#include "core/timetable/file_names.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/school_class_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

constexpr int kAug11 = 12276;  // Monday 11 August 2003

using LineBreaksTest = TimetableTest;

TEST_F(LineBreaksTest, EveryStoredValueStaysOnItsLineAndTheTimetableOpensAgain) {
    Start();
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    SelectCell(ctx, {0, 0});  // Monday's first lesson

    const std::string pasted = "12\nB\r\nC";
    const std::string kept = "12 B  C";
    ContactCardFields card;
    card.Fields[0] = pasted;
    card.Fields[6] = "a@b.dk";
    Lines mate(kContactFields);
    mate[0] = pasted;
    auto changeLesson = [this](const LessonFields& answer) {
        dialogs.LessonAnswers = {answer};
        ChangeLesson(ctx);
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        std::string file;
        std::size_t lines, line;
        std::string text;
    };
    // Each edit lands in period 1, which starts with the shown week.
    const Case cases[] = {
        {"room",
         [&] {
             changeLesson({"Base", pasted, "T"});
         },
         Period(1), 186, 2, kept},
        {"teacher",
         [&] {
             changeLesson({"Base", "R", pasted});
         },
         Period(1), 186, 3, kept},
        {"subject",
         [&] {
             changeLesson({pasted, "R", "T"});
         },
         Period(1), 186, 1, kept},
        // The new subject goes first, above "Empty" and "Base".
        {"subject list", [] {}, User() + "fagl.txt", 9, 0, kept},
        {"class",
         [&] {
             dialogs.ClassNameAnswers = {pasted};
             EditClass(ctx);
         },
         Period(1), 186, 185, kept},
        {"school card",
         [&] {
             dialogs.ContactCardAnswers = {card};
             EditSchool(ctx);
         },
         User() + "skol.dfd", 7, 6, "a@b.dk"},
        {"teacher card",
         [&] {
             dialogs.ContactCardAnswers = {card};
             TeacherCommand(ctx);
         },
         TeacherFilePath(User(), kept), 7, 0, kept},
        {"mates",
         [&] {
             dialogs.MatesAnswers = {mate};
             StudentsCommand(ctx);
         },
         User() + "Peter.elv", 7, 0, kept},
        {"links",
         [&] {
             dialogs.LinksAnswers = {Lines{"http://a\nb", "http://c"}};
             LinksCommand(ctx);
         },
         LinkFilePath(User(), kept), 2, 1, "http://c"},
        {"week homework shortcut",
         [&] {
             dialogs.HomeworkAnswers = {LessonHomework{{"read"}, {"/h/a\nb.doc"}}};
             HomeworkCommand(ctx);
         },
         User() + WeekFileName(2003, 37), 6, 5, "/h/a b.doc"},
    };
    for (const auto& c : cases) {
        c.act();
        const Lines lines = ReadLines(c.file);
        EXPECT_EQ(lines.size(), c.lines) << c.what;
        EXPECT_EQ(lines.size() > c.line ? lines[c.line] : "", c.text) << c.what;
    }

    EXPECT_NO_THROW(OpenPeter());
    EXPECT_EQ(ctx.state.Days[0].Subject[0], kept);
    EXPECT_EQ(ctx.state.Days[0].Room[0], "R");
    EXPECT_EQ(ctx.state.ClassName, kept);
    EXPECT_EQ(ctx.state.Homework[0][0].Shortcuts, Lines{"/h/a b.doc"});
    EXPECT_TRUE(dialogs.Errors.empty());

    // A new user's class.
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Anna", pasted}};
    NewTimetable(ctx);
    const Lines anna = ReadLines(folder / "Anna.dfd");
    ASSERT_EQ(anna.size(), 186u);
    EXPECT_EQ(anna[185], kept);
}

}  // namespace
}  // namespace skemora::test
