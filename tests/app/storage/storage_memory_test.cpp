// The storage layer: it remembers what each file was when read or written, and answers which
// week files exist from a listing of the user folder exactly as asking for each file would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "app/storage/storage.h"
#include "core/files/file_ops.h"
#include "core/timetable/file_names.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

constexpr int kYear = 2024;

timespec ModifiedOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mtim;
}

void SetModifiedTime(const std::string& path, timespec when) {
    const timespec times[2] = {when, when};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

class Storage : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder elsewhere;
    MainState state;
    Storage() {
        state.DataFolder = folder.Path();
        state.Open.emplace();
        state.Open->UserFolder = folder.Path();
    }
    std::string Week(int week) const { return folder / WeekFileName(kYear, week); }

    // A new copy of the same size and time stamp renamed over the file, as a sync tool does.
    void ReplaceBehind(const std::string& path, const std::string& bytes) {
        const timespec stamp = ModifiedOf(path);
        WriteBytes(path + ".part", bytes);
        SetModifiedTime(path + ".part", stamp);
        std::filesystem::rename(path + ".part", path);
    }

    // What asking for each week file answers.
    std::array<bool, 53> Probed() const {
        std::array<bool, 53> present{};
        for (int w = 1; w <= 53; ++w) present[w - 1] = FileExists(Week(w));
        return present;
    }
};

TEST_F(Storage, ReadAndWriteRememberTheFileAsTheyLeftIt) {
    const std::string path = folder / "fagl.txt";
    WriteBytes(path, CrLf({"Math", "R1", "T1"}));
    EXPECT_TRUE(ChangedSinceRead(state, path)) << "never read";

    ASSERT_EQ(ReadStored(state, path), (std::vector<std::string>{"Math", "R1", "T1"}));
    EXPECT_EQ(state.Storage.Files.at(path), IdentityOf(path));
    EXPECT_FALSE(ChangedSinceRead(state, path));

    WriteStored(state, path, {"Math", "R2", "T1"});
    EXPECT_EQ(state.Storage.Files.at(path), IdentityOf(path));
    EXPECT_FALSE(ChangedSinceRead(state, path));

    RemoveStored(state, path);
    EXPECT_FALSE(state.Storage.Files.at(path).Exists);
    EXPECT_FALSE(ChangedSinceRead(state, path));
}

TEST_F(Storage, ChangesBehindTheProgramShow) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> before, behind;
        bool changed;
    };
    const Case cases[] = {
        {"left alone", [](const std::string& p) { WriteBytes(p, CrLf({"Math"})); },
         [](const std::string&) {}, false},
        {"replaced by a copy of the same size in the same second",
         [](const std::string& p) { WriteBytes(p, CrLf({"Math"})); },
         [this](const std::string& p) { ReplaceBehind(p, CrLf({"Fysk"})); }, true},
        {"removed", [](const std::string& p) { WriteBytes(p, CrLf({"Math"})); },
         [](const std::string& p) { std::filesystem::remove(p); }, true},
        {"missing and still missing", [](const std::string&) {}, [](const std::string&) {}, false},
        {"missing, then made", [](const std::string&) {},
         [](const std::string& p) { WriteBytes(p, CrLf({"Math"})); }, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string path = folder / ("file" + std::to_string(++n) + ".dfz");
        c.before(path);
        ReadStored(state, path);
        c.behind(path);
        EXPECT_EQ(ChangedSinceRead(state, path), c.changed) << c.what;
    }
}

TEST_F(Storage, MissingFileReadsAsNoLines) {
    EXPECT_FALSE(ReadStored(state, folder / "a202450.dfz"));
    EXPECT_TRUE(ReadStoredOrEmpty(state, folder / "a202450.dfz").empty());
    EXPECT_FALSE(state.Storage.Files.at(folder / "a202450.dfz").Exists);
}

// Each step changes the user folder, behind the program or through its own saves; after each,
// the listing answers what asking for every week file answers. The folder's time stamp is set
// well in the past after each step, so that the listing is trusted and kept between steps.
TEST_F(Storage, WeekFilesAnswerAsAskingForEachFile) {
    struct Step {
        const char* what;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"nothing yet", [] {}},
        {"made behind", [this] { WriteBytes(Week(5), "1\r\n"); }},
        {"another made behind", [this] { WriteBytes(Week(53), "1\r\n"); }},
        {"removed behind", [this] { std::filesystem::remove(Week(5)); }},
        {"saved by the program", [this] { WriteStored(state, Week(7), {"1"}); }},
        {"saved again with the same lines", [this] { WriteStored(state, Week(7), {"1"}); }},
        {"removed by the program", [this] { RemoveStored(state, Week(7)); }},
        {"a folder by a week file's name", [this] { std::filesystem::create_directory(Week(9)); }},
        {"a link to a file elsewhere",
         [this] {
             WriteBytes(elsewhere / "target.dff", "1\r\n");
             std::filesystem::create_symlink(elsewhere / "target.dff", Week(11));
         }},
        {"the link's target removed, the folder untouched",
         [this] { std::filesystem::remove(elsewhere / "target.dff"); }},
        {"the link's target back", [this] { WriteBytes(elsewhere / "target.dff", "1\r\n"); }},
        {"another year's file", [this] { WriteBytes(folder / WeekFileName(kYear + 1, 3), ""); }},
    };
    timespec stamp = ModifiedOf(folder.Path());
    stamp.tv_sec -= 3600;
    for (const auto& step : steps) {
        step.change();
        ++stamp.tv_sec;
        SetModifiedTime(folder.Path(), stamp);
        EXPECT_EQ(WeekFilesOfYear(state, kYear), Probed()) << step.what;
        EXPECT_TRUE(state.Storage.ListingTrusted) << step.what;
        EXPECT_EQ(WeekFilesOfYear(state, kYear), Probed()) << step.what << ", asked again";
    }
}

// A folder changed in the same clock tick as it was listed keeps its time stamp: a listing
// taken so soon after a change is not trusted to stand for the next.
TEST_F(Storage, ChangeInTheSameTickAsTheListingIsSeen) {
    WriteBytes(Week(20), "1\r\n");
    const timespec listedAt = ModifiedOf(folder.Path());
    EXPECT_EQ(WeekFilesOfYear(state, kYear), Probed());
    EXPECT_FALSE(state.Storage.ListingTrusted);
    WriteBytes(Week(21), "1\r\n");
    SetModifiedTime(folder.Path(), listedAt);
    const auto present = WeekFilesOfYear(state, kYear);
    EXPECT_TRUE(present[20]);
    EXPECT_EQ(present, Probed());
}

TEST_F(Storage, NoUserFolderHasNoWeekFiles) {
    state.Open.reset();
    EXPECT_EQ(WeekFilesOfYear(state, kYear), (std::array<bool, 53>{}));
}

TEST_F(Storage, FilesInFolderAreTheOrdinaryFilesThere) {
    WriteBytes(folder / "b.dff", "");
    WriteBytes(folder / "a.dff", "");
    WriteBytes(elsewhere / "t", "");
    std::filesystem::create_directory(folder / "c.dff");
    std::filesystem::create_symlink(elsewhere / "t", folder / "d.dff");
    std::filesystem::create_symlink(elsewhere / "none", folder / "e.dff");
    EXPECT_EQ(FilesInFolder(state, folder.Path()),
              (std::vector<std::string>{"a.dff", "b.dff", "d.dff"}));
}

}  // namespace
}  // namespace skemora::test
