#include "core/files/installed_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/text_file.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

TEST(InstalledCopy, IsABinFolderBesideTheDesktopEntry) {
    TempFolder folder;
    const std::string prefix = folder / "usr";
    std::filesystem::create_directories(prefix + "/bin");
    std::filesystem::create_directories(prefix + "/share/applications");
    std::filesystem::create_directories(folder / "build");
    const std::string entry = prefix + "/share/applications/" + kDesktopEntryId + ".desktop";

    struct Case {
        std::string ProgramFolder;
        bool Installed;
    };
    const Case withoutEntry[] = {{prefix + "/bin", false}, {folder / "build", false}};
    for (const Case& c : withoutEntry) EXPECT_EQ(IsInstalledCopy(c.ProgramFolder), c.Installed);

    WriteLines(entry, {"[Desktop Entry]"});
    const Case withEntry[] = {
        {prefix + "/bin", true},
        {prefix + "/bin/", true},
        {folder / "build", false},
        {prefix + "/sbin", false},
        {"/", false},
        {"", false},
    };
    for (const Case& c : withEntry)
        EXPECT_EQ(IsInstalledCopy(c.ProgramFolder), c.Installed) << c.ProgramFolder;
}

}  // namespace
}  // namespace skemora::test
