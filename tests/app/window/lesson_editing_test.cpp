#include "app/timetable/lesson_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/window/navigation.h"
#include "app/window/window_events.h"
#include "app/notes/note_commands.h"
#include "core/notes/note_files.h"
#include "app/view/lesson_fill.h"
#include "core/timetable/lesson_rules.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/school_class_commands.h"
#include "core/timetable/subject_list.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
constexpr int kSep8 = 12304;   // Monday 8 September 2003
constexpr int kSep29 = 12325;  // Monday 29 September 2003 (week 40)

// Peter's time-table with four lessons on Wednesday and one on the other days.
class LessonEditingTest : public TimetableTest {
protected:
    void OpenFourOnWednesday(Date today = {2003, 9, 10}) {
        Start(today);
        WritePeter({kAug11}, {"Base"});
        OpenPeter();
        auto& wednesday = ctx.state.Days[2];
        for (int j = 0; j < 4; ++j) {
            SetLesson(wednesday, j, {"W" + std::to_string(j), "R" + std::to_string(j), "T"});
        }
        WriteLines(folder / "Peter.dfd", TimetableLines(ctx.state.Days, ctx.state.ClassName));
        OpenPeter();
    }
    // The Wednesday subjects stored in a lesson file.
    static Lines WednesdayIn(const std::string& path) {
        const auto lines = ReadLines(path);
        Lines subjects;
        for (int j = 0; j < kLessons; ++j) subjects.push_back(lines.at(2 * 37 + 3 * j + 1));
        return subjects;
    }
    static Lines Wednesday(std::initializer_list<std::string> first) {
        Lines subjects(first);
        subjects.resize(kLessons);
        return subjects;
    }
};

TEST_F(LessonEditingTest, DeleteInsertAndAddWriteTheNewPeriodFromTheShownWeek) {
    struct Case {
        const char* what;
        void (*command)(AppContext&);
        std::optional<LessonFields> answer;
        Lines stored;
    };
    const Case cases[] = {
        {"delete", &DeleteLesson, LessonFields{}, Wednesday({"W0", "W2", "W3"})},
        {"insert", &InsertLesson, LessonFields{"New", "9", "X"},
         Wednesday({"W0", "New", "W1", "W2", "W3"})},
        {"add", &AddLesson, LessonFields{"New", "9", "X"},
         Wednesday({"W0", "W1", "W2", "W3", "New"})},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        OpenFourOnWednesday();
        SelectCell(ctx, {2, 1});
        ASSERT_EQ(ctx.state.SelLesson, 1) << c.what;
        dialogs.LessonAnswers = {c.answer};
        c.command(ctx);
        EXPECT_EQ(WednesdayIn(Period(1)), c.stored) << c.what;
        EXPECT_EQ(List(), (Lines{"12276", "12304"})) << c.what;
        EXPECT_EQ(WednesdayIn(folder / "Peter.dfd"), Wednesday({"W0", "W1", "W2", "W3"})) << c.what;
        EXPECT_FALSE(ctx.state.Saving.Modified) << c.what;
        EXPECT_EQ(ctx.view.Days[2].Cells[1].Caption, c.stored[1]) << c.what;
    }
    const auto& shown = dialogs.LessonsShown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].Title, "Delete class W1, Wednesday");
    EXPECT_EQ(shown[0].Fields, (LessonFields{"W1", "R1", "T"}));
    EXPECT_TRUE(shown[0].Choices.empty());
    EXPECT_EQ(shown[1].Title, "Put a new lesson in before W1, Wednesday");
    EXPECT_EQ(shown[1].Fields, LessonFields{});
    EXPECT_EQ(shown[2].Title, "Add a new lesson to Wednesday");
}

TEST_F(LessonEditingTest, ChangeLessonOffersTheSubjectListAndAsksAboutUnsavedChanges) {
    OpenFourOnWednesday();
    SelectCell(ctx, {2, 2});
    SetModified(ctx, true);
    dialogs.AskAnswers = {kAnswerCancel, kAnswerNo};
    dialogs.LessonAnswers = {LessonFields{"Math/2", "14", "Jensen"}};
    ChangeLesson(ctx);
    EXPECT_TRUE(dialogs.LessonsShown.empty());  // Cancel ended the command
    ChangeLesson(ctx);
    ASSERT_EQ(dialogs.Questions.size(), 2u);
    EXPECT_EQ(dialogs.Questions[1].Title, "Save Time-table");
    EXPECT_EQ(dialogs.Questions[1].Message, "Peter.dfd changed, save it?");
    ASSERT_EQ(dialogs.LessonsShown.size(), 1u);
    EXPECT_EQ(dialogs.LessonsShown[0].Title, "Change lesson W2, Wednesday");
    EXPECT_EQ(dialogs.LessonsShown[0].Fields, (LessonFields{"W2", "R2", "T"}));
    // The subject never carries a character a file name cannot hold.
    EXPECT_EQ(WednesdayIn(Period(1)), Wednesday({"W0", "W1", "Math2", "W3"}));
    const Lines list = ReadLines(User() + "fagl.txt");
    const int math = FindSubject(list, "Math2");
    ASSERT_GE(math, 0);
    EXPECT_EQ(list[math + 1], "14");
    EXPECT_EQ(list[math + 2], "Jensen");
}

