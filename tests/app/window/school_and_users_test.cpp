#include <gtest/gtest.h>

#include <filesystem>

#include "app/window/window_events.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/school_class_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
constexpr int kSep8 = 12304;   // Monday 8 September 2003

using SchoolAndUsersTest = TimetableTest;

TEST_F(SchoolAndUsersTest, TheSchoolCardReadsShortFilesAndWritesSevenLines) {
    Start();
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    const std::string school = User() + "skol.dfd";
    WriteLines(school, {"Byskolen", "Skolevej 1"});
    ContactCardFields answer;
    answer.Fields = {"Byskolen", "Skolevej 1", "", "8000 Aarhus", "86 00 00 00", "", "a@b.dk"};
    dialogs.ContactCardAnswers = {std::nullopt, answer};
    EditSchool(ctx);  // closed without OK
    EXPECT_EQ(ReadLines(school), (Lines{"Byskolen", "Skolevej 1"}));
    EditSchool(ctx);
    ASSERT_EQ(dialogs.ContactCardsShown.size(), 2u);
    EXPECT_EQ(dialogs.ContactCardsShown[0].first, " Information school");
    EXPECT_EQ(dialogs.ContactCardsShown[0].second.Fields[1], "Skolevej 1");
    EXPECT_EQ(dialogs.ContactCardsShown[0].second.Fields[6], "");
    EXPECT_EQ(ReadLines(school),
              (Lines{"Byskolen", "Skolevej 1", "", "8000 Aarhus", "86 00 00 00", "", "a@b.dk"}));
    // The card is no part of the time-table.
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_FALSE(fs::exists(Period(1)));

    fs::remove(school);
    dialogs.ContactCardAnswers = {ContactCardFields{}};
    EditSchool(ctx);
    EXPECT_EQ(dialogs.ContactCardsShown[2].second, ContactCardFields{});
    EXPECT_EQ(ReadLines(school), Lines(7, ""));
}

TEST_F(SchoolAndUsersTest, TheClassGoesIntoTheLoadedPeriodOnly) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "Later"});
    OpenPeter();
    dialogs.ClassNameAnswers = {std::nullopt, "7U", ""};
    EditClass(ctx);  // closed
    EXPECT_EQ(ReadLines(Period(1)).at(185), "6U");
    EditClass(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(185), "7U");
    EXPECT_EQ(ReadLines(folder / "Peter.dfd").at(185), "6U");
    EXPECT_EQ(List(), (Lines{"12276", "12304"}));
    EXPECT_EQ(ctx.view.ClassField.Caption, "7U");
    EXPECT_EQ(ctx.view.LessonButtons[kStudentsButton].Hint, "School mates 7U");
    Select(2003, 9, 1);
    EXPECT_EQ(ctx.view.ClassField.Caption, "6U");
    EXPECT_EQ(ctx.view.LessonButtons[kStudentsButton].Hint, "School mates 6U");
    ClassFieldClick(ctx);  // an empty class is allowed
    EXPECT_EQ(ReadLines(folder / "Peter.dfd").at(185), "");
    EXPECT_EQ(ReadLines(Period(1)).at(185), "7U");
    EXPECT_EQ(dialogs.ClassDialogs, 3);
}

TEST_F(SchoolAndUsersTest, CreatingPeterWritesHisFilesFromTheShownWeek) {
    Start({2003, 9, 10});
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Peter", "6U"}};
    NewTimetable(ctx);
    EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    EXPECT_TRUE(IsTimetableOpen(ctx));
    EXPECT_EQ(ReadLines(folder / "Peter.dfd").size(), 186u);
    EXPECT_EQ(ReadLines(folder / "Peter.dfd").at(185), "6U");
    EXPECT_EQ(List(), (Lines{"12304"}));
    EXPECT_EQ(ReadLines(User() + "fagl.txt"), (Lines{"Empty", "", ""}));
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 0);
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(dialogs.ClassDialogs, 0);  // "6U" differs from the shown "Class"
    EXPECT_EQ(ctx.view.LessonButtons[kStudentsButton].Hint, "School mates 6U");
    for (int d = 0; d < kDays; ++d) EXPECT_EQ(ctx.view.Days[d].Cells[0].Caption, "Empty");
    EXPECT_TRUE(ctx.view.Menus.School.Enabled);
    EXPECT_TRUE(ctx.view.NotesBox.Enabled);
    // Earlier weeks show the fresh lessons too.
    Select(2003, 6, 2);
    EXPECT_EQ(Shown(), "Empty");

    // Asking for Peter again opens him, with his edits, once the user agrees to leave the
    // class typed unused.
    Select(2003, 9, 10);
    EditMonday("Math");
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Peter", "9X"}};
    dialogs.AskAnswers = {kAnswerYes};
    NewTimetable(ctx);
    EXPECT_EQ(Shown(), "Math");
    EXPECT_EQ(ctx.view.ClassField.Caption, "6U");
    EXPECT_EQ(List(), (Lines{"12304"}));
}

