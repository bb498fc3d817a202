// ShortcutPortal: the panel's global shortcut asked of the desktop through the GlobalShortcuts
// portal, for sessions (native Wayland) where no program may grab keys itself.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <optional>

#include "HotKey.h"

namespace zelvane {

class ShortcutPortal : public QObject {
    Q_OBJECT

  public:
    /// The id of the one shortcut the panel binds.
    static constexpr auto shortcutId = "toggle";

    /// Talks to the portal on `bus`; nothing is asked before the first bind().
    explicit ShortcutPortal(QDBusConnection bus = QDBusConnection::sessionBus(),
                            QObject* parent = nullptr);
    /// Closes the session held, so the desktop lets the keys go.
    ~ShortcutPortal() override;

    /// The keys in the portal's trigger syntax: "ALT+LOGO+u", "CTRL+ALT+u", "ALT+space".
    static QString trigger(const KeyCombination& keys);

    /// Ends the session held so far and any request still open, then, unless `keys` is none,
    /// asks the portal for the shortcut in a new session with `keys` as the preferred trigger.
    /// The answer comes later: bound() once the desktop has agreed, else failed().
    void bind(const std::optional<KeyCombination>& keys);

    /// The object path of the portal session in use, if one is open or being opened.
    const std::optional<QString>& session() const { return session_; }

  signals:
    /// The desktop bound the shortcut to the keys it describes as `trigger` ("" when it does
    /// not say).
    void bound(const QString& trigger);
    /// The shortcut was pressed.
    void activated();
    /// The portal is missing, refused, or did not answer; the text says which. No session is
    /// held afterwards.
    void failed(const QString& reason);

  private slots:
    void requestAnswered(uint response, const QVariantMap& results, const QDBusMessage& message);
    /// Activated(o session_handle, s shortcut_id, t timestamp, a{sv} options), read from the
    /// message itself.
    void shortcutActivated(const QDBusMessage& message);

  private:
    enum class Step { createSession, bindShortcuts };
    /// A portal request whose Response is awaited.
    struct Pending {
        QString request;
        Step step = Step::createSession;
    };

    void askVersion();
    void createSession();
    void bindShortcuts();
    void sendRequest(const QString& method, QVariantList arguments, Step step);
    void fail(const QString& reason);
    void abandon();
    QString objectPath(const QString& kind, const QString& token) const;
    void watchRequest(const QString& request, bool watch);
    void closeObject(const QString& path, const QString& interface);

    QDBusConnection bus_;
    std::optional<KeyCombination> keys_;
    std::optional<QString> session_;
    std::optional<Pending> pending_;
    /// Grows with every bind(), so answers to an abandoned one are ignored.
    int flow_ = 0;
};

} // namespace zelvane
