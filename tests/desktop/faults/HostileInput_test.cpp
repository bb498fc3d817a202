// The real zelvane against hostile clients: this test process plays a same-user attacker on the
// single-instance socket and on the launcher's D-Bus services. The panel must not crash, hang, run
// anything or let a second instance start. Skipped without a display.
#include "AppProcesses.h"
#include "HandOverReader.h"
#include "HandOverServer.h"
#include "KRunnerInterface.h"
#include "LauncherService.h"
#include "PrivateBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <optional>
#include <vector>

namespace {

using zelvane::HandOverReader;
using zelvane::LauncherService;
using zelvane::testing::PrivateBus;

/// A raw client socket of the test, closed with the object.
class Client {
  public:
    explicit Client(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QFile::encodeName(path).toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
        ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~Client() { ::close(fd_); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    /// Sends what it can of `bytes` without waiting; whether all of it went.
    bool send(const std::string& bytes) const {
        return ::send(fd_, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL) ==
               static_cast<ssize_t>(bytes.size());
    }
    /// Whether the server answered (one byte) or closed within `milliseconds`; the answer.
    std::optional<std::string> reply(int milliseconds) const {
        pollfd waiting{fd_, POLLIN, 0};
        if (::poll(&waiting, 1, milliseconds) <= 0)
            return std::nullopt;
        char byte = 0;
        return ::recv(fd_, &byte, 1, MSG_DONTWAIT) == 1 ? std::string(1, byte) : std::string();
    }

  private:
    int fd_;
};

std::string message(const std::vector<std::u16string>& arguments,
                    const std::u16string& sessionBus = {}) {
    return HandOverReader::encode(arguments, sessionBus);
}

class HostileInput : public zelvane::testing::AppProcesses {
  protected:
    void SetUp() override {
        AppProcesses::SetUp();
        if (IsSkipped())
            return;
        ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon did not start";
        client_ = bus_.connect();
    }

    /// Starts zelvane on this test's bus, or on `sessionBus` when one is given.
    QProcess& startOn(const QStringList& arguments, const QString& sessionBus = {}) {
        return start(arguments, {{"DBUS_SESSION_BUS_ADDRESS",
                                  sessionBus.isEmpty() ? bus_.address() : sessionBus}});
    }
    /// The panel, started in the background and answering on its socket and its bus.
    QProcess& startPanel() {
        auto& panel = startOn({"--background"});
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return client_.interface()->isServiceRegistered(LauncherService::serviceName); },
            10000))
            << panel.readAllStandardError().toStdString();
        return panel;
    }
    /// A later start, as a user makes it: whether it handed over and left.
    bool handsOver(const QStringList& arguments = {"--hide"}) {
        auto& later = startOn(arguments);
        return later.waitForFinished(8000) && later.exitStatus() == QProcess::NormalExit &&
               later.exitCode() == 0;
    }
    int descriptorsOf(const QProcess& process) const {
        return static_cast<int>(
            QDir(QString("/proc/%1/fd").arg(process.processId()))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                .size());
    }
    /// A call of the launcher's services and how long its answer took, in milliseconds.
    std::pair<QDBusMessage, qint64> call(const QString& path, const QString& interface,
                                         const QString& method, const QVariantList& arguments) {
        auto request =
            QDBusMessage::createMethodCall(LauncherService::serviceName, path, interface, method);
        request.setArguments(arguments);
        QElapsedTimer clock;
        clock.start();
        const auto reply = client_.call(request, QDBus::Block, 10000);
        return {reply, clock.elapsed()};
    }

    PrivateBus bus_;
    QDBusConnection client_{QString()};
};

