#include "LaunchCommand.h"
#include "SingleInstance.h"
#include "TempDirectory.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

#include <signal.h>
#include <sys/stat.h>

using namespace zelvane;
using zelvane::testing::TempDirectory;

namespace {

constexpr int childWasPrimary = 3;

// The second process of a test: this executable again, running only SingleInstanceChild.Run,
// which starts an instance in the given folder with the given arguments and session bus.
QProcess* startChild(const QString& folder, const QStringList& arguments,
                     const QString& sessionBus = {}) {
    auto* child = new QProcess;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ZELVANE_INSTANCE_FOLDER", folder);
    environment.insert("ZELVANE_INSTANCE_ARGUMENTS", arguments.join('\n'));
    environment.insert("ZELVANE_INSTANCE_BUS", sessionBus);
    child->setProcessEnvironment(environment);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=SingleInstanceChild.Run"});
    return child;
}

int exitCodeOf(QProcess* child) {
    // Keeps this process's event loop turning, so an instance in it can answer. A child that
    // has already ended makes waitForFinished() return false at once: ask for its state.
    QDeadlineTimer deadline(10000);
    while (child->state() != QProcess::NotRunning && !deadline.hasExpired()) {
        child->waitForFinished(10);
        QCoreApplication::processEvents();
    }
    const bool ended = child->state() == QProcess::NotRunning;
    const int code = ended && child->exitStatus() == QProcess::NormalExit ? child->exitCode() : -1;
    delete child;
    return code;
}

} // namespace

TEST(SingleInstanceChild, Run) {
    const QString folder = qEnvironmentVariable("ZELVANE_INSTANCE_FOLDER");
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the second process of another test";
    const QString joined = qEnvironmentVariable("ZELVANE_INSTANCE_ARGUMENTS");
    SingleInstance instance(folder);
    auto role = instance.start(joined.isEmpty() ? QStringList() : joined.split('\n'),
                               qEnvironmentVariable("ZELVANE_INSTANCE_BUS"));
    if (!role)
        std::_Exit(1);
    if (*role == SingleInstance::Role::handedOver)
        std::_Exit(0);
    QTest::qWait(1500); // long enough for a concurrent start to hand over
    std::_Exit(childWasPrimary);
}

TEST(SingleInstance, ASecondStartHandsItsArgumentsToTheRunningOneAndLeaves) {
    TempDirectory folder;
    SingleInstance instance(QString::fromStdString(folder.path()));
    ASSERT_EQ(instance.start({}).value(), SingleInstance::Role::primary);
    QSignalSpy received(&instance, &SingleInstance::argumentsReceived);

    EXPECT_EQ(exitCodeOf(startChild(QString::fromStdString(folder.path()), {"--show", "settings"})),
              0);
    EXPECT_EQ(exitCodeOf(startChild(QString::fromStdString(folder.path()), {})), 0);
    QTRY_COMPARE(received.size(), 2);
    EXPECT_EQ(received[0][0].toStringList(), QStringList({"--show", "settings"}));
    EXPECT_EQ(received[1][0].toStringList(), QStringList());
}

TEST(SingleInstance, ASecondStartOffersItsSessionBusBeforeItIsAnswered) {
    TempDirectory folder;
    SingleInstance instance(QString::fromStdString(folder.path()));
    ASSERT_EQ(instance.start({}).value(), SingleInstance::Role::primary);
    QStringList events;
    instance.setBusHandler([&](const QString& address, const std::function<void()>& done) {
        events << "bus " + address;
        done();
    });
    QObject::connect(&instance, &SingleInstance::argumentsReceived,
                     [&](const QStringList& arguments) { events << arguments.join(' '); });

    const QString address = "unix:path=/run/user/1000/bus";
    EXPECT_EQ(
        exitCodeOf(startChild(QString::fromStdString(folder.path()), {"--background"}, address)),
        0);
    EXPECT_EQ(exitCodeOf(startChild(QString::fromStdString(folder.path()), {"--toggle"})), 0);
    QTRY_COMPARE(events.size(), 3);
    EXPECT_EQ(events, QStringList({"bus " + address, "--background", "--toggle"}));
}

