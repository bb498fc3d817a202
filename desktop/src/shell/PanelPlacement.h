// PanelPlacement: where the panel opens, and moving and resizing it by its edges and title
// strip; the QML singleton `PanelPlacement`.
#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

#include "LatestInstance.h"
#include "PanelGeometry.h"

class QQuickWindow;

namespace zelvane {

class DesktopSettings;

class PanelPlacement : public QObject, public LatestInstance<PanelPlacement> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(bool isResizing READ isResizing NOTIFY isResizingChanged)

  public:
    /// Where the tray icon is on screen; none when unknown.
    using TrayGeometry = std::function<std::optional<QRectF>()>;

    PanelPlacement(DesktopSettings& settings, QQuickWindow& panel, TrayGeometry trayGeometry,
                   QObject* parent = nullptr);

    bool isResizing() const { return resizeStart_.has_value(); }
    /// Where the panel opens now: its remembered place, else under the tray icon.
    QRectF panelFrame() const;

    /// `edge`: left, right, bottom, bottomLeft, bottomRight as 0…4. Points are screen points.
    Q_INVOKABLE void beginResize(int edge, const QPointF& mouse);
    Q_INVOKABLE void resizeDrag(const QPointF& mouse);
    Q_INVOKABLE void endResize();
    /// Hands the move to the window manager where it can take it (so that dragging works on
    /// Wayland too); elsewhere the panel follows the mouse itself.
    Q_INVOKABLE void beginMove(const QPointF& mouse);
    Q_INVOKABLE void moveDrag(const QPointF& mouse);
    Q_INVOKABLE void endMove();
    /// Forgets the remembered place; a shown panel goes back under the tray icon.
    Q_INVOKABLE void resetPosition();
    Q_INVOKABLE void toggleMaximize();

  signals:
    void isResizingChanged();
    /// A shown panel went back to where it opens by default.
    void positionReset();

  private:
    struct DragStart {
        QPointF mouse;
        QSizeF size;
        QPointF topLeft;
    };

    void followPanelSize();
    void rememberTopLeft();
    void storeTopLeft(const QPointF& topLeft);
    /// Whether the window's own idea of its place is true: a Wayland client never knows it.
    static bool knowsPosition();
    std::optional<panel::ScreenArea> panelScreen() const;

    DesktopSettings& settings_;
    QQuickWindow& panel_;
    TrayGeometry trayGeometry_;
    std::optional<DragStart> resizeStart_;
    panel::ResizeEdge resizeEdge_ = panel::ResizeEdge::right;
    bool keepsLeftEdge_ = true;
    std::optional<DragStart> moveStart_;
    /// The window manager moves the panel; its place is stored once it stops changing.
    bool systemMove_ = false;
    QTimer moveSettled_;
};

} // namespace zelvane
