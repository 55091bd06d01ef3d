// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// A button drawn as one picture stretched over the whole of it, with an optional
// label drawn on top without a background; while it is held down it shows its
// pressed picture. It stays a real button: it takes the keyboard focus, clicks
// on Space, and its label is its accessible name.
class CBitmapTextButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CBitmapTextButton(QWidget* parent = nullptr);

    // The normal (and current) picture and the one shown while held; 0 as the
    // pressed picture keeps the normal one.
    void SetBitmaps(int normal, int pressed);
    // The label's top-left corner in the button, its text and its colour.
    void SetLabel(int x, int y, const QString& text, const QColor& color);

    int CurrentBitmap() const { return current_; }
    int NormalBitmap() const { return normal_; }
    int PressedBitmap() const { return pressed_; }
    QPoint LabelPosition() const { return QPoint(labelX_, labelY_); }
    QColor TextColor() const { return textColor_; }
    QString Label() const { return label_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowBitmap(int number);

    QString label_;
    QColor textColor_ = Qt::white;
    int labelX_ = 0;
    int labelY_ = 0;
    int normal_ = 0;
    int pressed_ = 0;
    int current_ = 0;
    // The current picture at the size and pixel ratio it was last drawn at.
    QPixmap cached_;
    int cachedNumber_ = 0;
};
