// Renders an SVG icon to a square PNG of a given size, for the icon theme
// sizes the install step ships. Runs at build time; no window is needed.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Usage: vormante-icon-render SVG PNG SIZE\n");
        return 2;
    }
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
        std::fprintf(stderr, "vormante-icon-render: SIZE must be a whole number from 1 to 1024\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "vormante-icon-render: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "vormante-icon-render: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
