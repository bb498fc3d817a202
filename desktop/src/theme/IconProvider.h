// IconProvider: the shipped SVG icons as images for QML, tinted and sized on request.
#pragma once

#include <QIcon>
#include <QQuickImageProvider>

namespace zelvane {

/// Serves "image://zelvane-icon/<name>" and "image://zelvane-icon/<name>/<rrggbb>": the icon of
/// that name (see `IconAssets`), its ink replaced by the colour when one is given, rendered at
/// the requested size (the icon's own size, 24 × 24 for symbols, when none). An unknown name gives
/// a null image.
class IconProvider : public QQuickImageProvider {
  public:
    static constexpr const char* id = "zelvane-icon";

    IconProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

    /// The resource path of the file behind `name`; empty for an unknown name.
    static QString resourcePath(const QString& name);
    /// The SVG text of the icon with its ink replaced by `colour` (unchanged when invalid or
    /// when the icon keeps its own colours); empty for an unknown name.
    static QByteArray svg(const QString& name, const QColor& colour);
    /// The tray icon, in its own colours, which read on light and dark panels alike.
    static QIcon trayIcon();
};

} // namespace zelvane
