// The real zelvane under faults of the process around it: many starts at once, a killed
// instance, the X server going away, and a desktop without a tray host. Skipped without a
// display.
#include "TempDirectory.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <vector>

namespace {

using zelvane::testing::TempDirectory;

class ProcessFaultsEndToEnd : public ::testing::Test {
  protected:
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
    QString settingsFile() const {
        return QString::fromStdString(home_.path() / "config" / "zelvane" / "settings.json");
    }

    QProcess& start(const QStringList& arguments, const QString& display = {}) {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home_.path() / "config"));
        environment.insert("XDG_RUNTIME_DIR", runtime());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);
        auto& process = *processes_.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(environment);
        process.start(ZELVANE_APP, arguments);
        return process;
    }
    int running() const {
        return static_cast<int>(std::count_if(processes_.begin(), processes_.end(), [](auto& p) {
            return p->state() != QProcess::NotRunning;
        }));
    }
    /// Waits until the instance answers on its socket.
    bool listening() const {
        return QTest::qWaitFor([&] { return QFile::exists(runtime() + "/zelvane.socket"); }, 5000);
    }
    /// A display of its own, without a window manager or a tray host; gone with `server`.
    static QString startDisplay(QProcess& server) {
        server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        if (!server.waitForReadyRead(10000))
            return {};
        return ":" + QString::fromUtf8(server.readLine()).trimmed();
    }
    static bool panelVisibleOn(const QString& display) {
        QProcess search;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        search.setProcessEnvironment(environment);
        search.start("xdotool", {"search", "--onlyvisible", "--class", "zelvane"});
        search.waitForFinished(5000);
        return !search.readAllStandardOutput().trimmed().isEmpty();
    }
    bool settingsAreValidJson() const {
        QFile file(settingsFile());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QJsonParseError error;
        QJsonDocument::fromJson(file.readAll(), &error);
        return error.error == QJsonParseError::NoError;
    }

    TempDirectory home_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

TEST_F(ProcessFaultsEndToEnd, TenStartsAtTheSameMomentEndWithOneInstance) {
    for (int index = 0; index < 10; ++index)
        start({"--background"});
    ASSERT_TRUE(listening());
    EXPECT_TRUE(QTest::qWaitFor([&] { return running() == 1; }, 8000)) << running() << " running";
    QTest::qWait(500);
    EXPECT_EQ(running(), 1);
    for (auto& process : processes_) {
        if (process->state() == QProcess::NotRunning) {
            EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        }
    }
}

TEST_F(ProcessFaultsEndToEnd, AnInstanceKilledOutrightIsReplacedByTheNextStart) {
    auto& killed = start({"--background"});
    ASSERT_TRUE(listening());
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(3000));

    auto& next = start({"--background"});
    QTest::qWait(1000);
    ASSERT_EQ(next.state(), QProcess::Running) << next.readAllStandardError().toStdString();
    auto& quit = start({"--quit"});
    EXPECT_TRUE(quit.waitForFinished(5000));
    EXPECT_TRUE(next.waitForFinished(5000)) << "the new instance took the socket";
    EXPECT_TRUE(settingsAreValidJson());
}

TEST_F(ProcessFaultsEndToEnd, TheDisplayGoingAwayEndsTheProcessAndLeavesTheSettingsWhole) {
    QProcess server;
    const QString display = startDisplay(server);
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";

    auto& app = start({"--show"}, display);
    ASSERT_TRUE(listening());
    QTest::qWait(500);
    server.terminate();
    server.waitForFinished(5000);
    EXPECT_TRUE(app.waitForFinished(5000)) << "still running with no display";
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit) << "not a crash";
    EXPECT_TRUE(settingsAreValidJson());
}

TEST_F(ProcessFaultsEndToEnd, WithoutATrayHostTheAppSaysSoOnceAndAPlainLaunchShowsThePanel) {
    QProcess server;
    const QString display = startDisplay(server);
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";

    auto& app = start({"--background"}, display);
    ASSERT_TRUE(listening());
    EXPECT_FALSE(panelVisibleOn(display));
    auto& again = start({}, display);
    ASSERT_TRUE(again.waitForFinished(5000));
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panelVisibleOn(display); }, 5000))
        << "nothing else could open it";

    ASSERT_TRUE(start({"--quit"}, display).waitForFinished(5000));
    ASSERT_TRUE(app.waitForFinished(5000));
    const QString errors = QString::fromUtf8(app.readAllStandardError());
    EXPECT_EQ(errors.count("no system tray here"), 1) << errors.toStdString();
    server.terminate();
    server.waitForFinished(5000);
}

} // namespace
