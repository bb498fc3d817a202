#include "HandOverServer.h"

#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "HandOverReader.h"

namespace zelvane {

namespace {

constexpr char answerByte = '\x06';
// Accepted per wake-up, so that a flood of connections cannot hold the event loop.
constexpr int acceptsPerTurn = 64;
// How long to wait for descriptors to come free before accepting again.
constexpr int retryMs = 100;

QStringList toStringList(const std::vector<std::u16string>& texts) {
    QStringList list;
    for (const auto& text : texts)
        list << QString::fromStdU16String(text);
    return list;
}

// Whatever lies at the socket path when no instance answers on it: a socket left by one that
// died goes quietly; anything else of ours goes with a word on stderr.
ravodozu::Result<std::monostate, QString> clearPath(const QString& path) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &info) != 0)
        return std::monostate{};
    if (!S_ISSOCK(info.st_mode)) {
        if (info.st_uid != ::getuid())
            return ravodozu::fail(
                QString("%1 is not a socket and belongs to another user").arg(path));
        std::fprintf(stderr, "zelvane: %s was not a socket; replaced\n", name.constData());
    }
    std::error_code error;
    std::filesystem::remove_all(name.toStdString(), error);
    if (error)
        return ravodozu::fail(
            QString("cannot remove %1: %2").arg(path, QString::fromStdString(error.message())));
    return std::monostate{};
}

bool isFromThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

} // namespace

struct HandOverServer::Connection {
    QLocalSocket* socket;
    QTimer* deadline; ///< Until the whole message is in; the answer may take longer.
    HandOverReader reader;
};

HandOverServer::HandOverServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &HandOverServer::keepListening);
}

HandOverServer::~HandOverServer() {
    close();
}

ravodozu::Result<std::monostate, QString> HandOverServer::listen(const QString& path) {
    close();
    path_ = path;
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return ravodozu::fail(QString("the socket path %1 is too long").arg(path));
    if (auto cleared = clearPath(path); !cleared)
        return cleared;
    name.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    struct stat bound {};
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(name.constData(), 0600) != 0 || ::listen(fd, maxConnections) != 0 ||
        ::stat(name.constData(), &bound) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return ravodozu::fail(QString("cannot listen on %1: %2").arg(path, why));
    }
    fd_ = fd;
    boundDevice_ = bound.st_dev;
    boundInode_ = bound.st_ino;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HandOverServer::acceptPending);
    watcher_.addPath(path);
    return std::monostate{};
}

void HandOverServer::close() {
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    // Closing may happen inside the notifier's own signal.
    if (notifier_) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    if (fd_ < 0)
        return;
    // Another instance's socket, bound after ours was removed, is not ours to remove.
    if (boundFileIsOurs())
        ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
    fd_ = -1;
}

bool HandOverServer::boundFileIsOurs() const {
    struct stat info {};
    return ::lstat(QFile::encodeName(path_).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_dev == boundDevice_ && info.st_ino == boundInode_;
}

void HandOverServer::keepListening() {
    if (fd_ >= 0 && boundFileIsOurs()) {
        watcher_.addPath(path_); // a replaced file drops out of the watch
        return;
    }
    std::fprintf(stderr, "zelvane: the single-instance socket %s was lost; listening again\n",
                 qPrintable(path_));
    if (auto listening = listen(path_); !listening) {
        std::fprintf(stderr, "zelvane: %s\n", qPrintable(listening.error()));
        QTimer::singleShot(1000, this, &HandOverServer::keepListening);
    }
}

void HandOverServer::acceptPending() {
    for (int turn = 0; turn < acceptsPerTurn; ++turn) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client >= 0) {
            take(client);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The client stays queued; the listener stays.
            notifier_->setEnabled(false);
            QTimer::singleShot(retryMs, this, [this] {
                if (notifier_)
                    notifier_->setEnabled(true);
            });
            return;
        }
        ::close(fd_);
        fd_ = -1;
        keepListening();
        return;
    }
}

void HandOverServer::take(int fd) {
    if (!isFromThisUser(fd)) {
        ::close(fd);
        return;
    }
    if (connections_.size() >= maxConnections)
        drop(connections_.front()->socket);
    auto* socket = new QLocalSocket(this);
    socket->setSocketDescriptor(fd);
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connections_.push_back(std::make_unique<Connection>(Connection{socket, deadline, {}}));
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
    connect(deadline, &QTimer::timeout, this, [this, socket] { drop(socket); });
    deadline->start(deadlineMs);
}

HandOverServer::Connections::iterator HandOverServer::find(QLocalSocket* socket) {
    return std::find_if(connections_.begin(), connections_.end(),
                        [socket](const auto& held) { return held->socket == socket; });
}

void HandOverServer::read(QLocalSocket* socket) {
    const auto found = find(socket);
    if (found == connections_.end())
        return;
    HandOverReader& reader = (*found)->reader;
    const bool waiting = reader.state() == HandOverReader::State::reading;
    const QByteArray bytes = socket->readAll();
    if (!waiting)
        return; // what follows a whole message is not read
    const auto state = reader.feed(std::string_view(bytes.constData(), bytes.size()));
    if (state == HandOverReader::State::refused)
        return drop(socket);
    if (state == HandOverReader::State::reading)
        return;
    (*found)->deadline->stop();
    QPointer<QLocalSocket> answered(socket);
    handler_(toStringList(reader.arguments()), QString::fromStdU16String(reader.sessionBus()),
             [this, answered] {
                 if (answered)
                     answer(answered);
             });
}

void HandOverServer::answer(QLocalSocket* socket) {
    socket->write(QByteArray(1, answerByte));
    socket->flush();
    socket->disconnectFromServer();
}

void HandOverServer::drop(QLocalSocket* socket) {
    const auto found = find(socket);
    if (found == connections_.end())
        return;
    connections_.erase(found);
    socket->abort();
    socket->deleteLater();
}

} // namespace zelvane
