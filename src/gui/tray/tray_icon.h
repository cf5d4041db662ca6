// trayrun's icon: the glance at today of the time-table last used, as a tool tip and a menu,
// kept up to date as the time passes and the diary's files change.
#pragma once

#include <QFileSystemWatcher>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <string>

#include "app/glance/glance.h"
#include "gui/tray/glance_source.h"

namespace skemora {

class QtPlatform;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // `name` empty: the time-table last used, found again at each change.
    TrayIcon(QtPlatform& platform, std::string dataFolder, std::string name);

    void show();
    // Reads the glance again and rebuilds the tool tip and the menu.
    void Refresh();
    QString toolTip() const { return icon_.toolTip(); }
    const QMenu& menu() const { return menu_; }

private:
    void BuildMenu(const Glance& glance);
    void AddDocument(QMenu& menu, const QString& caption, const std::string& path);
    void OpenDiary();
    void WatchFolders();

    QtPlatform& platform_;
    std::string dataFolder_;
    std::string name_;
    GlanceSource source_;
    QSystemTrayIcon icon_;
    QMenu menu_;
    QFileSystemWatcher watcher_;
    QTimer changed_;  // gathers a burst of file changes into one refresh
    QTimer clock_;    // the next minute
};

}  // namespace skemora
