// A machine for tests: a fixed date and screen, English locale names, an in-memory settings
// store, and a record of what was opened.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/state/platform.h"

namespace skemora {

class FakePlatform : public Platform {
public:
    Date TodayDate{2003, 9, 10};
    int Height = 768;
    bool SettingsReadable = true;
    bool SettingsWritable = true;
    std::map<std::string, std::string> Settings;
    std::optional<std::string> Autostart;
    std::vector<std::string> Opened;
    std::vector<std::pair<std::string, std::string>> Writes;
    int AutostartChanges = 0;
    int EventsProcessed = 0;

    Date Today() override { return TodayDate; }
    int ScreenHeight() override { return Height; }
    NameTables LocaleNames() override { return EnglishNames(); }
    bool OpenUrl(const std::string& url) override {
        Opened.push_back(url);
        return OpenWorks;
    }
    bool OpenWorks = true;  // false: the desktop has nothing to open anything with
    void ProcessEvents() override { ++EventsProcessed; }

    std::optional<std::string> ReadSetting(const std::string& name) override {
        if (!SettingsReadable) return std::nullopt;
        auto found = Settings.find(name);
        if (found == Settings.end()) return std::nullopt;
        return found->second;
    }
    bool WriteSetting(const std::string& name, const std::string& value) override {
        if (!SettingsWritable) return false;
        Settings[name] = value;
        Writes.emplace_back(name, value);
        return true;
    }
    std::optional<std::string> ReadAutostart() override { return Autostart; }
    bool WriteAutostart(const std::string& command) override {
        if (!SettingsWritable) return false;
        Autostart = command;
        ++AutostartChanges;
        return true;
    }
    // The folder the program runs from; empty: unknown.
    std::string Folder;
    std::string ProgramFolder() override { return Folder; }
    bool RemoveAutostart() override {
        if (!SettingsWritable) return false;
        Autostart.reset();
        ++AutostartChanges;
        return true;
    }

    // Help: the guide's pages by language, and the pages shown in the program's own window.
    std::map<std::string, std::string> GuidePages;
    std::vector<std::string> HelpWindowShown;  // page + "#" + anchor
    std::optional<std::string> UserGuidePage(const std::string& language) override {
        auto found = GuidePages.find(language);
        if (found == GuidePages.end()) return std::nullopt;
        return found->second;
    }
    void ShowHelpWindow(const std::string& page, const std::string& anchor) override {
        HelpWindowShown.push_back(page + "#" + anchor);
    }
};

}  // namespace skemora
