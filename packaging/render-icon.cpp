// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-render-icon: draws the product's SVG icon into a square PNG, for the
// fixed sizes of the icon theme that menus and task bars look up first.
//
//   braxlow-render-icon ICON.svg SIZE OUT.png
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: braxlow-render-icon ICON.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    bool ok = false;
    const int size = QByteArray(argv[2]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
        std::fprintf(stderr, "braxlow-render-icon: not a size from 1 to 1024: %s\n", argv[2]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "braxlow-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        // A drawing that is not square keeps its proportions, centred.
        const QSizeF drawing = svg.viewBoxF().size().isEmpty() ? QSizeF(svg.defaultSize()) : svg.viewBoxF().size();
        const QSizeF fitted = drawing.scaled(size, size, Qt::KeepAspectRatio);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(QPointF((size - fitted.width()) / 2, (size - fitted.height()) / 2), fitted));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "braxlow-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
