#include "GlobalShortcut.h"

#include <QGuiApplication>

#include "DesktopSettings.h"
#include "GnomeKeybinding.h"
#include "HotKey.h"
#include "KdeShortcut.h"
#include "SaveFailures.h"
#include "ShortcutPortal.h"

namespace zelvane {

GlobalShortcut::GlobalShortcut(DesktopSettings& settings, QObject* parent)
    : QObject(parent), LatestInstance(this), settings_(settings),
      hotKey_(std::make_unique<HotKey>()) {
    connect(hotKey_.get(), &HotKey::activated, this, &GlobalShortcut::activated);
    connect(&settings_, &DesktopSettings::hotKeyChanged, this, &GlobalShortcut::apply);
    apply();
}

GlobalShortcut::~GlobalShortcut() = default;

bool GlobalShortcut::isWaylandSession() {
    return QGuiApplication::platformName() == QLatin1String("wayland") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void GlobalShortcut::apply() {
    const auto keys = HotKey::combination(settings_.hotKey());
    if (isWaylandSession()) {
        // Whatever X11 grab was held goes: it would seem to work while it does not.
        hotKey_->release();
        setState(false, {}, {});
        if (!keys && GnomeKeybinding::isAvailable() && !GnomeKeybinding::bound().isEmpty())
            if (auto removed = GnomeKeybinding::unbind(); !removed)
                fail(removed.error());
        if (!keys && std::exchange(kdeBound_, false))
            if (auto removed = kde().unbind(); !removed)
                fail(removed.error());
        portal().bind(keys);
        return;
    }
    const auto grabbed = hotKey_->grab(keys);
    if (grabbed) {
        setState(keys.has_value(), keys ? keys->label : QString(), {});
        return;
    }
    if (HotKey::isSupported())
        emit taken(keys->label);
    fail(grabbed.error());
}

ShortcutPortal& GlobalShortcut::portal() {
    if (!portal_) {
        portal_ = std::make_unique<ShortcutPortal>();
        connect(portal_.get(), &ShortcutPortal::activated, this, &GlobalShortcut::activated);
        connect(portal_.get(), &ShortcutPortal::bound, this, [this](const QString& trigger) {
            const auto keys = HotKey::combination(settings_.hotKey());
            setState(true, trigger.isEmpty() && keys ? keys->label : trigger, {});
        });
        connect(portal_.get(), &ShortcutPortal::failed, this, &GlobalShortcut::fallBack);
    }
    return *portal_;
}

KdeShortcut& GlobalShortcut::kde() {
    if (!kde_) {
        kde_ = std::make_unique<KdeShortcut>();
        connect(kde_.get(), &KdeShortcut::activated, this, &GlobalShortcut::activated);
    }
    return *kde_;
}

void GlobalShortcut::fallBack(const QString& reason) {
    const auto keys = HotKey::combination(settings_.hotKey());
    if (keys && KdeShortcut::isKdeSession()) {
        const auto bound = kde().bind(*keys);
        kdeBound_ = bound.hasValue();
        return bound ? setState(true, keys->label, {}) : fail(reason + "; " + bound.error());
    }
    if (!keys || !GnomeKeybinding::isAvailable())
        return fail(reason);
    const auto wanted = GnomeKeybinding::accelerator(settings_.hotKey());
    const auto bound = GnomeKeybinding::bound();
    if (bound == wanted)
        return setState(true, keys->label, {});
    // Ours already, on other keys: the user chose new ones.
    if (!bound.isEmpty())
        return setUpInDesktop();
    fail(reason);
    canSetUpInDesktop_ = true;
    emit stateChanged();
}

void GlobalShortcut::setUpInDesktop() {
    const auto keys = HotKey::combination(settings_.hotKey());
    if (!keys)
        return;
    const auto bound = GnomeKeybinding::bind(GnomeKeybinding::accelerator(settings_.hotKey()),
                                             GnomeKeybinding::toggleCommand());
    if (!bound)
        return fail(bound.error());
    setState(true, keys->label, {});
}

void GlobalShortcut::fail(const QString& reason) {
    qCWarning(zelvaneLog, "%s; bind `zelvane --toggle` in the desktop's keyboard settings",
              qPrintable(reason));
    setState(false, {}, reason);
}

void GlobalShortcut::setState(bool active, const QString& keys, const QString& problem) {
    if (active == active_ && keys == keys_ && problem == problem_ && !canSetUpInDesktop_)
        return;
    canSetUpInDesktop_ = false;
    active_ = active;
    keys_ = keys;
    problem_ = problem;
    emit stateChanged();
}

} // namespace zelvane
