#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "app/window/window_events.h"
#include "app/storage/loading.h"
#include "app/timetable/open_commands.h"
#include "app/storage/save.h"
#include "app/timetable/save_as_commands.h"
#include "core/timetable/subject_list.h"
#include "app/storage/subject_list_files.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_notes.h"
#include "app/timetable/week_notes_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
constexpr int kSep8 = 12304;   // Monday 8 September 2003
constexpr int kNov3 = 12360;   // Monday 3 November 2003

using StorageTest = TimetableTest;

TEST_F(StorageTest, OpeningShowsTheTimetableOfTheSelectedDate) {
    Start();
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    EXPECT_EQ(UserFolder(ctx.state), User());
    EXPECT_EQ(UserName(ctx.state), "Peter");
    EXPECT_FALSE(ctx.state.Saving.Loading);
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 0);
    EXPECT_EQ(Shown(), "Base");
    EXPECT_EQ(ctx.view.ClassField.Caption, "6U");
    EXPECT_EQ(ctx.view.LessonButtons[kStudentsButton].Hint, ctx.texts.SchoolMatesHint + "6U");
    EXPECT_FALSE(ctx.view.Menus.Save.Enabled);
    EXPECT_TRUE(ctx.view.Menus.School.Enabled);
}

TEST_F(StorageTest, AnEditAfterTheOnlyStartAppendsAPeriodAndLeavesEarlierWeeks) {
    Start({2003, 9, 10});
    WritePeter({kAug11}, {"Base"});
    const std::string base = ReadBytes(folder / "Peter.dfd");
    OpenPeter();
    EditMonday("Edited");
    EXPECT_EQ(List(), (Lines{"12276", "12304"}));
    EXPECT_EQ(SubjectIn(Period(1)), "Edited");
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), base);
    EXPECT_EQ(ctx.state.Saving.PendingPeriodStart, 0);
    Select(2003, 9, 5);
    EXPECT_EQ(Shown(), "Base");
}

TEST_F(StorageTest, AnEditBetweenTwoStartsInsertsAPeriodAndMovesLaterFilesUp) {
    Start({2003, 10, 8});
    WritePeter({kAug11, kNov3}, {"Base", "November"});
    OpenPeter();
    EXPECT_EQ(Shown(), "Base");
    EditMonday("October");
    EXPECT_EQ(List(), (Lines{"12276", "12332", "12360"}));
    EXPECT_EQ(SubjectIn(Period(1)), "October");
    EXPECT_EQ(SubjectIn(Period(2)), "November");
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 1);
    Select(2003, 11, 4);
    EXPECT_EQ(Shown(), "November");
}

TEST_F(StorageTest, AnEditInTheWeekOfAStartRewritesOnlyThatPeriod) {
    Start({2003, 9, 14});  // a Sunday: its Monday is six days earlier
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    const std::string base = ReadBytes(folder / "Peter.dfd");
    OpenPeter();
    EditMonday("Changed");
    EXPECT_EQ(List(), (Lines{"12276", "12304"}));
    EXPECT_EQ(SubjectIn(Period(1)), "Changed");
    EXPECT_FALSE(fs::exists(Period(2)));
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), base);
}

TEST_F(StorageTest, AnEditBeforeTheFirstStartRewritesTheMainFileAndMovesTheStartBack) {
    Start({2003, 8, 20});
    WritePeter({kSep8, kNov3}, {"Base", "November"});
    OpenPeter();
    EXPECT_EQ(Shown(), "Base");
    EditMonday("Earlier");
    EXPECT_EQ(List(), (Lines{std::to_string(DayNumber(2003, 8, 18)), "12360"}));
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Earlier");
}

