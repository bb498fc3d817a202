// PanelGeometry: where the panel goes on the screens and how drags change its size and place.
// Screen coordinates with the origin at the top-left and y growing downwards; a frame's top edge
// is its y.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace zelvane::panel {

/// The edge or corner a resize drag started on.
enum class ResizeEdge { left, right, bottom, bottomLeft, bottomRight };

/// One screen: its whole frame and the part free of panels and docks.
struct ScreenArea {
    QRectF frame;
    QRectF available;
};

inline constexpr QSizeF minimumSize{364, 382};
inline constexpr QSizeF maximumSize{760, 560};
inline constexpr QSizeF largeSize{760, 560};
inline constexpr QSizeF mediumSize{560, 420};
/// Used when no screen is known at all.
inline constexpr QRectF fallbackArea{0, 0, 1440, 900};
/// Gaps to the edges of the available area when the panel is anchored.
inline constexpr qreal anchoredTopGap = 6;
inline constexpr qreal anchoredSideGap = 8;
inline constexpr qreal unanchoredRightGap = 12;

/// `frame` moved (not resized) into `available`: its top never above the top, its left never
/// left of the left edge; a panel larger than the area keeps its top and right edge inside.
QRectF clampedInto(const QRectF& frame, const QRectF& available);

/// The first screen whose frame, grown by one point on every side, contains `point`.
std::optional<ScreenArea> screenNear(const QPointF& point, const std::vector<ScreenArea>& screens);
/// The first screen whose frame contains `point`.
std::optional<ScreenArea> screenAt(const QPointF& point, const std::vector<ScreenArea>& screens);

/// Where the panel of `size` opens. A remembered top-left on a connected screen wins (clamped
/// into that screen). Otherwise the panel sits 6 points below the top of the available area:
/// centred under the tray icon when its geometry is known and on a screen, else 12 points in
/// from the right of the primary screen (the first of `screens`); 8 points from either side
/// at least.
QRectF panelFrame(const QSizeF& size, const std::optional<QPointF>& rememberedTopLeft,
                  const std::optional<QRectF>& trayIcon, const std::vector<ScreenArea>& screens);

/// The size a resize drag from `startMouse` at `startSize` has reached at `mouse`, clamped to
/// 364…760 × 382…560 and rounded to whole points. Dragging down makes the panel taller.
QSizeF resizedSize(ResizeEdge edge, const QPointF& startMouse, const QSizeF& startSize,
                   const QPointF& mouse);
/// Whether a drag on `edge` keeps the left edge in place (false: the right edge stays).
bool keepsLeftEdge(ResizeEdge edge);

/// Where a move drag puts the panel's top-left: it follows the mouse, but its top never rises
/// above the available area of the screen under the mouse (else `ownScreen`'s).
QPointF movedTopLeft(const QPointF& startMouse, const QPointF& startTopLeft, const QPointF& mouse,
                     const std::vector<ScreenArea>& screens,
                     const std::optional<ScreenArea>& ownScreen);

/// Whether a size change of `frame` keeps its left edge: true for a panel on the left half.
bool keepsLeftEdgeAt(const QRectF& frame, const QRectF& available);
/// `frame` given `size`: the top edge stays, and the left or the right edge; then clamped.
QRectF followedFrame(const QRectF& frame, const QSizeF& size, bool keepLeftEdge,
                     const QRectF& available);

/// Large becomes medium; any other size becomes large.
QSizeF maximizeToggled(const QSizeF& size);

} // namespace zelvane::panel
