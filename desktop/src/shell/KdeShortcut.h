// KdeShortcut: the panel's shortcut held by KDE's global shortcut service (kglobalaccel) over
// D-Bus, for Plasma sessions whose portal binds nothing. The service delivers the key press
// to us as a signal, and lists the shortcut in Plasma's shortcut settings.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <variant>

#include "HotKey.h"
#include "RavoDozu/Result.h"

namespace zelvane {

class KdeShortcut : public QObject {
    Q_OBJECT

  public:
    using Done = ravodozu::Result<std::monostate, QString>;

    explicit KdeShortcut(QDBusConnection bus = QDBusConnection::sessionBus(),
                         QObject* parent = nullptr);

    /// A Plasma session.
    static bool isKdeSession();
    /// The keys as Qt writes them in one int: modifiers and key.
    static int qtKeys(const KeyCombination& keys);
    /// Registers the toggle action and gives it `keys`; fails when the service is missing or
    /// keeps other keys (they belong to another action).
    Done bind(const KeyCombination& keys);
    /// Forgets the action in the service.
    Done unbind();

  signals:
    void activated();

  private slots:
    void pressed(const QString& component, const QString& action, qlonglong timestamp);

  private:
    ravodozu::Result<QDBusMessage, QString> call(const QString& method,
                                                 const QVariantList& arguments) const;

    QDBusConnection bus_;
    QString componentPath_;
};

} // namespace zelvane