TEST_F(LessonEditingTest, CancelAndRefusalsChangeNothingAndSaveNothing) {
    OpenFourOnWednesday();
    const std::string before = ReadBytes(folder / "Peter.dfd");
    SelectCell(ctx, {0, 0});  // Monday holds one lesson
    DeleteLesson(ctx);        // Cancel
    ChangeLesson(ctx);
    AddLesson(ctx);
    InsertLesson(ctx);
    EditStartTime(ctx);
    dialogs.LessonAnswers = {LessonFields{}};
    DeleteLesson(ctx);  // OK on the day's only lesson
    EXPECT_EQ(dialogs.Messages, (Lines{ctx.texts.OneLessonADay}));
    dialogs.LessonAnswers = {LessonFields{"", "1", "2"}};
    AddLesson(ctx);  // no subject: no lesson
    EXPECT_EQ(dialogs.LessonsShown.size(), 6u);
    EXPECT_EQ(dialogs.TimesShown.size(), 1u);
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), before);
    EXPECT_FALSE(fs::exists(Period(1)));
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(ctx.state.Days[0].Subject[0], "Base");
}

TEST_F(LessonEditingTest, AFullDayTakesNoAddOrInsert) {
    OpenFourOnWednesday();
    for (int j = 0; j < kLessons; ++j) ctx.state.Days[1].Subject[j] = "F" + std::to_string(j);
    ShowTimetable(ctx);
    SelectCell(ctx, {1, 3});
    AddLesson(ctx);
    InsertLesson(ctx);
    EXPECT_TRUE(dialogs.LessonsShown.empty());
}

TEST_F(LessonEditingTest, TheDetailsShowTheSelectedCellsLessonOrNothingAfterEveryCommand) {
    struct Case {
        const char* what;
        CellRef first;
        std::function<void(AppContext&)> command;
        const char* subject;  // "" when the selected cell holds no lesson
        const char* teacher;
        const char* room;
        const char* strip;
    };
    const auto key = [](char letter, bool ctrl, bool alt) {
        return [=](AppContext& c) { HandleKey(c, letter, ctrl, alt); };
    };
    const Case cases[] = {
        {"delete of the day's last lesson", {2, 3}, &DeleteLesson, "", "", "", ""},
        {"delete of a middle lesson", {2, 1}, &DeleteLesson, "W2", "T", "R2",
         "Start time Wednesday 08:00"},
        {"next school day onto an empty row", {2, 3}, key('D', false, true), "", "", "", ""},
        {"previous school day onto an empty row", {2, 2}, key('D', true, false), "", "", "", ""},
        {"next school day onto a lesson", {1, 0}, key('D', false, true), "W0", "T", "R0",
         "Start time Wednesday 08:00"},
        {"next lesson past the day's last", {2, 3}, key('L', false, true), "", "", "", ""},
        {"a click on an empty cell", {2, 3},
         [](AppContext& c) { SelectCell(c, {4, 6}); }, "", "", "", ""},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        OpenFourOnWednesday();
        SelectCell(ctx, c.first);
        ASSERT_FALSE(ctx.view.DetailLabels[0].Caption.empty()) << c.what;
        dialogs.LessonAnswers = {LessonFields{}};
        c.command(ctx);
        // The subject, with the lesson's times after it when there is one.
        const std::string& caption = ctx.view.DetailLabels[0].Caption;
        EXPECT_EQ(caption.substr(0, caption.find("   ")), c.subject) << c.what;
        EXPECT_EQ(ctx.view.DetailLabels[2].Caption, c.teacher) << c.what;
        EXPECT_EQ(ctx.view.DetailLabels[4].Caption, c.room) << c.what;
        EXPECT_EQ(ctx.view.TitleStrip.Caption, c.strip) << c.what;
    }
}

