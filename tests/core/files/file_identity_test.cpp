// What a read or a write tells of the file it touched, and a folder read in one listing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/files/file_ops.h"
#include "core/files/text_file.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

struct ReadCase {
    const char* what;
    const char* name;
    bool read;
};

class ReadIfPresent : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder elsewhere;
    void SetUp() override {
        WriteBytes(folder / "lessons.dfd", CrLf({"800", "Math"}));
        WriteBytes(elsewhere / "target.txt", CrLf({"linked"}));
        std::filesystem::create_directory(folder / "a202405.dff");
        ASSERT_EQ(mkfifo((folder / "pipe.dfz").c_str(), 0600), 0);
        std::filesystem::create_symlink(elsewhere / "target.txt", folder / "link.dff");
        std::filesystem::create_symlink(elsewhere / "gone.txt", folder / "dangling.dff");
    }
};

TEST_F(ReadIfPresent, ReadsOnlyOrdinaryFilesAndNamesWhatItRead) {
    const ReadCase cases[] = {
        {"an ordinary file", "lessons.dfd", true},
        {"a link to a file", "link.dff", true},
        {"no file", "missing.dfd", false},
        {"a folder", "a202405.dff", false},
        {"a named pipe, without waiting for a writer", "pipe.dfz", false},
        {"a link that leads nowhere", "dangling.dff", false},
        {"a name below a file", "lessons.dfd/x", false},
        {"a folder's own path", "", false},
    };
    for (const auto& c : cases) {
        const std::string path = folder / c.name;
        FileIdentity identity;
        identity.Exists = true;
        const auto lines = ReadLinesIfPresent(path, identity);
        EXPECT_EQ(lines.has_value(), c.read) << c.what;
        EXPECT_EQ(identity.Exists, c.read) << c.what;
        EXPECT_EQ(identity, IdentityOf(path)) << c.what;
        EXPECT_EQ(FileExists(path), c.read) << c.what;
    }
}

TEST(FileIdentityOfWrite, IsTheIdentityOfTheFileLeft) {
    TempFolder folder;
    const std::string path = folder / "fagl.txt";
    const FileIdentity written = WriteLines(path, {"Math", "R1", "T1"});
    EXPECT_TRUE(written.Exists);
    EXPECT_EQ(written, IdentityOf(path));
    // The same lines again leave the file as it is, and say so.
    EXPECT_EQ(WriteLines(path, {"Math", "R1", "T1"}), written);
    const FileIdentity changed = WriteLines(path, {"Math", "R2", "T1"});
    EXPECT_EQ(changed, IdentityOf(path));
    EXPECT_NE(changed, written);
}

TEST(FileIdentityOfReplacement, DiffersWithTheSameSizeAndTimeStamp) {
    TempFolder folder;
    const std::string path = folder / "S1.dfd";
    WriteBytes(path, CrLf({"Math"}));
    FileIdentity read;
    ASSERT_TRUE(ReadLinesIfPresent(path, read));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    // A sync tool writes the new copy beside the file and renames it over.
    WriteBytes(folder / ".S1.dfd.sync", CrLf({"Fysk"}));
    const timespec times[2] = {info.st_mtim, info.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, (folder / ".S1.dfd.sync").c_str(), times, 0), 0);
    std::filesystem::rename(folder / ".S1.dfd.sync", path);
    const FileIdentity now = IdentityOf(path);
    EXPECT_EQ(now.Size, read.Size);
    EXPECT_EQ(now.ModifiedSeconds, read.ModifiedSeconds);
    EXPECT_EQ(now.ModifiedNanoseconds, read.ModifiedNanoseconds);
    EXPECT_NE(now, read);
}

TEST(ListFolder, NamesOrdinaryFilesAndLeavesLinksToBeAsked) {
    TempFolder folder;
    TempFolder elsewhere;
    WriteBytes(folder / "a202402.dff", "1\r\n");
    WriteBytes(folder / "a202401.dff", "1\r\n");
    WriteBytes(elsewhere / "target", "1\r\n");
    std::filesystem::create_directory(folder / "a202403.dff");
    std::filesystem::create_symlink(elsewhere / "target", folder / "a202404.dff");
    const FolderListing listing = ListFolder(folder.Path());
    EXPECT_EQ(listing.Files, (std::vector<std::string>{"a202401.dff", "a202402.dff"}));
    EXPECT_EQ(listing.Probed, (std::vector<std::string>{"a202404.dff"}));
    EXPECT_EQ(listing.Folder, FolderIdentityOf(folder.Path()));
    EXPECT_FALSE(ListFolder(folder / "none/").Folder.Exists);
}

// The system calls that name `path` in an strace log.
std::vector<std::string> CallsOn(const std::string& log, const std::string& path) {
    std::ifstream in(log);
    std::vector<std::string> calls;
    for (std::string line; std::getline(in, line);) {
        if (line.find('"' + path + '"') != std::string::npos) calls.push_back(line);
    }
    return calls;
}

// A file is read with one open of its name, and no file is told by that open failing: no stat
// before it. The test runs itself again under strace to see the calls.
TEST(ReadIfPresentCalls, OneOpenOfTheNameWhetherOrNotTheFileIsThere) {
    if (const char* traced = std::getenv("SKEMORA_TRACED_READ")) {
        FileIdentity identity;
        ReadLinesIfPresent(traced, identity);
        return;
    }
    if (std::system("command -v strace >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace is not installed";
    }
    char self[PATH_MAX] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    TempFolder folder;
    WriteBytes(folder / "there.dfz", CrLf({"Notes"}));
    for (const char* name : {"there.dfz", "missing.dfz"}) {
        const std::string path = folder / name;
        const std::string log = folder / "trace.log";
        // The leak checker of a sanitizer build cannot run under strace: it is off in the child.
        const std::string command =
            "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" "
            "SKEMORA_TRACED_READ='" +
            path + "' strace -f -o '" + log + "' '" + self +
            "' --gtest_filter=ReadIfPresentCalls.* >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const auto calls = CallsOn(log, path);
        ASSERT_EQ(calls.size(), 1u) << name << ": " << (calls.empty() ? "" : calls[0]);
        EXPECT_EQ(calls[0].find("openat("), calls[0].find_first_not_of("0123456789 ")) << calls[0];
    }
}

}  // namespace
}  // namespace skemora::test
