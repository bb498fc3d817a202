// render_icon: writes an SVG as square PNGs of the given sizes, for the icon theme.
//   render_icon ICON.svg OUTPUT_DIR SIZE...   writes OUTPUT_DIR/SIZExSIZE/zelvane.png
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: render_icon ICON.svg OUTPUT_DIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int at = 3; at < argc; ++at) {
        const int size = std::atoi(argv[at]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1").arg(size);
        if (size <= 0 || !output.mkpath(folder) ||
            !image.save(output.filePath(folder + QStringLiteral("/zelvane.png")))) {
            std::fprintf(stderr, "render_icon: cannot write the %s px icon\n", argv[at]);
            return 1;
        }
    }
    return 0;
}
