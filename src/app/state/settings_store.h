// The settings store (TForm3): the Monday-first option and the log-on start entry of the tray
// program, passed through four text slots over the platform's settings backing; beside them the
// time-table open at the last close.
#pragma once

#include <string>

#include "app/state/platform.h"

namespace skemora {

// The tray program's file name, in the "Directory" folder.
inline constexpr const char* kTrayProgramName = "trayrun";

class SettingsStore {
public:
    explicit SettingsStore(Platform& platform) : platform_(platform) {}

    // "Mandag" as read, or "0" when it is missing, empty or unreadable.
    std::string MondayFirstRead;
    // The text WriteMondayFirst stores as "Mandag".
    std::string MondayFirstWrite;
    // Before UpdateTrayEntry: "0" removes the entry, anything else adds it. Afterwards "k" when
    // the change was made, "f" when it could not be.
    std::string TrayCommand;
    // The entry's command as read, or "f" when it is absent, empty or unreadable.
    std::string TrayRead;

    void ReadMondayFirst();
    void WriteMondayFirst();
    void UpdateTrayEntry();
    void ReadTrayEntry();
    // The tray program: writes "Directory" from the platform's program folder when the value is
    // missing, empty, or names a folder without the tray program while the program folder
    // holds it (an installation that moved).
    void RememberDirectory();

    // The time-table open when the program last closed, by its name ("Emma"); empty when none.
    std::string LastTimetableRead;
    std::string LastTimetableWrite;
    void ReadLastTimetable();
    void WriteLastTimetable();

private:
    Platform& platform_;
};

}  // namespace skemora
