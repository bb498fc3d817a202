// AppProcesses: the real zelvane started as a user starts it, with a config home and a private
// runtime folder of its own, on the X display of scripts/desktop-session.sh; every process a
// test starts is killed with it. Skipped without a display.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "TempDirectory.h"

namespace zelvane::testing {

class AppProcesses : public ::testing::Test {
  protected:
    using Changes = std::vector<std::pair<QString, QString>>;

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (scripts/desktop-session.sh)";
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        for (auto& process : processes_)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }

    QString runtime() const { return QString::fromStdString(home_.path() / "run"); }
    QString socketPath() const { return runtime() + "/zelvane.socket"; }
    std::filesystem::path settings() const { return home_.path() / "config/zelvane/settings.json"; }

    /// This test's environment, with `changes` (name, value) on top.
    QProcessEnvironment environment(const Changes& changes = {}) const {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home_.path() / "config"));
        environment.insert("XDG_RUNTIME_DIR", runtime());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        for (const auto& [name, value] : changes)
            environment.insert(name, value);
        return environment;
    }
    /// Starts zelvane without waiting for it.
    QProcess& start(const QStringList& arguments, const Changes& changes = {}) {
        auto& process = *processes_.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(environment(changes));
        process.start(ZELVANE_APP, arguments);
        return process;
    }
    int running() const {
        return static_cast<int>(std::ranges::count_if(
            processes_, [](auto& process) { return process->state() != QProcess::NotRunning; }));
    }

    TempDirectory home_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace zelvane::testing
