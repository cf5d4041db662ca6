#include "core/files/file_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "core/timetable/file_names.h"

namespace skemora::test {
namespace {

TEST(FileOpsTest, OnlyOrdinaryFilesExistHiddenOnesToo) {
    TempFolder folder;
    WriteBytes(folder / "file.dfd", "");
    WriteBytes(folder / ".hidden.dfd", "x");
    std::filesystem::create_directory(folder / "folder.dfd");
    EXPECT_TRUE(FileExists(folder / "file.dfd"));
    EXPECT_TRUE(FileExists(folder / ".hidden.dfd"));
    EXPECT_FALSE(FileExists(folder / "folder.dfd"));
    EXPECT_FALSE(FileExists(folder / "missing.dfd"));
    EXPECT_FALSE(FileExists(folder.Path()));
}

TEST(FileOpsTest, CreateFolderMakesOneLevel) {
    TempFolder folder;
    EXPECT_TRUE(CreateFolder(folder / "Peter/"));
    EXPECT_TRUE(CreateFolder(folder / "Peter/"));
    EXPECT_FALSE(CreateFolder(folder / "a/b/"));
    WriteBytes(folder / "file", "");
    EXPECT_FALSE(CreateFolder(folder / "file"));
}

TEST(FileOpsTest, CopyFileReplacesTheTargetOrLeavesIt) {
    TempFolder folder;
    WriteBytes(folder / "S1.dfd", "one\r\n\xe6\r\n");
    WriteBytes(folder / "S2.dfd", "two\r\n");
    EXPECT_TRUE(CopyFile(folder / "S1.dfd", folder / "S2.dfd"));
    EXPECT_EQ(ReadBytes(folder / "S2.dfd"), "one\r\n\xe6\r\n");
    EXPECT_FALSE(CopyFile(folder / "missing", folder / "S2.dfd"));
    EXPECT_EQ(ReadBytes(folder / "S2.dfd"), "one\r\n\xe6\r\n");
    // Reading /proc/self/mem at offset 0 fails with an I/O error, as a failing disk does.
    std::filesystem::create_symlink("/proc/self/mem", folder / "S3.dfd");
    EXPECT_FALSE(CopyFile(folder / "S3.dfd", folder / "S2.dfd"));
    EXPECT_EQ(ReadBytes(folder / "S2.dfd"), "one\r\n\xe6\r\n");
}

TEST(FileOpsTest, WeekFileNameHasATwoDigitWeek) {
    EXPECT_EQ(WeekFileName(2004, 7), "a200407.dff");
    EXPECT_EQ(WeekFileName(2004, 12), "a200412.dff");
    EXPECT_EQ(WeekFileName(1999, 0), "a199900.dff");
}

}  // namespace
}  // namespace skemora::test
