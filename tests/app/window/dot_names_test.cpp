// Names beginning with "." (hidden names on Linux): a file the program writes under such a name
// is read back, the commands that decide between reading, asking and creating see such a file,
// an earlier version's hidden pupil opens, and no new user's name can begin with one. Today is Wednesday 10 September 2003.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/window/window_events.h"
#include "core/notes/homework_rules.h"
#include "app/notes/note_commands.h"
#include "app/timetable/new_timetable_commands.h"
#include "app/timetable/open_commands.h"
#include "app/timetable/save_as_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003

using DotNamesTest = TimetableTest;

TEST_F(DotNamesTest, TheLinksAndTeacherCardOfADotSubjectAreReadBack) {
    Start();
    WritePeter({kAug11}, {".NET"});
    OpenPeter();
    SelectCell(ctx, {0, 0});
    ContactCardFields card;
    card.Fields[0] = "Ada Lovelace";
    dialogs.LinksAnswers = {Lines{"https://dot.net"}, std::nullopt};
    dialogs.ContactCardAnswers = {card, std::nullopt};
    for (int opening = 0; opening < 2; ++opening) {
        LinksCommand(ctx);
        TeacherCommand(ctx);
    }
    EXPECT_EQ(dialogs.LinksDialogs.back().Lines, Lines{"https://dot.net"});
    EXPECT_EQ(dialogs.ContactCardsShown.back().second, card);
    EXPECT_EQ(ReadLines(User() + ".NET.lin"), Lines{"https://dot.net"});
}

TEST_F(DotNamesTest, ATimetableUnderADotNameOpensWithItsLessonsAndIsNeverWrittenOver) {
    Start();
    const std::string main = folder / ".Peter.dfd";
    fs::create_directories(folder / ".Peter");
    WriteLines(main, LessonFile("Kept"));
    WriteLines(folder / ".Peter/fratil.dfd", {std::to_string(kAug11)});
    const std::string stored = ReadBytes(main);

    dialogs.OpenAnswers = {main};
    OpenCommand(ctx);
    EXPECT_EQ(ctx.view.Title, ".Peter.dfd");
    EXPECT_EQ(ctx.state.Days[0].Subject[0], "Kept");

    // Save As never makes a hidden pupil, nor writes over one.
    dialogs.SaveAnswers = {main, folder / ".Paul.dfd", std::nullopt};
    SaveAs(ctx);
    EXPECT_EQ(dialogs.Messages, (Lines{"Illigal character: .", "Illigal character: ."}));
    EXPECT_EQ(ReadBytes(main), stored);
    EXPECT_FALSE(fs::exists(folder / ".Paul.dfd"));
    EXPECT_FALSE(fs::exists(folder / ".Paul"));

    // A new user typed as ".Peter" is Peter; the hidden one stays as it was.
    dialogs.NewUserAnswers = {TimetableDialogs::NewUserAnswer{".Peter", "7B"}};
    NewTimetable(ctx);
    EXPECT_EQ(ctx.view.Title, "Peter.dfd");
    EXPECT_TRUE(fs::exists(folder / "Peter.dfd"));
    EXPECT_EQ(ReadBytes(main), stored);
}

TEST(DotNames, CreatingADocumentNeverEmptiesAnExistingHiddenFile) {
    TempFolder folder;
    const std::string profile = folder / ".profile";
    WriteBytes(profile, "export PATH\n");
    std::deque<std::optional<std::string>> answers = {profile};
    std::string title;
    const CreatedFile created = CreateShortcutFile(
        [&answers](const std::string&) -> std::optional<std::string> {
            if (answers.empty()) return std::nullopt;
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        },
        {"Write filename for the new file", "Filetype missing!"}, title);
    EXPECT_NE(created.Result, CreateFileResult::Created);
    EXPECT_EQ(ReadBytes(profile), "export PATH\n");
}

}  // namespace
}  // namespace skemora::test
