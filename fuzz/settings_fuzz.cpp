// The settings values: "Mandag", "Directory" and the log-on entry as the store holds them (any
// text, or missing, or a store that cannot be read or written), read at the first show, then the
// two options toggled and written back at closing. The options show the values as read; closing
// writes "0" or "1" and a log-on entry under the "Directory" folder, or nothing when the store
// refuses.
//
// Input: one flags byte (1 "Mandag" missing, 2 "Directory" missing, 4 no log-on entry, 8 store
// unreadable, 0x10 store unwritable, 0x20 toggle Monday first, 0x40 toggle the tray entry), then
// the three values separated by lines "#####".
#include "app/state/settings_store.h"
#include "app/window/startup.h"
#include "app/window/window_events.h"
#include "fuzz_support.h"
#include "support/fake_dialogs.h"
#include "support/fake_platform.h"

using namespace skemora;
using namespace skemora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    if (size == 0) return 0;
    const unsigned flags = data[0];
    auto parts = SplitParts(Bytes(data + 1, size - 1));
    parts.resize(3);

    FakeDialogs dialogs;
    FakePlatform platform;
    platform.TodayDate = {2003, 9, 10};
    if (!(flags & 1)) platform.Settings["Mandag"] = parts[0];
    if (!(flags & 2)) platform.Settings["Directory"] = parts[1];
    if (!(flags & 4)) platform.Autostart = parts[2];
    platform.SettingsReadable = !(flags & 8);

    SettingsStore store(platform);
    store.ReadMondayFirst();
    const bool mandagRead = platform.SettingsReadable && !(flags & 1) && !parts[0].empty();
    Check(store.MondayFirstRead == (mandagRead ? parts[0] : "0"), "Mandag reads as stored or 0");
    store.ReadTrayEntry();
    const bool entryRead = !(flags & 4) && !parts[2].empty();
    Check(store.TrayRead == (entryRead ? parts[2] : "f"), "the entry reads as stored or f");

    AppContext ctx(dialogs, platform);
    ConstructMainWindow(ctx, folder.Path());
    FirstShow(ctx, {});
    Check(ctx.view.Menus.MondayFirst.Checked == (store.MondayFirstRead == "0"),
          "Monday first shows the stored value");
    platform.SettingsWritable = !(flags & 0x10);
    const auto stored = platform.Settings;
    if (flags & 0x20) MondayFirstClick(ctx);
    if (flags & 0x40) StartTrayClick(ctx);
    Check(CloseQuery(ctx), "a window without a time-table closes");

    if (!platform.SettingsWritable) {
        Check(platform.Settings == stored, "a store that refuses is unchanged");
        return 0;
    }
    if (flags & 0x20) {
        const auto mandag = platform.Settings.find("Mandag");
        Check(mandag != platform.Settings.end() && (mandag->second == "0" || mandag->second == "1"),
              "a changed option writes 0 or 1");
    }
    if (platform.Autostart && platform.AutostartChanges > 0) {
        Check(platform.Autostart->size() >= 8 &&
                  platform.Autostart->compare(platform.Autostart->size() - 8, 8, "/trayrun") == 0,
              "the log-on entry runs the tray program");
    }
    return 0;
}
