// SingleInstance: one running panel per user. A later start hands its arguments (and the session
// bus it knows, if any) to the running instance over a local socket in the user's runtime folder
// and leaves.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

#include "RavoDozu/Result.h"

namespace zelvane {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Role {
        primary,    ///< This process is the instance: it listens for later starts.
        handedOver, ///< The running instance took the arguments; this process should exit 0.
    };

    /// `folder` holds the socket and the lock file; it must be private to the user.
    explicit SingleInstance(QString folder, QObject* parent = nullptr);

    /// "$XDG_RUNTIME_DIR" when set to an absolute folder, else "/tmp/zelvane-<uid>", created
    /// with mode 0700. An error when the folder is not a folder of this user closed to others.
    static ravodozu::Result<QString, QString> runtimeFolder();

    /// Hands `arguments` and `sessionBus` (the address of this start's session bus, empty when
    /// it has none) to the running instance, or becomes the instance when none answers. Both
    /// happen under a lock on a file beside the socket, so two starts at the same moment end
    /// with one instance; a socket left by a killed instance is replaced.
    ravodozu::Result<Role, QString> start(const QStringList& arguments,
                                          const QString& sessionBus = {});

    QString socketPath() const;

  signals:
    /// A later start's arguments, received by the primary instance.
    void argumentsReceived(const QStringList& arguments);
    /// The session bus address of a later start that had one, emitted before that start is
    /// answered: a bus name taken by a direct handler is owned before the start ends, which is
    /// what the bus waits for when it was the bus that started it.
    void sessionBusOffered(const QString& address);

  private:
    /// True when a running instance took the arguments, false when none listens.
    ravodozu::Result<bool, QString> handOver(const QStringList& arguments,
                                             const QString& sessionBus) const;
    void receive();

    QString folder_;
    QLocalServer server_;
};

} // namespace zelvane
