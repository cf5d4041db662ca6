#include "gui/platform/folder_watcher.h"

#include <QFileInfo>
#include <utility>

namespace skemora {

FolderWatcher::FolderWatcher(std::function<void()> changed, int settleMs)
    : changed_(std::move(changed)) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMs);
    QObject::connect(&settle_, &QTimer::timeout, [this] { changed_(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged,
                     [this](const QString& path) { Seen(path); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged,
                     [this](const QString& path) { Seen(path); });
}

void FolderWatcher::Watch(const std::vector<std::string>& paths) {
    QStringList wanted;
    for (const auto& path : paths) {
        QString name = QString::fromStdString(path);
        // The watcher names a folder without its closing slash.
        while (name.size() > 1 && name.endsWith('/')) name.chop(1);
        wanted.push_back(name);
    }
    const QStringList watched = watcher_.files() + watcher_.directories();
    QStringList gone;
    for (const auto& path : watched) {
        if (!wanted.contains(path)) gone.push_back(path);
    }
    if (!gone.isEmpty()) watcher_.removePaths(gone);
    // A file replaced by another renamed over it is watched no longer: it is taken up again.
    QStringList added;
    for (const auto& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path)) added.push_back(path);
    }
    if (!added.isEmpty()) watcher_.addPaths(added);
    wanted_ = wanted;
}

void FolderWatcher::Later() {
    settle_.start();
}

void FolderWatcher::Seen(const QString& path) {
    // A file renamed over is another file now: watch the new one under the same name.
    if (wanted_.contains(path) && !watcher_.files().contains(path) &&
        !watcher_.directories().contains(path) && QFileInfo::exists(path)) {
        watcher_.addPath(path);
    }
    settle_.start();
}

}  // namespace skemora