TEST_F(StorageTest, TwoEditsInANewPeriodGrowTheListOnce) {
    for (const Date date : {Date{2003, 9, 10}, Date{2003, 10, 8}}) {
        TempFolder data;
        AppContext app{dialogs, platform};
        platform.TodayDate = date;
        ConstructMainWindow(app, data.Path());
        FirstShow(app, {});
        fs::create_directories(data / "Peter");
        WriteLines(data / "Peter.dfd", LessonFile("Base"));
        WriteLines(data / "Peter/fratil.dfd", {"12276", "12360"});
        WriteLines(data / "Peter/S1.dfd", LessonFile("November"));
        OpenTimetable(app, data / "Peter.dfd");
        for (const char* subject : {"First", "Second"}) {
            app.state.Days[0].Subject[0] = subject;
            app.state.Saving.Modified = true;
            MarkPendingPeriod(app);
            Save(app);
        }
        const auto monday = std::to_string(MondayOfSelectedWeek(app.state));
        EXPECT_EQ(ReadLines(data / "Peter/fratil.dfd"), (Lines{"12276", monday, "12360"}));
        EXPECT_EQ(SubjectIn(data / "Peter/S1.dfd"), "Second");
        EXPECT_EQ(SubjectIn(data / "Peter/S2.dfd"), "November");
    }
}

TEST_F(StorageTest, APeriodWithoutItsLessonFileShowsTheLessonsLastRead) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "unused"});
    fs::remove(Period(1));
    OpenPeter();  // straight into period 1: nothing read yet, so the base lessons
    EXPECT_EQ(ctx.state.Saving.LoadedPeriod, 1);
    EXPECT_EQ(Shown(), "Base");
}

TEST_F(StorageTest, WithoutAPeriodListTheEditedWeekStartsPeriodZero) {
    Start({2003, 9, 10});
    WritePeter({}, {"Base"});
    OpenPeter();
    EXPECT_EQ(Shown(), "Base");
    ctx.state.ClassName = "7A";
    ctx.state.Saving.Modified = true;
    Save(ctx);
    EXPECT_FALSE(fs::exists(User() + "fratil.dfd"));
    EditMonday("Edited");
    EXPECT_EQ(List(), Lines{"12304"});
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Edited");
    EXPECT_FALSE(fs::exists(User() + "S0.dfd"));
    EXPECT_FALSE(fs::exists(Period(1)));
}

TEST_F(StorageTest, AChangeWithoutPendingStartWritesTheLoadedPeriodAndMergesSubjects) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(User() + "fagl.txt", {"Stored", "1", "T"});
    OpenPeter();
    ctx.state.ClassName = "7A";
    ctx.state.Saving.Modified = true;
    Save(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(185), "7A");
    EXPECT_EQ(ReadLines(folder / "Peter.dfd").at(185), "6U");
    EXPECT_EQ(ReadBytes(User() + "fagl.txt"),
              CrLf({"Empty", "", "", "September", "", "", "Stored", "1", "T"}));
}

TEST_F(StorageTest, OpeningAnotherUserTakesNothingOfThePreviousOne) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(User() + "fagl.txt", {"Peters", "", ""});
    OpenPeter();
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    OpenTimetable(ctx, folder / "Paula.dfd");
    EXPECT_EQ(UserFolder(ctx.state), folder / "Paula/");
    EXPECT_EQ(ctx.state.Periods.Count, 0);
    EXPECT_TRUE(ctx.state.SubjectList.empty());
    EXPECT_EQ(Shown(), "Paulas");
}

TEST_F(StorageTest, AFailedOpenLeavesNoNotesOfThePreviousUserToTypeIntoTheNewOnes) {
    Start({2003, 9, 10});
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    ctx.view.NotesText = "Peter's";
    NotesEdited(ctx);
    fs::create_directories(folder / "Paula");
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    WriteLines(folder / "Paula/a200337.dfz", {"Paula's"});
    WriteLines(folder / "Paula/a200337.dff", {"1", "x", "0"});
    EXPECT_EQ(ErrorOf([&] { OpenTimetable(ctx, folder / "Paula.dfd"); }),
              "'x' is not a valid integer value");
    // Typing now would save Peter's notes over Paula's.
    EXPECT_FALSE(ctx.view.NotesBox.Enabled);
    EXPECT_EQ(ctx.view.NotesText, "");
    fs::remove(folder / "Paula/a200337.dff");
    Select(2003, 9, 11);
    EXPECT_TRUE(ctx.view.NotesBox.Enabled);
    EXPECT_EQ(ctx.view.NotesText, "Paula's");
    EXPECT_EQ(ReadLines(User() + "a200337.dfz"), Lines{"Peter's"});
}

