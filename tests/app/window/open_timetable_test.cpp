// The open time-table has one owner: the record that opening, creating and Save As set and
// closing clears. The caption is drawn from it and never read back; every command that needs a
// time-table meets the same guard, and unsaved changes the same question; the options live in
// the state and the menu only shows them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>

#include "app/export/export_commands.h"
#include "app/notes/homework_commands.h"
#include "app/notes/note_commands.h"
#include "app/timetable/lesson_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/school_class_commands.h"
#include "app/window/window_events.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
constexpr int kSep8 = 12304;   // Monday 8 September 2003

class OpenTimetableTest : public TimetableTest {
protected:
    // Every dialog a command may show besides Save As's, and every page it opens.
    std::size_t OtherDialogs() const {
        return dialogs.TimesShown.size() + dialogs.LessonsShown.size() +
               dialogs.ContactCardsShown.size() + static_cast<std::size_t>(dialogs.ClassDialogs) +
               dialogs.HomeworkDialogs.size() + dialogs.LinksDialogs.size() +
               dialogs.MatesDialogs.size() + platform.Opened.size();
    }
    void ExpectPeterOpen() {
        ASSERT_TRUE(ctx.state.Open);
        EXPECT_EQ(ctx.state.Open->Name, "Peter.dfd");
        EXPECT_EQ(ctx.state.Open->TimetablePath, folder / "Peter.dfd");
        EXPECT_EQ(UserFolder(ctx.state), User());
        EXPECT_EQ(UserName(ctx.state), "Peter");
        EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    }
};

struct OpeningCase {
    const char* Name;
    std::function<void(AppContext&, FakeDialogs&, const TempFolder&)> Run;
};

class OpeningTest : public OpenTimetableTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(OpeningTest, MakesTheTimetableTheOpenOneAndClosingForgetsIt) {
    WritePeter({kAug11}, {"Base"});
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    Start();
    EXPECT_FALSE(ctx.state.Open);
    GetParam().Run(ctx, dialogs, folder);
    ExpectPeterOpen();
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_FALSE(ctx.state.Saving.WriteAllOnSave);
    EXPECT_LE(ctx.state.Saving.PendingPeriodStart, 0);
    EXPECT_TRUE(fs::exists(folder / "Peter.dfd"));

    CloseTimetable(ctx);
    EXPECT_FALSE(ctx.state.Open);
    EXPECT_EQ(ctx.view.Title, "Time-table");
    EXPECT_EQ(UserFolder(ctx.state), "");
    // With none open, a new week reads and writes nothing of Peter's.
    const auto files = FilesUnder(folder.Path());
    Select(2003, 9, 17);
    EXPECT_EQ(FilesUnder(folder.Path()), files);
}

INSTANTIATE_TEST_SUITE_P(
    Openings, OpeningTest,
    ::testing::Values(
        OpeningCase{"Open",
                    [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder& folder) {
                        dialogs.OpenAnswers = {folder / "Peter.dfd"};
                        OpenCommand(ctx);
                    }},
        OpeningCase{"CommandLine",
                    [](AppContext& ctx, FakeDialogs&, const TempFolder&) {
                        OpenCommandLineTimetable(ctx, {"Peter"});
                    }},
        OpeningCase{"NewTimetable",
                    [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder& folder) {
                        fs::remove(folder / "Peter.dfd");
                        dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{"Peter", "6U"}};
                        NewTimetable(ctx);
                    }},
        OpeningCase{"SaveAs",
                    [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder& folder) {
                        fs::remove(folder / "Peter.dfd");
                        dialogs.SaveAnswers = {folder / "Peter.dfd"};
                        SaveAs(ctx);
                    }},
        OpeningCase{"SaveAsFromAnother",
                    [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder& folder) {
                        OpenTimetable(ctx, folder / "Paula.dfd");
                        fs::remove(folder / "Peter.dfd");
                        dialogs.SaveAnswers = {folder / "Peter.dfd"};
                        SaveAs(ctx);
                    }}),
    [](const auto& info) { return std::string(info.param.Name); });

class CaptionTest : public OpenTimetableTest, public ::testing::WithParamInterface<const char*> {};

// The old code took the caption for the state: a caption written by anyone closed the
// time-table or moved its files to another user's folder.
TEST_P(CaptionTest, WritingTheCaptionAloneChangesNothingOfTheState) {
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    Start();
    OpenPeter();
    Select(2003, 9, 10);
    ctx.view.Title = GetParam();
    Select(2003, 9, 11);
    EXPECT_TRUE(IsTimetableOpen(ctx));
    EXPECT_EQ(MainFilePath(ctx), folder / "Peter.dfd");
    EXPECT_EQ(UserFolder(ctx.state), User());
    EXPECT_EQ(ctx.state.Open->Name, "Peter.dfd");
    EditMonday("Edited");
    EXPECT_EQ(SubjectIn(Period(1)), "Edited");
    EXPECT_FALSE(fs::exists(folder / "Paula"));
    EXPECT_FALSE(fs::exists(folder / "Time-table"));
    EXPECT_EQ(ctx.view.Title, GetParam());  // drawn when a time-table opens or closes, not read
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionTest, ::testing::Values("Time-table", "Paula.dfd"),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'T' ? "NoDocument" : "Another");
                         });

using Command = void (*)(AppContext&);
struct CommandCase {
    const char* Name;
    Command Run;
};