TEST_F(LessonEditingTest, StartTimesAreStoredAsDigitsAndRealignTheDays) {
    OpenFourOnWednesday();
    SelectCell(ctx, {2, 0});
    dialogs.TimeAnswers = {"09:30", "07:05", "00:00", "08:00"};
    EditStartTime(ctx);
    EXPECT_EQ(dialogs.TimesShown.at(0),
              (std::pair<std::string, std::string>{"Wednesday", "08:00"}));
    EXPECT_EQ(ReadLines(Period(1)).at(2 * 37), "930");
    // A later start moves Wednesday one row down.
    EXPECT_TRUE(ctx.view.Days[2].Cells[0].Caption.empty());
    EXPECT_EQ(ctx.view.Days[2].Cells[1].Caption, "W0");
    // The selection follows the lesson, and shows the new time.
    EXPECT_EQ(ctx.state.SelCell, (CellRef{2, 1}));
    EXPECT_EQ(ctx.view.TitleStrip.Caption, "Start time Wednesday 09:30");
    EditStartTime(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(2 * 37), "705");
    EditStartTime(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(2 * 37), "0");
    EditStartTime(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(2 * 37), "800");
    EXPECT_EQ(ctx.view.Days[2].Cells[0].Caption, "W0");
    EXPECT_EQ(ctx.state.SelCell, (CellRef{2, 0}));
    EXPECT_EQ(List(), (Lines{"12276", "12304"}));
}

TEST_F(LessonEditingTest, ABlankOrHalfTypedTimeIsNoMidnight) {
    OpenFourOnWednesday();
    SelectCell(ctx, {2, 0});
    dialogs.TimeAnswers = {"  :  ", "9 :3 ", "  :30"};
    for (int k = 0; k < 3; ++k) EditStartTime(ctx);
    EXPECT_EQ(ctx.state.Days[2].StartTime, 800);
    EXPECT_FALSE(fs::exists(Period(1)));
}

TEST_F(LessonEditingTest, AnEditInWeek40LeavesEarlierWeeksAlone) {
    OpenFourOnWednesday({2003, 10, 1});
    SelectCell(ctx, {2, 0});
    dialogs.LessonAnswers = {LessonFields{"Art", "", ""}};
    ChangeLesson(ctx);
    EXPECT_EQ(List(), (Lines{"12276", std::to_string(kSep29)}));
    Select(2003, 9, 24);
    EXPECT_EQ(ctx.view.Days[2].Cells[0].Caption, "W0");
    Select(2003, 10, 8);
    EXPECT_EQ(ctx.view.Days[2].Cells[0].Caption, "Art");
}

TEST_F(LessonEditingTest, AFailedSaveKeepsTheDialogOpenAndClosingItKeepsTheStoredLessons) {
    OpenFourOnWednesday();
    SelectCell(ctx, {2, 1});
    fs::remove_all(User());
    dialogs.LessonAnswers = {LessonFields{"Art", "", ""}, std::nullopt};
    EXPECT_TRUE(ErrorOf([&] { ChangeLesson(ctx); }).empty());
    EXPECT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_FALSE(ctx.view.Menus.Save.Enabled);
    EXPECT_EQ(ctx.state.Days[2].Subject[1], "W1");
    fs::create_directories(User());
    dialogs.LessonAnswers = {LessonFields{"Art", "", ""}};
    ChangeLesson(ctx);
    EXPECT_EQ(WednesdayIn(Period(1)), Wednesday({"W0", "Art", "W2", "W3"}));
}

TEST_F(LessonEditingTest, WithoutATimetableEveryCommandRunsSaveAs) {
    Start();
    for (auto command : {&EditStartTime, &ChangeLesson, &DeleteLesson, &AddLesson, &InsertLesson,
                         &RemoveLessonFromList, &EditSchool, &EditClass}) {
        command(ctx);
    }
    EXPECT_EQ(dialogs.SaveDialogs, 8);
    EXPECT_TRUE(dialogs.LessonsShown.empty());
    EXPECT_TRUE(dialogs.ContactCardsShown.empty());
    EXPECT_EQ(dialogs.ClassDialogs, 0);
    ClassFieldClick(ctx);  // the class field does nothing
    EXPECT_EQ(dialogs.SaveDialogs, 8);
    EXPECT_EQ(dialogs.ClassDialogs, 0);
}