TEST_F(SchoolAndUsersTest, TheClassOfANewUserIsConfirmedOnlyWhenItIsTheShownOne) {
    struct Case {
        const char* typed;
        std::optional<std::string> confirmed;
        int classDialogs;
        const char* stored;
    };
    const Case cases[] = {
        {"Class", "5A", 1, "5A"},  // equal to the shown class: the class dialog asks
        {"Class", std::nullopt, 1, "Class"},
        {"", std::nullopt, 0, ""},  // an empty class is taken without a question
        {"8B", std::nullopt, 0, "8B"},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        dialogs = FakeDialogs{};
        Start({2003, 9, 10});
        ASSERT_EQ(ctx.state.ClassName, "Class");
        dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Anne", c.typed}};
        dialogs.ClassNameAnswers = {c.confirmed};
        NewTimetable(ctx);
        EXPECT_EQ(dialogs.ClassDialogs, c.classDialogs) << c.typed;
        EXPECT_EQ(ReadLines(folder / "Anne.dfd").at(185), c.stored) << c.typed;
        EXPECT_EQ(ctx.view.ClassField.Caption, c.stored) << c.typed;
        EXPECT_EQ(ctx.view.LessonButtons[kStudentsButton].Hint,
                  std::string("School mates ") + c.stored)
            << c.typed;
    }
}

TEST_F(SchoolAndUsersTest, CancelOrNoUsableNameCreatesNothing) {
    Start();
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    dialogs.NewUserAnswers = {std::nullopt};
    NewTimetable(ctx);
    EXPECT_TRUE(dialogs.Messages.empty());
    // A name that names no file is said, and OK keeps the dialog open for the next try.
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"", "6U"},
                              TimetableDialogs::NewUserAnswer{"..", "6U"},
                              TimetableDialogs::NewUserAnswer{"/", "6U"}, std::nullopt};
    NewTimetable(ctx);
    EXPECT_EQ(dialogs.NewUserDialogs, 2);
    EXPECT_EQ(dialogs.RefusedNewUsers.size(), 3u);
    EXPECT_EQ(dialogs.Messages, Lines(3, "Write the name of the new user."));
    EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

TEST_F(SchoolAndUsersTest, AnExistingNameIsSaidAndOpenedOnlyWhenTheUserAgrees) {
    struct Case {
        const char* typedClass;
        int answer;
        const char* question;
        const char* title;  // what is open afterwards
    };
    const Case cases[] = {
        {"", kAnswerYes, "A time-table named \"Peter\" exists already. Open it?", "Peter.dfd"},
        {"9X", kAnswerYes,
         "A time-table named \"Peter\" exists already. Open it? It keeps its own class, so the "
         "class \"9X\" you typed is not used.",
         "Peter.dfd"},
        // No: the dialog stays with what was typed; here the name is changed to Anne.
        {"9X", kAnswerNo,
         "A time-table named \"Peter\" exists already. Open it? It keeps its own class, so the "
         "class \"9X\" you typed is not used.",
         "Anne.dfd"},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        dialogs = FakeDialogs{};
        Start({2003, 9, 10});
        WritePeter({kAug11}, {"Base"});
        dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Peter", c.typedClass},
                                  TimetableDialogs::NewUserAnswer{"Anne", c.typedClass}};
        dialogs.AskAnswers = {c.answer};
        NewTimetable(ctx);
        ASSERT_EQ(dialogs.Questions.size(), 1u) << c.question;
        EXPECT_EQ(dialogs.Questions[0].Title, "Create new user");
        EXPECT_EQ(dialogs.Questions[0].Message, c.question);
        EXPECT_EQ(ctx.view.Title, c.title) << c.question;
        EXPECT_EQ(ReadLines(folder / "Peter.dfd").at(185), "6U") << c.question;
    }
    EXPECT_EQ(ReadLines(folder / "Anne.dfd").at(185), "9X");
}

TEST_F(SchoolAndUsersTest, UnsavedChangesAreSavedBeforeTheNewUserIsMade) {
    Start({2003, 9, 10});
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    ctx.state.Days[0].Subject[0] = "Unsaved";
    SetModified(ctx, true);
    MarkPendingPeriod(ctx);
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Pe:ter2", "6U"}};
    NewTimetable(ctx);
    EXPECT_EQ(SubjectIn(Period(1)), "Unsaved");
    EXPECT_EQ(ctx.view.Title, "Peter2.dfd");
    EXPECT_EQ(SubjectIn(folder / "Peter2.dfd"), "Empty");
    EXPECT_TRUE(fs::is_directory(folder / "Peter2"));
}

}  // namespace
}  // namespace skemora::test
