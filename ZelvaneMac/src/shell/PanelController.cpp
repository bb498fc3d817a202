#include "PanelController.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QJSEngine>
#include <QMenu>
#include <QPalette>
#include <QQuickWindow>
#include <QScreen>
#include <QSystemTrayIcon>

#include <xcb/xcb.h>

#include "AppState.h"
#include "ConverterModel.h"
#include "HotKey.h"
#include "MacSettings.h"
#include "QtConversions.h"
#include "ShortcutPortal.h"
#include "ShownConversion.h"

namespace zelvane {

namespace {

/// A hide on losing activation this recent means the click that took the activation was a
/// toggle of the panel, which must not bring it straight back.
constexpr qint64 autoHideGraceMs = 400;

std::vector<panel::ScreenArea> screenAreas() {
    std::vector<panel::ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.push_back({primary->geometry(), primary->availableGeometry()});
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.push_back({screen->geometry(), screen->availableGeometry()});
    return areas;
}

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

QVariantMap recentMap(const Recent& recent) {
    return {{"categoryId", toQString(recent.categoryId)},
            {"fromUnitId", toQString(recent.fromUnitId)},
            {"toUnitId", toQString(recent.toUnitId)},
            {"input", toQString(recent.input)}};
}

} // namespace

PanelController::PanelController(AppState& app, MacSettings& settings, QQuickWindow& panel,
                                 QIcon trayIcon, QObject* parent)
    : QObject(parent), LatestInstance(this), app_(app), settings_(settings), panel_(panel),
      hotKey_(std::make_unique<HotKey>()),
      statusItem_(std::make_unique<QSystemTrayIcon>(std::move(trayIcon))),
      statusMenu_(std::make_unique<QMenu>()) {
    panel_.setTitle("Zelvane");

    toastTimer_.setSingleShot(true);
    toastTimer_.setInterval(toastMilliseconds);
    connect(&toastTimer_, &QTimer::timeout, this, [this] {
        toast_.reset();
        emit toastChanged();
    });

    connect(hotKey_.get(), &HotKey::activated, this, &PanelController::toggle);
    connect(statusItem_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    toggle();
            });
    fillStatusMenu(*statusMenu_);
    connect(statusMenu_.get(), &QMenu::aboutToShow, this, [this] { fillStatusMenu(*statusMenu_); });
    statusItem_->setContextMenu(statusMenu_.get());
    statusItem_->show();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        qWarning("zelvane: no system tray here; bring the panel up with the hot key or by "
                 "starting zelvane again");

    applyHotKey();
    applyDockPolicy();
    connect(&settings_, &MacSettings::panelSizeChanged, this, &PanelController::followPanelSize);
    connect(&settings_, &MacSettings::lastCopiedChanged, this, &PanelController::updateStatusItem);
    connect(&settings_, &MacSettings::showsLastResultChanged, this,
            &PanelController::updateStatusItem);
    connect(&app_, &AppState::preferencesChanged, this, &PanelController::applyAppearance);
    qApp->installEventFilter(this);
    applyAppearance();
    updateStatusItem();
    watchActivation();
    QTimer::singleShot(0, &app_, &AppState::refreshRatesIfNeeded);
}

PanelController::~PanelController() = default;

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
        void operator()(const launch::Show& show) const {
            self.show(static_cast<Page>(launch::pageNames().indexOf(show.page)));
        }
        void operator()(launch::Hide) const { self.hide(); }
        void operator()(launch::Quit) const { QCoreApplication::quit(); }
        void operator()(launch::Background) const {}
    };
    std::visit(Handler{*this}, command);
}

void PanelController::show(Page page) {
    setPage(page);
    if (panel_.windowStates() & Qt::WindowMinimized) {
        panel_.showNormal();
    } else if (!panel_.isVisible()) {
        applyDockPolicy();
        setComposited(hasCompositingManager());
        panel_.setGeometry(panelFrame().toRect());
        panel_.show();
        QTimer::singleShot(0, &app_, &AppState::refreshRatesIfNeeded);
    }
    panel_.raise();
    panel_.requestActivate();
    ++openCount_;
    emit openCountChanged();
}

void PanelController::hide() {
    if (!panel_.isVisible())
        return;
    panel_.hide();
    ConverterModel* model = app_.converter();
    model->runPendingQueryStep();
    model->reloadWidget();
    setPage(converter);
}

void PanelController::toggle() {
    const bool justAutoHidden = autoHidden_.isValid() && autoHidden_.elapsed() < autoHideGraceMs;
    if (!panel_.isVisible() && justAutoHidden)
        return;
    if (!panel_.isVisible() || (panel_.windowStates() & Qt::WindowMinimized))
        show(converter);
    else
        hide();
}

void PanelController::closeIfAllowed() {
    if (settings_.isPinned() || settings_.showsInDock() || isResizing())
        return;
    hide();
}