// With Sunday first a Sunday shows the school week after it: its lessons and its edits are that
// week's. With Monday first a Sunday closes the week before.
TEST_F(LessonEditingTest, ASundayStandsForTheSchoolWeekTheOptionGivesIt) {
    struct Case {
        bool sundayFirst;
        const char* shown;
        int pending;
    };
    const Case cases[] = {{true, "Later", 12304}, {false, "Base", 12297}};
    for (const auto& c : cases) {
        fs::remove_all(folder.Path());
        fs::create_directories(folder.Path());
        Start({2003, 9, 7});  // Sunday
        if (ctx.state.SundayFirst != c.sundayFirst) MondayFirstClick(ctx);
        ASSERT_EQ(ctx.state.SundayFirst, c.sundayFirst);
        WritePeter({kAug11, kSep8}, {"Base", "Later"});
        OpenPeter();
        Select(2003, 9, 7);
        EXPECT_EQ(Shown(), c.shown) << c.sundayFirst;
        MarkPendingPeriod(ctx);
        EXPECT_EQ(ctx.state.Saving.PendingPeriodStart, c.pending) << c.sundayFirst;
        ctx.state.Days[0].Subject[0] = "Edited";
        SetModified(ctx, true);
        Save(ctx);
        EXPECT_EQ(List(),
                  c.sundayFirst ? (Lines{"12276", "12304"}) : (Lines{"12276", "12297", "12304"}))
            << c.sundayFirst;
        if (c.sundayFirst) {
            EXPECT_EQ(SubjectIn(Period(1)), "Edited");
            EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base");
        } else {
            EXPECT_EQ(SubjectIn(Period(1)), "Edited");
            EXPECT_EQ(SubjectIn(Period(2)), "Later");
        }
    }
}

TEST_F(LessonEditingTest, ASubjectKeepsTheRefusedCharactersItHadOrWasChosenWith) {
    OpenFourOnWednesday();
    SetLesson(ctx.state.Days[2], 1, {"Physics/Chemistry", "Lab 2", "Nielsen"});
    WriteLines(User() + "fagl.txt", {"Art/Design", "3", "Dahl"});
    SelectCell(ctx, {2, 1});
    struct Case {
        const char* what;
        void (*command)(AppContext&);
        LessonFields answer;
        Lines stored;
    };
    const Case cases[] = {
        {"only the room changed",
         &ChangeLesson,
         {"Physics/Chemistry", "Lab 3", "Nielsen"},
         Wednesday({"W0", "Physics/Chemistry", "W2", "W3"})},
        {"typed after the opening subject",
         &ChangeLesson,
         {"Physics/Chemistry 2", "Lab 3", "N"},
         Wednesday({"W0", "Physics/Chemistry 2", "W2", "W3"})},
        {"chosen from the list",
         &AddLesson,
         {"Art/Design", "3", "Dahl"},
         Wednesday({"W0", "Physics/Chemistry 2", "W2", "W3", "Art/Design"})},
        {"typed into an empty field",
         &AddLesson,
         {"Math/2", "", ""},
         Wednesday({"W0", "Physics/Chemistry 2", "W2", "W3", "Art/Design", "Math2"})},
    };
    WriteLines(LinkFilePath(User(), "Physics/Chemistry"), {"https://phet.colorado.edu/"});
    for (const auto& c : cases) {
        dialogs.LessonAnswers = {c.answer};
        c.command(ctx);
        EXPECT_EQ(WednesdayIn(Period(1)), c.stored) << c.what;
        if (&c == &cases[0]) {
            // The lesson still finds its subject's links.
            dialogs.LinksAnswers = {std::nullopt};
            LinksCommand(ctx);
            EXPECT_EQ(dialogs.LinksDialogs.back().Lines, Lines{"https://phet.colorado.edu/"});
        }
    }
}

TEST_F(LessonEditingTest, RemovingALessonFromTheListUsesTheLessonDialog) {
    OpenFourOnWednesday();
    SelectCell(ctx, {2, 3});
    dialogs.LessonAnswers = {LessonFields{"W3", "R3", "T"}};
    ChangeLesson(ctx);  // the save writes the subject list
    dialogs.LessonsShown.clear();
    dialogs.LessonAnswers = {LessonFields{"Empty", "", ""}, LessonFields{"W2", "", ""},
                             LessonFields{"Nothing", "", ""}};
    RemoveLessonFromList(ctx);
    RemoveLessonFromList(ctx);
    RemoveLessonFromList(ctx);
    EXPECT_EQ(dialogs.Messages, (Lines{"You can't delete this."}));
    ASSERT_EQ(dialogs.LessonsShown.size(), 3u);
    EXPECT_EQ(dialogs.LessonsShown[0].Title, "Delete from list");
    EXPECT_EQ(dialogs.LessonsShown[0].Fields, LessonFields{});
    EXPECT_EQ(dialogs.LessonsShown[0].Choices, (Lines{"W3", "W2", "W1", "W0", "Empty", "Base"}));
    const Lines list = ReadLines(User() + "fagl.txt");
    EXPECT_EQ(std::count(list.begin(), list.end(), "W2"), 0);
    EXPECT_EQ(std::count(list.begin(), list.end(), "W1"), 1);
}

}  // namespace
}  // namespace skemora::test
