#include "core/language/names_file.h"

#include <cstddef>

#include "core/files/file_ops.h"
#include "core/files/skemora_error.h"
#include "core/files/text_file.h"

namespace skemora {

namespace {

constexpr const char* kNamesFile = "sp06.txt";
constexpr std::size_t kFirstDayLine = 24;

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

template <std::size_t N>
void FillEmpty(std::array<std::string, N>& names, const std::array<std::string, N>& defaults) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i].empty()) names[i] = defaults[i];
    }
}

}  // namespace

NameTables EnglishNames() {
    return NameTables{
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
}

NameTables DanishNames() {
    return NameTables{
        {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
        {"Januar", "Februar", "Marts", "April", "Maj", "Juni", "Juli", "August", "September",
         "Oktober", "November", "December"},
        {"Søn", "Man", "Tir", "Ons", "Tor", "Fre", "Lør"},
        {"Søndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag"}};
}

NameTables NamesFromLines(const std::vector<std::string>& lines) {
    NameTables names;
    for (std::size_t m = 0; m < names.ShortMonthNames.size(); ++m) {
        names.ShortMonthNames[m] = LineOrEmpty(lines, 2 * m);
        names.LongMonthNames[m] = LineOrEmpty(lines, 2 * m + 1);
    }
    for (std::size_t d = 0; d < names.ShortDayNames.size(); ++d) {
        names.ShortDayNames[d] = LineOrEmpty(lines, kFirstDayLine + 2 * d);
        names.LongDayNames[d] = LineOrEmpty(lines, kFirstDayLine + 2 * d + 1);
    }
    return names;
}

std::string NamesFilePath(const std::string& dataFolder) {
    return dataFolder + kNamesFile;
}

std::optional<NameTables> ReadNamesFile(const std::string& dataFolder) {
    const std::string path = NamesFilePath(dataFolder);
    if (!FileExists(path)) return std::nullopt;
    try {
        return NamesFromLines(ReadLines(path));
    } catch (const SkemoraError&) {
        return std::nullopt;
    }
}

NameTables WithEnglishFallback(NameTables names) {
    const NameTables english = EnglishNames();
    FillEmpty(names.ShortMonthNames, english.ShortMonthNames);
    FillEmpty(names.LongMonthNames, english.LongMonthNames);
    FillEmpty(names.ShortDayNames, english.ShortDayNames);
    FillEmpty(names.LongDayNames, english.LongDayNames);
    return names;
}

}  // namespace skemora
