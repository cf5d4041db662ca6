// Faults of the machine on a real temporary folder: a user folder that refuses writing or has
// gone, a folder where a file should be, a very large file, binary garbage, odd line ends and
// encodings, and the permissions of a replaced file. None crashes; what was on disk stays.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <random>

#include "app/window/navigation.h"
#include "core/holidays/holiday_tables.h"
#include "app/notes/homework_commands.h"
#include "support/timetable_session.h"
#include "core/timetable/file_names.h"
#include "app/storage/week_notes.h"
#include "app/timetable/week_notes_commands.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

class MachineFaultsTest : public Session {
protected:
    void SetUp() override { Open({DayNumber(2003, 8, 11)}, {"Math"}); }
    std::string Notes() const { return NotesPath(ctx.state); }
    void Type(const std::string& text) {
        ctx.view.NotesText = text;
        Boundary([&] { NotesEdited(ctx); });
    }
    bool NoHiddenFiles() const {
        for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
            if (entry.path().filename().string().front() == '.') return false;
        }
        return true;
    }
};

// Runs `body` where file permissions bind: here, or as root in a child process that has become
// the unprivileged user nobody (owning the folder), whose exit status is the body's result.
void WherePermissionsBind(const std::string& folder, const std::function<int()>& body) {
    if (::geteuid() != 0) {
        EXPECT_EQ(body(), 0);
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    EXPECT_EXIT(
        {
            if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) {
                std::cerr << "could not become nobody\n";
                std::_Exit(90);
            }
            std::_Exit(body());
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(MachineFaultsTest, AReadOnlyUserFolderRefusesTheSaveKeepsTheNoteAndTheEdit) {
    Type("first");
    ASSERT_TRUE(dialogs.Errors.empty());
    const std::string stored = ReadBytes(Notes());
    WherePermissionsBind(folder.Path(), [&] {
        ::chmod(User().c_str(), 0555);
        Type("first\nsecond");
        if (dialogs.Errors.empty()) return 1;        // no message
        if (ReadBytes(Notes()) != stored) return 2;  // the first note is gone
        if (!ctx.state.Saving.Modified) return 3;    // the edit is forgotten
        if (!NoHiddenFiles()) return 4;              // a temporary is left
        ::chmod(User().c_str(), 0755);
        dialogs.Errors.clear();
        Boundary([&] { NotesEdited(ctx); });
        if (!dialogs.Errors.empty()) return 5;
        return ReadLines(Notes()) == Lines{"first", "second"} ? 0 : 6;
    });
}

TEST_F(MachineFaultsTest, AUserFolderDeletedWhileRunningGivesAMessageAndNoCrash) {
    Type("first");
    fs::remove_all(User());
    Type("first\nsecond");
    EXPECT_FALSE(dialogs.Errors.empty());
    EXPECT_TRUE(ctx.state.Saving.Modified);
    Boundary([&] { SelectCell(ctx, {3, 0}); });
    dialogs.HomeworkAnswers.push_back(LessonHomework{{"read"}, {"/h/a.doc"}});
    Boundary([&] { HomeworkCommand(ctx); });
    EXPECT_GE(dialogs.Errors.size(), 2u);
    // The folder comes back: the next keystroke saves what was typed.
    fs::create_directories(User());
    dialogs.Errors.clear();
    Type("first\nsecond");
    EXPECT_TRUE(dialogs.Errors.empty());
    EXPECT_EQ(ReadLines(Notes()), (Lines{"first", "second"}));
}

TEST_F(MachineFaultsTest, AFolderWhereAFileShouldBeIsLeftAloneAndTheSaveReportsIt) {
    for (const char* name : {"fagl.txt", "lek.flk"}) fs::create_directory(User() + name);
    fs::create_directory(Notes());
    OpenPeter();
    Select(2003, 9, 10);
    Type("note");
    EXPECT_FALSE(dialogs.Errors.empty());
    Boundary([&] { SelectCell(ctx, {3, 0}); });
    dialogs.HomeworkAnswers.push_back(LessonHomework{{"read"}, {"/h/a.doc"}});
    Boundary([&] { HomeworkCommand(ctx); });
    for (const char* name : {"fagl.txt", "lek.flk"}) EXPECT_TRUE(fs::is_directory(User() + name));
    EXPECT_TRUE(fs::is_directory(Notes()));
    EXPECT_TRUE(NoHiddenFiles());
}

TEST_F(MachineFaultsTest, AFiftyMegabyteNotesFileOpensAndSavesWhole) {
    const std::string line(99, 'x');
    std::string big;
    big.reserve(50u << 20);
    while (big.size() < (50u << 20)) big += line + "\r\n";
    WriteBytes(Notes(), big);
    OpenPeter();
    Select(2003, 9, 10);
    ASSERT_EQ(ctx.view.NotesText.size(), big.size() / 101 * 100 - 1);
    Type(ctx.view.NotesText + "\nend");
    EXPECT_TRUE(dialogs.Errors.empty());
    EXPECT_EQ(ReadBytes(Notes()), big + "end\r\n");
}

TEST_F(MachineFaultsTest, BinaryGarbageInEveryFileIsReportedAndNothingIsWrittenOverIt) {
    std::mt19937 random(12);
    std::map<std::string, std::string> garbage;
    const int week = WeekNumber(2003, 9, 10, false);
    for (const std::string& name :
         {folder / "Peter.dfd", User() + "fratil.dfd", User() + "fagl.txt", User() + "skol.dfd",
          User() + "lek.flk", User() + WeekFileName(2003, week), Notes(),
          folder / HolidayFileName(2003, 9)}) {
        std::string bytes(4096, '\0');
        for (auto& byte : bytes) byte = static_cast<char>(random());
        WriteBytes(name, bytes);
        garbage[name] = bytes;
    }
    dialogs.Errors.clear();
    Boundary([&] { OpenPeter(); });
    Boundary([&] { Select(2003, 9, 10); });
    Boundary([&] { NextWeek(ctx); });
    Boundary([&] { PreviousWeek(ctx); });
    ctx.state.Days[0].Subject[0] = "Edited";
    SetModified(ctx, true);
    MarkPendingPeriod(ctx);
    Boundary([&] { Save(ctx); });
    EXPECT_FALSE(dialogs.Errors.empty());
    for (const auto& [name, bytes] : garbage) {
        if (name == Notes()) continue;  // the notes box holds any text and saves it back
        EXPECT_EQ(ReadBytes(name), bytes) << name;
    }
}

TEST_F(MachineFaultsTest, CrOnlyAndLfOnlyLineEndsReadAsCrLf) {
    const std::string crlf = EncodeLines(LessonFile("Bio"));
    for (const char* end : {"\r", "\n"}) {
        std::string other;
        for (const auto& line : DecodeLines(crlf)) other += line + end;
        WriteBytes(folder / "Peter.dfd", other);
        OpenPeter();
        Select(2003, 9, 10);
        EXPECT_EQ(ctx.state.Days[0].Subject[0], "Bio");
        EXPECT_EQ(ctx.state.Days[1].Subject[0], "Empty");
    }
}

TEST_F(MachineFaultsTest, ValidAndInvalidUtf8NotesSaveBackAsTheyCame) {
    const std::string utf8 = "Pr\xc3\xb8ve \xe2\x9c\x93\r\n";  // "Prøve ✓": needs UTF-8
    const std::string cp1252 = "Pr\xf8ve i dansk\r\n";         // not UTF-8: Windows-1252
    for (const std::string& bytes : {utf8, cp1252}) {
        WriteBytes(Notes(), bytes);
        OpenPeter();
        Select(2003, 9, 10);
        Type(ctx.view.NotesText + "\nx");
        EXPECT_TRUE(dialogs.Errors.empty());
        EXPECT_EQ(ReadBytes(Notes()), bytes + "x\r\n");
    }
    EXPECT_EQ(ReadLines(Notes()).front(), "Pr\xc3\xb8ve i dansk");
}

TEST_F(MachineFaultsTest, AReplacedFileKeepsItsPermissions) {
    Type("first");
    for (mode_t mode : {0600, 0640, 0664}) {
        ::chmod(Notes().c_str(), mode);
        Type("first\n" + std::to_string(mode));
        struct stat info {};
        ASSERT_EQ(::stat(Notes().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
}

}  // namespace
}  // namespace skemora::test
