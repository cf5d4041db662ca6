// The month and day names, and the names file "sp06.txt" in the data folder that may set them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace skemora {

struct NameTables {
    std::array<std::string, 12> ShortMonthNames;  // index 0 = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames;  // index 0 = Sunday
    std::array<std::string, 7> LongDayNames;
};

// Lines 2m / 2m+1 are the short / long name of month m, lines 24+2d / 25+2d those of day d
// (Sunday first); missing lines give empty names.
NameTables NamesFromLines(const std::vector<std::string>& lines);
// The names file of `dataFolder` (ending with "/").
std::string NamesFilePath(const std::string& dataFolder);
// The names of the names file in `dataFolder` (ending with "/"); nullopt when there is none or
// it cannot be read (the names are needed to build the window at all, so such a file counts as
// absent).
std::optional<NameTables> ReadNamesFile(const std::string& dataFolder);
// The English names.
NameTables EnglishNames();
// Every empty name replaced by its English one.
NameTables WithEnglishFallback(NameTables names);
// Danish interface: the Danish names, for a Danish interface without a names file.
NameTables DanishNames();

}  // namespace skemora