TEST_F(StorageTest, AnOpenThatFailsKeepsTheUsersOwnSubjectListForTheNextSave) {
    Start({2003, 9, 10});
    fs::create_directories(folder / "Paula");
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    WriteLines(folder / "Paula/fagl.txt", {"Paulas", "P1", "PT"});
    OpenTimetable(ctx, folder / "Paula.dfd");
    WritePeter({kAug11}, {"Base"});
    WriteLines(User() + "fagl.txt", {"Maths", "R1", "T1"});
    WriteLines(User() + "a200337.dff", {"1", "x", "0"});
    EXPECT_EQ(ErrorOf([&] { OpenPeter(); }), "'x' is not a valid integer value");
    Select(2003, 9, 17);
    EditMonday("Edited");
    const Lines subjects = ReadLines(User() + "fagl.txt");
    const int maths = FindSubject(subjects, "Maths");
    ASSERT_GE(maths, 0);
    EXPECT_EQ(subjects.at(maths + 1), "R1");
    EXPECT_EQ(subjects.at(maths + 2), "T1");
    EXPECT_EQ(FindSubject(subjects, "Paulas"), -1);
}

TEST_F(StorageTest, AnEditAfterAnOpenThatLoadedNoLessonsWritesNoLessonFile) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(User() + "a200337.dff", {"1", "x", "0"});
    const std::string base = ReadBytes(folder / "Peter.dfd");
    const std::string september = ReadBytes(Period(1));
    const std::string list = ReadBytes(User() + "fratil.dfd");
    EXPECT_NE(ErrorOf([&] { OpenPeter(); }), "");
    // The lessons held are the blank ones of no file.
    EXPECT_EQ(ErrorOf([&] { EditMonday("Edited"); }),
              folder / "Peter.dfd" + " could not be read, so the change is not saved over it.");
    EXPECT_EQ(ReadBytes(Period(1)), september);
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), base);
    EXPECT_EQ(ReadBytes(User() + "fratil.dfd"), list);
    // Once a period has loaded, edits save again.
    Select(2003, 9, 17);
    EditMonday("Edited");
    EXPECT_EQ(SubjectIn(Period(2)), "Edited");
    EXPECT_EQ(ReadBytes(Period(1)), september);
}

TEST_F(StorageTest, EqualStartsSaveIntoTheLaterOneTheWeekShows) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8, kSep8}, {"Base", "Hidden", "September"});
    OpenPeter();
    EditMonday("Equal");
    EXPECT_EQ(SubjectIn(Period(2)), "Equal");
    EXPECT_EQ(SubjectIn(Period(1)), "Hidden");
    EXPECT_EQ(List(), (Lines{"12276", "12304", "12304"}));
}

TEST_F(StorageTest, DescendingStartsAreReadInOrderAndTheSaveWritesThemInOrder) {
    Start({2003, 10, 8});
    WritePeter({kNov3, kSep8, kAug11}, {"Base", "September", "August"});
    OpenPeter();
    EXPECT_EQ(Shown(), "September");
    EditMonday("Edited");
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base");
    EXPECT_EQ(SubjectIn(Period(1)), "August");
    EXPECT_EQ(SubjectIn(Period(2)), "September");
    EXPECT_EQ(SubjectIn(Period(3)), "Edited");
    EXPECT_EQ(List(), (Lines{"12276", "12276", "12304", "12332"}));
}

// Every path under `root`, folders and links included.
std::set<std::string> EntriesUnder(const std::string& root) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        entries.insert(entry.path().string());
    return entries;
}

