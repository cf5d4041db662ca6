// The tray option's "Directory": written at start from the program's own folder when it is
// missing or names a folder without the tray program, so that ticking the option works.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/window/window_events.h"
#include "support/main_window_fixture.h"

namespace skemora::test {
namespace {

struct DirectoryCase {
    const char* Name;
    std::optional<std::string> Stored;  // relative to the temporary folder
    bool StoredHasTray, OwnHasTray;
    const char* Own;                    // "" = the program's folder is not known
    std::optional<std::string> After;   // relative to the temporary folder
};

class TrayDirectoryTest : public MainWindowTest,
                          public ::testing::WithParamInterface<DirectoryCase> {
protected:
    std::string Program(const std::string& name) {
        std::filesystem::create_directories(folder / name);
        return folder / name;
    }
};

TEST_P(TrayDirectoryTest, TickingTheOptionWritesAnEntryForTheTrayProgramBesideTheDiary) {
    const DirectoryCase& c = GetParam();
    const std::string own = *c.Own ? Program(c.Own) : "";
    if (c.OwnHasTray) WriteBytes(own + "/trayrun", "");
    if (c.Stored) {
        platform.Settings["Directory"] = c.Stored->empty() ? "" : Program(*c.Stored);
        if (c.StoredHasTray) WriteBytes(platform.Settings["Directory"] + "/trayrun", "");
    }
    platform.Folder = own;
    Start();
    StartTrayClick(ctx);
    EXPECT_TRUE(CloseQuery(ctx));
    if (!c.After) {
        EXPECT_EQ(platform.Autostart, std::nullopt);
        return;
    }
    EXPECT_EQ(platform.Settings["Directory"], folder / *c.After);
    EXPECT_EQ(platform.Autostart, folder / *c.After + "/trayrun");
}

INSTANTIATE_TEST_SUITE_P(
    Directories, TrayDirectoryTest,
    ::testing::Values(
        DirectoryCase{"MissingIsWritten", {}, false, true, "bin", "bin"},
        DirectoryCase{"EmptyIsWritten", "", false, true, "bin", "bin"},
        DirectoryCase{"MissingWithoutTrayProgramIsWrittenToo", {}, false, false, "bin", "bin"},
        DirectoryCase{"AWorkingOneIsKept", "opt", true, true, "bin", "opt"},
        DirectoryCase{"AMovedInstallationIsFollowed", "old", false, true, "bin", "bin"},
        DirectoryCase{"KeptWhenNeitherHasTheProgram", "old", false, false, "bin", "old"},
        DirectoryCase{"NothingWithoutTheOwnFolder", {}, false, false, "", {}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace skemora::test
