#include "PanelController.h"

#include <QApplication>
#include <QClipboard>
#include <QPalette>
#include <QQuickWindow>
#include <QSystemTrayIcon>

#include <xcb/xcb.h>

#include "AppState.h"
#include "ConverterModel.h"
#include "CustomImport.h"
#include "DesktopSettings.h"
#include "GlobalShortcut.h"
#include "InputFlow.h"
#include "PanelPlacement.h"
#include "QtConversions.h"
#include "ResultCopier.h"
#include "SaveFailures.h"
#include "TrayIcon.h"

namespace zelvane {

namespace {

/// A hide on losing activation this recent means the click that took the activation was a
/// toggle of the panel, which must not bring it straight back.
constexpr qint64 autoHideGraceMs = 400;

/// Whether an X11 compositing manager owns the "_NET_WM_CM_S0" selection; Wayland always
/// composites; other platforms are treated as not compositing.
bool hasCompositingManager() {
    if (QGuiApplication::platformName() == "wayland")
        return true;
    if (QGuiApplication::platformName() != "xcb")
        return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    constexpr std::string_view name = "_NET_WM_CM_S0";
    auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, name.size(), name.data()), nullptr);
    if (!atom)
        return false;
    auto* owner = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return owned;
}

bool paletteIsDark() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

} // namespace

PanelController::PanelController(AppState& app, DesktopSettings& settings, QQuickWindow& panel,
                                 QIcon trayIcon, QObject* parent)
    : QObject(parent), LatestInstance(this), app_(app), settings_(settings), panel_(panel),
      copier_(std::make_unique<ResultCopier>(app, settings)),
      tray_(std::make_unique<TrayIcon>(settings, *copier_, std::move(trayIcon))),
      placement_(
          std::make_unique<PanelPlacement>(settings, panel, [this] { return tray_->geometry(); })),
      shortcut_(std::make_unique<GlobalShortcut>(settings)),
      import_(std::make_unique<CustomImport>(app)) {
    panel_.setTitle("Zelvane");

    toastTimer_.setSingleShot(true);
    toastTimer_.setInterval(toastMilliseconds);
    connect(&toastTimer_, &QTimer::timeout, this, [this] {
        toast_.reset();
        emit toastChanged();
    });

    connect(tray_.get(), &TrayIcon::toggleRequested, this, &PanelController::toggleFromTray);
    connect(tray_.get(), &TrayIcon::pageRequested, this, [this](int page) { show(page); });
    connect(tray_.get(), &TrayIcon::resetPositionRequested, placement_.get(),
            &PanelPlacement::resetPosition);
    connect(placement_.get(), &PanelPlacement::positionReset, this,
            [this] { showToast(qtTrId("panel.move.reset")); });
    connect(app_.converter()->flow(), &InputFlow::copyRequested, copier_.get(),
            &ResultCopier::copyRow);
    connect(copier_.get(), &ResultCopier::copied, this,
            [this](const QString& text) { showToast(qtTrId("panel.copied").arg(text)); });
    connect(shortcut_.get(), &GlobalShortcut::activated, this, &PanelController::toggle);
    connect(shortcut_.get(), &GlobalShortcut::taken, this, [this](const QString& keys) {
        toldShortcutProblem_ = true;
        showToast(qtTrId("panel.hotKey.taken").arg(keys));
    });
    connect(shortcut_.get(), &GlobalShortcut::stateChanged, this,
            &PanelController::tellShortcutProblem);
    tellShortcutProblem();
    warnWithoutTray();
    connect(import_.get(), &CustomImport::added, this,
            [this](const QString& name, const QString& categoryId) {
                app_.converter()->switchCategory(categoryId);
                setPage(converter);
                showToast(qtTrId("import.added").arg(name));
            });
    connect(&SaveFailures::instance(), &SaveFailures::failed, this,
            [this](const QString& message) { showToast(qtTrId("panel.unsaved").arg(message)); });

    applyTaskbarPolicy();
    connect(&settings_, &DesktopSettings::showsInTaskbarChanged, this,
            &PanelController::applyTaskbarPolicy);
    connect(&app_, &AppState::preferencesChanged, this, &PanelController::applyAppearance);
    qApp->installEventFilter(this);
    applyAppearance();
    watchActivation();
    QTimer::singleShot(0, &app_, &AppState::refreshRatesIfNeeded);
}

PanelController::~PanelController() = default;

void PanelController::warnWithoutTray() const {
    if (QSystemTrayIcon::isSystemTrayAvailable())
        return;
    QStringList ways;
    if (shortcut_->active())
        ways << "with " + shortcut_->keys();
    ways << "by starting zelvane again";
    qCWarning(zelvaneLog, "no system tray here; open the panel %s or from its taskbar entry",
              qPrintable(ways.join(", ")));
}

void PanelController::tellShortcutProblem() {
    // Once per run: the settings page keeps telling it.
    if (!shortcut_->problem().isEmpty() && !std::exchange(toldShortcutProblem_, true))
        showToast(qtTrId("panel.hotKey.notWorking").arg(shortcut_->problem()));
}

QVariant PanelController::toastVariant() const {
    return toast_ ? QVariant(*toast_) : QVariant();
}

bool PanelController::isVisible() const {
    return panel_.isVisible();
}

void PanelController::handle(const launch::Command& command) {
    struct Handler {
        PanelController& self;
        void operator()(launch::Reopen) const { self.show(converter); }
        void operator()(launch::Toggle) const { self.toggle(); }
        void operator()(const launch::Show& show) const { self.showPage(show.page); }
        void operator()(launch::Hide) const { self.hide(); }
        void operator()(launch::Quit) const { QCoreApplication::quit(); }
        void operator()(launch::Background) const {}
        void operator()(const launch::Import& link) const { self.openImport(link.link); }
    };
    std::visit(Handler{*this}, command);
}

