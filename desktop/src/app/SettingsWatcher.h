// SettingsWatcher: notices when the settings file changes on disk — written by zelvane-cli, a
// second login or a file-sync tool — so the panel takes the change in without a restart.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>

namespace zelvane {

class SettingsWatcher : public QObject {
    Q_OBJECT

  public:
    /// How long a burst of changes settles before `changed` is announced once.
    static constexpr int settleMilliseconds = 150;

    explicit SettingsWatcher(const std::filesystem::path& file, QObject* parent = nullptr);

  signals:
    /// The file may differ from what was last read; readers compare and take in what changed.
    void changed();

  private:
    void watch();

    QString file_;
    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace zelvane
