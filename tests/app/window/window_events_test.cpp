#include "app/window/window_events.h"

#include <algorithm>

#include "core/files/skemora_error.h"
#include "support/main_window_fixture.h"

namespace skemora::test {
namespace {

class CloseQueryTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteTimetable("pupil");
        Start({"pupil"});
        ASSERT_EQ(ctx.view.Title, "pupil.dfd");
        before = ReadBytes(folder / "pupil.dfd");
    }
    void Change() {
        ctx.state.Days[0].Subject[0] = "Changed";
        ctx.state.Saving.Modified = true;
    }
    bool Saved() const {
        return ReadBytes(folder / "pupil.dfd").find("\r\nChanged\r\n") != std::string::npos;
    }
    std::string before;
};

TEST_F(CloseQueryTest, WithoutChangesAsksNothing) {
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_TRUE(ctx.state.LayoutLocked);
}

TEST_F(CloseQueryTest, YesSavesAndCloses) {
    Change();
    dialogs.AskAnswers = {kAnswerYes};
    EXPECT_TRUE(CloseQuery(ctx));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Title, "Save Time-table");
    EXPECT_EQ(dialogs.Questions[0].Message, "pupil.dfd changed, save it?");
    EXPECT_TRUE(Saved());
}

TEST_F(CloseQueryTest, NoClosesWithoutSaving) {
    Change();
    dialogs.AskAnswers = {kAnswerNo};
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_EQ(ReadBytes(folder / "pupil.dfd"), before);
}

TEST_F(CloseQueryTest, CancelKeepsTheWindowButWritesTheOptionsEveryTime) {
    MondayFirstClick(ctx);
    Change();
    dialogs.AskAnswers = {kAnswerCancel};
    EXPECT_FALSE(CloseQuery(ctx));
    EXPECT_FALSE(ctx.state.LayoutLocked);
    EXPECT_TRUE(ctx.state.Saving.Modified);
    EXPECT_EQ(ReadBytes(folder / "pupil.dfd"), before);
    EXPECT_EQ(platform.Writes.size(), 1u);
    dialogs.AskAnswers = {kAnswerNo};
    EXPECT_TRUE(CloseQuery(ctx));
    // The start value is kept: written again.
    EXPECT_EQ(std::count(platform.Writes.begin(), platform.Writes.end(),
                         std::pair<std::string, std::string>{"Mandag", "1"}),
              2);
    EXPECT_EQ(platform.Writes.size(), 3u);  // and the time-table open now
    EXPECT_EQ(platform.Settings["Mandag"], "1");
}

TEST_F(CloseQueryTest, SaveFailureKeepsTheWindowOpen) {
    MondayFirstClick(ctx);
    Change();
    ctx.state.Open->TimetablePath = folder / "gone/pupil.dfd";
    dialogs.AskAnswers = {kAnswerYes};
    EXPECT_THROW(CloseQuery(ctx), SkemoraError);
    EXPECT_FALSE(ctx.state.LayoutLocked);
    EXPECT_TRUE(ctx.state.Saving.Modified);
    EXPECT_EQ(platform.Settings["Mandag"], "1");
}

struct OptionCase {
    const char* Name;
    std::optional<std::string> Mandag, Directory, Autostart;
    bool Readable;
    int MondayClicks, TrayClicks;
    std::vector<std::pair<std::string, std::string>> Writes;
    std::optional<std::string> AutostartAfter;
};

class OptionWriteBackTest : public MainWindowTest,
                            public ::testing::WithParamInterface<OptionCase> {};

TEST_P(OptionWriteBackTest, WritesOnlyWhatDiffersFromTheStart) {
    const OptionCase& c = GetParam();
    if (c.Mandag) platform.Settings["Mandag"] = *c.Mandag;
    if (c.Directory) platform.Settings["Directory"] = *c.Directory;
    platform.Autostart = c.Autostart;
    platform.SettingsReadable = c.Readable;
    Start();
    for (int i = 0; i < c.MondayClicks; ++i) MondayFirstClick(ctx);
    for (int i = 0; i < c.TrayClicks; ++i) StartTrayClick(ctx);
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_EQ(platform.Writes, c.Writes);
    EXPECT_EQ(platform.Autostart, c.AutostartAfter);
}