class GuardTest : public OpenTimetableTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(GuardTest, WithoutATimetableRunsSaveAsInstead) {
    Start();
    const auto files = FilesUnder(folder.Path());
    GetParam().Run(ctx);  // the Save As dialog is closed without a name
    EXPECT_EQ(dialogs.SaveDialogs, 1);
    EXPECT_EQ(OtherDialogs(), 0u);
    EXPECT_FALSE(ctx.state.Open);
    EXPECT_EQ(FilesUnder(folder.Path()), files);
}

TEST_P(GuardTest, WithATimetableRunsTheCommand) {
    WritePeter({kAug11}, {"Base"});
    Start();
    OpenPeter();
    SelectCell(ctx, {0, 0});
    GetParam().Run(ctx);
    EXPECT_EQ(dialogs.SaveDialogs, 0);
    EXPECT_GT(OtherDialogs(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GuardTest,
    ::testing::Values(
        CommandCase{"EditStartTime", &EditStartTime}, CommandCase{"ChangeLesson", &ChangeLesson},
        CommandCase{"DeleteLesson", &DeleteLesson}, CommandCase{"AddLesson", &AddLesson},
        CommandCase{"InsertLesson", &InsertLesson},
        CommandCase{"RemoveLessonFromList", &RemoveLessonFromList},
        CommandCase{"School", &EditSchool}, CommandCase{"Class", &EditClass},
        CommandCase{"Links", &LinksCommand}, CommandCase{"Teacher", &TeacherCommand},
        CommandCase{"Students", &StudentsCommand}, CommandCase{"Homework", &HomeworkCommand},
        CommandCase{"TimetablePage", &ConverttoClick},
        CommandCase{"CalendarPage", &Calendar1Click}),
    [](const auto& info) { return std::string(info.param.Name); });

struct QuestionCase {
    const char* Name;
    std::string Message;
    // Runs the command; true when it went on past the question.
    std::function<bool(AppContext&, FakeDialogs&, const TempFolder&)> Run;
};

class QuestionTest : public OpenTimetableTest,
                     public ::testing::WithParamInterface<std::tuple<QuestionCase, int>> {};

TEST_P(QuestionTest, AsksOnceYesSavesNoDiscardsCancelStops) {
    const auto& [command, answer] = GetParam();
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    Start();
    OpenPeter();
    SelectCell(ctx, {0, 0});
    ctx.state.Days[0].Subject[0] = "Unsaved";
    SetModified(ctx, true);
    dialogs.AskAnswers = {answer};
    const bool wentOn = command.Run(ctx, dialogs, folder);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Save Time-table");
    EXPECT_EQ(dialogs.Questions[0].Message, command.Message);
    EXPECT_EQ(SubjectIn(Period(1)), answer == kAnswerYes ? "Unsaved" : "September");
    EXPECT_EQ(wentOn, answer != kAnswerCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuestionTest,
    ::testing::Combine(
        ::testing::Values(
            QuestionCase{"Open", "Time-table changed, save it?",
                         [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder& folder) {
                             dialogs.OpenAnswers = {folder / "Paula.dfd"};
                             OpenCommand(ctx);
                             return ctx.view.Title == "Paula.dfd";
                         }},
            QuestionCase{"ChangeLesson", "Peter.dfd changed, save it?",
                         [](AppContext& ctx, FakeDialogs& dialogs, const TempFolder&) {
                             ChangeLesson(ctx);
                             return !dialogs.LessonsShown.empty();
                         }},
            QuestionCase{
                "Close", "Peter.dfd changed, save it?",
                [](AppContext& ctx, FakeDialogs&, const TempFolder&) { return CloseQuery(ctx); }}),
        ::testing::Values(kAnswerYes, kAnswerNo, kAnswerCancel)),
    [](const auto& info) {
        const int answer = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).Name) + (answer == kAnswerYes  ? "Yes"
                                                            : answer == kAnswerNo ? "No"
                                                                                  : "Cancel");
    });

struct OptionMarkCase {
    const char* Name;
    MenuItem MenuView::*Mark;
};

class OptionMarkTest : public OpenTimetableTest,
                       public ::testing::WithParamInterface<OptionMarkCase> {};

// The old code took the check marks for the options: a mark drawn differently was written back
// at closing as the user's choice.
TEST_P(OptionMarkTest, TheMarkAloneChangesNoOption) {
    platform.Settings["Directory"] = "/opt/s";
    Start();
    MenuItem& mark = ctx.view.Menus.*GetParam().Mark;
    mark.Checked = !mark.Checked;
    EXPECT_FALSE(ctx.state.SundayFirst);
    EXPECT_FALSE(ctx.state.StartInTray);
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_TRUE(platform.Writes.empty());
    EXPECT_EQ(platform.AutostartChanges, 0);
}

INSTANTIATE_TEST_SUITE_P(Options, OptionMarkTest,
                         ::testing::Values(OptionMarkCase{"MondayFirst", &MenuView::MondayFirst},
                                           OptionMarkCase{"StartTray", &MenuView::StartTray}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(OpenTimetableTest, TheMarksFollowTheOptionsInTheState) {
    Start();
    MondayFirstClick(ctx);
    StartTrayClick(ctx);
    EXPECT_TRUE(ctx.state.SundayFirst);
    EXPECT_TRUE(ctx.state.StartInTray);
    EXPECT_FALSE(ctx.view.Menus.MondayFirst.Checked);
    EXPECT_TRUE(ctx.view.Menus.StartTray.Checked);
    StartTrayClick(ctx);
    EXPECT_FALSE(ctx.state.StartInTray);
    EXPECT_FALSE(ctx.view.Menus.StartTray.Checked);
}

}  // namespace
}  // namespace skemora::test