TEST_F(StorageTest, CommandLineOpensANameFromTheDataFolder) {
    Start();
    WritePeter({kAug11}, {"Base"});
    WriteLines(Period(1), LessonFile("Peters period"));
    WriteLines(folder / "a b.dfd", LessonFile("AB"));
    fs::create_directories(folder / "x");
    const std::string refused = " is not a time-table. Only the time-tables directly in " +
                                folder.Path() + " (a name and .dfd) can be opened.";
    const auto entries = EntriesUnder(folder.Path());
    for (const auto& [arguments, opened, message] :
         std::vector<std::tuple<Lines, std::string, std::string>>{
             {{}, "", ""},
             {{""}, "", ""},
             {{"missing"}, "", ""},
             {{"Peter.dfd"}, "", ""},
             {{"x/../Peter"}, "", folder / "x/../Peter.dfd" + refused},
             {{"Peter/S1"}, "", folder / "Peter/S1.dfd" + refused},
             {{"a", "b"}, "a b.dfd", ""},
             {{"Peter"}, "Peter.dfd", ""}}) {
        CloseTimetable(ctx);
        dialogs.Messages.clear();
        OpenCommandLineTimetable(ctx, arguments);
        EXPECT_EQ(ctx.view.Title, opened.empty() ? ctx.texts.NoDocumentTitle : opened);
        EXPECT_EQ(dialogs.Messages, message.empty() ? Lines{} : Lines{message});
    }
    auto created = EntriesUnder(folder.Path());
    created.erase(folder / "a b");
    EXPECT_EQ(created, entries);
}

TEST_F(StorageTest, OpenCommandOpensOnlyAMainTimetableFileOfTheDataFolder) {
    Start();
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(User() + "skol.dfd", {"Byskolen", "", "", "", "", "", ""});
    WriteLines(folder / "notes.txt", {"not a time-table"});
    TempFolder elsewhere;
    WriteLines(elsewhere / "Paula.dfd", LessonFile("Paulas"));
    fs::create_directory_symlink(User(), folder / "inside");
    fs::create_symlink(Period(1), folder / "Link.dfd");
    fs::create_directory_symlink(folder.Path(), elsewhere / "data");
    // Their user folders would be the data folder itself and the one above it.
    WriteLines(folder / "..dfd", LessonFile("Dot"));
    WriteLines(folder / "...dfd", LessonFile("Dots"));

    struct Case {
        std::string Chosen;
        std::string Opened;  // the caption afterwards; empty: refused with the message
    };
    const Case cases[] = {
        {User() + "S1.dfd", ""},             // a period file of a pupil
        {User() + "skol.dfd", ""},           // the school card of a pupil
        {folder / "inside/S1.dfd", ""},      // the same through a link to the pupil's folder
        {folder / "Link.dfd", ""},           // a link in the data folder to a period file
        {elsewhere / "Paula.dfd", ""},       // a time-table outside the data folder
        {folder / "notes.txt", ""},          // not a .dfd file
        {folder / "..dfd", ""},
        {folder / "...dfd", ""},
        {User() + "../Peter.dfd", "Peter.dfd"},
        {elsewhere / "data/Peter.dfd", "Peter.dfd"},  // the data folder reached through a link
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Chosen);
        const auto entries = EntriesUnder(folder.Path());
        const auto files = FilesUnder(folder.Path());
        const auto outside = EntriesUnder(elsewhere.Path());
        CloseTimetable(ctx);
        dialogs.Messages.clear();
        dialogs.OpenAnswers = {c.Chosen};
        OpenCommand(ctx);
        if (c.Opened.empty()) {
            EXPECT_EQ(dialogs.Messages,
                      Lines{c.Chosen + " is not a time-table. Only the time-tables directly in " +
                            folder.Path() + " (a name and .dfd) can be opened."});
            EXPECT_EQ(ctx.view.Title, ctx.texts.NoDocumentTitle);
            EXPECT_FALSE(ctx.state.Open);
            EXPECT_EQ(EntriesUnder(folder.Path()), entries);
            EXPECT_EQ(EntriesUnder(elsewhere.Path()), outside);
            EXPECT_EQ(FilesUnder(folder.Path()), files);
        } else {
            EXPECT_TRUE(dialogs.Messages.empty());
            EXPECT_EQ(ctx.view.Title, c.Opened);
            EXPECT_EQ(ctx.state.Open->TimetablePath, folder / "Peter.dfd");
            EXPECT_EQ(UserFolder(ctx.state), User());
            // An edit saves into Peter's own files.
            EditMonday("Edited");
            EXPECT_EQ(SubjectIn(Period(1)), "Edited");
        }
    }
}

