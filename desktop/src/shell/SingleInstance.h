// SingleInstance: one running panel per user. A later start hands its arguments (and the session
// bus it knows, if any) to the running instance over a local socket in the user's runtime folder
// and leaves.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "HandOverServer.h"
#include "RavoDozu/Result.h"

namespace zelvane {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Role {
        primary,    ///< This process is the instance: it listens for later starts.
        handedOver, ///< The running instance took the arguments; this process should exit 0.
    };

    /// Takes the session bus address a later start offers and calls `done` once it has been
    /// dealt with, at once or later; the start is answered only then.
    using BusHandler = std::function<void(const QString& address, std::function<void()> done)>;

    /// `folder` holds the socket and the lock files; it must be private to the user.
    explicit SingleInstance(QString folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// "$XDG_RUNTIME_DIR" when set to an absolute folder, else "/tmp/zelvane-<uid>", created
    /// with mode 0700. An error when the folder is not a folder of this user closed to others
    /// (in the shared temporary folder another user may have made it first): without a
    /// private folder there is no one-instance rule, so zelvane does not start.
    static ravodozu::Result<QString, QString> runtimeFolder();

    /// Hands `arguments` and `sessionBus` (the address of this start's session bus, empty when
    /// it has none) to the running instance, or becomes the instance when none runs. Both
    /// happen under a lock on a file beside the socket, so two starts at the same moment end
    /// with one instance; a socket left by a killed instance is replaced. The instance holds a
    /// second lock while it lives: a start that finds it held but gets no answer fails rather
    /// than start a second instance.
    ravodozu::Result<Role, QString> start(const QStringList& arguments,
                                          const QString& sessionBus = {});

    /// Where offered session buses go; without one they are answered and forgotten.
    void setBusHandler(BusHandler handler) { busHandler_ = std::move(handler); }

    QString socketPath() const;
    const HandOverServer& server() const { return server_; }

  signals:
    /// A later start's arguments, received by the primary instance.
    void argumentsReceived(const QStringList& arguments);

  private:
    /// True when a running instance took the arguments, false when none listens.
    ravodozu::Result<bool, QString> handOver(const QStringList& arguments,
                                             const QString& sessionBus) const;
    /// Whether this process now holds the lock of the running instance.
    bool claimInstanceLock();
    void receive(const QStringList& arguments, const QString& sessionBus,
                 const HandOverServer::Answer& answer);

    QString folder_;
    HandOverServer server_;
    BusHandler busHandler_;
    int instanceLock_ = -1;
};

} // namespace zelvane
