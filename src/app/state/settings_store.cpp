#include "app/state/settings_store.h"

namespace skemora {

void SettingsStore::ReadMondayFirst() {
    const auto value = platform_.ReadSetting("Mandag");
    MondayFirstRead = value && !value->empty() ? *value : "0";
}

void SettingsStore::WriteMondayFirst() {
    platform_.WriteSetting("Mandag", MondayFirstWrite);
}

void SettingsStore::UpdateTrayEntry() {
    if (TrayCommand == "0") {
        TrayCommand = platform_.RemoveAutostart() ? "k" : "f";
        return;
    }
    const auto folder = platform_.ReadSetting("Directory");
    if (!folder || folder->empty()) {
        TrayCommand = "f";
        return;
    }
    TrayCommand = *folder + "/trayrun";
    TrayCommand = platform_.WriteAutostart(TrayCommand) ? "k" : "f";
}

void SettingsStore::ReadTrayEntry() {
    const auto command = platform_.ReadAutostart();
    TrayRead = command && !command->empty() ? *command : "f";
}

namespace {
constexpr char kLastTimetable[] = "LastTimetable";
}  // namespace

void SettingsStore::ReadLastTimetable() {
    LastTimetableRead = platform_.ReadSetting(kLastTimetable).value_or("");
}

void SettingsStore::WriteLastTimetable() {
    platform_.WriteSetting(kLastTimetable, LastTimetableWrite);
}

}  // namespace skemora
