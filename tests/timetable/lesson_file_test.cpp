#include "timetable/lesson_file.h"

#include <gtest/gtest.h>

namespace skemora::test {
namespace {

TEST(LessonFileTest, LinesFollowTheFileLayoutAndReadBack) {
    MainState state;
    DefaultTimetable(state);
    state.Days[2].StartTime = 1345;
    state.Days[2].Subject[1] = "Math";
    state.Days[2].Teacher[1] = "KB";
    state.ClassName = "6U";
    const auto lines = TimetableLines(state);
    ASSERT_EQ(lines.size(), 186u);
    EXPECT_EQ(lines[0], "800");
    EXPECT_EQ(lines[1], "Empty");
    EXPECT_EQ(lines[74], "1345");
    EXPECT_EQ(lines[78], "Math");
    EXPECT_EQ(lines[80], "KB");
    EXPECT_EQ(lines[185], "6U");
    MainState read;
    ParseTimetable(read, lines);
    EXPECT_EQ(TimetableLines(read), lines);
}

}  // namespace
}  // namespace skemora::test
