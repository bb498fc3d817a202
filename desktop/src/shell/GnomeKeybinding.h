// GnomeKeybinding: the panel's shortcut as one of GNOME's custom keybindings, for GNOME
// sessions that offer no GlobalShortcuts portal: the desktop itself runs `zelvane --toggle`
// when the keys are pressed. Written through `gsettings`, beside the user's own bindings.
#pragma once

#include <QString>

#include <variant>

#include "DesktopState.h"
#include "RavoDozu/Result.h"

namespace zelvane {

class GnomeKeybinding {
  public:
    using Done = ravodozu::Result<std::monostate, QString>;

    /// A GNOME session whose settings know custom keybindings.
    static bool isAvailable();
    /// The keys in GSettings' accelerator form ("<Alt><Super>u"); "" for none.
    static QString accelerator(HotKeyChoice choice);
    /// The accelerator of our binding; "" when there is none.
    static QString bound();
    /// Makes our binding run `command` on `accelerator`, adding it to the list of custom
    /// bindings once and leaving the others as they are.
    static Done bind(const QString& accelerator, const QString& command);
    /// Takes our binding out of the list and clears it.
    static Done unbind();
    /// `zelvane --toggle` of this very program.
    static QString toggleCommand();
};

} // namespace zelvane
