#include "core/holidays/holiday_tables.h"

#include <charconv>
#include <cstdio>

#include "core/files/file_ops.h"
#include "core/files/text_file.h"

namespace skemora {

const std::array<std::string, 8> kHolidayColourNames = {
    "clGreen", "clBlack", "clRed", "clLime", "clYellow", "clAqua", "clMaroon", "clPurple"};

namespace {

constexpr std::array<Rgb, 8> kHolidayColourValues = {0x008000, 0x000000, 0xFF0000, 0x00FF00,
                                                     0xFFFF00, 0x00FFFF, 0x800000, 0x800080};

std::optional<int> DayIndex(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end) return std::nullopt;
    if (value < 0 || value > 30) return std::nullopt;
    return value;
}

}  // namespace

std::string HolidayFileName(int year, int month) {
    char name[32];
    std::snprintf(name, sizeof name, "a%04d%02d.dfg", year, month);
    return name;
}

feriedage ReadHolidayMonth(const std::string& path) {
    if (!FileExists(path)) return {};
    return HolidayMonthFromLines(ReadLines(path));
}

feriedage HolidayMonthFromLines(const std::vector<std::string>& lines) {
    feriedage table;
    for (std::size_t first = 0; first + 2 < lines.size(); first += 3) {
        auto index = DayIndex(lines[first]);
        if (!index) continue;
        table.Flags[*index] = 1;
        table.Colours[*index] = lines[first + 1];
        table.Names[*index] = lines[first + 2];
    }
    return table;
}

std::array<std::string, 3> HolidayFileNamesAround(int year, int month) {
    const int before = month == 1 ? 12 : month - 1;
    const int after = month == 12 ? 1 : month + 1;
    return {HolidayFileName(month == 1 ? year - 1 : year, before), HolidayFileName(year, month),
            HolidayFileName(month == 12 ? year + 1 : year, after)};
}

void LoadHolidayTables(std::array<feriedage, 3>& tables, const std::string& dataFolder, int year,
                       int month) {
    const auto names = HolidayFileNamesAround(year, month);
    for (std::size_t i = 0; i < names.size(); ++i)
        tables[i] = ReadHolidayMonth(dataFolder + names[i]);
}

bool IsHoliday(const feriedage& table, int day) {
    return day >= 1 && day <= 31 && table.Flags[day - 1] != 0;
}

std::optional<Rgb> ColourFromName(const std::string& name) {
    for (std::size_t i = 0; i < kHolidayColourNames.size(); ++i) {
        if (kHolidayColourNames[i] == name) return kHolidayColourValues[i];
    }
    return std::nullopt;
}

Rgb HolidayColour(const feriedage& table, int day) {
    constexpr Rgb kBlack = 0x000000;
    if (day < 1 || day > 31) return kBlack;
    return ColourFromName(table.Colours[day - 1]).value_or(kBlack);
}

}  // namespace skemora