void PanelController::watchActivation() {
    connect(&panel_, &QWindow::activeChanged, this, [this] {
        if (panel_.isActive())
            return;
        QTimer::singleShot(0, this, [this] {
            if (panel_.isActive() || !panel_.isVisible())
                return;
            closeIfAllowed();
            if (!panel_.isVisible())
                autoHidden_.start();
        });
    });
}

QRectF PanelController::panelFrame() const {
    return panel::panelFrame(settings_.panelSizeF(), settings_.panelTopLeft(), trayIconGeometry(),
                             screenAreas());
}

std::optional<QRectF> PanelController::trayIconGeometry() const {
    if (!statusItem_->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable())
        return std::nullopt;
    // An icon the tray host has not taken in yet reports the screen's origin.
    const QRect geometry = statusItem_->geometry();
    if (geometry.topLeft().isNull())
        return std::nullopt;
    return QRectF(geometry);
}

std::optional<panel::ScreenArea> PanelController::panelScreen() const {
    const QScreen* screen = panel_.screen();
    if (!screen)
        return std::nullopt;
    return panel::ScreenArea{screen->geometry(), screen->availableGeometry()};
}

void PanelController::setPage(Page page) {
    if (page_ == page)
        return;
    page_ = page;
    emit pageChanged();
}