TEST_F(StorageTest, TheRefusalOfAFileToOpenIsDanishInDanish) {
    Start();
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    ctx.texts = MessageTextsFor(kDanish);
    dialogs.OpenAnswers = {Period(1)};
    OpenCommand(ctx);
    EXPECT_EQ(dialogs.Messages, Lines{Period(1) + " er ikke et skema. Kun skemaerne direkte i " +
                                      folder.Path() + " (et navn og .dfd) kan åbnes."});
}

TEST_F(StorageTest, OpenCommandAsksAboutUnsavedChangesAndNoDiscardsThem) {
    Start();
    WritePeter({kAug11}, {"Base"});
    WriteLines(folder / "Paula.dfd", LessonFile("Paulas"));
    const std::string paula = ReadBytes(folder / "Paula.dfd");
    OpenPeter();
    ctx.state.Days[0].Subject[0] = "Unsaved";
    ctx.state.Saving.Modified = true;

    dialogs.OpenAnswers = {folder / "Paula.dfd", folder / "Paula.dfd"};
    dialogs.AskAnswers = {kAnswerCancel, kAnswerNo};
    OpenCommand(ctx);
    EXPECT_EQ(dialogs.LastFolder, folder.Path());
    EXPECT_EQ(dialogs.LastFilter, "*.dfd|*.dfd");
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Save Time-table");
    EXPECT_EQ(dialogs.Questions[0].Message, "Time-table changed, save it?");
    EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    OpenCommand(ctx);
    EXPECT_EQ(Shown(), "Paulas");
    EXPECT_EQ(ReadBytes(folder / "Paula.dfd"), paula);
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base");

    ctx.state.Days[0].Subject[0] = "Kept";
    ctx.state.Saving.Modified = true;
    dialogs.OpenAnswers = {folder / "Peter.dfd"};
    dialogs.AskAnswers = {kAnswerYes};
    OpenCommand(ctx);
    EXPECT_EQ(SubjectIn(folder / "Paula.dfd"), "Kept");
}

TEST_F(StorageTest, SaveAsStaysInTheDataFolderAndCompletesLikeOpening) {
    Start({2003, 9, 10});
    TempFolder elsewhere;
    fs::create_directories(folder / "sub");
    dialogs.SaveAnswers = {elsewhere / "Peter.dfd", folder / "sub/../Peter"};
    SaveAs(ctx);
    EXPECT_EQ(dialogs.SaveDialogs, 2);
    EXPECT_EQ(dialogs.LastFileName, "Time-table");
    EXPECT_EQ(dialogs.LastFilter, "*.dfd|*.dfd|*.txt|*.txt|*.*|*.*");
    EXPECT_EQ(dialogs.Messages, Lines{"Your Time-Table MUST be saved in " + folder.Path()});
    EXPECT_EQ(ReadLines(folder / "Peter.dfd"), LessonFile("Empty", "Class"));
    EXPECT_EQ(List(), Lines{"12304"});
    EXPECT_EQ(ReadBytes(User() + "fagl.txt"), CrLf({"Empty", "", ""}));
    EXPECT_EQ(ctx.state.Open->TimetablePath, folder / "Peter.dfd");
    EXPECT_TRUE(ctx.state.Open);
    EXPECT_FALSE(ctx.state.Saving.WriteAllOnSave);
    EXPECT_EQ(ctx.state.Periods.Count, 1);
    EXPECT_EQ(Shown(), "Empty");
}

