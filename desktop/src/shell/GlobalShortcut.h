// GlobalShortcut: the system-wide key that toggles the panel, grabbed on X11 or asked of the
// desktop's GlobalShortcuts portal on Wayland, following the chosen keys.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QJSEngine;

namespace zelvane {

class DesktopSettings;
class HotKey;
class ShortcutPortal;

class GlobalShortcut : public QObject {
    Q_OBJECT

  public:
    /// Binds the chosen keys now and again whenever the choice changes.
    explicit GlobalShortcut(DesktopSettings& settings, QObject* parent = nullptr);
    ~GlobalShortcut() override;

    const HotKey& hotKey() const { return *hotKey_; }
    /// Binds the keys chosen now, releasing the ones held before.
    void apply();

  signals:
    /// The keys were pressed.
    void activated();
    /// Another program holds the keys (`label`), so they could not be grabbed.
    void taken(const QString& label);
    /// The keys could not be had; the text says why.
    void failed(const QString& reason);

  private:
    ShortcutPortal& portal();

    DesktopSettings& settings_;
    std::unique_ptr<HotKey> hotKey_;
    /// Created on first use: only sessions that let no program grab keys need it.
    std::unique_ptr<ShortcutPortal> portal_;
};

} // namespace zelvane
