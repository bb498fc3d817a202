#include "SettingsWatcher.h"

#include <QDir>

namespace zelvane {

SettingsWatcher::SettingsWatcher(const std::filesystem::path& file, QObject* parent)
    : QObject(parent), file_(QString::fromStdString(file.string())),
      folder_(QString::fromStdString(file.parent_path().string())) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, [this] {
        watch();
        emit changed();
    });
    // Every writer replaces the file by a rename, which ends a watch on the file itself: the
    // folder's watch sees the new file appear, and the file is watched again each time.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    QDir().mkpath(folder_);
    watch();
}

void SettingsWatcher::watch() {
    if (!watcher_.directories().contains(folder_))
        watcher_.addPath(folder_);
    if (!watcher_.files().contains(file_) && QFileInfo::exists(file_))
        watcher_.addPath(file_);
}

} // namespace zelvane
