// The holiday month file, read from a real file: marks only land on days 1..31, every mark comes
// from a complete group with a plain index, and the lookups stay inside the tables.
#include <charconv>

#include "core/files/text_file.h"
#include "fuzz_support.h"
#include "core/holidays/holiday_tables.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

// The expected table: complete groups whose first line is a plain decimal 0..30; a later group
// for the same day wins.
feriedage Reference(const std::vector<std::string>& lines) {
    feriedage table;
    for (std::size_t first = 0; first + 3 <= lines.size(); first += 3) {
        const std::string& text = lines[first];
        int value = -1;
        const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || rest != text.data() + text.size()) continue;
        if (value < 0 || value > 30) continue;
        table.Flags[value] = 1;
        table.Colours[value] = lines[first + 1];
        table.Names[value] = lines[first + 2];
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);
    const std::string path = folder / HolidayFileName(2003, 9);
    WriteBytes(path, bytes);

    const feriedage table = ReadHolidayMonth(path);
    const feriedage expected = Reference(DecodeLines(bytes));
    Check(table.Flags == expected.Flags, "the marked days are the complete groups' days");
    Check(table.Colours == expected.Colours, "each mark keeps its colour name");
    Check(table.Names == expected.Names, "each mark keeps its holiday name");
    Check(table.Flags[31] == 0, "the 32nd flag is never set");

    std::array<feriedage, 3> tables;
    LoadHolidayTables(tables, folder.Path(), 2003, 9);
    Check(tables[1].Flags == table.Flags, "the selected month's table is the file's");
    for (int day = -1; day <= 33; ++day) {
        const bool marked = IsHoliday(tables[1], day);
        Check(!marked || (day >= 1 && day <= 31), "only days 1..31 are marked");
        const Rgb colour = HolidayColour(tables[1], day);
        if (marked) {
            Check(colour == ColourFromName(tables[1].Colours[day - 1]).value_or(0x000000u),
                  "a mark's colour is its name's");
        }
    }
    return 0;
}
