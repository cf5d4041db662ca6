// The pure rules of the lesson notes: file names, the links field, the mates' work list, the
// contact card's keys, and the homework dialog's description and create-file flow.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <deque>
#include <filesystem>

#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/notes/contact_card.h"
#include "core/notes/homework_rules.h"
#include "core/notes/links.h"
#include "core/notes/mates.h"
#include "core/notes/note_files.h"
#include "support/temp_folder.h"

namespace skemora {
namespace {

using namespace test;

using Lines = std::vector<std::string>;

TEST(NoteFiles, SlashesInASubjectBecomeHyphensInItsFileNames) {
    EXPECT_EQ(LinkFilePath("/u/", "Math/Phys"), "/u/Math-Phys.lin");
    EXPECT_EQ(TeacherFilePath("/u/", "Math/Phys"), "/u/Math-Phys.lae");
    EXPECT_EQ(LinkFilePath("/u/", "Art/"), "/u/Art-.lin");
    EXPECT_EQ(LinkFilePath("/u/", ""), "/u/.lin");
    EXPECT_EQ(MatesFilePath("/d/Peter/", "Peter"), "/d/Peter/Peter.elv");
    EXPECT_EQ(UpcomingFilesPath("/d/Peter/"), "/d/Peter/lek.flk");
}

TEST(Links, AddIsEnabledOnlyForMoreThanTheBareStart) {
    EXPECT_FALSE(LinkAddEnabled(""));
    EXPECT_FALSE(LinkAddEnabled("http://"));
    EXPECT_TRUE(LinkAddEnabled("http://a"));
    EXPECT_TRUE(LinkAddEnabled("www.dr.dk"));
}

Lines Mates15() {
    return {"Anna",   "Street 1", "", "",    "111", "", "anna@x.dk", "Bo",
            "Road 2", "",         "", "222", "",    "", "part"};
}

TEST(Mates, FifteenLinesAreTwoMatesAndTheLastLineIsKept) {
    Lines lines = Mates15();
    EXPECT_EQ(MateNames(lines), (Lines{"Anna", "Bo"}));
    EXPECT_EQ(MateCard(lines, 1).Fields[4], "222");

    ContactCardFields carl;
    carl.Fields = {"Carl", "", "", "", "", "", ""};
    AddMate(lines, carl);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(MateNames(lines), (Lines{"Anna", "Bo", "Carl"}));
    EXPECT_EQ(lines.back(), "part");

    ContactCardFields bo = MateCard(lines, 1);
    bo.Fields[0] = "Bodil";
    ReplaceMate(lines, 1, bo);
    EXPECT_EQ(MateNames(lines), (Lines{"Anna", "Bodil", "Carl"}));

    DeleteMate(lines, 0);
    DeleteMate(lines, 9);  // not there: nothing happens
    EXPECT_EQ(MateNames(lines), (Lines{"Bodil", "Carl"}));
    EXPECT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.back(), "part");
}

TEST(Mates, AnEmptyNameIsAMateOfSevenLines) {
    Lines lines;
    AddMate(lines, {});
    EXPECT_EQ(lines, Lines(7));
    EXPECT_EQ(MateNames(lines), Lines{""});
    DeleteMate(lines, 0);
    EXPECT_TRUE(lines.empty());
}

TEST(ContactCardKeys, EnterAndDownGoOnUpGoesBackOkTakesEnter) {
    struct Case {
        int from;
        CardKey key;
        std::optional<int> to;
    };
    const Case cases[] = {
        {0, CardKey::Enter, 1},
        {5, CardKey::Down, 6},
        {6, CardKey::Enter, kCardOkPosition},
        {6, CardKey::Down, kCardOkPosition},
        {0, CardKey::Up, std::nullopt},
        {1, CardKey::Up, 0},
        {6, CardKey::Up, 5},
        {kCardOkPosition, CardKey::Enter, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(CardFocusAfter(c.from, c.key), c.to) << c.from;
    EXPECT_EQ(MailUrl("a@"), "mailto:a@");
    EXPECT_EQ(MailUrl("nobody"), std::nullopt);
}

TEST(HomeworkRules, DescriptionLinesAndFileTypes) {
    EXPECT_EQ(DescriptionLines(""), Lines{});
    EXPECT_EQ(DescriptionLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(DescriptionLines("a\n"), Lines{"a"});
    EXPECT_EQ(DescriptionText({"a", "", "b"}), "a\n\nb");
    EXPECT_TRUE(HasFileType("/h/wordfile.txt"));
    EXPECT_FALSE(HasFileType("/h/wordfile"));
    EXPECT_FALSE(HasFileType("/h/wordfile."));
    EXPECT_FALSE(HasFileType("/h.d/wordfile"));
}

class CreateFileFlow : public ::testing::Test {
protected:
    TempFolder folder;
    const CreateFileTexts texts{"Write filename for the new file",
                                "Filetype missing! ie. wordfile.doc instead of just wordfile"};
    std::string title;
    std::vector<std::string> titlesShown;
    std::deque<std::optional<std::string>> answers;

    CreatedFile Run() {
        return CreateShortcutFile(
            [this](const std::string& shown) -> std::optional<std::string> {
                titlesShown.push_back(shown);
                if (answers.empty()) return std::nullopt;
                auto answer = answers.front();
                answers.pop_front();
                return answer;
            },
            texts, title);
    }
};

TEST_F(CreateFileFlow, ANameWithoutTypeReopensTheDialogWithTheMissingTypeTitle) {
    answers = {folder / "wordfile", folder / "wordfile.txt"};
    const CreatedFile created = Run();
    EXPECT_EQ(created.Result, CreateFileResult::Created);
    EXPECT_EQ(created.Path, folder / "wordfile.txt");
    EXPECT_EQ(titlesShown, (Lines{texts.Prompt, texts.MissingType}));
    EXPECT_EQ(ReadBytes(folder / "wordfile.txt"), "");
    EXPECT_FALSE(FileExists(folder / "wordfile"));
}

TEST_F(CreateFileFlow, TheMissingTypeTitleLastsToTheNextUseAfterACancel) {
    answers = {folder / "wordfile", std::nullopt};
    EXPECT_EQ(Run().Result, CreateFileResult::Cancelled);
    titlesShown.clear();
    answers = {folder / "notes.txt"};
    EXPECT_EQ(Run().Result, CreateFileResult::Created);
    EXPECT_EQ(titlesShown, Lines{texts.MissingType});
    EXPECT_EQ(title, texts.Prompt);
}

TEST_F(CreateFileFlow, AnExistingFileIsNotTouched) {
    WriteBytes(folder / "old.txt", "keep");
    answers = {folder / "old.txt"};
    EXPECT_EQ(Run().Result, CreateFileResult::Exists);
    EXPECT_EQ(ReadBytes(folder / "old.txt"), "keep");
}

// Whatever already goes by the name stays exactly as it was, whether or not the name has a type.
TEST_F(CreateFileFlow, NothingThatExistsIsEverReplaced) {
    namespace fs = std::filesystem;
    WriteBytes(folder / "target.txt", "target");
    struct Case {
        const char* name;
        void (*make)(const std::string& path, const std::string& target);
    };
    const Case cases[] = {
        {".profile", [](const std::string& p, const std::string&) { WriteBytes(p, "keep"); }},
        {".hidden.txt", [](const std::string& p, const std::string&) { WriteBytes(p, "keep"); }},
        {"notes", [](const std::string& p, const std::string&) { WriteBytes(p, "keep"); }},
        {"folder.doc", [](const std::string& p, const std::string&) { fs::create_directory(p); }},
        {"Documents", [](const std::string& p, const std::string&) { fs::create_directory(p); }},
        {"link.txt", [](const std::string& p, const std::string& t) { fs::create_symlink(t, p); }},
        {"dangling.txt",
         [](const std::string& p, const std::string& t) { fs::create_symlink(t + ".gone", p); }},
        {"pipe.txt", [](const std::string& p, const std::string&) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
    };
    for (const auto& c : cases) {
        const std::string path = folder / c.name;
        c.make(path, folder / "target.txt");
        const Snapshot before = FilesUnder(folder.Path());
        const auto type = fs::symlink_status(path).type();
        answers = {path};
        const CreatedFile created = Run();
        EXPECT_EQ(created.Result, CreateFileResult::Exists) << c.name;
        EXPECT_EQ(FilesUnder(folder.Path()), before) << c.name;
        EXPECT_EQ(fs::symlink_status(path).type(), type) << c.name;
        EXPECT_FALSE(fs::exists(folder / "target.txt.gone")) << c.name;
    }
    EXPECT_EQ(ReadBytes(folder / "target.txt"), "target");
}

TEST_F(CreateFileFlow, AFileThatCannotBeCreatedIsAnError) {
    // A "folder" that is a file cannot hold a new file, whoever runs the test.
    WriteBytes(folder / "plain", "");
    answers = {folder / "plain/new.txt"};
    try {
        Run();
        ADD_FAILURE() << "no error";
    } catch (const SkemoraError& error) {
        EXPECT_EQ(error.Kind(), ErrorKind::CannotCreateFile);
    }
}

}  // namespace
}  // namespace skemora
