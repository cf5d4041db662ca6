#include "app/view/lesson_fill.h"

#include <gtest/gtest.h>

#include "support/fake_dialogs.h"
#include "support/fake_platform.h"

namespace skemora::test {
namespace {

class LessonFillTest : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    FakePlatform platform;
    AppContext ctx{dialogs, platform};

    // Day d gets the start time starts[d] and the lessons "d0", "d1", ...
    void SetDays(const std::array<int, kDays>& starts, int lessons = 3) {
        for (int d = 0; d < kDays; ++d) {
            ctx.state.Days[d] = DayRecord{};
            ctx.state.Days[d].StartTime = starts[d];
            for (int j = 0; j < lessons; ++j) {
                ctx.state.Days[d].Subject[j] = std::to_string(d) + std::to_string(j);
            }
        }
    }
    const Element& Cell(int day, int row) const { return ctx.view.Days[day].Cells[row]; }
};

struct AlignCase {
    const char* name;
    std::array<int, kDays> starts;
    std::array<int, kDays> rows;  // the row of each day's first lesson
};

class AlignTest : public LessonFillTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AlignTest, EachLaterStartDrawsADayOneRowLower) {
    SetDays(GetParam().starts);
    ShowTimetable(ctx);
    for (int d = 0; d < kDays; ++d) {
        const int row = GetParam().rows[d];
        EXPECT_EQ(Cell(d, row).Caption, std::to_string(d) + "0") << "day " << d;
        for (int r = 0; r < row; ++r) EXPECT_EQ(Cell(d, r).Caption, "") << "day " << d;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, AlignTest,
    ::testing::Values(
        AlignCase{"ThreeRows", {800, 800, 855, 945, 800}, {0, 0, 1, 2, 0}},
        AlignCase{"AllDifferent", {1200, 1100, 1000, 900, 800}, {4, 3, 2, 1, 0}},
        AlignCase{"Midnight", {0, 800, 800, 800, 800}, {0, 1, 1, 1, 1}},
        AlignCase{"LateStartsShareTheLastRow", {800, 3000, 2359, 9999, 800}, {0, 1, 1, 1, 0}},
        AlignCase{"AllLate", {2359, 2400, 5000, 2359, 9999}, {0, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonFillTest, AShiftedDayShowsOnlyTheLessonsThatFitAndNoOldText) {
    SetDays({800, 800, 800, 800, 800}, kLessons);
    ShowTimetable(ctx);
    ctx.state.Days[1].StartTime = 900;
    ShowTimetable(ctx);
    EXPECT_EQ(Cell(1, 0).Caption, "");
    EXPECT_EQ(Cell(1, 1).Caption, "10");
    EXPECT_EQ(Cell(1, 11).Caption, "110");
}

TEST_F(LessonFillTest, LessonsWithHomeworkOrShortcutsAreGreen) {
    SetDays({800, 900, 800, 800, 800});
    ctx.state.Homework[1][0].HomeworkText = {"read"};
    ctx.state.Homework[0][2].Shortcuts = {"/tmp/x.txt"};
    ShowTimetable(ctx);
    EXPECT_EQ(Cell(1, 1).TextColor, kGreen);  // lesson 0, drawn in row 1
    EXPECT_EQ(Cell(0, 2).TextColor, kGreen);
    EXPECT_EQ(Cell(0, 1).TextColor, kBlack);
    ctx.state.Homework = WeekHomework{};
    ShowTimetable(ctx);
    EXPECT_EQ(Cell(1, 1).TextColor, kBlack);
}

TEST_F(LessonFillTest, ResetEmptiesTheTimetableAndBlanksEveryCell) {
    SetDays({800, 800, 800, 800, 800});
    ShowTimetable(ctx);
    ctx.view.Days[3].Cells[4].Background = kButtonFace;
    ResetTimetable(ctx);
    EXPECT_EQ(ctx.state.Days[2].StartTime, 0);
    EXPECT_EQ(ctx.state.Days[2].Subject[0], "");
    EXPECT_EQ(Cell(0, 0).Caption, "");
    EXPECT_EQ(Cell(3, 4).Background, kWhite);
}

}  // namespace
}  // namespace skemora::test
