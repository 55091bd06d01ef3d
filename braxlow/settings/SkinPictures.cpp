// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinPictures.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

static void LoadPictureResources()
{
    // The pictures live in a static library; without this its resources would be
    // dropped by the linker.
    Q_INIT_RESOURCE(pictures);
}

namespace Skin {

namespace {

QString PathOf(int number, const char* suffix)
{
    static const bool loaded = (LoadPictureResources(), true);
    Q_UNUSED(loaded);
    return QStringLiteral(":/pictures/%1.%2").arg(number).arg(QLatin1String(suffix));
}

} // namespace

QSize PictureSize(int number)
{
    QSvgRenderer svg(PathOf(number, "svg"));
    if (svg.isValid())
        return svg.defaultSize();
    return QImage(PathOf(number, "png")).size();
}

QPixmap Picture(int number, QSize size, qreal devicePixelRatio, const QColor& transparent)
{
    if (size.isEmpty())
        return QPixmap();
    const QSize device(int(std::ceil(size.width() * devicePixelRatio)),
                       int(std::ceil(size.height() * devicePixelRatio)));
    QSvgRenderer svg(PathOf(number, "svg"));
    QImage image;
    if (svg.isValid()) {
        image = QImage(device, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    } else {
        QImage bitmap(PathOf(number, "png"));
        if (bitmap.isNull())
            return QPixmap();
        if (transparent.isValid() && !bitmap.hasAlphaChannel()) {
            bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = transparent.rgb();
            for (int y = 0; y < bitmap.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
                for (int x = 0; x < bitmap.width(); ++x) {
                    if ((line[x] & 0xffffff) == (key & 0xffffff))
                        line[x] = 0;
                }
            }
        }
        image = bitmap.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon Icon(int number)
{
    QIcon icon;
    for (int side : {16, 20, 24, 32, 48, 64, 128, 256}) {
        const QPixmap pixmap = Picture(number, QSize(side, side), 1.0);
        if (pixmap.isNull())
            break;
        icon.addPixmap(pixmap);
    }
    return icon;
}

QFont Font(const QString& face, int height, int weight)
{
    QFont font;
    // Arial's metric twin keeps the spacing the layouts were made for; the old
    // bitmap faces become the desktop's sans serif.
    if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    // A cell height includes the leading of a typical sans face (about 15%).
    font.setPixelSize(height > 0 ? std::max(1, int(std::lround(height / 1.15))) : std::max(1, -height));
    font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace Skin