// A running zelvane from before bus addresses were handed over reads one list of arguments and
// answers; a newer start must still get through to it.
TEST(SingleInstance, AnInstanceThatReadsOnlyArgumentsStillTakesAStartThatOffersABus) {
    TempDirectory folder;
    SingleInstance probe(QString::fromStdString(folder.path()));
    QLocalServer older;
    ASSERT_TRUE(older.listen(probe.socketPath()));
    QStringList received;
    QObject::connect(&older, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = older.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [&, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            stream >> received;
            if (stream.commitTransaction())
                socket->write("\x06");
        });
    });

    QProcess* child = startChild(QString::fromStdString(folder.path()), {"--show", "formula"},
                                 "unix:path=/run/user/1000/bus");
    EXPECT_EQ(exitCodeOf(child), 0);
    EXPECT_EQ(received, QStringList({"--show", "formula"}));
}

TEST(SingleInstance, ASocketLeftByAKilledInstanceDoesNotBlockAStart) {
    TempDirectory folder;
    const QString path = QString::fromStdString(folder.path());
    QProcess* killed = startChild(path, {});
    SingleInstance probe(path);
    QTRY_VERIFY(QFile::exists(probe.socketPath()));
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    ASSERT_EQ(exitCodeOf(killed), -1);
    ASSERT_TRUE(QFile::exists(probe.socketPath()));

    SingleInstance instance(path);
    EXPECT_EQ(instance.start({}).value(), SingleInstance::Role::primary);
}

TEST(SingleInstance, StartsAtTheSameMomentEndWithOneInstance) {
    TempDirectory folder;
    const QString path = QString::fromStdString(folder.path());
    std::vector<QProcess*> children;
    for (int i = 0; i < 3; ++i)
        children.push_back(startChild(path, {"--toggle"}));
    std::multiset<int> codes;
    for (QProcess* child : children)
        codes.insert(exitCodeOf(child));
    EXPECT_EQ(codes, (std::multiset<int>{0, 0, childWasPrimary}));
}

TEST(SingleInstance, TheRuntimeFolderMustBePrivate) {
    TempDirectory runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    ::chmod(runtime.path().c_str(), 0700);
    EXPECT_EQ(SingleInstance::runtimeFolder().value(), QString::fromStdString(runtime.path()));
    ::chmod(runtime.path().c_str(), 0755);
    EXPECT_FALSE(SingleInstance::runtimeFolder());

    qunsetenv("XDG_RUNTIME_DIR");
    const auto fallback = SingleInstance::runtimeFolder();
    ASSERT_TRUE(fallback) << fallback.error().toStdString();
    EXPECT_EQ(*fallback, QString("/tmp/zelvane-%1").arg(::getuid()));
    EXPECT_EQ(QFileInfo(*fallback).permissions() & 0x0077, 0);
}

TEST(LaunchCommand, ReadsEachOptionAndRefusesTheRest) {
    using namespace zelvane::launch;
    EXPECT_EQ(parse({}).value(), Command{Reopen{}});
    EXPECT_EQ(parse({"--toggle"}).value(), Command{Toggle{}});
    EXPECT_EQ(parse({"--hide"}).value(), Command{Hide{}});
    EXPECT_EQ(parse({"--quit"}).value(), Command{Quit{}});
    EXPECT_EQ(parse({"--background"}).value(), Command{Background{}});
    EXPECT_EQ(parse({"--show"}).value(), Command{Show{"converter"}});
    EXPECT_EQ(parse({"--show", "formula"}).value(), Command{Show{"formula"}});

    EXPECT_EQ(parse({"--show", "about"}).error(), "unknown page: about");
    EXPECT_EQ(parse({"--toggle", "now"}).error(), "unexpected argument: now");
    EXPECT_EQ(parse({"--show", "settings", "x"}).error(), "unexpected argument: x");
    EXPECT_EQ(parse({"settings"}).error(), "unknown option: settings");
}
