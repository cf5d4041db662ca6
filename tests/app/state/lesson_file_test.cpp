#include "core/timetable/lesson_file.h"

#include <gtest/gtest.h>

#include "app/state/main_state.h"

namespace skemora::test {
namespace {

TEST(LessonFileTest, LinesFollowTheFileLayoutAndReadBack) {
    MainState state;
    DefaultTimetable(state.Days);
    state.Days[2].StartTime = 1345;
    state.Days[2].Subject[1] = "Math";
    state.Days[2].Teacher[1] = "KB";
    state.ClassName = "6U";
    const auto lines = TimetableLines(state.Days, state.ClassName);
    ASSERT_EQ(lines.size(), 186u);
    EXPECT_EQ(lines[0], "800");
    EXPECT_EQ(lines[1], "Empty");
    EXPECT_EQ(lines[74], "1345");
    EXPECT_EQ(lines[78], "Math");
    EXPECT_EQ(lines[80], "KB");
    EXPECT_EQ(lines[185], "6U");
    MainState read;
    ParseTimetable(read.Days, read.ClassName, lines);
    EXPECT_EQ(TimetableLines(read.Days, read.ClassName), lines);
}

}  // namespace
}  // namespace skemora::test