using Writes = std::vector<std::pair<std::string, std::string>>;
INSTANTIATE_TEST_SUITE_P(
    Options, OptionWriteBackTest,
    ::testing::Values(
        OptionCase{"NothingToggled", {}, {}, {}, true, 0, 0, {}, {}},
        OptionCase{"UntickMondayFirst", {}, {}, {}, true, 1, 0, Writes{{"Mandag", "1"}}, {}},
        OptionCase{"TickMondayFirst", "1", {}, {}, true, 1, 0, Writes{{"Mandag", "0"}}, {}},
        OptionCase{"ToggledTwice", "1", "/opt/s", {}, true, 2, 2, {}, {}},
        OptionCase{"UnreadableSettings", "1", {}, {}, false, 0, 0, {}, {}},
        OptionCase{"TrayOnWithDirectory", {}, "/opt/s", {}, true, 0, 1, {}, "/opt/s/trayrun"},
        OptionCase{"TrayOnWithoutDirectory", {}, {}, {}, true, 0, 1, {}, {}},
        OptionCase{"TrayOff", {}, {}, "/opt/s/trayrun", true, 0, 1, {}, {}}),
    [](const auto& info) { return info.param.Name; });

TEST_F(MainWindowTest, ResizeIsIgnoredWhileLocked) {
    ConstructMainWindow(ctx, folder.Path());
    WindowResized(ctx, 1024, 768);
    EXPECT_EQ(ctx.view.Days[0].Body.Height, 385);
    FirstShow(ctx, {});
    WindowResized(ctx, 1024, 768);
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Height, 45);
    CloseQuery(ctx);
    WindowResized(ctx, 610, 456);
    EXPECT_EQ(ctx.view.Days[0].Body.Height, 541);
}

TEST_F(MainWindowTest, HelpOpensTheLanguagesFileOrNamesTheMissingOne) {
    Start();
    ctx.state.LanguageCode = 6;
    WindowActivated(ctx);
    EXPECT_EQ(ctx.view.HelpFile, folder / "DURAZ1.HLP");
    ctx.state.LanguageCode = 5;
    WindowActivated(ctx);
    ShowHelp(ctx);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].find("ZEZUVIDEZ1.HLP"), std::string::npos);
    WriteBytes(folder / "ZEZUVIDEZ1.HLP", "help");
    ShowHelp(ctx);
    EXPECT_EQ(platform.Opened, std::vector<std::string>{folder / "ZEZUVIDEZ1.HLP"});
    // A help file that nothing on the desktop opens is named.
    platform.OpenWorks = false;
    dialogs.Messages.clear();
    ShowHelp(ctx);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].find(folder / "ZEZUVIDEZ1.HLP"), std::string::npos);
}

TEST_F(MainWindowTest, ClassFieldDoesNothingWithoutATimetable) {
    Start();
    ClassFieldClick(ctx);
    EXPECT_EQ(dialogs.ClassDialogs, 0);
}

