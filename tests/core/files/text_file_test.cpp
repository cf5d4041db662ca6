#include "core/files/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "core/files/skemora_error.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

std::vector<std::string> Entries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsTheLines) {
    TempFolder folder;
    WriteBytes(folder / "f.txt", GetParam().bytes);
    EXPECT_EQ(ReadLines(folder / "f.txt"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEndsAndEncodings, DecodeTest,
    ::testing::Values(DecodeCase{"Empty", "", {}},
                      DecodeCase{"AnyLineEnd", "a\rb\nc\r\n\r\nd", {"a", "b", "c", "", "d"}},
                      DecodeCase{
                          "Windows1252", "K\xf8kken \x80\r\n", {"K\xc3\xb8kken \xe2\x82\xac"}},
                      DecodeCase{"Utf8", "\xc5\x81\xc3\xb3\r\n", {"\xc5\x81\xc3\xb3"}},
                      DecodeCase{"Utf8WithBom", "\xef\xbb\xbfx\r\n", {"x"}},
                      DecodeCase{"BrokenUtf8IsWindows1252", "\xc3\x28\r\n", {"\xc3\x83("}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteLinesTest, WritesWindows1252WithCrLf) {
    TempFolder folder;
    WriteLines(folder / "f.txt", {"K\xc3\xb8kken", "", "\xe2\x82\xac"});
    EXPECT_EQ(ReadBytes(folder / "f.txt"), "K\xf8kken\r\n\r\n\x80\r\n");
}

TEST(WriteLinesTest, TextWindows1252CannotHoldMakesTheWholeFileUtf8) {
    TempFolder folder;
    const std::vector<std::string> lines = {"\xc3\xa6", "\xc5\x81\xc3\xb3"};
    WriteLines(folder / "f.txt", lines);
    EXPECT_EQ(ReadBytes(folder / "f.txt"), "\xc3\xa6\r\n\xc5\x81\xc3\xb3\r\n");
    EXPECT_EQ(ReadLines(folder / "f.txt"), lines);
    // "Ã¦" in Windows-1252 is C3 A6, which would read back as UTF-8 "æ".
    WriteLines(folder / "g.txt", {"\xc3\x83\xc2\xa6"});
    EXPECT_EQ(ReadLines(folder / "g.txt"), std::vector<std::string>{"\xc3\x83\xc2\xa6"});
}

TEST(WriteLinesTest, AFirstLineStartingWithAByteOrderMarkKeepsIt) {
    TempFolder folder;
    // The file's own mark is dropped on reading; the second one belongs to the first line.
    WriteBytes(folder / "in.txt", "\xef\xbb\xbf\xef\xbb\xbfx\r\n");
    const auto lines = ReadLines(folder / "in.txt");
    ASSERT_EQ(lines, std::vector<std::string>{"\xef\xbb\xbfx"});
    WriteLines(folder / "out.txt", lines);
    EXPECT_EQ(ReadLines(folder / "out.txt"), lines);
    EXPECT_EQ(DecodeLines(EncodeLines({"\xef\xbb\xbf", "y"})),
              (std::vector<std::string>{"\xef\xbb\xbf", "y"}));
}

TEST(ReadLinesTest, AReadErrorThrowsSkemoraError) {
    TempFolder folder;
    // Reading /proc/self/mem at offset 0 fails with an I/O error, as a failing disk does.
    std::filesystem::create_symlink("/proc/self/mem", folder / "f.txt");
    EXPECT_THROW(ReadLines(folder / "f.txt"), SkemoraError);
}

TEST(WriteLinesTest, EveryWindows1252FileReadsAndWritesBackByteForByte) {
    TempFolder folder;
    std::string bytes;
    for (int b = 0x20; b < 0x100; ++b) bytes += static_cast<char>(b);
    bytes += "\r\n";
    WriteBytes(folder / "in.txt", bytes);
    WriteLines(folder / "out.txt", ReadLines(folder / "in.txt"));
    EXPECT_EQ(ReadBytes(folder / "out.txt"), bytes);
}

TEST(WriteLinesTest, ReplacesTheFileAndLeavesNoTemporary) {
    TempFolder folder;
    WriteBytes(folder / "f.txt", "old\r\n");
    WriteLines(folder / "f.txt", {"new"});
    EXPECT_EQ(ReadBytes(folder / "f.txt"), "new\r\n");
    { StagedFile dropped(folder / "f.txt", std::vector<std::string>{"uncommitted"}); }
    EXPECT_EQ(ReadBytes(folder / "f.txt"), "new\r\n");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"f.txt"});
}

TEST(WriteLinesTest, AFileThatAlreadyHoldsTheLinesIsLeftAlone) {
    TempFolder folder;
    const std::string path = folder / "f.txt";
    WriteLines(path, {"same", "lines"});
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    WriteLines(path, {"same", "lines"});
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);

    // Same length, other bytes: replaced.
    WriteLines(path, {"sane", "lines"});
    EXPECT_EQ(ReadBytes(path), "sane\r\nlines\r\n");
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
}

TEST(WriteLinesTest, FailuresThrowCannotCreateFileAndLeaveNothingBehind) {
    TempFolder folder;
    const std::string missing = folder / "missing/f.txt";
    try {
        WriteLines(missing, {"x"});
        FAIL() << "no error";
    } catch (const SkemoraError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file " + missing + "\nNo such file or directory");
    }
    std::filesystem::create_directory(folder / "f.txt");
    EXPECT_THROW(WriteLines(folder / "f.txt", {"x"}), SkemoraError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "f.txt"));
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"f.txt"});
}

struct IntegerCase {
    const char* text;
    bool valid;
    int value;
};

class StrToIntTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StrToIntTest, ConvertsStrictly) {
    const auto& param = GetParam();
    if (param.valid) {
        EXPECT_EQ(StrToInt(param.text), param.value);
        return;
    }
    try {
        StrToInt(param.text);
        FAIL() << "accepted " << param.text;
    } catch (const SkemoraError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "'" + std::string(param.text) + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntTest,
    ::testing::Values(
        IntegerCase{"800", true, 800}, IntegerCase{"0800", true, 800}, IntegerCase{"+5", true, 5},
        IntegerCase{"-12", true, -12}, IntegerCase{"2147483647", true, INT_MAX},
        IntegerCase{"-2147483648", true, INT_MIN}, IntegerCase{"2147483648", false, 0},
        IntegerCase{"99999999999999999999", false, 0}, IntegerCase{"", false, 0},
        IntegerCase{"-", false, 0}, IntegerCase{" 8", false, 0}, IntegerCase{"8 ", false, 0},
        IntegerCase{"8.00", false, 0}, IntegerCase{"0x10", false, 0}));

}  // namespace
}  // namespace skemora::test
