// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/SkinPictures.h"

#include <QBitmap>
#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
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

// Renders an icon's picture only at the sizes that are asked for, when they
// are: a window icon or a tray icon needs one or two of them.
class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(int number) : number_(number) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, Render(rect.size(), ratio, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Render(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Render(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {20, 20}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine* clone() const override { return new PictureIconEngine(number_); }
    QString key() const override { return QStringLiteral("braxlow-picture"); }

private:
    QPixmap Render(const QSize& size, qreal ratio, QIcon::Mode mode, QIcon::State)
    {
        QPixmap pixmap = Picture(number_, size, ratio);
        if (mode != QIcon::Disabled || pixmap.isNull())
            return pixmap;
        QImage faded = pixmap.toImage();
        QPainter painter(&faded);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(faded.rect(), QColor(0, 0, 0, 110));
        painter.end();
        QPixmap result = QPixmap::fromImage(faded);
        result.setDevicePixelRatio(ratio);
        return result;
    }

    int number_;
};

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
    // Windows repaint their faces often; a picture is rendered once per size.
    const QString cacheKey = QStringLiteral("skin/%1/%2x%3/%4/%5")
                                 .arg(number)
                                 .arg(device.width())
                                 .arg(device.height())
                                 .arg(devicePixelRatio)
                                 .arg(transparent.isValid() ? transparent.rgba() : 0u);
    QPixmap cached;
    if (QPixmapCache::find(cacheKey, &cached))
        return cached;
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
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QIcon Icon(int number)
{
    if (!QFile::exists(PathOf(number, "svg")) && !QFile::exists(PathOf(number, "png")))
        return QIcon();
    return QIcon(new PictureIconEngine(number));
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
