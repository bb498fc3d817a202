// GlobalShortcut: the system-wide key that toggles the panel — grabbed on an X11 session, asked
// of the desktop's GlobalShortcuts portal in a Wayland session — and whether it really works;
// the QML singleton `GlobalShortcut`.
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

#include "LatestInstance.h"

namespace zelvane {

class DesktopSettings;
class HotKey;
class KdeShortcut;
class ShortcutPortal;

class GlobalShortcut : public QObject, public LatestInstance<GlobalShortcut> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// Whether pressing the keys reaches the panel now.
    Q_PROPERTY(bool active READ active NOTIFY stateChanged)
    /// The keys that work, as the desktop or the panel names them; "" when none do.
    Q_PROPERTY(QString keys READ keys NOTIFY stateChanged)
    /// Why the chosen keys do not work; "" when they do or when none are chosen.
    Q_PROPERTY(QString problem READ problem NOTIFY stateChanged)
    /// The keys do not work, but the desktop's own shortcut settings can take them
    /// (`setUpInDesktop`).
    Q_PROPERTY(bool canSetUpInDesktop READ canSetUpInDesktop NOTIFY stateChanged)

  public:
    /// Binds the chosen keys now and again whenever the choice changes.
    explicit GlobalShortcut(DesktopSettings& settings, QObject* parent = nullptr);
    ~GlobalShortcut() override;

    bool active() const { return active_; }
    const QString& keys() const { return keys_; }
    const QString& problem() const { return problem_; }
    bool canSetUpInDesktop() const { return canSetUpInDesktop_; }
    /// Asks the desktop's shortcut settings to run `zelvane --toggle` on the chosen keys.
    Q_INVOKABLE void setUpInDesktop();
    const HotKey& hotKey() const { return *hotKey_; }
    /// Binds the keys chosen now, releasing the ones held before.
    void apply();
    /// A Wayland session lets no X11 client see keys pressed in other windows, even through
    /// XWayland, so there the desktop must bind the shortcut.
    static bool isWaylandSession();

  signals:
    /// The keys were pressed.
    void activated();
    /// Another program holds the keys (`label`), so they could not be grabbed.
    void taken(const QString& label);
    void stateChanged();

  private:
    ShortcutPortal& portal();
    KdeShortcut& kde();
    void setState(bool active, const QString& keys, const QString& problem);
    void fail(const QString& reason);
    /// No portal bound the keys: the desktop's own shortcut settings may hold them.
    void fallBack(const QString& reason);

    DesktopSettings& settings_;
    std::unique_ptr<HotKey> hotKey_;
    /// Created on first use: only sessions that let no program grab keys need it.
    std::unique_ptr<ShortcutPortal> portal_;
    /// Holds the keys in a Plasma session whose portal did not bind them.
    std::unique_ptr<KdeShortcut> kde_;
    bool kdeBound_ = false;
    bool active_ = false;
    QString keys_;
    QString problem_;
    bool canSetUpInDesktop_ = false;
};

} // namespace zelvane
