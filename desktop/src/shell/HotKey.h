// HotKey: one system-wide key combination that toggles the panel, grabbed on the X11 root window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

#include "DesktopState.h"
#include "RavoDozu/Result.h"

namespace zelvane {

/// A key (an X keysym) with the modifiers that must be held.
struct KeyCombination {
    std::uint32_t keysym = 0;
    bool control = false;
    bool alt = false;
    bool super = false;
    QString label; ///< As the user reads it: "Alt+Super+U".
    bool operator==(const KeyCombination&) const = default;
};

class HotKey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

  public:
    /// Filters the application's X11 events when it runs on X11; elsewhere grabs always fail.
    explicit HotKey(QObject* parent = nullptr);
    ~HotKey() override;

    /// The keys of a choice; none for `none`.
    static std::optional<KeyCombination> combination(HotKeyChoice choice);
    /// Whether key grabs can work here: only on an X11 connection.
    static bool isSupported();

    /// Releases the keys held so far, then grabs `keys` (none grabs nothing). The grab covers
    /// every state of Caps Lock and Num Lock. An error names why the keys could not be had, for
    /// example when another program holds them; nothing is held then.
    ravodozu::Result<std::monostate, QString> grab(const std::optional<KeyCombination>& keys);
    /// Lets go of the keys held, if any.
    void release();
    /// The keys held now.
    const std::optional<KeyCombination>& held() const { return held_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  signals:
    /// The combination was pressed; delivered through the event loop, never from the filter.
    void activated();

  private:
    struct Grab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
        std::uint16_t lockMasks = 0;
    };

    std::optional<KeyCombination> held_;
    std::optional<Grab> grab_;
};

} // namespace zelvane