TEST_F(StorageTest, SaveAsAsksBeforeReplacingAFile) {
    Start();
    WriteLines(folder / "Peter.dfd", LessonFile("Old"));
    dialogs.SaveAnswers = {folder / "Peter.dfd", folder / "Peter.dfd", folder / "Peter.dfd"};
    dialogs.AskAnswers = {kAnswerNo, kAnswerCancel};
    SaveAs(ctx);
    EXPECT_EQ(dialogs.SaveDialogs, 2);
    EXPECT_EQ(dialogs.Questions[0].Title, "Save Peter.dfd");
    EXPECT_EQ(dialogs.Questions[0].Message, "File exist! Replace?");
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Old");
    EXPECT_EQ(ctx.view.Title, ctx.texts.NoDocumentTitle);
    dialogs.AskAnswers = {kAnswerYes};
    SaveAs(ctx);
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Empty");
}

// --- failures -----------------------------------------------------------------------------

TEST_F(StorageTest, AFailedSaveKeepsTheTimetableModifiedAndCanBeRepeated) {
    Start({2003, 9, 10});
    WritePeter({kAug11}, {"Base"});
    OpenPeter();
    fs::remove_all(User());
    EXPECT_EQ(ErrorOf([&] { EditMonday("Edited"); }),
              "Cannot create file " + Period(1) + "\nNo such file or directory");
    EXPECT_TRUE(ctx.state.Saving.Modified);
    EXPECT_TRUE(ctx.view.Menus.Save.Enabled);
    EXPECT_TRUE(ctx.view.SaveButton.Enabled);
    EXPECT_EQ(ctx.state.Saving.PendingPeriodStart, kSep8);
    WriteBytes(folder / "Peter", "a file where the folder should be");
    EXPECT_EQ(ErrorOf([&] { Save(ctx); }), "Cannot create file " + Period(1) + "\nNot a directory");
    fs::remove(folder / "Peter");
    fs::create_directories(User());
    Save(ctx);
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(List(), (Lines{"12276", "12304"}));
    EXPECT_EQ(SubjectIn(Period(1)), "Edited");
}

TEST_F(StorageTest, AFailedInsertLeavesEveryPeriodWithItsOwnFile) {
    Start({2003, 10, 8});
    WritePeter({kAug11, kSep8, kNov3}, {"Base", "September", "November"});
    OpenPeter();
    fs::remove(User() + "fratil.dfd");  // a folder in its place cannot be replaced
    fs::create_directories(User() + "fratil.dfd/keep");
    EXPECT_NE(ErrorOf([&] { EditMonday("October"); }), "");
    EXPECT_EQ(SubjectIn(Period(1)), "September");
    EXPECT_EQ(SubjectIn(Period(2)), "November");
    EXPECT_FALSE(fs::exists(Period(3)));
    EXPECT_TRUE(ctx.state.Saving.Modified);
}

void Replace(const std::string& path, std::size_t line, const std::string& text) {
    auto lines = ReadLines(path);
    lines.at(line) = text;
    WriteLines(path, lines);
}

struct DamagedCase {
    const char* name;
    const char* file;   // relative to the data folder
    Lines lines;        // the damaged file's content
    const char* error;  // with %s for the data folder
};

class DamagedFileTest : public StorageTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, ShowsTheErrorAndNoSaveWritesOverTheFile) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    const std::string damaged = folder / GetParam().file;
    WriteLines(damaged, GetParam().lines);
    const std::string bytes = ReadBytes(damaged);
    const std::string list = ReadBytes(User() + "fratil.dfd");
    std::string error = GetParam().error;
    if (const auto at = error.find("%s"); at != std::string::npos)
        error.replace(at, 2, folder.Path());
    EXPECT_EQ(ErrorOf([&] { OpenPeter(); }), error);
    EXPECT_FALSE(ctx.state.Saving.Loading);

    ctx.view.NotesText = "notes are still saved";
    ctx.state.Saving.NotesChanged = ctx.state.Saving.Modified = true;
    Save(ctx);
    EXPECT_TRUE(fs::exists(User() + "a200337.dfz"));

    ctx.state.Days[0].Subject[0] = "Added";
    ctx.state.Saving.Modified = true;
    MarkPendingPeriod(ctx);
    const int pending = ctx.state.Saving.PendingPeriodStart;
    EXPECT_EQ(ErrorOf([&] { Save(ctx); }),
              damaged + " could not be read, so the change is not saved over it.");
    // The refused change waits for a save that can write it.
    EXPECT_TRUE(ctx.state.Saving.Modified);
    EXPECT_TRUE(ctx.view.SaveButton.Enabled);
    EXPECT_EQ(ctx.state.Saving.PendingPeriodStart, pending);
    EXPECT_EQ(ReadBytes(damaged), bytes);
    EXPECT_EQ(ReadBytes(User() + "fratil.dfd"), list);
    EXPECT_FALSE(fs::exists(Period(2)));
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Base");
}

