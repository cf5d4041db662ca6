#include "app/state/settings_store.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace skemora::test {
namespace {

struct MondayReading {
    const char* Name;
    std::optional<std::string> Stored;
    bool Readable;
    std::string Slot;
};

class ReadMondayFirstTest : public ::testing::TestWithParam<MondayReading> {};

TEST_P(ReadMondayFirstTest, FillsTheReadSlot) {
    FakePlatform platform;
    platform.SettingsReadable = GetParam().Readable;
    if (GetParam().Stored) platform.Settings["Mandag"] = *GetParam().Stored;
    SettingsStore store(platform);
    store.ReadMondayFirst();
    EXPECT_EQ(store.MondayFirstRead, GetParam().Slot);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadMondayFirstTest,
                         ::testing::Values(MondayReading{"One", "1", true, "1"},
                                           MondayReading{"OtherText", "yes", true, "yes"},
                                           MondayReading{"Empty", "", true, "0"},
                                           MondayReading{"Missing", std::nullopt, true, "0"},
                                           MondayReading{"Unreadable", "1", false, "0"}),
                         [](const auto& info) { return info.param.Name; });

TEST(SettingsStoreTest, TrayEntryIsBuiltFromTheDirectory) {
    FakePlatform platform;
    SettingsStore store(platform);
    store.TrayCommand = "1";
    store.UpdateTrayEntry();  // no "Directory": nothing is written
    EXPECT_EQ(store.TrayCommand, "f");
    EXPECT_EQ(platform.AutostartChanges, 0);

    platform.Settings["Directory"] = "/opt/skemora";
    store.TrayCommand = "1";
    store.UpdateTrayEntry();
    EXPECT_EQ(store.TrayCommand, "k");
    EXPECT_EQ(platform.Autostart, "/opt/skemora/trayrun");
    store.ReadTrayEntry();
    EXPECT_EQ(store.TrayRead, "/opt/skemora/trayrun");

    store.TrayCommand = "0";
    store.UpdateTrayEntry();
    EXPECT_EQ(store.TrayCommand, "k");
    store.ReadTrayEntry();
    EXPECT_EQ(store.TrayRead, "f");
}

TEST(SettingsStoreTest, FailedTrayChangeReportsF) {
    FakePlatform platform;
    platform.Settings["Directory"] = "/opt/skemora";
    platform.SettingsWritable = false;
    SettingsStore store(platform);
    store.TrayCommand = "1";
    store.UpdateTrayEntry();
    EXPECT_EQ(store.TrayCommand, "f");
}

}  // namespace
}  // namespace skemora::test
