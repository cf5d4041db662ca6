// Lesson times in the diary: the lesson-times file of the open time-table (missing, damaged,
// full), the times the details and the cell hints show, and the dialog's command.
#include <gtest/gtest.h>

#include "app/timetable/lesson_times_commands.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

class LessonTimesWindowTest : public TimetableTest {
protected:
    std::string TimesFile() const { return User() + "lektider.dfd"; }

    void StartWithPeter() {
        Start({2003, 9, 10});
        WritePeter({}, {"Maths"});
        ctx.state.Days = {};
    }
    std::string Details() {
        SelectCell(ctx, {0, 0});
        return ctx.view.DetailLabels[0].Caption;
    }
};

struct FileCase {
    const char* Name;
    const char* Bytes;  // nullptr: no file
    bool Told;
    const char* Details;
};

class LessonTimesFileWindowTest : public LessonTimesWindowTest,
                                  public ::testing::WithParamInterface<FileCase> {};

TEST_P(LessonTimesFileWindowTest, TheDetailsShowTheLessonsTimesAndDamageIsToldOnce) {
    const FileCase& c = GetParam();
    StartWithPeter();
    if (c.Bytes) WriteBytes(TimesFile(), c.Bytes);
    OpenPeter();
    EXPECT_EQ(Details(), c.Details);
    EXPECT_EQ(ctx.view.Days[0].Cells[0].Hint, std::string(c.Details).substr(8, 5));
    NextWeek(ctx);
    Select(2003, 9, 10);
    ASSERT_EQ(dialogs.Messages.size(), c.Told ? 1u : 0u);
    if (c.Told) {
        EXPECT_NE(dialogs.Messages[0].find(TimesFile()), std::string::npos);
    }
    // Reading never writes: a damaged file stays as it was.
    if (c.Bytes) {
        EXPECT_EQ(ReadBytes(TimesFile()), c.Bytes);
    } else {
        EXPECT_FALSE(std::filesystem::exists(TimesFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, LessonTimesFileWindowTest,
    ::testing::Values(FileCase{"Missing", nullptr, false, "Maths   08:00–08:45"},
                      FileCase{"Full", "50\r\n", false, "Maths   08:00–08:50"},
                      FileCase{"Damaged", "fifty\r\n", true, "Maths   08:00–08:45"},
                      FileCase{"OutOfRange", "0\r\n", true, "Maths   08:00–08:45"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LessonTimesWindowTest, TheDialogStoresTheTimesAndTheWindowShowsThem) {
    StartWithPeter();
    OpenPeter();
    LessonTimes times;
    times.Length[0] = 30;
    dialogs.LessonTimesAnswers = {std::nullopt};
    EditLessonTimes(ctx);
    EXPECT_FALSE(std::filesystem::exists(TimesFile()));
    dialogs.LessonTimesAnswers = {times};
    EditLessonTimes(ctx);
    ASSERT_EQ(dialogs.LessonTimesShown.size(), 2u);
    EXPECT_EQ(dialogs.LessonTimesShown[1], LessonTimes{});
    EXPECT_EQ(ReadBytes(TimesFile()).substr(0, 8), "30\r\n45\r\n");
    EXPECT_EQ(ReadLines(TimesFile()).size(), 24u);
    EXPECT_EQ(Details(), "Maths   08:00–08:30");
    // Another window's change shows at the next refresh.
    times.Length[0] = 40;
    WriteLines(TimesFile(), LessonTimesLines(times));
    NextWeek(ctx);
    EXPECT_EQ(Details(), "Maths   08:00–08:40");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(LessonTimesWindowTest, EachTimetableHasItsOwnTimes) {
    StartWithPeter();
    LessonTimes times;
    times.Length[0] = 30;
    WriteLines(TimesFile(), LessonTimesLines(times));
    std::filesystem::create_directories(folder / "Anna");
    WriteLines(folder / "Anna.dfd", LessonFile("Art"));
    OpenPeter();
    EXPECT_EQ(Details(), "Maths   08:00–08:30");
    OpenTimetable(ctx, folder / "Anna.dfd");
    EXPECT_EQ(Details(), "Art   08:00–08:45");
    OpenPeter();
    EXPECT_EQ(Details(), "Maths   08:00–08:30");
}

}  // namespace
}  // namespace skemora::test
