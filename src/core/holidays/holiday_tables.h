// The holiday month tables: file names, reading a month's marks, the three tables around a
// month, and the eight colour names of a mark.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

// One month's holiday marks; entry i is day i + 1.
struct feriedage {
    std::array<std::uint8_t, 32> Flags{};
    std::array<std::string, 31> Colours;
    std::array<std::string, 31> Names;
};

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// The eight colour names in the order the holiday editor lists them.
extern const std::array<std::string, 8> kHolidayColourNames;

// "a" + four-digit year + two-digit month + ".dfg"
std::string HolidayFileName(int year, int month);

// The marks of one month's holiday file; a missing file gives a cleared table. Groups with a
// non-numeric index, an index outside 0..30, or an incomplete trailing group are skipped.
feriedage ReadHolidayMonth(const std::string& path);
// The same from the file's lines.
feriedage HolidayMonthFromLines(const std::vector<std::string>& lines);
// The holiday file names of tables 0, 1, 2 below.
std::array<std::string, 3> HolidayFileNamesAround(int year, int month);

// Tables 0, 1, 2: the month before (year, month), that month, and the month after, read from
// the holiday files in dataFolder.
void LoadHolidayTables(std::array<feriedage, 3>& tables, const std::string& dataFolder, int year,
                       int month);

// Whether day 1..31 carries a mark in the table.
bool IsHoliday(const feriedage& table, int day);

// The colour of a mark's colour name; nullopt for a name outside the eight.
std::optional<Rgb> ColourFromName(const std::string& name);
// As ColourFromName, with black for an unknown name.
Rgb HolidayColour(const feriedage& table, int day);

}  // namespace skemora
