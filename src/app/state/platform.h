// The services of the machine the commands use: clock, screen, locale names, shell, help and
// the settings store's backing. Qt implements it; tests use FakePlatform.
#pragma once

#include <optional>
#include <string>

#include "core/calendar/calendar.h"
#include "core/language/names_file.h"

namespace skemora {

class Platform {
public:
    virtual ~Platform() = default;
    virtual Date Today() = 0;
    virtual int ScreenHeight() = 0;
    // Month names January first, day names Sunday first.
    virtual NameTables LocaleNames() = 0;
    // Opens a file path, web address or mailto: address with the desktop's handler; false when
    // the desktop has nothing to open it with.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Lets pending window events run.
    virtual void ProcessEvents() = 0;

    // Settings store backing: the value names "Mandag" and "Directory" of "software/Skemora".
    // nullopt when the store cannot be read or the value is missing.
    virtual std::optional<std::string> ReadSetting(const std::string& name) = 0;
    // false when the store cannot be written.
    virtual bool WriteSetting(const std::string& name, const std::string& value) = 0;
    // The log-on start entry: its command, nullopt when absent or unreadable.
    virtual std::optional<std::string> ReadAutostart() = 0;
    virtual bool WriteAutostart(const std::string& command) = 0;
    virtual bool RemoveAutostart() = 0;

    // Help: the program's own user guide, the page of the language "en" or "da"; nullopt when it
    // is not installed.
    virtual std::optional<std::string> UserGuidePage(const std::string& language) = 0;
    // Shows the page at the anchor in a window of the program, for when no browser opens it.
    virtual void ShowHelpWindow(const std::string& page, const std::string& anchor) = 0;
    // The tray program: the folder this program runs from (where trayrun is installed beside
    // it); empty when it is not known.
    virtual std::string ProgramFolder() { return {}; }
    // Calendar export: the user's documents folder; empty when it is not known.
    virtual std::string DocumentsFolder() { return {}; }
};

}  // namespace skemora
