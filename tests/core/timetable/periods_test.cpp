#include "core/timetable/periods.h"

#include <gtest/gtest.h>

#include "core/calendar/calendar.h"
#include "core/files/skemora_error.h"

namespace skemora::test {
namespace {

TEST(PeriodListTest, EntryZeroIsTheMainFileAndLinesAfterThe200thAreIgnored) {
    const auto periods = BuildPeriodList({"12276", "12304"}, "Peter.dfd");
    ASSERT_EQ(periods.Count, 2);
    EXPECT_EQ(periods.Entries[0].FileName, "Peter.dfd");
    EXPECT_EQ(periods.Entries[1].Start, 12304);
    EXPECT_EQ(periods.Entries[1].FileName, "S1.dfd");
    std::vector<std::string> lines(250, "12276");
    lines[220] = "not a number";
    EXPECT_EQ(BuildPeriodList(lines, "Peter.dfd").Count, 200);
}

class BadStartTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BadStartTest, GivesTheConversionError) {
    try {
        BuildPeriodList({"12276", GetParam()}, "Peter.dfd");
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const SkemoraError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "'" + std::string(GetParam()) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, BadStartTest, ::testing::Values("", " 12304", "-1", "65536"));

struct DateCase {
    std::vector<std::string> lines;
    int day;
    int period;
};

class PeriodForDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(PeriodForDateTest, AnswersTheLastPeriodStartedByThatDay) {
    const auto periods = BuildPeriodList(GetParam().lines, "Peter.dfd");
    EXPECT_EQ(PeriodForDate(periods, GetParam().day), GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Lists, PeriodForDateTest,
                         ::testing::Values(DateCase{{"12276"}, 12000, 0}, DateCase{{}, 12300, 0},
                                           DateCase{{"12276", "12304"}, 12303, 0},
                                           DateCase{{"12276", "12304"}, 12304, 1},
                                           DateCase{{"12276", "12304", "12304"}, 12310, 2},
                                           DateCase{{"12360", "12304", "12276"}, 12310, 2},
                                           DateCase{{"12360", "12304", "12276"}, 12200, 0}));

class MondayTest : public ::testing::TestWithParam<std::pair<Date, Date>> {};

TEST_P(MondayTest, IsTheMondayOfTheDatesMondayToSundayWeek) {
    const auto [date, monday] = GetParam();
    EXPECT_EQ(MondayOf(date), DayNumber(monday.Year, monday.Month, monday.Day));
}

INSTANTIATE_TEST_SUITE_P(Dates, MondayTest,
                         ::testing::Values(std::pair{Date{2003, 9, 10}, Date{2003, 9, 8}},
                                           std::pair{Date{2003, 9, 8}, Date{2003, 9, 8}},
                                           std::pair{Date{2003, 9, 14}, Date{2003, 9, 8}},
                                           std::pair{Date{2004, 1, 1}, Date{2003, 12, 29}},
                                           std::pair{Date{2004, 3, 6}, Date{2004, 3, 1}}));

}  // namespace
}  // namespace skemora::test