TEST_F(StorageTest, AClassTypedWhileThePeriodListIsDamagedIsRefusedWithTheDialogOpen) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    OpenPeter();
    const std::string list = ReadBytes(User() + "fratil.dfd");
    WriteLines(User() + "fratil.dfd", {"12276", "", "12304"});
    EXPECT_NE(ErrorOf([&] { Select(2003, 9, 11); }), "");

    // The refusal shows over the class dialog, which is then closed: nothing changes.
    dialogs.Errors.clear();
    dialogs.ClassNameAnswers = {"7X", std::nullopt};
    EXPECT_EQ(ErrorOf([&] { ClassFieldClick(ctx); }), "");
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_NE(dialogs.Errors[0].find("could not be read"), std::string::npos);
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(ReadLines(Period(1)).at(185), "6U");

    WriteBytes(User() + "fratil.dfd", list);
    Select(2003, 9, 12);
    dialogs.ClassNameAnswers = {"7X"};
    ClassFieldClick(ctx);
    EXPECT_EQ(ReadLines(Period(1)).at(185), "7X");
    EXPECT_FALSE(ctx.state.Saving.Modified);
    EXPECT_EQ(ReadBytes(User() + "fratil.dfd"), list);
}

TEST_F(StorageTest, AWeekWhoseLessonFileIsDamagedStillLetsTheUserMoveOn) {
    Start({2003, 9, 10});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    WriteLines(Period(1), Lines(100, "800"));
    EXPECT_NE(ErrorOf([&] { OpenPeter(); }), "");
    dialogs.Errors.clear();
    dialogs.ClassNameAnswers.push_back("7X");
    ClassFieldClick(ctx);
    EXPECT_EQ(dialogs.Errors.size(), 1u);
    // The change cannot be saved over the damaged file, but it does not hold the user back:
    // another period's week shows its own lessons.
    Select(2003, 9, 1);
    EXPECT_EQ(Shown(), "Base");
    EXPECT_EQ(ReadLines(Period(1)).size(), 100u);
}

