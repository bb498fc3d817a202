// AppProcesses: the real zelvane started as a user starts it, with a config home and a private
// runtime folder of its own, on the X display of scripts/desktop-session.sh, and the programs a
// user's desktop has beside it (the CLI, xdotool, xclip); every process a test starts is killed
// with it. Skipped without a display.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "TempDirectory.h"

namespace zelvane::testing {

struct Output {
    int status;
    QString text;
};

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
    /// Starts the instance and waits until it answers a second start.
    void launch(const QStringList& arguments = {}, const Changes& changes = {}) {
        app_ = &start(arguments, changes);
        ASSERT_TRUE(app_->waitForStarted());
        ASSERT_TRUE(listening());
        QTest::qWait(300);
    }
    /// Whether an instance answers on the socket within five seconds.
    bool listening() const {
        return QTest::qWaitFor([&] { return QFile::exists(socketPath()); }, 5000);
    }
    QString appErrors() { return QString::fromUtf8(app_->readAllStandardError()); }

    /// Runs a program to its end in this test's environment.
    Output run(const QString& program, const QStringList& arguments,
               const Changes& changes = {}) const {
        QProcess process;
        process.setProcessEnvironment(environment(changes));
        process.start(program, arguments);
        process.waitForFinished(10000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
    }
    Output zelvane(const QStringList& arguments) const { return run(ZELVANE_APP, arguments); }
    void writeDefault(const QString& key, const QString& json) const {
        ASSERT_EQ(run(ZELVANE_CLI, {"defaults", "write", key, json}).status, 0);
    }
    QString readDefault(const QString& key) const {
        return run(ZELVANE_CLI, {"defaults", "read", key}).text;
    }
    QString clipboard() const { return run("xclip", {"-o", "-selection", "clipboard"}).text; }

    /// The app's visible windows at least `minimumWidth` wide (the panel; the tray icon is small).
    QStringList windows(int minimumWidth, int maximumWidth = 100000) const {
        const QString pid = QString::number(app_->processId());
        QStringList found;
        for (const QString& id : run("xdotool", {"search", "--onlyvisible", "--pid", pid})
                                     .text.split('\n', Qt::SkipEmptyParts)) {
            const QString shape = run("xdotool", {"getwindowgeometry", "--shell", id}).text;
            const int width = shape.section("WIDTH=", 1).section('\n', 0, 0).toInt();
            if (width >= minimumWidth && width <= maximumWidth)
                found << id;
        }
        return found;
    }
    bool panelShown() const { return !windows(300).isEmpty(); }
    bool waitForPanel(bool shown) const {
        return QTest::qWaitFor([&] { return panelShown() == shown; }, 5000);
    }
    void key(const QString& keys) const { run("xdotool", {"key", "--clearmodifiers", keys}); }

    int running() const {
        return static_cast<int>(std::ranges::count_if(
            processes_, [](auto& process) { return process->state() != QProcess::NotRunning; }));
    }

    TempDirectory home_;
    std::vector<std::unique_ptr<QProcess>> processes_;
    /// The instance `launch` started.
    QProcess* app_ = nullptr;
};

} // namespace zelvane::testing
