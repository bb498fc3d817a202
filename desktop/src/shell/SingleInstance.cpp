#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "HandOverReader.h"

namespace zelvane {

namespace {

constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 5000;
constexpr int startLockTimeoutMs = 10000;
// A running instance whose socket was removed binds it again within moments.
constexpr int rebindWaitMs = 2500;
constexpr int pollMs = 50;
constexpr char answer = '\x06';

/// An exclusive flock held for the lifetime of the object, waited for at most `timeoutMs`.
class FileLock {
  public:
    FileLock(const QString& path, int timeoutMs)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                     0600)) {
        QDeadlineTimer deadline(timeoutMs);
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
                ::close(fd_);
                fd_ = -1;
                break;
            }
            QThread::msleep(pollMs);
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }
    /// The descriptor, kept open (and the lock held) past the object.
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

std::vector<std::u16string> toU16(const QStringList& texts) {
    std::vector<std::u16string> converted;
    for (const QString& text : texts)
        converted.push_back(text.toStdU16String());
    return converted;
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)),
      server_([this](const QStringList& arguments, const QString& sessionBus,
                     const HandOverServer::Answer& answer) {
          receive(arguments, sessionBus, answer);
      }) {}

SingleInstance::~SingleInstance() {
    if (instanceLock_ >= 0)
        ::close(instanceLock_);
}

ravodozu::Result<QString, QString> SingleInstance::runtimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString folder = runtime;
    if (!QDir::isAbsolutePath(runtime)) {
        folder = QString("/tmp/zelvane-%1").arg(::getuid());
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
    }
    if (!isPrivateFolder(folder))
        return ravodozu::fail(
            QString("%1 is not a private folder of this user; set XDG_RUNTIME_DIR to one")
                .arg(folder));
    return folder;
}

QString SingleInstance::socketPath() const {
    return folder_ + "/zelvane.socket";
}

ravodozu::Result<SingleInstance::Role, QString> SingleInstance::start(const QStringList& arguments,
                                                                      const QString& sessionBus) {
    FileLock lock(folder_ + "/zelvane.lock", startLockTimeoutMs);
    if (!lock.held())
        return ravodozu::fail(QString("cannot lock %1/zelvane.lock").arg(folder_));
    QDeadlineTimer rebound(rebindWaitMs);
    for (;;) {
        auto handed = handOver(arguments, sessionBus);
        if (!handed)
            return ravodozu::fail(handed.error());
        if (*handed)
            return Role::handedOver;
        if (claimInstanceLock())
            break;
        if (rebound.hasExpired())
            return ravodozu::fail(
                QString("the running zelvane does not answer on %1").arg(socketPath()));
        QThread::msleep(pollMs);
    }
    if (auto listening = server_.listen(socketPath()); !listening)
        return ravodozu::fail(listening.error());
    return Role::primary;
}

bool SingleInstance::claimInstanceLock() {
    FileLock lock(folder_ + "/zelvane.instance", 0);
    if (!lock.held())
        return false;
    instanceLock_ = lock.release();
    return true;
}

ravodozu::Result<bool, QString> SingleInstance::handOver(const QStringList& arguments,
                                                         const QString& sessionBus) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    // The arguments alone are what every zelvane sends and reads; the bus address follows them
    // in the same write, so a receiver that finds nothing after the arguments knows none comes.
    const std::string message =
        HandOverReader::encode(toU16(arguments), sessionBus.toStdU16String());
    socket.write(message.data(), static_cast<qint64>(message.size()));
    socket.flush();
    // A running instance that takes connections but never answers is hung: starting a second
    // one beside it would break the one-instance rule, so this start fails instead.
    if (!socket.waitForReadyRead(answerTimeoutMs) || socket.read(1) != QByteArray(1, answer))
        return ravodozu::fail(QString("the running zelvane does not answer"));
    return true;
}

void SingleInstance::receive(const QStringList& arguments, const QString& sessionBus,
                             const HandOverServer::Answer& answer) {
    QPointer<SingleInstance> self(this);
    auto deliver = [self, arguments, answer] {
        answer();
        if (self)
            emit self->argumentsReceived(arguments);
    };
    if (sessionBus.isEmpty() || !busHandler_)
        return deliver();
    busHandler_(sessionBus, deliver);
}

} // namespace zelvane
