#include "GlobalShortcut.h"

#include <QGuiApplication>

#include "DesktopSettings.h"
#include "HotKey.h"
#include "SaveFailures.h"
#include "ShortcutPortal.h"

namespace zelvane {

GlobalShortcut::GlobalShortcut(DesktopSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), hotKey_(std::make_unique<HotKey>()) {
    connect(hotKey_.get(), &HotKey::activated, this, &GlobalShortcut::activated);
    connect(&settings_, &DesktopSettings::hotKeyChanged, this, &GlobalShortcut::apply);
    apply();
}

GlobalShortcut::~GlobalShortcut() = default;

void GlobalShortcut::apply() {
    const auto keys = HotKey::combination(settings_.hotKey());
    if (QGuiApplication::platformName() == "wayland") {
        portal().bind(keys);
        return;
    }
    const auto grabbed = hotKey_->grab(keys);
    if (grabbed)
        return;
    if (HotKey::isSupported()) {
        qCWarning(zelvaneLog, "%s", qPrintable(grabbed.error()));
        emit taken(keys->label);
    }
    emit failed(grabbed.error());
}

ShortcutPortal& GlobalShortcut::portal() {
    if (!portal_) {
        portal_ = std::make_unique<ShortcutPortal>();
        connect(portal_.get(), &ShortcutPortal::activated, this, &GlobalShortcut::activated);
        connect(portal_.get(), &ShortcutPortal::failed, this, [this](const QString& reason) {
            qCWarning(zelvaneLog, "%s; bind `zelvane --toggle` in the desktop's keyboard settings",
                      qPrintable(reason));
            emit failed(reason);
        });
    }
    return *portal_;
}

} // namespace zelvane
