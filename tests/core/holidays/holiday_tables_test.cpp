#include "core/holidays/holiday_tables.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace skemora::test {
namespace {

TEST(HolidayTablesTest, ReadsGroupsOfThreeLines) {
    TempFolder folder;
    WriteBytes(folder / "a200212.dfg",
               CrLf({"19", "clRed", "Christmas", "22", "clPurple", "", "30", "clAqua", "New"}));
    const feriedage table = ReadHolidayMonth(folder / "a200212.dfg");
    EXPECT_TRUE(IsHoliday(table, 20));
    EXPECT_EQ(table.Colours[19], "clRed");
    EXPECT_EQ(table.Names[19], "Christmas");
    EXPECT_TRUE(IsHoliday(table, 23));
    EXPECT_EQ(table.Names[22], "");
    EXPECT_TRUE(IsHoliday(table, 31));
    EXPECT_FALSE(IsHoliday(table, 21));
    EXPECT_EQ(HolidayColour(table, 20), 0xFF0000u);
    EXPECT_EQ(HolidayColour(table, 23), 0x800080u);
}

struct DamagedFile {
    const char* Name;
    std::string Bytes;
};

class DamagedHolidayFileTest : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedHolidayFileTest, SkipsTheDamagedGroupAndKeepsTheGoodOne) {
    TempFolder folder;
    WriteBytes(folder / "a200301.dfg", GetParam().Bytes);
    const feriedage table = ReadHolidayMonth(folder / "a200301.dfg");
    EXPECT_TRUE(IsHoliday(table, 2));
    EXPECT_EQ(table.Names[1], "Good");
    int marks = 0;
    for (int day = 1; day <= 31; ++day) marks += IsHoliday(table, day) ? 1 : 0;
    EXPECT_EQ(marks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedHolidayFileTest,
    ::testing::Values(
        DamagedFile{"NonNumericIndex", CrLf({"1", "clRed", "Good", "x", "clRed", "Bad"})},
        DamagedFile{"IndexWithBlank", CrLf({"1", "clRed", "Good", " 4", "clRed", "Bad"})},
        DamagedFile{"IndexTooLarge", CrLf({"31", "clRed", "Bad", "1", "clRed", "Good"})},
        DamagedFile{"NegativeIndex", CrLf({"-1", "clRed", "Bad", "1", "clRed", "Good"})},
        DamagedFile{"HugeIndex", CrLf({"1", "clRed", "Good", "99999999999", "clRed", "Bad"})},
        DamagedFile{"IncompleteTrailingGroup", CrLf({"1", "clRed", "Good", "5", "clRed"})},
        DamagedFile{"LoneTrailingIndex", CrLf({"1", "clRed", "Good", "5"})}),
    [](const auto& info) { return info.param.Name; });

TEST(HolidayTablesTest, UnknownColourNameIsBlack) {
    TempFolder folder;
    WriteBytes(folder / "a200301.dfg", CrLf({"4", "clNavy", "Odd"}));
    const feriedage table = ReadHolidayMonth(folder / "a200301.dfg");
    EXPECT_TRUE(IsHoliday(table, 5));
    EXPECT_EQ(HolidayColour(table, 5), 0x000000u);
    EXPECT_FALSE(ColourFromName("clNavy").has_value());
}

TEST(HolidayTablesTest, LoadsTheMonthsAroundTheTurnOfTheYear) {
    TempFolder folder;
    WriteBytes(folder / "a200212.dfg", CrLf({"30", "clRed", "Old year"}));
    WriteBytes(folder / "a200301.dfg", CrLf({"0", "clGreen", "New year"}));
    WriteBytes(folder / "a200302.dfg", CrLf({"3", "clLime", "February"}));
    std::array<feriedage, 3> tables;
    tables[1].Flags[9] = 1;  // stale marks are cleared
    LoadHolidayTables(tables, folder.Path(), 2003, 1);
    EXPECT_EQ(tables[0].Names[30], "Old year");
    EXPECT_EQ(tables[1].Names[0], "New year");
    EXPECT_FALSE(IsHoliday(tables[1], 10));
    EXPECT_EQ(tables[2].Names[3], "February");

    LoadHolidayTables(tables, folder.Path(), 2002, 12);
    EXPECT_EQ(tables[1].Names[30], "Old year");
    EXPECT_EQ(tables[2].Names[0], "New year");
    EXPECT_FALSE(IsHoliday(tables[0], 31));
}

}  // namespace
}  // namespace skemora::test
