#include "core/language/names_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/storage/name_tables.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace skemora {
namespace {

using test::CrLf;
using test::TempFolder;
using test::WriteBytes;

// Danish names as a names file holds them on disk, in Windows-1252, and as they read in memory.
const std::vector<std::string> kDanishOnDisk = {
    "jan",    "januar",    "feb", "februar", "mar",    "marts",    "apr", "april",
    "maj",    "maj",       "jun", "juni",    "jul",    "juli",     "aug", "august",
    "sep",    "september", "okt", "oktober", "nov",    "november", "dec", "december",
    "s\xF8n", "s\xF8ndag", "man", "mandag",  "tir",    "tirsdag",  "ons", "onsdag",
    "tor",    "torsdag",   "fre", "fredag",  "l\xF8r", "l\xF8rdag"};

std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + end;
    return bytes;
}

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back("line" + std::to_string(i));
    return lines;
}

TEST(NamesFromLines, TakesMonthsFromTheFirst24LinesAndDaysFromTheNext14) {
    const NameTables names = NamesFromLines(NumberedLines(38));
    EXPECT_EQ(names.ShortMonthNames[0], "line0");
    EXPECT_EQ(names.LongMonthNames[0], "line1");
    EXPECT_EQ(names.ShortMonthNames[11], "line22");
    EXPECT_EQ(names.LongMonthNames[11], "line23");
    EXPECT_EQ(names.ShortDayNames[0], "line24");
    EXPECT_EQ(names.LongDayNames[0], "line25");
    EXPECT_EQ(names.ShortDayNames[1], "line26");
    EXPECT_EQ(names.LongDayNames[1], "line27");
    EXPECT_EQ(names.ShortDayNames[6], "line36");
    EXPECT_EQ(names.LongDayNames[6], "line37");
}

TEST(NamesFromLines, LinesAfter37AreIgnored) {
    EXPECT_EQ(NamesFromLines(NumberedLines(60)).LongDayNames[6], "line37");
}

TEST(NamesFromLines, MissingLinesGiveEmptyNames) {
    struct Case {
        int Lines;
        std::string LastShortMonth, LastLongMonth, Sunday, LongSaturday;
    };
    const Case cases[] = {
        {0, "", "", "", ""},
        {23, "line22", "", "", ""},
        {24, "line22", "line23", "", ""},
        {37, "line22", "line23", "line24", ""},
    };
    for (const Case& c : cases) {
        const NameTables names = NamesFromLines(NumberedLines(c.Lines));
        EXPECT_EQ(names.ShortMonthNames[11], c.LastShortMonth) << c.Lines;
        EXPECT_EQ(names.LongMonthNames[11], c.LastLongMonth) << c.Lines;
        EXPECT_EQ(names.ShortDayNames[0], c.Sunday) << c.Lines;
        EXPECT_EQ(names.LongDayNames[6], c.LongSaturday) << c.Lines;
    }
}

class NamesFile : public testing::Test {
protected:
    TempFolder folder;
    FakePlatform platform;
    std::string File() const { return folder / "sp06.txt"; }
    NameTables Load() {
        MainState state;
        state.DataFolder = folder.Path();
        return LoadNameTables(state, platform);
    }
};

TEST_F(NamesFile, DanishFileGivesDanishNamesWhateverTheLocale) {
    WriteBytes(File(), Joined(kDanishOnDisk, "\r\n"));
    const NameTables names = Load();
    EXPECT_EQ(names.ShortMonthNames[0], "jan");
    EXPECT_EQ(names.LongMonthNames[0], "januar");
    EXPECT_EQ(names.LongMonthNames[11], "december");
    EXPECT_EQ(names.ShortDayNames[0], "søn");
    EXPECT_EQ(names.LongDayNames[1], "mandag");
    EXPECT_EQ(names.LongDayNames[6], "lørdag");
}

TEST_F(NamesFile, FileOf24LinesGivesEmptyDayNames) {
    const std::vector<std::string> months(kDanishOnDisk.begin(), kDanishOnDisk.begin() + 24);
    WriteBytes(File(), Joined(months, "\r\n"));
    const NameTables names = Load();
    EXPECT_EQ(names.LongMonthNames[11], "december");
    for (std::size_t d = 0; d < 7; ++d) {
        EXPECT_EQ(names.ShortDayNames[d], "") << d;
        EXPECT_EQ(names.LongDayNames[d], "") << d;
    }
}

