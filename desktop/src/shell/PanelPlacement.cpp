#include "PanelPlacement.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QScreen>

#include <algorithm>

#include "DesktopSettings.h"

namespace zelvane {

namespace {

/// A window manager's move ends with the button's release, which the panel may never see; the
/// place counts as final once it has not changed for this long.
constexpr int moveSettleMilliseconds = 400;

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

} // namespace

PanelPlacement::PanelPlacement(DesktopSettings& settings, QQuickWindow& panel,
                               TrayGeometry trayGeometry, QObject* parent)
    : QObject(parent), LatestInstance(this), settings_(settings), panel_(panel),
      trayGeometry_(std::move(trayGeometry)) {
    connect(&settings_, &DesktopSettings::panelSizeChanged, this, &PanelPlacement::followPanelSize);
    moveSettled_.setSingleShot(true);
    moveSettled_.setInterval(moveSettleMilliseconds);
    connect(&moveSettled_, &QTimer::timeout, this, [this] {
        systemMove_ = false;
        storeTopLeft(QPointF(panel_.position()));
    });
    auto moved = [this] {
        if (systemMove_)
            moveSettled_.start();
    };
    connect(&panel_, &QWindow::xChanged, this, moved);
    connect(&panel_, &QWindow::yChanged, this, moved);
}

bool PanelPlacement::knowsPosition() {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

void PanelPlacement::storeTopLeft(const QPointF& topLeft) {
    if (knowsPosition())
        settings_.setPanelTopLeft(topLeft);
}

QRectF PanelPlacement::panelFrame() const {
    return panel::panelFrame(settings_.panelSizeF(), settings_.panelTopLeft(), trayGeometry_(),
                             screenAreas());
}

std::optional<panel::ScreenArea> PanelPlacement::panelScreen() const {
    const QScreen* screen = panel_.screen();
    if (!screen)
        return std::nullopt;
    return panel::ScreenArea{screen->geometry(), screen->availableGeometry()};
}

void PanelPlacement::beginResize(int edge, const QPointF& mouse) {
    resizeEdge_ = static_cast<panel::ResizeEdge>(
        std::clamp(edge, 0, static_cast<int>(panel::ResizeEdge::bottomRight)));
    keepsLeftEdge_ = panel::keepsLeftEdge(resizeEdge_);
    const bool wasResizing = isResizing();
    resizeStart_ = DragStart{mouse, settings_.panelSizeF(), {}};
    if (!wasResizing)
        emit isResizingChanged();
}

void PanelPlacement::resizeDrag(const QPointF& mouse) {
    if (!resizeStart_)
        return;
    const QSizeF size =
        panel::resizedSize(resizeEdge_, resizeStart_->mouse, resizeStart_->size, mouse);
    if (size != settings_.panelSizeF())
        settings_.setPanelSizeF(size);
}

void PanelPlacement::endResize() {
    if (!resizeStart_)
        return;
    resizeStart_.reset();
    emit isResizingChanged();
    rememberTopLeft();
}

void PanelPlacement::followPanelSize() {
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

void PanelPlacement::rememberTopLeft() {
    if (panel_.isVisible() && settings_.panelTopLeft())
        storeTopLeft(QPointF(panel_.position()));
}

void PanelPlacement::beginMove(const QPointF& mouse) {
    if (panel_.startSystemMove()) {
        systemMove_ = true;
        return;
    }
    moveStart_ = DragStart{mouse, {}, QPointF(panel_.position())};
}

void PanelPlacement::moveDrag(const QPointF& mouse) {
    if (!moveStart_)
        return;
    panel_.setPosition(panel::movedTopLeft(moveStart_->mouse, moveStart_->topLeft, mouse,
                                           screenAreas(), panelScreen())
                           .toPoint());
}

void PanelPlacement::endMove() {
    // A click on the strip that moved nothing leaves the place as it was.
    if (systemMove_ && !moveSettled_.isActive())
        systemMove_ = false;
    if (!moveStart_)
        return;
    moveStart_.reset();
    QRectF frame = panel_.geometry();
    if (const auto screen = panelScreen())
        frame = panel::clampedInto(frame, screen->available);
    panel_.setGeometry(frame.toRect());
    storeTopLeft(frame.topLeft());
}

void PanelPlacement::resetPosition() {
    settings_.setPanelTopLeft(std::nullopt);
    if (!panel_.isVisible())
        return;
    panel_.setGeometry(panelFrame().toRect());
    emit positionReset();
}

void PanelPlacement::toggleMaximize() {
    settings_.setPanelSizeF(panel::maximizeToggled(settings_.panelSizeF()));
}

} // namespace zelvane