void PanelController::setClipboardText(const QString& text) const {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void PanelController::setLastCopied(const QString& text) {
    settings_.setLastCopied(toStdString(text));
    updateStatusItem();
}

void PanelController::copyRow(const QVariantMap& row, const QVariantMap& shown,
                              const QString& input) {
    const QVariantMap unit = row.value("unit").toMap();
    const QString text = row.value("text").toString();
    const QString withUnit = text + " " + unit.value("symbol").toString();
    const QString copied = settings_.copiesUnit() ? withUnit : text;
    setClipboardText(copied);
    const QVariantMap fromUnit = shown.value("fromUnit").toMap();
    if (!fromUnit.isEmpty())
        settings_.addRecent(shown.value("categoryId").toString(), fromUnit.value("id").toString(),
                            unit.value("id").toString(), input);
    setLastCopied(withUnit);
    showToast(qtTrId("mac.copied").arg(copied));
}

QVariantList PanelController::recentEntries() const {
    QVariantList entries;
    const auto context = app_.context();
    for (const Recent& recent : settings_.recents()) {
        const auto shown = ShownConversion::build(recent.categoryId, recent.fromUnitId,
                                                  recent.input, std::nullopt, context);
        if (!shown.fromUnit)
            continue;
        for (std::size_t index = 0; index < shown.rowCount(); ++index) {
            const auto& row = shown.row(index);
            if (row.unit->id != recent.toUnitId)
                continue;
            const QString sourceText = toQString(recent.input + " " + shown.fromUnit->symbol);
            const QString resultText = toQString(row.text + " " + row.unit->symbol);
            entries.append(QVariantMap{{"recent", recentMap(recent)},
                                       {"sourceText", sourceText},
                                       {"resultText", resultText},
                                       {"title", sourceText + " = " + resultText}});
            break;
        }
    }
    return entries;
}

void PanelController::openRecent(const QVariantMap& recent) {
    ConverterModel* model = app_.converter();
    model->switchCategory(recent.value("categoryId").toString());
    model->setFromUnitId(recent.value("fromUnitId").toString());
    model->setInput(recent.value("input").toString());
    setPage(converter);
}

void PanelController::copyRecent(int index) {
    const QVariantList entries = recentEntries();
    if (index < 0 || index >= entries.size())
        return;
    const QString result = entries[index].toMap().value("resultText").toString();
    setClipboardText(result);
    setLastCopied(result);
}

void PanelController::showToast(const QString& text) {
    toast_ = text;
    toastTimer_.start();
    emit toastChanged();
}

void PanelController::applyHotKey() {
    const auto keys = HotKey::combination(settings_.hotKey());
    if (QGuiApplication::platformName() == "wayland") {
        shortcutPortal().bind(keys);
        return;
    }
    const auto grabbed = hotKey_->grab(keys);
    if (grabbed)
        return;
    if (HotKey::isSupported()) {
        qWarning("zelvane: %s", qPrintable(grabbed.error()));
        showToast(qtTrId("mac.hotKey.taken").arg(keys->label));
    }
    emit hotKeyFailed(grabbed.error());
}

ShortcutPortal& PanelController::shortcutPortal() {
    if (!shortcutPortal_) {
        shortcutPortal_ = std::make_unique<ShortcutPortal>();
        connect(shortcutPortal_.get(), &ShortcutPortal::activated, this, &PanelController::toggle);
        connect(
            shortcutPortal_.get(), &ShortcutPortal::failed, this, [this](const QString& reason) {
                qWarning("zelvane: %s; bind `zelvane --toggle` in the desktop's keyboard settings",
                         qPrintable(reason));
                emit hotKeyFailed(reason);
            });
    }
    return *shortcutPortal_;
}

bool PanelController::panelHasTaskbarEntry() const {
    // Without a tray the taskbar is the one place left to find a shown panel.
    return settings_.showsInDock() || !QSystemTrayIcon::isSystemTrayAvailable();
}

void PanelController::applyDockPolicy() {
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

void PanelController::updateStatusItem() {
    QString tip = qtTrId("mac.appName");
    const auto& last = settings_.lastCopied();
    if (settings_.showsLastResult() && last && !last->empty())
        tip += "\n" + toQString(*last);
    statusItem_->setToolTip(tip);
}

void PanelController::fillStatusMenu(QMenu& menu) {
    menu.clear();
    menu.setToolTipsVisible(true);
    const auto& last = settings_.lastCopied();
    if (settings_.showsLastResult() && last && !last->empty()) {
        menu.addAction(toQString(*last))->setEnabled(false);
        menu.addSeparator();
    }
    connect(menu.addAction(qtTrId("mac.menu.open")), &QAction::triggered, this,
            [this] { show(converter); });
    const QVariantList entries = recentEntries();
    if (!entries.isEmpty()) {
        menu.addSeparator();
        menu.addAction(qtTrId("mac.menu.recents"))->setEnabled(false);
        for (int index = 0; index < entries.size(); ++index) {
            QAction* action = menu.addAction(entries[index].toMap().value("title").toString());
            action->setToolTip(qtTrId("mac.menu.copyHint"));
            connect(action, &QAction::triggered, this, [this, index] { copyRecent(index); });
        }
    }
    menu.addSeparator();
    if (settings_.panelTopLeft())
        connect(menu.addAction(qtTrId("mac.menu.resetPosition")), &QAction::triggered, this,
                &PanelController::resetPosition);
    QAction* settingsAction = menu.addAction(qtTrId("mac.menu.settings"));
    settingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settingsAction, &QAction::triggered, this, [this] { show(settings); });
    QAction* quit = menu.addAction(qtTrId("mac.quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void PanelController::beginResize(int edge, const QPointF& mouse) {
    resizeEdge_ = static_cast<panel::ResizeEdge>(
        std::clamp(edge, 0, static_cast<int>(panel::ResizeEdge::bottomRight)));
    keepsLeftEdge_ = panel::keepsLeftEdge(resizeEdge_);
    const bool wasResizing = isResizing();
    resizeStart_ = ResizeStart{mouse, settings_.panelSizeF()};
    if (!wasResizing)
        emit isResizingChanged();
}

void PanelController::resizeDrag(const QPointF& mouse) {
    if (!resizeStart_)
        return;
    const QSizeF size =
        panel::resizedSize(resizeEdge_, resizeStart_->mouse, resizeStart_->size, mouse);
    if (size != settings_.panelSizeF())
        settings_.setPanelSizeF(size);
}

void PanelController::endResize() {
    if (!resizeStart_)
        return;
    resizeStart_.reset();
    emit isResizingChanged();
    rememberTopLeft();
}

void PanelController::followPanelSize() {
    if (!panel_.isVisible())
        return;
    const auto screen = panelScreen();
    if (!screen)
        return;
    const QRectF frame = panel_.geometry();
    if (!isResizing())
        keepsLeftEdge_ = panel::keepsLeftEdgeAt(frame, screen->available);
    panel_.setGeometry(
        panel::followedFrame(frame, settings_.panelSizeF(), keepsLeftEdge_, screen->available)
            .toRect());
    if (!isResizing())
        rememberTopLeft();
}

void PanelController::rememberTopLeft() {
    if (panel_.isVisible() && settings_.panelTopLeft())
        settings_.setPanelTopLeft(QPointF(panel_.position()));
}

void PanelController::beginMove(const QPointF& mouse) {
    moveStart_ = MoveStart{mouse, QPointF(panel_.position())};
}

void PanelController::moveDrag(const QPointF& mouse) {
    if (!moveStart_)
        return;
    panel_.setPosition(panel::movedTopLeft(moveStart_->mouse, moveStart_->topLeft, mouse,
                                           screenAreas(), panelScreen())
                           .toPoint());
}

void PanelController::endMove() {
    if (!moveStart_)
        return;
    moveStart_.reset();
    QRectF frame = panel_.geometry();
    if (const auto screen = panelScreen())
        frame = panel::clampedInto(frame, screen->available);
    panel_.setGeometry(frame.toRect());
    settings_.setPanelTopLeft(frame.topLeft());
}

void PanelController::resetPosition() {
    settings_.setPanelTopLeft(std::nullopt);
    if (!panel_.isVisible())
        return;
    panel_.setGeometry(panelFrame().toRect());
    showToast(qtTrId("mac.move.reset"));
}

void PanelController::toggleZoom() {
    settings_.setPanelSizeF(panel::zoomed(settings_.panelSizeF()));
}

} // namespace zelvane