Lines WithLine(Lines lines, std::size_t index, const std::string& text) {
    lines[index] = text;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    ::testing::Values(DamagedCase{"StartTimeNotANumber", "Peter/S1.dfd",
                                  WithLine(LessonFile("S"), 37, "8.00"),
                                  "'8.00' is not a valid integer value"},
                      DamagedCase{"LessonFileOf100Lines", "Peter/S1.dfd", Lines(100, "800"),
                                  "%sPeter/S1.dfd is damaged: it holds 100 lines instead of 186."},
                      DamagedCase{"EmptyLessonFile",
                                  "Peter/S1.dfd",
                                  {},
                                  "%sPeter/S1.dfd is damaged: it holds 0 lines instead of 186."},
                      DamagedCase{"PeriodListWithABlankLine",
                                  "Peter/fratil.dfd",
                                  {"12276", "", "12304"},
                                  "'' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StorageTest, AfterADamagedPeriodASoundOneSavesAgainAndTheDamageShowsOnReturn) {
    Start({2003, 9, 1});
    WritePeter({kAug11, kSep8}, {"Base", "September"});
    Replace(Period(1), 0, "8.00");
    OpenPeter();
    EXPECT_NE(ErrorOf([&] { Select(2003, 9, 10); }), "");
    Select(2003, 8, 13);
    EXPECT_EQ(Shown(), "Base");
    EditMonday("Fine");
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "Fine");
    EXPECT_NE(ErrorOf([&] { Select(2003, 9, 11); }), "");
    EXPECT_EQ(ReadLines(Period(1)).at(0), "8.00");
}

TEST_F(StorageTest, A500LineLessonFileLoadsItsFirst186Lines) {
    Start();
    WritePeter({kAug11}, {"Base"});
    auto lines = LessonFile("Long");
    lines.resize(500, "extra");
    WriteLines(folder / "Peter.dfd", lines);
    OpenPeter();
    EXPECT_EQ(Shown(), "Long");
}

// --- the period limit ----------------------------------------------------------------------

// 81 periods a fortnight apart from 11 August 2003, period k's Monday lesson "Q<k>", shown in
// the second week of period 50, where an edit needs a new period.
class PeriodLimitTest : public StorageTest {
protected:
    static constexpr int kNewStart = kAug11 + 14 * 50 + 7;

    void OpenFull() {
        std::vector<int> starts;
        for (int k = 0; k < kMaxStoredPeriods; ++k) starts.push_back(kAug11 + 14 * k);
        Start(DateOfDayNumber(kNewStart + 2));
        WritePeter(starts, subjects);
        OpenPeter();
    }
    // Every stored start against the lessons it began with: the `merged` periods gone, the
    // `added` ones in.
    void ExpectList(const std::set<int>& merged, std::map<int, std::string> expected) {
        for (int k = 0; k < kMaxStoredPeriods; ++k) {
            if (!merged.count(k)) expected[kAug11 + 14 * k] = subjects[k];
        }
        const auto list = List();
        ASSERT_EQ(list.size(), 81u);
        for (std::size_t k = 0; k < list.size(); ++k) {
            const int start = StrToInt(list[k]);
            ASSERT_TRUE(expected.count(start)) << start;
            const std::string file = k == 0 ? folder / "Peter.dfd" : Period(static_cast<int>(k));
            EXPECT_EQ(SubjectIn(file), expected[start]) << "entry " << k;
        }
        EXPECT_FALSE(fs::exists(Period(81)));
        for (const auto& entry : fs::directory_iterator(User())) {
            EXPECT_NE(entry.path().filename().string()[0], '.');
        }
    }
    Lines subjects = [] {
        Lines names;
        for (int k = 0; k < kMaxStoredPeriods; ++k) names.push_back("Q" + std::to_string(k));
        return names;
    }();
};

TEST_F(PeriodLimitTest, AFullListMergesTheOldestLaterPeriodAndSaysSoOnce) {
    OpenFull();
    EXPECT_EQ(Shown(), "Q50");
    EditMonday("New");
    ExpectList({1}, {{kNewStart, "New"}});
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0],
              "A time-table keeps at most 81 periods. To make room for this change, the period "
              "that began on 25 August 2003 was merged into the period before it: its weeks now "
              "show that period's lessons.");
    const Date later = DateOfDayNumber(kAug11 + 14 * 90);
    Select(later.Year, later.Month, later.Day);
    EditMonday("Appended");
    EXPECT_EQ(List().size(), 81u);
    EXPECT_EQ(SubjectIn(Period(80)), "Appended");
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(PeriodLimitTest, APeriodEqualToTheOneBeforeItOrWithoutItsFileGoesFirst) {
    subjects[31] = subjects[30];
    OpenFull();
    EditMonday("New");
    ExpectList({31}, {{kNewStart, "New"}});
    fs::remove(Period(59));
    const Date date = DateOfDayNumber(kNewStart + 14 + 2);
    Select(date.Year, date.Month, date.Day);
    EditMonday("Newer");
    ExpectList({31, 59}, {{kNewStart, "New"}, {kNewStart + 14, "Newer"}});
}

}  // namespace
}  // namespace skemora::test
