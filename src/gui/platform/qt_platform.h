// The machine's services through Qt and the XDG folders: the local clock, the primary screen,
// the system locale's names, the desktop's URL handler, an INI settings file and an autostart
// entry. Also finds the data folder.
#pragma once

#include <QLocale>
#include <QString>
#include <QUrl>
#include <optional>
#include <string>

#include "app/state/platform.h"
#include "gui/platform/help_window.h"

namespace skemora {

class QtPlatform : public Platform {
public:
    // The settings file and the autostart entry live under `configFolder`; empty means
    // $XDG_CONFIG_HOME (or ~/.config).
    explicit QtPlatform(QString configFolder = {});

    Date Today() override;
    // The primary screen's height; SKEMORA_SCREEN_HEIGHT, when set to a number, replaces it.
    int ScreenHeight() override;
    NameTables LocaleNames() override;
    bool OpenUrl(const std::string& url) override;
    void ProcessEvents() override;

    std::optional<std::string> ReadSetting(const std::string& name) override;
    bool WriteSetting(const std::string& name, const std::string& value) override;
    std::optional<std::string> ReadAutostart() override;
    bool WriteAutostart(const std::string& command) override;
    bool RemoveAutostart() override;
    // The guide's page from the program's folder (a build tree) or the installation's share
    // folder: help/<language>/index.html.
    std::optional<std::string> UserGuidePage(const std::string& language) override;
    void ShowHelpWindow(const std::string& page, const std::string& anchor) override;
    const HelpWindow& Help() const { return helpWindow_; }
    std::string ProgramFolder() override;
    std::string DocumentsFolder() override;

    QString SettingsFilePath() const;
    QString AutostartFilePath() const;
    // The folder a relative path given to OpenUrl is found in.
    void SetDataFolder(std::string folder) { dataFolder_ = std::move(folder); }

private:
    QString configFolder_;
    std::string dataFolder_;
    HelpWindow helpWindow_;
};

// The folder every data file lives in, ending with "/": SKEMORA_DATA_DIR when set, else the
// executable's folder when it is writable and no installed copy's, else $XDG_DATA_HOME/Skemora/
// (created).
std::string DataFolderPath();

// The name tables of a locale: months January first, days Sunday first.
NameTables LocaleNameTables(const QLocale& locale);

// A file path becomes a file URL, a relative one taken from `folder` (the data folder, as the
// program's own files are); a text with a scheme is taken as it is; anything else (e.g.
// "www.example.org") as a web address.
QUrl UrlFor(const std::string& target, const std::string& folder);

// The Exec= value of a desktop entry and back: a command holding blanks or quoting characters
// is quoted the way desktop entries require.
QString QuoteExecCommand(const QString& command);
QString UnquoteExecCommand(const QString& value);

}  // namespace skemora
