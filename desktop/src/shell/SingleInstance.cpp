#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvane {

namespace {

constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 5000;
constexpr char answer = '\x06';

/// An exclusive flock held for the lifetime of the object.
class FileLock {
  public:
    explicit FileLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_;
};

bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::receive);
}

ravodozu::Result<QString, QString> SingleInstance::runtimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString folder = runtime;
    if (!QDir::isAbsolutePath(runtime)) {
        folder = QString("/tmp/zelvane-%1").arg(::getuid());
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
    }
    if (!isPrivateFolder(folder))
        return ravodozu::fail(QString("%1 is not a private folder of this user").arg(folder));
    return folder;
}

QString SingleInstance::socketPath() const {
    return folder_ + "/zelvane.socket";
}

ravodozu::Result<SingleInstance::Role, QString> SingleInstance::start(const QStringList& arguments,
                                                                      const QString& sessionBus) {
    FileLock lock(folder_ + "/zelvane.lock");
    if (!lock.held())
        return ravodozu::fail(QString("cannot lock %1/zelvane.lock").arg(folder_));
    auto handed = handOver(arguments, sessionBus);
    if (!handed)
        return ravodozu::fail(handed.error());
    if (*handed)
        return Role::handedOver;
    // Nobody answers: whatever socket is there was left by an instance that died.
    QLocalServer::removeServer(socketPath());
    if (!server_.listen(socketPath()))
        return ravodozu::fail(server_.errorString());
    return Role::primary;
}

ravodozu::Result<bool, QString> SingleInstance::handOver(const QStringList& arguments,
                                                         const QString& sessionBus) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    // The arguments alone are what every zelvane sends and reads; the bus address follows them
    // in the same write, so a receiver that finds nothing after the arguments knows none comes.
    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << arguments;
    if (!sessionBus.isEmpty())
        stream << sessionBus;
    socket.write(message);
    socket.flush();
    // A running instance that takes connections but never answers is hung: starting a second
    // one beside it would break the one-instance rule, so this start fails instead.
    if (!socket.waitForReadyRead(answerTimeoutMs) || socket.read(1) != QByteArray(1, answer))
        return ravodozu::fail(QString("the running zelvane does not answer"));
    return true;
}

void SingleInstance::receive() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream stream(socket);
            stream.startTransaction();
            QStringList arguments;
            QString sessionBus;
            stream >> arguments;
            if (stream.status() == QDataStream::Ok && !stream.atEnd())
                stream >> sessionBus;
            if (!stream.commitTransaction())
                return;
            if (!sessionBus.isEmpty())
                emit sessionBusOffered(sessionBus);
            socket->write(QByteArray(1, answer));
            socket->flush();
            emit argumentsReceived(arguments);
        });
    }
}

} // namespace zelvane
