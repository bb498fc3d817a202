#include "PanelGeometry.h"

#include <algorithm>
#include <cmath>

namespace zelvane::panel {

QRectF clampedInto(const QRectF& frame, const QRectF& available) {
    const qreal x =
        std::min(std::max(frame.x(), available.left()), available.right() - frame.width());
    const qreal y =
        std::max(std::min(frame.y(), available.bottom() - frame.height()), available.top());
    return {QPointF(x, y), frame.size()};
}

std::optional<ScreenArea> screenNear(const QPointF& point, const std::vector<ScreenArea>& screens) {
    for (const auto& screen : screens)
        if (screen.frame.adjusted(-1, -1, 1, 1).contains(point))
            return screen;
    return std::nullopt;
}

std::optional<ScreenArea> screenAt(const QPointF& point, const std::vector<ScreenArea>& screens) {
    for (const auto& screen : screens)
        if (screen.frame.contains(point))
            return screen;
    return std::nullopt;
}

namespace {

QRectF anchoredFrame(const QSizeF& size, const std::optional<QRectF>& trayIcon,
                     const std::vector<ScreenArea>& screens) {
    std::optional<ScreenArea> iconScreen;
    if (trayIcon && trayIcon->isValid())
        iconScreen = screenAt(trayIcon->center(), screens);
    QRectF area = fallbackArea;
    if (iconScreen)
        area = iconScreen->available;
    else if (!screens.empty())
        area = screens.front().available;
    const qreal x0 = iconScreen ? trayIcon->center().x() - size.width() / 2
                                : area.right() - size.width() - unanchoredRightGap;
    const qreal x = std::min(std::max(x0, area.left() + anchoredSideGap),
                             area.right() - size.width() - anchoredSideGap);
    return {QPointF(x, area.top() + anchoredTopGap), size};
}

} // namespace

QRectF panelFrame(const QSizeF& size, const std::optional<QPointF>& rememberedTopLeft,
                  const std::optional<QRectF>& trayIcon, const std::vector<ScreenArea>& screens) {
    if (rememberedTopLeft)
        if (auto screen = screenNear(*rememberedTopLeft, screens))
            return clampedInto({*rememberedTopLeft, size}, screen->available);
    return anchoredFrame(size, trayIcon, screens);
}

QSizeF resizedSize(ResizeEdge edge, const QPointF& startMouse, const QSizeF& startSize,
                   const QPointF& mouse) {
    const QPointF delta = mouse - startMouse;
    qreal width = startSize.width();
    qreal height = startSize.height();
    if (edge == ResizeEdge::left || edge == ResizeEdge::bottomLeft)
        width -= delta.x();
    if (edge == ResizeEdge::right || edge == ResizeEdge::bottomRight)
        width += delta.x();
    if (edge != ResizeEdge::left && edge != ResizeEdge::right)
        height += delta.y();
    return {std::round(std::clamp(width, minimumSize.width(), maximumSize.width())),
            std::round(std::clamp(height, minimumSize.height(), maximumSize.height()))};
}

bool keepsLeftEdge(ResizeEdge edge) {
    return edge != ResizeEdge::left && edge != ResizeEdge::bottomLeft;
}

QPointF movedTopLeft(const QPointF& startMouse, const QPointF& startTopLeft, const QPointF& mouse,
                     const std::vector<ScreenArea>& screens,
                     const std::optional<ScreenArea>& ownScreen) {
    QPointF topLeft = startTopLeft + (mouse - startMouse);
    const auto screen = screenAt(mouse, screens);
    if (const auto& area = screen ? screen : ownScreen)
        topLeft.setY(std::max(topLeft.y(), area->available.top()));
    return topLeft;
}

bool keepsLeftEdgeAt(const QRectF& frame, const QRectF& available) {
    return frame.center().x() < available.center().x();
}

QRectF followedFrame(const QRectF& frame, const QSizeF& size, bool keepLeftEdge,
                     const QRectF& available) {
    const qreal x = keepLeftEdge ? frame.left() : frame.right() - size.width();
    return clampedInto({QPointF(x, frame.top()), size}, available);
}

QSizeF maximizeToggled(const QSizeF& size) {
    return size == largeSize ? mediumSize : largeSize;
}

} // namespace zelvane::panel
