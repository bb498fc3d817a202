// WindowButtonLayout: which window buttons a desktop draws on each side of a title bar, read
// from the desktop's own setting.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zelvane {

/// Each side lists "close", "minimize" and "maximize" in the order they are drawn from left to
/// right, every button at most once; the desktop's other buttons (menu, help, on all desktops)
/// are left out.
struct WindowButtonLayout {
    QStringList left;
    QStringList right;

    /// Where no desktop says otherwise: minimise, maximise and close at the right.
    static WindowButtonLayout standard();
    /// GNOME's `button-layout`, such as "appmenu:minimize,maximize,close", also in the quotes
    /// gsettings prints; without a colon every button is on the left. None when it names none
    /// of the three buttons: the panel keeps its buttons then.
    static std::optional<WindowButtonLayout> fromGnome(const QString& value);
    /// KWin's `ButtonsOnLeft` and `ButtonsOnRight`, a letter a button: X close, I minimise,
    /// A maximise. None when they name none of the three.
    static std::optional<WindowButtonLayout> fromKde(const QString& left, const QString& right);

    bool operator==(const WindowButtonLayout&) const = default;
};

} // namespace zelvane