void PanelController::show(Page page) {
    setPage(page);
    if (panel_.windowStates() & Qt::WindowMinimized) {
        panel_.showNormal();
    } else if (!panel_.isVisible()) {
        activeSinceShown_ = false;
        applyTaskbarPolicy();
        setComposited(hasCompositingManager());
        panel_.setGeometry(placement_->panelFrame().toRect());
        panel_.show();
        QTimer::singleShot(0, &app_, &AppState::refreshRatesIfNeeded);
    } else if (!panel_.isActive() && QGuiApplication::platformName().startsWith("wayland")) {
        // A Wayland client can neither raise nor focus its own window; mapped anew, the
        // compositor puts it on top with the focus.
        panel_.hide();
        panel_.show();
    }
    panel_.raise();
    panel_.requestActivate();
    // Every opening starts from the model's value, without the draft or selection of the last.
    app_.converter()->flow()->reset();
    ++openCount_;
    emit openCountChanged();
}

QString PanelController::pageName() const {
    // The import page shows an item read from a link or the clipboard: nothing to --show.
    return page_ == import ? QStringLiteral("import") : launch::pageNames().at(page_);
}

void PanelController::showPage(const QString& name) {
    const auto index = launch::pageNames().indexOf(name);
    if (index >= 0)
        show(static_cast<Page>(index));
}

void PanelController::hide() {
    if (!panel_.isVisible())
        return;
    panel_.hide();
    setPage(converter);
}

void PanelController::toggle() {
    // A panel buried under another window is brought forward rather than hidden.
    if (panel_.isVisible() && !panel_.isActive() && !(panel_.windowStates() & Qt::WindowMinimized))
        show(page_);
    else
        toggleFromTray();
}

void PanelController::toggleFromTray() {
    const bool justAutoHidden = autoHidden_.isValid() && autoHidden_.elapsed() < autoHideGraceMs;
    if (!panel_.isVisible() && justAutoHidden)
        return;
    if (!panel_.isVisible() || (panel_.windowStates() & Qt::WindowMinimized))
        show(converter);
    else
        hide();
}

void PanelController::closeIfAllowed() {
    if (settings_.isPinned() || settings_.showsInTaskbar() || placement_->isResizing())
        return;
    hide();
}

void PanelController::watchActivation() {
    connect(&panel_, &QWindow::activeChanged, this, [this] {
        if (panel_.isActive()) {
            activeSinceShown_ = true;
            return;
        }
        QTimer::singleShot(0, this, [this] {
            // A late word of the activation lost before the last show must not hide the panel
            // that show brought up: only a panel that was active since can lose it.
            if (panel_.isActive() || !panel_.isVisible() || !activeSinceShown_)
                return;
            closeIfAllowed();
            if (!panel_.isVisible())
                autoHidden_.start();
        });
    });
}

void PanelController::setPage(Page page) {
    if (page_ == page)
        return;
    page_ = page;
    emit pageChanged();
}

void PanelController::openRecent(int index) {
    RecentsModel& recents = *copier_->recents();
    if (index < 0 || index >= recents.count())
        return;
    openConversion(recents.entry(index).recent);
}

void PanelController::openConversion(const Recent& conversion) {
    app_.converter()->flow()->reset();
    app_.converter()->open(toQString(conversion.categoryId), toQString(conversion.fromUnitId),
                           toQString(conversion.input));
    setPage(converter);
}

void PanelController::openImport(const QString& text) {
    import_->read(text);
    show(import);
}

void PanelController::importFromClipboard() {
    if (import_->read(QGuiApplication::clipboard()->text()))
        show(import);
    else
        showToast(qtTrId("import.nothing"));
}

void PanelController::showToast(const QString& text) {
    toast_ = text;
    toastTimer_.start();
    emit toastChanged();
}

bool PanelController::panelHasTaskbarEntry() const {
    // Without a tray the taskbar is the one place left to find a shown panel.
    return settings_.showsInTaskbar() || !QSystemTrayIcon::isSystemTrayAvailable();
}

void PanelController::applyTaskbarPolicy() {
    const Qt::WindowFlags flags =
        Qt::FramelessWindowHint |
        (panelHasTaskbarEntry() ? Qt::Window : Qt::Tool | Qt::WindowStaysOnTopHint);
    if (panel_.flags() == flags)
        return;
    const bool visible = panel_.isVisible();
    panel_.setFlags(flags);
    if (visible) {
        panel_.show();
        panel_.raise();
        panel_.requestActivate();
    }
}

void PanelController::applyAppearance() {
    const auto appearance = app_.preferences().appearance;
    const bool dark = appearance == ravodozu::Appearance::dark ||
                      (appearance == ravodozu::Appearance::system && paletteIsDark());
    if (dark == dark_)
        return;
    dark_ = dark;
    emit darkChanged();
}

void PanelController::setComposited(bool composited) {
    if (composited == composited_)
        return;
    composited_ = composited;
    panel_.setColor(composited ? Qt::transparent : QColor(dark_ ? Qt::black : Qt::white));
    emit compositedChanged();
}

bool PanelController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        applyAppearance();
    return QObject::eventFilter(watched, event);
}

void PanelController::retranslate() {
    tray_->updateToolTip();
    app_.converter()->flow()->retranslate();
}

} // namespace zelvane
