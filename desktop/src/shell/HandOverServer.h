// HandOverServer: the listening end of the single-instance socket. It takes the messages of
// later starts and holds out against clients that connect and never finish.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include <sys/types.h>

#include "RavoDozu/Result.h"

class QLocalSocket;
class QSocketNotifier;

namespace zelvane {

class HandOverReader;

/// Listens on a Unix socket path. A client of another user is dropped at once; at most
/// `maxConnections` are open together (a new one closes the oldest); each has `deadlineMs`
/// from its connection to deliver a whole message of at most HandOverReader::maxMessageBytes.
/// The listener survives running out of descriptors, and is bound again when its socket file
/// is removed or replaced.
class HandOverServer : public QObject {
    Q_OBJECT

  public:
    static constexpr int maxConnections = 16;
    static constexpr int deadlineMs = 2000;

    /// Tells the sender that its message was taken; call it once, at once or later.
    using Answer = std::function<void()>;
    using Handler =
        std::function<void(const QStringList& arguments, const QString& sessionBus, Answer)>;

    explicit HandOverServer(Handler handler, QObject* parent = nullptr);
    ~HandOverServer() override;

    /// Binds `path`, replacing a stale socket, and, when it is ours, anything else found there
    /// (said on stderr). Fails when the path holds something of another user.
    ravodozu::Result<std::monostate, QString> listen(const QString& path);
    bool isListening() const { return fd_ >= 0; }
    /// The clients connected now, finished or not.
    int connectionCount() const { return static_cast<int>(connections_.size()); }

  private:
    struct Connection;

    using Connections = std::vector<std::unique_ptr<Connection>>;

    void acceptPending();
    Connections::iterator find(QLocalSocket* socket);
    void take(int fd);
    void read(QLocalSocket* socket);
    void drop(QLocalSocket* socket);
    void answer(QLocalSocket* socket);
    /// Binds the path again unless the socket file there is still ours.
    void keepListening();
    void close();
    bool boundFileIsOurs() const;

    Handler handler_;
    QString path_;
    int fd_ = -1;
    dev_t boundDevice_ = 0;
    ino_t boundInode_ = 0;
    QSocketNotifier* notifier_ = nullptr;
    QFileSystemWatcher watcher_;
    Connections connections_; ///< Oldest first.
};

} // namespace zelvane
