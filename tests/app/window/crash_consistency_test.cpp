// Crash consistency: a child process edits a lesson, types in the notes and saves a homework
// with a shortcut, over and over, and is killed with SIGKILL at a random moment, many times.
// After every kill each file of the time-table is a complete version (never torn, never empty),
// the temporaries a cut-off save left are removed by the next opening and nothing else is, and
// the program opens the time-table without a message.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "app/window/navigation.h"
#include "app/notes/homework_commands.h"
#include "core/notes/upcoming_files.h"
#include "support/timetable_session.h"
#include "core/timetable/file_names.h"
#include "app/timetable/lesson_commands.h"
#include "core/timetable/week_homework.h"
#include "app/storage/week_notes.h"
#include "app/timetable/week_notes_commands.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

class CrashConsistencyTest : public Session {
protected:
    void SetUp() override { Open({DayNumber(2003, 8, 11)}, {"Math"}); }

    // The child: saves edits until it is killed; exits only when a command fails.
    [[noreturn]] void EditForever() {
        FakeDialogs childDialogs;
        FakePlatform childPlatform;
        childPlatform.Settings["Mandag"] = "0";
        AppContext child(childDialogs, childPlatform);
        try {
            ConstructMainWindow(child, folder.Path());
            FirstShow(child, {"Peter"});
            SelectDate(child, 2003, 9, 10);
            for (int i = 0;; ++i) {
                const std::string n = std::to_string(i);
                SelectCell(child, {0, 0});
                childDialogs.LessonAnswers = {LessonFields{"S" + n, "R" + n, "T" + n}};
                ChangeLesson(child);
                child.view.NotesText = "note " + n + "\nend";
                NotesEdited(child);
                SelectCell(child, {3, 0});
                childDialogs.HomeworkAnswers.push_back(LessonHomework{{"hw " + n}, {"/h/" + n}});
                HomeworkCommand(child);
                if (!childDialogs.Errors.empty()) std::_Exit(2);
            }
        } catch (...) {
            std::_Exit(3);
        }
    }

    // Every file of the time-table is a complete version; returns what is wrong, or "".
    std::string Torn() const {
        MainState state;
        const auto lessons = ReadLines(folder / "Peter.dfd");
        if (lessons.size() != static_cast<std::size_t>(kLessonFileLines)) return "Peter.dfd";
        ParseTimetable(state.Days, state.ClassName, lessons);
        for (const auto& entry : fs::directory_iterator(User())) {
            const std::string name = entry.path().filename().string();
            if (name.front() == '.') continue;
            const auto lines = ReadLines(entry.path().string());
            if (lines.empty()) return name + " is empty";
            if (name == "fratil.dfd") {
                BuildPeriodList(lines, "Peter.dfd");
            } else if (name.size() > 4 && name.substr(name.size() - 4) == ".dfz") {
                if (lines.size() != 2 || lines[1] != "end") return name;
            } else if (name.size() > 4 && name.substr(name.size() - 4) == ".dff") {
                WeekHomework homework;
                ParseWeekHomework(homework, lines);
                if (homework[3][0].HomeworkText.size() != 1) return name;
            } else if (name == "lek.flk") {
                CheckUpcomingDates(lines);
                if (lines.size() % 3 != 0) return name;
            } else if (name == "fagl.txt") {
                if (lines.size() % 3 != 0) return name;
            } else if (name[0] == 'S') {
                if (lines.size() != static_cast<std::size_t>(kLessonFileLines)) return name;
                ParseTimetable(state.Days, state.ClassName, lines);
            }
        }
        return "";
    }
};

TEST_F(CrashConsistencyTest, EveryKillLeavesCompleteFilesThatOpen) {
    // Not a temporary of ours: the opening must leave it alone (and it counts once a kill).
    WriteBytes(User() + ".hidden.XXXXXX", "mine");
    std::mt19937 random(7);
    int leftoversSeen = 0;
    int editsSeen = 0;
    for (int kill = 0; kill < 40; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) EditForever();
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 60));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << WEXITSTATUS(status);

        std::string torn;
        try {
            torn = Torn();
        } catch (const SkemoraError& error) {
            torn = error.what();
        }
        ASSERT_EQ(torn, "");
        for (const auto& entry : fs::directory_iterator(User())) {
            if (entry.path().filename().string().front() == '.') ++leftoversSeen;
        }

        FakeDialogs openDialogs;
        FakePlatform openPlatform;
        AppContext opened(openDialogs, openPlatform);
        ConstructMainWindow(opened, folder.Path());
        FirstShow(opened, {"Peter"});
        SelectDate(opened, 2003, 9, 10);
        EXPECT_TRUE(openDialogs.Errors.empty()) << openDialogs.Errors.front();
        const std::string monday = opened.state.Days[0].Subject[0];
        EXPECT_TRUE(monday == "Math" || monday.front() == 'S') << monday;
        if (monday.front() == 'S') ++editsSeen;
        for (const auto& entry : fs::directory_iterator(User())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.front() != '.' || name == ".hidden.XXXXXX") << name << " is left";
        }
        EXPECT_EQ(ReadBytes(User() + ".hidden.XXXXXX"), "mine");
    }
    EXPECT_GT(editsSeen, 0) << "the child saved no edit before it was killed";
    std::printf("kills after an edit was saved: %d; temporaries left by cut-off saves: %d\n",
                editsSeen, leftoversSeen - 40);
}

TEST(LeftoverTemporaries, OnlyTheProgramsOwnTemporaryNamesAreRemoved) {
    TempFolder folder;
    const std::vector<std::string> ours = {".fagl.txt.a1B2c3", ".S1.dfd.ZZZZZZ",
                                           ".fratil.jnl.x0x0x0", ".a200337.dfz.000000",
                                           ".Peter.html.q9Q9q9"};
    const std::vector<std::string> others = {
        ".bashrc.a1B2c3",   // not a file the program writes
        ".fagl.txt.a1B2c",  // five random characters
        ".fagl.txt.a1B2c3d", ".fagl.txt.a1-2c3", "fagl.txt.a1B2c3", "..fagl.txt.a1B2c3",
        ".S1.dfd.retired",  // a period being retired: not a save's temporary
        "fagl.txt",          ".txt.a1B2c3"};
    for (const auto& name : ours) WriteBytes(folder / name, "x");
    for (const auto& name : others) WriteBytes(folder / name, "x");
    fs::create_directory(folder / ".lek.flk.abcdef");  // a folder of that name is not ours
    EXPECT_EQ(RemoveLeftoverTemporaries(folder.Path(), WrittenFileExtensions()),
              static_cast<int>(ours.size()));
    for (const auto& name : ours) EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const auto& name : others) EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_TRUE(fs::is_directory(folder / ".lek.flk.abcdef"));
    EXPECT_EQ(RemoveLeftoverTemporaries(folder / "missing", WrittenFileExtensions()), 0);
}

}  // namespace
}  // namespace skemora::test