TEST_F(HostileInput, IdleAndHalfSentConnectionsNeitherExhaustNorBlockTheSocket) {
    auto& panel = startPanel();
    const int before = descriptorsOf(panel);
    std::vector<std::unique_ptr<Client>> idle;
    for (int index = 0; index < 1000; ++index) {
        idle.push_back(std::make_unique<Client>(socketPath()));
        if (index % 2)
            idle.back()->send(message({u"--show", u"settings"}).substr(0, 9)); // half a message
    }
    // The cap keeps the panel's descriptors bounded while they are all open.
    QTest::qWait(300);
    EXPECT_LT(descriptorsOf(panel) - before, zelvane::HandOverServer::maxConnections + 8);
    EXPECT_TRUE(handsOver()) << "a real start still gets through";
    // The last ones to connect are dropped at the deadline, not held.
    const auto dropped = idle.back()->reply(zelvane::HandOverServer::deadlineMs + 1000);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(*dropped, "") << "closed without an answer";
    EXPECT_TRUE(QFile::exists(socketPath()));
    EXPECT_EQ(panel.state(), QProcess::Running);
}

TEST_F(HostileInput, OversizedAndMalformedMessagesAreDroppedAtOnce) {
    auto& panel = startPanel();
    std::string endless = message({u"--show"});
    endless.replace(0, 4, std::string("\0\0\0\x02", 4)); // two arguments promised …
    endless += std::string("\x00\xff\xff\xfe", 4);       // … the second ~4 GB long
    const std::vector<std::string> hostile = {
        std::string("\0\0\0\x01\0\0\0\x03xyz", 11), // UTF-16 of an odd length
        endless,
        message(std::vector<std::u16string>(HandOverReader::maxArguments + 1, u"x")),
        // A link past the message limit.
        message({u"zelvane:" + std::u16string(HandOverReader::maxMessageBytes / 2, u'A')}),
    };
    for (const auto& bytes : hostile) {
        Client client(socketPath());
        client.send(bytes);
        QElapsedTimer clock;
        clock.start();
        const auto reply = client.reply(5000);
        EXPECT_EQ(reply.value_or("none"), "") << "closed without an answer";
        EXPECT_LT(clock.elapsed(), 1000) << "dropped at once, not at the deadline";
    }
    // Ten megabytes of texts: refused at the limit, the loop never stalls.
    Client flood(socketPath());
    std::string big = message(
        std::vector<std::u16string>(HandOverReader::maxArguments, std::u16string(1000, u'x')));
    while (big.size() < 10'000'000)
        big += big;
    for (std::size_t at = 0; at < big.size() && flood.send(big.substr(at, 65536)); at += 65536)
        ;
    EXPECT_TRUE(flood.reply(3000));
    EXPECT_TRUE(handsOver());
    // Links that carry no share are taken, and the preview says so.
    for (const QString& link : {QString::fromUtf8("zelvane:\x01\x7f\xc3\xbf\xef\xbf\xbd"),
                                QString("zelvane:").repeated(5000)})
        EXPECT_TRUE(handsOver({link}));
    EXPECT_EQ(panel.state(), QProcess::Running);
}

