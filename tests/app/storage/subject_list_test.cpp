#include "core/timetable/subject_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/skemora_error.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"
#include "core/timetable/lesson_file.h"
#include "app/storage/subject_list_files.h"

namespace skemora::test {
namespace {

using Lines = std::vector<std::string>;

class SubjectListTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx = [this] {
        AppContext context{dialogs, platform};
        context.texts = MessageTextsFor(kEnglish);
        return context;
    }();

    void SetUp() override {
        ctx.state.Open = OpenedTimetable{"Peter.dfd", "", folder.Path(), "Peter"};
    }
    void Lesson(int day, int position, const std::string& subject, const std::string& room) {
        ctx.state.Days[day].Subject[position] = subject;
        ctx.state.Days[day].Room[position] = room;
    }
};

TEST(FindSubjectTest, AnswersTheLastEntryOfTheSubject) {
    const Lines list = {"Math", "12", "KB", "Art", "3", "", "Math", "14", "LH"};
    EXPECT_EQ(FindSubject(list, "Math"), 6);
    EXPECT_EQ(FindSubject(list, "art"), -1);
    EXPECT_EQ(FindSubject(list, "12"), -1);
    EXPECT_EQ(FindSubject(list, ""), -1);
}

TEST_F(SubjectListTest, AFreshTimetableGivesTheSingleEntryEmpty) {
    DefaultTimetable(ctx.state.Days);
    MergeSubjects(ctx);
    EXPECT_EQ(ReadBytes(folder / "fagl.txt"), CrLf({"Empty", "", ""}));
}

TEST_F(SubjectListTest, AStoredListNotHeldIsExtendedNotReplaced) {
    WriteBytes(folder / "fagl.txt", CrLf({"Math", "12", "KB"}));
    Lesson(0, 0, "Art", "3");
    MergeSubjects(ctx);
    EXPECT_EQ(ReadBytes(folder / "fagl.txt"), CrLf({"Art", "3", "", "Math", "12", "KB"}));

    // Reading /proc/self/mem at offset 0 fails with an I/O error, as a failing disk does.
    ctx.state.SubjectList.clear();
    std::filesystem::remove(folder / "fagl.txt");
    std::filesystem::create_symlink("/proc/self/mem", folder / "fagl.txt");
    EXPECT_THROW(MergeSubjects(ctx), SkemoraError);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "fagl.txt"));
}

TEST_F(SubjectListTest, MergeKeepsTheLastOccurrenceAndPutsNewSubjectsOnTop) {
    ctx.state.SubjectList = {"Old", "1", "", "Math", "10", ""};
    Lesson(0, 0, "Math", "12");
    Lesson(1, 0, "Math", "14");
    Lesson(3, 2, "Art", "3");
    Lesson(0, 5, "Biology", "7");
    MergeSubjects(ctx);
    EXPECT_EQ(ReadBytes(folder / "fagl.txt"),
              CrLf({"Biology", "7", "", "Art", "3", "", "Old", "1", "", "Math", "14", ""}));
}

TEST_F(SubjectListTest, ACutShortListIsCompletedNotOverrun) {
    ctx.state.SubjectList = {"Art", "3", "", "Math"};
    Lesson(0, 0, "Math", "12");
    MergeSubjects(ctx);
    EXPECT_EQ(ctx.state.SubjectList, (Lines{"Art", "3", "", "Math", "12", ""}));
}

TEST_F(SubjectListTest, RemoveDeletesTheLastEntryAndTheNextSaveBringsItBack) {
    ctx.state.SubjectList = {"Math", "12", "", "Art", "3", "", "Math", "14", ""};
    RemoveSubject(ctx, "Nothing");
    RemoveSubject(ctx, "Math");
    EXPECT_EQ(ReadBytes(folder / "fagl.txt"), CrLf({"Math", "12", "", "Art", "3", ""}));
    RemoveSubject(ctx, "Math");
    EXPECT_TRUE(dialogs.Messages.empty());
    Lesson(0, 0, "Math", "14");
    MergeSubjects(ctx);
    EXPECT_EQ(ctx.state.SubjectList, (Lines{"Math", "14", "", "Art", "3", ""}));
}

TEST_F(SubjectListTest, EmptyAndNothingCannotBeRemoved) {
    ctx.state.SubjectList = {"Empty", "", ""};
    RemoveSubject(ctx, "Empty");
    RemoveSubject(ctx, "");
    EXPECT_EQ(dialogs.Messages, (Lines{"You can't delete this.", "You can't delete this."}));
    EXPECT_EQ(ctx.state.SubjectList, (Lines{"Empty", "", ""}));
}

TEST_F(SubjectListTest, LoadOffersTheStoredSubjectsAndKeepsTheListWithoutAFile) {
    ctx.state.SubjectList = {"Held", "", ""};
    EXPECT_TRUE(LoadSubjectList(ctx).empty());
    EXPECT_EQ(ctx.state.SubjectList, (Lines{"Held", "", ""}));
    WriteBytes(folder / "fagl.txt", CrLf({"Math", "12", "", "Art", "3", ""}));
    EXPECT_EQ(LoadSubjectList(ctx), (Lines{"Math", "Art"}));
}

}  // namespace
}  // namespace skemora::test
