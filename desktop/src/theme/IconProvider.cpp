#include "IconProvider.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "IconAssets.h"

namespace zelvane {

namespace {

const QString resourceFolder = QStringLiteral(":/Zelvane/assets/icons/");

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The requested size when both sides are given; with one side, the other follows the icon's
// proportions; with none, the icon's own size.
QSize drawnSize(const QSize& natural, const QSize& requested) {
    if (requested.width() > 0 && requested.height() > 0)
        return natural.scaled(requested, Qt::KeepAspectRatio);
    if (requested.width() > 0)
        return {requested.width(), requested.width() * natural.height() / natural.width()};
    if (requested.height() > 0)
        return {requested.height() * natural.width() / natural.height(), requested.height()};
    return natural;
}

} // namespace

IconProvider::IconProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QString IconProvider::resourcePath(const QString& name) {
    auto file = IconAssets::file(name.toStdString());
    return file ? resourceFolder + toQString(*file) + QStringLiteral(".svg") : QString();
}

QByteArray IconProvider::svg(const QString& name, const QColor& colour) {
    QFile file(resourcePath(name));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    auto text = file.readAll();
    if (colour.isValid() && IconAssets::isTintable(name.toStdString()))
        text.replace(QByteArray(IconAssets::ink.data(), IconAssets::ink.size()),
                     colour.name(QColor::HexRgb).toLatin1());
    return text;
}

QImage IconProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
    auto slash = id.lastIndexOf(u'/');
    auto name = slash < 0 ? id : id.left(slash);
    auto colour = slash < 0 ? QColor() : QColor(u'#' + id.mid(slash + 1));
    QSvgRenderer renderer(svg(name, colour));
    if (!renderer.isValid())
        return {};
    auto drawn = drawnSize(renderer.defaultSize(), requestedSize);
    QImage image(drawn, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    if (size)
        *size = drawn;
    return image;
}

QIcon IconProvider::trayIcon() {
    return QIcon(resourcePath(QStringLiteral("TrayIcon")));
}

} // namespace zelvane