TEST_F(NamesFile, BlanksAroundANameAreKept) {
    std::vector<std::string> lines = NumberedLines(38);
    lines[1] = "  January  ";
    lines[27] = "Monday ";
    WriteBytes(File(), Joined(lines, "\r\n"));
    const NameTables names = Load();
    EXPECT_EQ(names.LongMonthNames[0], "  January  ");
    EXPECT_EQ(names.LongDayNames[1], "Monday ");
}

TEST_F(NamesFile, AnyLineEndEndsALine) {
    const std::vector<std::string> lines = NumberedLines(38);
    std::string mixed;
    const char* ends[] = {"\r\n", "\r", "\n"};
    for (std::size_t i = 0; i < lines.size(); ++i) mixed += lines[i] + ends[i % 3];
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const Case cases[] = {
        {"lone CR", Joined(lines, "\r")},
        {"lone LF", Joined(lines, "\n")},
        {"mixed", mixed},
        {"no end after the last line",
         Joined(lines, "\r\n").substr(0, Joined(lines, "\r\n").size() - 2)},
    };
    for (const Case& c : cases) {
        WriteBytes(File(), c.Bytes);
        const NameTables names = Load();
        EXPECT_EQ(names.ShortMonthNames[1], "line2") << c.Name;
        EXPECT_EQ(names.ShortDayNames[0], "line24") << c.Name;
        EXPECT_EQ(names.LongDayNames[6], "line37") << c.Name;
    }
}

TEST_F(NamesFile, BytesThatAreNotTextGiveNamesWithoutACrash) {
    std::string bytes = CrLf({std::string("a\0b", 3), "\xFF\xFE\xFD", "\x80\x81"});
    bytes += std::string(300, '\0') + "\r\n\xC3\r\nfeb\r\n";
    WriteBytes(File(), bytes);
    NameTables names;
    ASSERT_NO_THROW(names = Load());
    EXPECT_FALSE(names.LongMonthNames[0].empty());
}

TEST_F(NamesFile, WithoutTheFileTheLocaleNamesApply) {
    const NameTables names = Load();
    EXPECT_EQ(names.ShortDayNames[0], "Sun");
    EXPECT_EQ(names.LongDayNames[1], "Monday");
    EXPECT_EQ(names.LongMonthNames[0], "January");
}

TEST_F(NamesFile, AFolderNamedLikeTheFileIsNotTheFile) {
    std::filesystem::create_directory(File());
    EXPECT_EQ(Load().LongDayNames[1], "Monday");
}

class PartialLocale : public FakePlatform {
public:
    NameTables LocaleNames() override {
        NameTables names;
        names.LongMonthNames[0] = "januar";
        names.ShortDayNames[1] = "man";
        return names;
    }
};

TEST(LocaleNames, NamesTheLocaleLacksAreEnglish) {
    TempFolder folder;
    PartialLocale platform;
    MainState state;
    state.DataFolder = folder.Path();
    const NameTables names = LoadNameTables(state, platform);
    EXPECT_EQ(names.LongMonthNames[0], "januar");
    EXPECT_EQ(names.ShortDayNames[1], "man");
    EXPECT_EQ(names.ShortMonthNames[0], "Jan");
    EXPECT_EQ(names.LongMonthNames[11], "December");
    EXPECT_EQ(names.ShortDayNames[6], "Sat");
    EXPECT_EQ(names.LongDayNames[0], "Sunday");
}

TEST_F(NamesFile, UnreadableFileFallsBackToTheLocaleNames) {
    WriteBytes(File(), Joined(kDanishOnDisk, "\r\n"));
    ::chmod(File().c_str(), 0);
    if (::geteuid() != 0) {
        ASSERT_FALSE(std::ifstream(File()).good()) << "this user reads files without permission";
        EXPECT_EQ(Load().LongDayNames[1], "Monday");
        return;
    }
    // File permissions do not bind root: the file is read in a child process that has become
    // the unprivileged user nobody, and its exit status tells what it found.
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_EXIT(
        {
            const gid_t group = 65534;
            const uid_t user = 65534;
            if (::setresgid(group, group, group) != 0 || ::setresuid(user, user, user) != 0) {
                std::cerr << "could not become nobody\n";
                std::_Exit(2);
            }
            if (std::ifstream(File()).good()) {
                std::cerr << "nobody reads the file\n";
                std::_Exit(3);
            }
            std::_Exit(Load().LongDayNames[1] == "Monday" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(NamesFile, AFileWithAReadErrorFallsBackToTheLocaleNames) {
    // Reading /proc/self/mem at offset 0 fails with an I/O error, as a failing disk does.
    std::filesystem::create_symlink("/proc/self/mem", File());
    EXPECT_EQ(Load().LongDayNames[1], "Monday");
}

}  // namespace
}  // namespace skemora
