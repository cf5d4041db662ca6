// Watches folders and files for changes made by other programs, and reports a burst of changes
// once, after it has settled.
#pragma once

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace skemora {

class FolderWatcher {
public:
    // `changed` runs once a burst of changes has been quiet for `settleMs` milliseconds.
    explicit FolderWatcher(std::function<void()> changed, int settleMs = 150);
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // Watches exactly these folders and files from now on; those not there now are left out.
    void Watch(const std::vector<std::string>& paths);
    // Runs `changed` again after the settling time (the window was busy).
    void Later();

private:
    void Seen(const QString& path);

    QFileSystemWatcher watcher_;
    QTimer settle_;
    std::function<void()> changed_;
    QStringList wanted_;
};

}  // namespace skemora
