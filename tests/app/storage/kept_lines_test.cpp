// A settled file that has not changed is answered from the lines kept of it, and a save leaves
// a file that holds its lines already alone; each still sees every change another program made.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/storage/storage.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

using Lines = std::vector<std::string>;

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info;
}

// Gives the file the time stamp it had an hour ago, so that reading it now settles it.
void AgeFile(const std::string& path) {
    timespec when{};
    clock_gettime(CLOCK_REALTIME, &when);
    when.tv_sec -= 3600;
    const timespec times[2] = {when, when};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Overwrites the bytes in place, with the same length, and puts the time stamp back: only the
// inode's change time tells.
void RewriteInPlaceKeepingTime(const std::string& path, const std::string& bytes) {
    const timespec modified = StatOf(path).st_mtim;
    const int descriptor = open(path.c_str(), O_WRONLY);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(pwrite(descriptor, bytes.data(), bytes.size(), 0),
              static_cast<ssize_t>(bytes.size()));
    close(descriptor);
    const timespec times[2] = {modified, modified};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class KeptLines : public ::testing::Test {
protected:
    TempFolder folder;
    MainState state;
    std::string path = folder / "a202440.dff";
    KeptLines() {
        state.DataFolder = folder.Path();
        state.Open.emplace();
        state.Open->UserFolder = folder.Path();
    }
    // Written and read once long after its time stamp: the next read may come from memory.
    void SettledFile(const std::string& bytes) {
        WriteBytes(path, bytes);
        AgeFile(path);
        ASSERT_TRUE(ReadStored(state, path));
    }
};

// Every way another program changes a settled file is seen by the next read.
TEST_F(KeptLines, EveryChangeOfASettledFileIsRead) {
    struct Change {
        const char* name;
        std::function<void(const std::string&)> make;
        std::optional<Lines> expected;
    };
    const std::vector<Change> changes = {
        {"replaced by a rename", [](const std::string& p) {
             WriteBytes(p + ".new", CrLf({"new", "two"}));
             std::filesystem::rename(p + ".new", p);
         }, Lines{"new", "two"}},
        {"rewritten in place, same size, time stamp put back", [](const std::string& p) {
             RewriteInPlaceKeepingTime(p, CrLf({"xyz", "two"}));
         }, Lines{"xyz", "two"}},
        {"grown", [](const std::string& p) { WriteBytes(p, CrLf({"old", "two", "three"})); },
         Lines{"old", "two", "three"}},
        {"removed", [](const std::string& p) { std::filesystem::remove(p); }, std::nullopt},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        SettledFile(CrLf({"old", "two"}));
        EXPECT_EQ(ReadStored(state, path), (Lines{"old", "two"}));
        change.make(path);
        EXPECT_EQ(ReadStored(state, path), change.expected);
    }
}

// A file changed within the margin of its reading is read again each time, even unchanged.
TEST_F(KeptLines, AFreshFileIsReadEachTime) {
    WriteBytes(path, CrLf({"old"}));
    ASSERT_TRUE(ReadStored(state, path));
    RewriteInPlaceKeepingTime(path, CrLf({"new"}));
    // Only the change time differs from what was read, and the file is not settled anyway.
    EXPECT_EQ(ReadStored(state, path), Lines{"new"});
}

// A save of the lines this window wrote last changes nothing on disk; other lines, or the same
// lines in a file that holds other bytes (a hand-made copy with LF line ends), are written.
TEST_F(KeptLines, ASaveWritesOnlyWhatDiffers) {
    WriteStored(state, path, {"one", "two"});
    const auto written = StatOf(path);
    WriteStored(state, path, {"one", "two"});
    const auto again = StatOf(path);
    EXPECT_EQ(again.st_ino, written.st_ino);
    EXPECT_EQ(again.st_mtim.tv_nsec, written.st_mtim.tv_nsec);

    WriteStored(state, path, {"one", "three"});
    EXPECT_EQ(ReadBytes(path), CrLf({"one", "three"}));

    const std::string other = folder / "a202441.dff";
    WriteBytes(other, "one\ntwo\n");
    ASSERT_TRUE(ReadStored(state, other));
    WriteStored(state, other, {"one", "two"});
    EXPECT_EQ(ReadBytes(other), CrLf({"one", "two"}));
    const auto canonical = StatOf(other);
    WriteStored(state, other, {"one", "two"});
    EXPECT_EQ(StatOf(other).st_ino, canonical.st_ino);
}

// Another program's change of a file this window wrote is merged, not skipped, even when this
// window saves the lines it wrote before.
TEST_F(KeptLines, ASaveOverAnotherWritersChangeKeepsIt) {
    WriteStored(state, path, {"one", "two"});
    WriteBytes(path + ".new", CrLf({"one", "two", "theirs"}));
    std::filesystem::rename(path + ".new", path);
    WriteStored(state, path, {"one", "two"});
    EXPECT_EQ(ReadBytes(path), CrLf({"one", "two", "theirs"}));
}

}  // namespace
}  // namespace skemora::test
