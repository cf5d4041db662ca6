#include "app/state/settings_store.h"

#include "core/files/file_ops.h"

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
    TrayCommand = *folder + "/" + kTrayProgramName;
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

void SettingsStore::RememberDirectory() {
    const std::string own = platform_.ProgramFolder();
    if (own.empty()) return;
    const auto stored = platform_.ReadSetting("Directory");
    const bool usable = stored && !stored->empty() &&
                        (FileExists(*stored + "/" + kTrayProgramName) ||
                         !FileExists(own + "/" + kTrayProgramName));
    if (!usable) platform_.WriteSetting("Directory", own);
}

}  // namespace skemora
