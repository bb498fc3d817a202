#include "SingleInstance.h"
#include "TempDirectory.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

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

// A second start handing its bus and its arguments (none, too) to the running one: the real
// program's, in ShellEndToEnd and the launcher session test.
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

// A killed instance and many starts at once: see ShellEndToEnd, with the real program.
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
