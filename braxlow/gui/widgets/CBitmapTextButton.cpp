// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/CBitmapTextButton.h"

#include "gui/widgets/SkinPictures.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

CBitmapTextButton::CBitmapTextButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    // The held picture follows the button's own down state, so the keyboard's
    // Space shows it as the mouse does, and a press dragged off the button lets
    // go of it.
    connect(this, &QAbstractButton::pressed, this, [this] { ShowBitmap(pressed_ ? pressed_ : normal_); });
    connect(this, &QAbstractButton::released, this, [this] { ShowBitmap(normal_); });
}

void CBitmapTextButton::SetBitmaps(int normal, int pressed)
{
    normal_ = normal;
    pressed_ = pressed;
    ShowBitmap(normal);
}

void CBitmapTextButton::SetLabel(int x, int y, const QString& text, const QColor& color)
{
    labelX_ = x;
    labelY_ = y;
    textColor_ = color;
    label_ = text;
    // Drawn as it stands: the label is a text, not a mnemonic.
    setText(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")));
    setAccessibleName(text);
    update();
}

void CBitmapTextButton::ShowBitmap(int number)
{
    if (current_ == number)
        return;
    current_ = number;
    update();
}

QSize CBitmapTextButton::sizeHint() const
{
    const QSize picture = Skin::PictureSize(normal_);
    return picture.isEmpty() ? QSize(80, 24) : picture;
}

void CBitmapTextButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (cachedNumber_ != current_ || cached_.deviceIndependentSize().toSize() != size()
        || !qFuzzyCompare(cached_.devicePixelRatio(), ratio)) {
        cached_ = Skin::Picture(current_, size(), ratio);
        cachedNumber_ = current_;
    }
    // A button that cannot act is faded as a whole, its face too: the label
    // alone would hardly show it.
    if (!isEnabled())
        painter.setOpacity(0.45);
    if (!cached_.isNull())
        painter.drawPixmap(0, 0, cached_);
    if (underMouse() && isEnabled() && !isDown())
        painter.fillRect(rect(), QColor(255, 255, 255, 22));

    if (!label_.isEmpty()) {
        // The faces keep their right end for a glyph; a long label (another
        // language's) gets a smaller font rather than running over it.
        const int room = width() - labelX_ - (width() >= 80 ? 28 : 0);
        QFont font = Skin::Font(QStringLiteral("MS Sans Serif"), 15, 700);
        while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(label_) > room)
            font.setPixelSize(font.pixelSize() - 1);
        painter.setFont(font);
        painter.setPen(textColor_);
        const QString shown = QFontMetrics(font).elidedText(label_, Qt::ElideRight, room);
        painter.drawText(QRect(labelX_, labelY_, width() - labelX_, height() - labelY_),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
    }
    if (hasFocus()) {
        QPen pen(QColor(255, 255, 255, 170), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
}