TEST_F(HostileInput, OfferedBusesThatAreNoBusOfThisUserAreRefusedWithoutHanging) {
    // Started without a bus: an offered one is taken, when it is acceptable.
    auto& panel = startOn({"--background"}, "unix:path=/nonexistent/bus");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socketPath()); }, 10000));
    const QString marker = QString::fromStdString(home_.path() / "ran");
    QTcpServer network;
    ASSERT_TRUE(network.listen(QHostAddress::LocalHost));
    Client ready(socketPath());
    ready.send(message({u"--hide"}));
    ASSERT_EQ(ready.reply(10000).value_or("none"), "\x06") << "the panel did not come up";
    const QString silent = QString::fromStdString(home_.path() / "silent.socket");
    int silentFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    silent.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(silentFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(silentFd, 4), 0); // accepts in the kernel, never answers

    const QStringList offers = {
        "unixexec:path=/bin/sh,argv1=-c,argv2=touch%20" + marker,
        QString("tcp:host=127.0.0.1,port=%1").arg(network.serverPort()),
        "unix:path=" + silent,
        "unix:path=/etc/passwd",
        "unix:path=" + silent + ";unixexec:path=/bin/sh",
    };
    for (const QString& offer : offers) {
        Client client(socketPath());
        QElapsedTimer clock;
        clock.start();
        client.send(message({u"--hide"}, offer.toStdU16String()));
        // Meanwhile, the panel answers another start at once.
        Client meanwhile(socketPath());
        meanwhile.send(message({u"--hide"}));
        EXPECT_EQ(meanwhile.reply(200).value_or("none"), "\x06") << qPrintable(offer);
        EXPECT_EQ(client.reply(6000).value_or("none"), "\x06") << qPrintable(offer);
        EXPECT_LT(clock.elapsed(), LauncherService::offerTimeoutMs + 500) << qPrintable(offer);
    }
    ::close(silentFd);
    EXPECT_FALSE(QFile::exists(marker)) << "a program was run";
    EXPECT_FALSE(network.hasPendingConnections()) << "a network connection was opened";
    EXPECT_FALSE(client_.interface()->isServiceRegistered(LauncherService::serviceName));
    // This user's bus is taken.
    Client real(socketPath());
    real.send(message({u"--hide"}, bus_.address().toStdU16String()));
    EXPECT_EQ(real.reply(5000).value_or("none"), "\x06");
    EXPECT_TRUE(client_.interface()->isServiceRegistered(LauncherService::serviceName));
    // Once on a live bus, a later offer changes nothing.
    PrivateBus another;
    Client later(socketPath());
    later.send(message({u"--hide"}, another.address().toStdU16String()));
    EXPECT_EQ(later.reply(5000).value_or("none"), "\x06");
    EXPECT_FALSE(
        another.connect().interface()->isServiceRegistered(LauncherService::serviceName).value());
    EXPECT_EQ(panel.state(), QProcess::Running);
}

TEST_F(HostileInput, ALostSocketIsBoundAgainAndNoSecondInstanceStarts) {
    // Something of ours in the socket's place does not stop the start.
    QDir().mkpath(socketPath());
    auto& panel = startPanel();
    EXPECT_TRUE(panel.readAllStandardError().contains("was not a socket; replaced"));

    QFile::remove(socketPath());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socketPath()); }, 3000))
        << "the listener was not bound again";
    EXPECT_TRUE(handsOver());
    EXPECT_EQ(panel.state(), QProcess::Running);
}

// That an id which does not read brings back and copies nothing is LauncherService's test.
TEST_F(HostileInput, LauncherCallsAnswerInBoundedTimeWhateverTheyAsk) {
    startPanel();
    QStringList manyIds;
    for (int index = 0; index < 100'000; ++index)
        manyIds << QString(R"(["length","km","mi","%1"])").arg(index);
    const QString longText(1'000'000, '5');
    struct Call {
        QString what, path, interface, method;
        QVariantList arguments;
    };
    const QString gnome = "org.gnome.Shell.SearchProvider2", kde = "org.kde.krunner1";
    const std::vector<Call> calls = {
        {"100,000 ids", "/SearchProvider", gnome, "GetResultMetas", {manyIds}},
        {"a megabyte query", "/krunner", kde, "Match", {longText}},
        {"100,000 terms", "/SearchProvider", gnome, "GetInitialResultSet", {manyIds}},
        {"a megabyte id", "/krunner", kde, "Run", {longText, QString()}},
        {"a hex id", "/krunner", kde, "Run", {R"(["length","mi","km","0x10"])", ""}},
        {"Teardown", "/krunner", kde, "Teardown", {}},
    };
    for (const auto& hostile : calls) {
        const auto [reply, milliseconds] =
            call(hostile.path, hostile.interface, hostile.method, hostile.arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << qPrintable(hostile.what) << ": " << qPrintable(reply.errorMessage());
        // Carrying the same arguments to a method the panel does not have: the time the bus and
        // both ends' message handling take, which no answer can avoid.
        const auto carried =
            call(hostile.path, hostile.interface, "NoSuchMethod", hostile.arguments).second;
        // Far below what converting every id or term would take (seconds); the rest is room
        // for a machine under heavy load.
        EXPECT_LT(milliseconds - carried, 500) << qPrintable(hostile.what);
        EXPECT_LT(milliseconds, 1000) << qPrintable(hostile.what);
    }
}

} // namespace
