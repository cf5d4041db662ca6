// The conflict copies a sync tool leaves beside the diary's files are merged into them when a
// time-table opens, and a copy is removed only once all of it is in its file.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <ostream>
#include <string>

#include "app/timetable/week_notes_commands.h"
#include "app/window/outside_changes.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

constexpr int kAug11 = 12276;  // Monday 11 August 2003
const char* const kStamp = ".sync-conflict-20030910-101500-ABCDEF7";

class ConflictCopyTest : public TimetableTest {
protected:
    std::string CopyOf(const std::string& path) {
        const auto dot = path.find_last_of('.');
        return path.substr(0, dot) + kStamp + path.substr(dot);
    }
};

TEST_F(ConflictCopyTest, BothNotesTextsAreKeptAndThePupilIsTold) {
    WritePeter({kAug11}, {"Danish"});
    const std::string notes = User() + "a200337.dfz";  // week 37 of 2003, shown on 10 September
    WriteLines(notes, {"Math test", "Bring the atlas"});
    WriteLines(CopyOf(notes), {"Math test", "Bring the ruler"});
    Start();
    OpenPeter();
    EXPECT_EQ(ReadLines(notes), (Lines{"Math test", "Bring the atlas", "ruler"}));
    EXPECT_FALSE(fs::exists(CopyOf(notes)));
    EXPECT_EQ(ctx.view.NotesText, "Math test\nBring the atlas\nruler");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0],
              "Week 37's notes were changed on two computers; both texts are kept.");
}

LessonFileLayout Layout(const std::string& monday, const std::string& tuesdaySecond) {
    LessonFileLayout layout;
    layout.Lesson = [monday, tuesdaySecond](int day, int lesson) {
        if (day == 1 && lesson == 1) return LessonEntry{tuesdaySecond, "", ""};
        if (lesson > 0) return LessonEntry{};
        return LessonEntry{day == 0 ? monday : "Empty", "", ""};
    };
    return layout;
}

// The lesson file holds Danish on Monday, the copy French on Monday or Danish, and Spanish on
// Tuesday where the file has nothing.
struct LessonCase {
    const char* what;
    std::string copyMonday;
    std::deque<int> answers;
    std::string monday;  // in the file afterwards
    bool copyStays;
    std::size_t questions, messages;
    friend void PrintTo(const LessonCase& c, std::ostream* os) { *os << c.what; }
};

class LessonCopyTest : public ConflictCopyTest, public ::testing::WithParamInterface<LessonCase> {};

TEST_P(LessonCopyTest, MergesWhereTheFileHoldsNothingElseAndAsksOtherwise) {
    const LessonCase& c = GetParam();
    WritePeter({kAug11, kAug11 + 7}, {"Base", "Danish"});
    WriteLines(CopyOf(Period(1)), LessonFileLines(Layout(c.copyMonday, "Spanish")));
    dialogs.AskAnswers = c.answers;
    Start();
    OpenPeter();
    EXPECT_EQ(dialogs.Questions.size(), c.questions);
    EXPECT_EQ(dialogs.Messages.size(), c.messages);
    EXPECT_EQ(fs::exists(CopyOf(Period(1))), c.copyStays);
    const Lines expected =
        c.copyStays ? LessonFile("Danish") : LessonFileLines(Layout(c.monday, "Spanish"));
    EXPECT_EQ(ReadLines(Period(1)), expected);
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Caption, ReadLines(Period(1)).at(1));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LessonCopyTest,
    ::testing::Values(LessonCase{"no conflict", "Danish", {}, "Danish", false, 0, 1},
                      LessonCase{
                          "the other computer's", "French", {kAnswerYes}, "French", false, 1, 0},
                      LessonCase{"this computer's", "French", {kAnswerNo}, "Danish", false, 1, 0},
                      LessonCase{"later", "French", {kAnswerCancel}, "", true, 1, 0}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST_F(ConflictCopyTest, ACopyLeftForLaterIsAskedAboutAgainOnlyAtTheNextOpening) {
    WritePeter({kAug11}, {"Danish"});
    WriteLines(CopyOf(folder / "Peter.dfd"), LessonFile("French"));
    Start();
    OpenPeter();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    // The pupil types notes; the watcher sees the writes.
    ctx.view.NotesText = "Gym";
    NotesEdited(ctx);
    FilesChangedOutside(ctx);
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    dialogs.AskAnswers = {kAnswerYes};
    OpenPeter();
    EXPECT_EQ(dialogs.Questions.size(), 2u);
    EXPECT_EQ(SubjectIn(folder / "Peter.dfd"), "French");
    EXPECT_FALSE(fs::exists(CopyOf(folder / "Peter.dfd")));
}

TEST_F(ConflictCopyTest, AConflictCopyOfAMainFileIsNoTimetable) {
    WritePeter({kAug11}, {"Danish"});
    const std::string copy = CopyOf(folder / "Peter.dfd");
    fs::copy_file(folder / "Peter.dfd", copy);
    Start();
    dialogs.OpenAnswers = {copy};
    OpenCommand(ctx);
    EXPECT_FALSE(ctx.state.Open);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

}  // namespace
}  // namespace skemora::test
