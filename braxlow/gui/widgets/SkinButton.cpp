// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/SkinButton.h"

#include "QuarrinSkin.h"
#include "gui/widgets/SkinPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kAccent(0x1f, 0x6f, 0xd1);
const QColor kText(0x32, 0x3a, 0x45);

} // namespace

SkinButton::SkinButton(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void SkinButton::SetBitmaps(int picture, const QColor& transparent)
{
    picture_ = picture;
    transparent_ = transparent;
    updateGeometry();
    update();
}

QSize SkinButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    const int pictureWidth = picture_ ? kPictureSide + (text().isEmpty() ? 0 : 6) : 0;
    return QSize(std::max(88, textWidth + pictureWidth + 28), std::max(32, metrics.height() + 14));
}

QSize SkinButton::minimumSizeHint() const
{
    return sizeHint();
}

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    const bool hover = enabled && underMouse() && !down;

    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    if (!enabled) {
        fill.setColorAt(0, QColor(0xf4, 0xf6, 0xf9));
        fill.setColorAt(1, QColor(0xf4, 0xf6, 0xf9));
    } else if (down) {
        fill.setColorAt(0, QColor(0xd5, 0xe2, 0xf3));
        fill.setColorAt(1, QColor(0xe4, 0xed, 0xf8));
    } else if (hover) {
        fill.setColorAt(0, QColor(0xf7, 0xfa, 0xff));
        fill.setColorAt(1, QColor(0xe3, 0xee, 0xfb));
    } else {
        fill.setColorAt(0, QColor(0xff, 0xff, 0xff));
        fill.setColorAt(1, QColor(0xec, 0xf0, 0xf5));
    }
    QColor border = enabled ? QColor(0xb4, 0xbf, 0xcc) : QColor(0xd5, 0xdb, 0xe2);
    if (enabled && (hover || down || isDefault()))
        border = kAccent;
    painter.setPen(QPen(border, isDefault() && enabled ? 1.6 : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 5, 5);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 110), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), 3.5, 3.5);
    }

    // The picture and the text, centred together, in the reading direction.
    const QFontMetrics metrics(font());
    const QString label = text();
    const int textWidth = metrics.horizontalAdvance(QString(label).remove(QLatin1Char('&')));
    const int gap = picture_ && !label.isEmpty() ? 6 : 0;
    const int pictureWidth = picture_ ? kPictureSide : 0;
    const int total = pictureWidth + gap + textWidth;
    const int shift = down ? 1 : 0;
    int x = (width() - total) / 2 + shift;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRect pictureRect(rtl ? x + textWidth + gap : x, (height() - kPictureSide) / 2 + shift, kPictureSide,
                            kPictureSide);
    const QRect textRect(rtl ? x : x + pictureWidth + gap, shift, textWidth + 1, height());
    if (picture_) {
        const QPixmap pixmap = Skin::Picture(picture_, pictureRect.size(), devicePixelRatioF(), transparent_);
        painter.setOpacity(enabled ? 1.0 : 0.4);
        painter.drawPixmap(pictureRect.topLeft(), pixmap);
        painter.setOpacity(1.0);
    }
    painter.setPen(enabled ? kText : QColor(0x9a, 0xa3, 0xae));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, label);
}

void LendSkinToQuarrin()
{
    Quarrin::SetButtonFactory(
        [](QWidget* parent, int picture, const QColor& transparent) -> QPushButton* {
            auto* button = new SkinButton(parent);
            button->SetBitmaps(picture, transparent);
            return button;
        },
        [](QPushButton* button, int picture, const QColor& transparent) {
            if (auto* skinned = qobject_cast<SkinButton*>(button))
                skinned->SetBitmaps(picture, transparent);
        });
    Quarrin::SetIconSource([](int picture) { return Skin::Icon(picture); });
}
