#include "core/timetable/lesson_times.h"

#include <gtest/gtest.h>

namespace skemora {
namespace {

LessonTimes Uneven() {
    LessonTimes times;
    times.Length = {45, 45, 30, 60, 45, 45, 45, 45, 45, 45, 45, 45};
    times.Break = {5, 20, 0, 10, 5, 5, 5, 5, 5, 5, 5, 5};
    return times;
}

struct SpanCase {
    const char* Name;
    int StartTime;
    LessonTimes Times;
    int Position;
    const char* Span;
};

class LessonSpanTest : public ::testing::TestWithParam<SpanCase> {};

TEST_P(LessonSpanTest, EachLessonStartsAfterTheLengthsAndBreaksBeforeIt) {
    const SpanCase& c = GetParam();
    EXPECT_EQ(LessonSpanText(c.StartTime, c.Times, c.Position), c.Span);
    EXPECT_EQ(LessonEnd(c.StartTime, c.Times, c.Position) -
                  LessonStart(c.StartTime, c.Times, c.Position),
              c.Times.Length[static_cast<std::size_t>(c.Position)]);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, LessonSpanTest,
    ::testing::Values(SpanCase{"FirstLessonAtTheDayStart", 800, {}, 0, "08:00–08:45"},
                      SpanCase{"SecondAfterOneBreak", 800, {}, 1, "08:50–09:35"},
                      SpanCase{"LastOfTwelveDefaults", 800, {}, 11, "17:10–17:55"},
                      SpanCase{"LateStartMinutes", 955, {}, 1, "10:45–11:30"},
                      SpanCase{"UnevenLengthsAndBreaks", 800, Uneven(), 3, "10:25–11:25"},
                      SpanCase{"NoBreakBeforeIt", 800, Uneven(), 2, "09:55–10:25"},
                      SpanCase{"PastMidnightWraps", 2330, {}, 1, "00:20–01:05"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct FileCase {
    const char* Name;
    std::vector<std::string> Lines;
    bool Damaged;
    int Length0, Break0, Length11;
};

class LessonTimesFileTest : public ::testing::TestWithParam<FileCase> {};

std::vector<std::string> Full() {
    std::vector<std::string> lines;
    for (int k = 0; k < 12; ++k) lines.push_back(std::to_string(40 + k));
    for (int k = 0; k < 12; ++k) lines.push_back(std::to_string(k));
    return lines;
}

std::vector<std::string> With(std::size_t line, const std::string& text) {
    auto lines = Full();
    lines[line] = text;
    return lines;
}

TEST_P(LessonTimesFileTest, ValuesAreReadAndUnclearOnesKeepTheirDefaults) {
    const FileCase& c = GetParam();
    const ReadLessonTimesResult read = LessonTimesFromLines(c.Lines);
    EXPECT_EQ(read.Damaged, c.Damaged);
    EXPECT_EQ(read.Times.Length[0], c.Length0);
    EXPECT_EQ(read.Times.Break[0], c.Break0);
    EXPECT_EQ(read.Times.Length[11], c.Length11);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LessonTimesFileTest,
    ::testing::Values(FileCase{"EmptyFileGivesDefaults", {}, false, 45, 5, 45},
                      FileCase{"FullFile", Full(), false, 40, 0, 51},
                      FileCase{"ShortFileKeepsTheRestDefault", {"50", "50"}, false, 50, 5, 45},
                      FileCase{"LinesAfterTheLastAreIgnored",
                               [] {
                                   auto lines = Full();
                                   lines.push_back("x");
                                   return lines;
                               }(),
                               false, 40, 0, 51},
                      FileCase{"NoNumber", With(0, "forty"), true, 45, 0, 51},
                      FileCase{"BlankLine", With(12, ""), true, 40, 5, 51},
                      FileCase{"Trailing", With(11, "45 "), true, 40, 0, 45},
                      FileCase{"ZeroLength", With(0, "0"), true, 45, 0, 51},
                      FileCase{"NegativeBreak", With(12, "-5"), true, 40, 5, 51},
                      FileCase{"TooLong", With(0, "241"), true, 45, 0, 51}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LessonTimesFile, WrittenLinesReadBackTheSame) {
    const ReadLessonTimesResult read = LessonTimesFromLines(LessonTimesLines(Uneven()));
    EXPECT_FALSE(read.Damaged);
    EXPECT_EQ(read.Times, Uneven());
}

}  // namespace
}  // namespace skemora
