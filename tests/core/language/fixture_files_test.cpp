// The fixture files of tests/data opened the way the program opens them: good files in every
// encoding and line end show their lessons, damaged ones are reported and left as they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "core/language/names_file.h"
#include "support/timetable_fixture.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(SKEMORA_TEST_DATA) + "/" + name;
}

struct LessonFixture {
    const char* File;
    const char* MondaySubject;  // nullptr: the file must be refused
    const char* Error;          // the start of the message when refused
};

class LessonFixtureTest : public TimetableTest,
                          public ::testing::WithParamInterface<LessonFixture> {};

TEST_P(LessonFixtureTest, OpensOrIsRefusedAndKept) {
    Start({2003, 9, 10});
    fs::create_directories(User());
    fs::copy_file(Fixture(GetParam().File), folder / "Peter.dfd");
    const std::string bytes = ReadBytes(folder / "Peter.dfd");
    const std::string error = ErrorOf([&] { OpenPeter(); });
    if (GetParam().MondaySubject) {
        EXPECT_EQ(error, "");
        EXPECT_EQ(Shown(), GetParam().MondaySubject);
        EXPECT_EQ(ctx.state.Days[1].StartTime, 945);
        EXPECT_EQ(ctx.view.ClassField.Caption, "6U");
        return;
    }
    EXPECT_EQ(error.rfind(GetParam().Error, 0), 0u) << error;
    // An edit made now cannot be saved over the file it did not come from.
    EditMondayExpectingRefusal();
    EXPECT_EQ(ReadBytes(folder / "Peter.dfd"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LessonFixtureTest,
    ::testing::Values(LessonFixture{"timetable/good_cp1252.dfd", "Dansk", nullptr},
                      LessonFixture{"timetable/good_utf8.dfd", "Ærø → Ωmega", nullptr},
                      LessonFixture{"timetable/good_lf_only.dfd", "Dansk", nullptr},
                      LessonFixture{"timetable/short_100_lines.dfd", nullptr, "/"},
                      LessonFixture{"timetable/start_time_not_a_number.dfd", nullptr,
                                    "'8.00' is not a valid integer value"}));

struct PeriodFixture {
    const char* File;
    int Count;  // -1: refused
};

class PeriodFixtureTest : public TimetableTest,
                          public ::testing::WithParamInterface<PeriodFixture> {};

TEST_P(PeriodFixtureTest, BuildsTheListOrRefusesIt) {
    const auto lines = ReadLines(Fixture(GetParam().File));
    if (GetParam().Count < 0) {
        EXPECT_THROW(BuildPeriodList(lines, "Peter.dfd"), SkemoraError);
        return;
    }
    EXPECT_EQ(BuildPeriodList(lines, "Peter.dfd").Count, GetParam().Count);
}

INSTANTIATE_TEST_SUITE_P(Files, PeriodFixtureTest,
                         ::testing::Values(PeriodFixture{"timetable/periods_three.dfd", 3},
                                           PeriodFixture{"timetable/periods_blank_line.dfd", -1},
                                           PeriodFixture{"timetable/periods_out_of_range.dfd",
                                                         -1}));

TEST(NamesFixtureTest, ADanishNamesFileGivesDanishNamesAndAShortOneLeavesDaysOpen) {
    TempFolder data;
    fs::copy_file(Fixture("names/danish_sp06.txt"), data / "sp06.txt");
    const auto names = ReadNamesFile(data.Path());
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->LongMonthNames[4], "maj");
    EXPECT_EQ(names->ShortDayNames[6], "lør");
    const NameTables months = NamesFromLines(ReadLines(Fixture("names/months_only_sp06.txt")));
    EXPECT_EQ(months.LongMonthNames[11], "december");
    EXPECT_EQ(months.LongDayNames[0], "");
    EXPECT_EQ(WithEnglishFallback(months).LongDayNames[0], "Sunday");
}

}  // namespace
}  // namespace skemora::test
