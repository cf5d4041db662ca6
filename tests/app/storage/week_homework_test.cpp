#include "core/timetable/week_homework.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/skemora_error.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"
#include "app/state/timetable_state.h"
#include "app/storage/week_homework_files.h"

namespace skemora::test {
namespace {

using Lines = std::vector<std::string>;

struct RecordCase {
    const char* name;
    Lines lines;
    Lines monday;   // homework text kept for Monday, lesson 1
    Lines tuesday;  // homework text kept for Tuesday, lesson 1
};

class RecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordTest, NeverLeavesTheTablesAndKeepsWhatItCan) {
    WeekHomework homework;
    ParseWeekHomework(homework, GetParam().lines);
    EXPECT_EQ(homework[0][0].HomeworkText, GetParam().monday);
    EXPECT_EQ(homework[1][0].HomeworkText, GetParam().tuesday);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordTest,
    ::testing::Values(
        RecordCase{"TwoRecords", {"1", "1", "1", "a", "0", "2", "1", "0", "1", "/x"}, {"a"}, {}},
        RecordCase{
            "DayNineIsSkipped", {"9", "1", "1", "b", "0", "2", "1", "1", "c", "0"}, {}, {"c"}},
        RecordCase{"LessonZeroIsSkipped",
                   {"1", "0", "1", "b", "1", "x", "2", "1", "1", "c", "0"},
                   {},
                   {"c"}},
        RecordCase{"CountPastTheEndKeepsTheLinesThere", {"2", "1", "5", "a", "b"}, {}, {"a", "b"}},
        RecordCase{"ShortcutCountPastTheEnd", {"1", "1", "1", "a", "7", "x"}, {"a"}, {}},
        RecordCase{"RecordCutShort", {"1", "1", "1", "a", "0", "2", "1"}, {"a"}, {}},
        RecordCase{"NegativeCountStops", {"1", "1", "-1", "a", "0"}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class WeekHomeworkTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    void SetUp() override {
        ctx.texts.NoDocumentTitle = "Time-table";
        ctx.state.Open = OpenedTimetable{"Peter.dfd", "", folder.Path(), "Peter"};
        ctx.state.SelYear = 2004;
        ctx.state.WeekNo = 12;
    }
    std::string WeekFile() const { return folder / "a200412.dff"; }
};

TEST_F(WeekHomeworkTest, WritesTheRecordsInOrderReadsThemBackAndDeletesAnEmptyWeek) {
    ctx.state.Homework[1][4].Shortcuts = {"/home/p/x.doc"};
    ctx.state.Homework[0][11].HomeworkText = {"read", ""};
    WriteWeekHomework(ctx);
    EXPECT_EQ(ReadBytes(WeekFile()),
              CrLf({"1", "12", "2", "read", "", "0", "2", "5", "0", "1", "/home/p/x.doc"}));
    ctx.state.Homework[3][3].HomeworkText = {"not in the file"};
    ReadWeekHomework(ctx);
    EXPECT_EQ(ctx.state.Homework[0][11].HomeworkText, (Lines{"read", ""}));
    EXPECT_FALSE(ctx.state.Homework[3][3].HasHomework());
    ctx.state.Homework = WeekHomework{};
    WriteWeekHomework(ctx);
    EXPECT_FALSE(std::filesystem::exists(WeekFile()));
}

TEST_F(WeekHomeworkTest, AFileThatDoesNotReadKeepsWhatCameBeforeAndIsNotWrittenOver) {
    const std::string damaged = CrLf({"1", "1", "1", "a", "0", "two", "1", "1", "b", "0"});
    WriteBytes(WeekFile(), damaged);
    try {
        ReadWeekHomework(ctx);
        FAIL();
    } catch (const SkemoraError& error) {
        EXPECT_EQ(std::string(error.what()), "'two' is not a valid integer value");
    }
    EXPECT_EQ(ctx.state.Homework[0][0].HomeworkText, Lines{"a"});
    ctx.state.Homework[0][0].HomeworkText.push_back("more");
    EXPECT_THROW(WriteWeekHomework(ctx), SkemoraError);
    EXPECT_EQ(ReadBytes(WeekFile()), damaged);
}

}  // namespace
}  // namespace skemora::test