TEST_F(CloseQueryTest, ClassFieldChangesAndSavesTheClass) {
    ClassFieldClick(ctx);  // closed without OK
    EXPECT_EQ(ReadBytes(folder / "pupil.dfd"), before);
    dialogs.ClassNameAnswers = {std::string("7B")};
    ClassFieldClick(ctx);
    EXPECT_EQ(ctx.state.ClassName, "7B");
    EXPECT_EQ(ctx.view.ClassField.Caption, "7B");
    EXPECT_NE(ReadBytes(folder / "pupil.dfd").find("\r\n7B\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, TheMissingHelpFileIsNamedInTheInterfaceLanguage) {
    setenv("SKEMORA_LANGUAGE", "da", 1);
    Start();
    unsetenv("SKEMORA_LANGUAGE");
    ShowHelp(ctx);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "Hjælpefilen blev ikke fundet: " + folder / "DURAZ1.HLP");
}

// Start-up reads the options into the one settings store of the run, and closing writes back
// through the same store.
TEST_F(MainWindowTest, StartUpAndClosingShareOneSettingsStore) {
    platform.Settings["Mandag"] = "1";
    Start();
    EXPECT_EQ(ctx.settings.MondayFirstRead, "1");
    MondayFirstClick(ctx);
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_EQ(ctx.settings.MondayFirstWrite, "0");
    EXPECT_EQ(platform.Settings["Mandag"], "0");
}

// Help: without a help file of the user's own, the guide of the interface's language opens at
// the topic; when no browser opens it, the program's own window shows it.
struct GuideCase {
    const char* Name;
    int Language;
    int Topic;
    bool BrowserOpens;
    std::string Wanted;  // the address opened, or the page shown in the program's window
};

class GuideTest : public MainWindowTest, public ::testing::WithParamInterface<GuideCase> {};

TEST_P(GuideTest, OpensThePageOfTheLanguageAtTheTopic) {
    const GuideCase& c = GetParam();
    platform.GuidePages = {{"en", "/usr/share/skemora/help/en/index.html"},
                           {"da", "/usr/share/skemora/help/da/index.html"}};
    platform.OpenWorks = c.BrowserOpens;
    Start();
    ctx.state.LanguageCode = c.Language;
    WindowActivated(ctx);
    ShowHelpTopic(ctx, c.Topic);
    EXPECT_TRUE(dialogs.Messages.empty());
    if (c.BrowserOpens) {
        EXPECT_EQ(platform.Opened, std::vector<std::string>{c.Wanted});
        EXPECT_TRUE(platform.HelpWindowShown.empty());
    } else {
        EXPECT_EQ(platform.HelpWindowShown, std::vector<std::string>{c.Wanted});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Help, GuideTest,
    ::testing::Values(
        GuideCase{"EnglishMainWindow", kEnglish, 100, true,
                  "file:///usr/share/skemora/help/en/index.html#topic-100"},
        GuideCase{"DanishNotes", kDanish, 201, true,
                  "file:///usr/share/skemora/help/da/index.html#topic-201"},
        GuideCase{"NoBrowserShowsItInTheProgram", kDanish, 700, false,
                  "/usr/share/skemora/help/da/index.html#topic-700"}),
    [](const auto& info) { return info.param.Name; });

TEST_F(MainWindowTest, TheUsersOwnHelpFileComesBeforeTheGuide) {
    platform.GuidePages = {{"en", "/guide/en/index.html"}};
    WriteBytes(folder / "ZEZUVIDEZ1.HLP", "help");
    Start();
    ShowHelpTopic(ctx, 216);
    EXPECT_EQ(platform.Opened, std::vector<std::string>{folder / "ZEZUVIDEZ1.HLP"});
}

// The last pupil: started without a name, the time-table open at the last close opens again;
// a name given wins; one deleted since opens nothing.
struct LastPupilCase {
    const char* Name;
    std::optional<std::string> Remembered;
    std::vector<std::string> Arguments;
    std::string Title;
};

class LastPupilTest : public MainWindowTest, public ::testing::WithParamInterface<LastPupilCase> {};

TEST_P(LastPupilTest, OpensTheRememberedTimetableWithoutAName) {
    const LastPupilCase& c = GetParam();
    WriteTimetable("Emma");
    WriteTimetable("Peter Pan");
    if (c.Remembered) platform.Settings["LastTimetable"] = *c.Remembered;
    Start(c.Arguments);
    EXPECT_EQ(ctx.view.Title, c.Title);
    EXPECT_EQ(ctx.view.Welcome.Visible, c.Title == "Time-table");
    EXPECT_TRUE(dialogs.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    LastPupil, LastPupilTest,
    ::testing::Values(LastPupilCase{"NothingRemembered", std::nullopt, {}, "Time-table"},
                      LastPupilCase{"Remembered", "Peter Pan", {}, "Peter Pan.dfd"},
                      LastPupilCase{"ANameWins", "Peter Pan", {"Emma"}, "Emma.dfd"},
                      LastPupilCase{"DeletedSince", "Anna", {}, "Time-table"}),
    [](const auto& info) { return info.param.Name; });

TEST_F(CloseQueryTest, ClosingRemembersTheOpenTimetableOnlyWhenItChanged) {
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_EQ(platform.Settings["LastTimetable"], "pupil");
    // The next run reads it and, closing on the same one, writes nothing.
    platform.Writes.clear();
    Start();
    ASSERT_EQ(ctx.view.Title, "pupil.dfd");
    EXPECT_TRUE(CloseQuery(ctx));
    EXPECT_TRUE(platform.Writes.empty());
}

TEST_F(CloseQueryTest, ACancelledCloseRemembersNothing) {
    Change();
    dialogs.AskAnswers = {kAnswerCancel};
    EXPECT_FALSE(CloseQuery(ctx));
    EXPECT_EQ(platform.Settings.count("LastTimetable"), 0u);
}
}  // namespace
}  // namespace skemora::test
