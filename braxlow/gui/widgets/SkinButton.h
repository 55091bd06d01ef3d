// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>

// The program's push button: a rounded, lightly shaded face with a picture
// before its text, in the program's own look on every desktop theme. The picture
// comes from the program's pictures; `transparent` names the colour that does
// not show in a bitmap picture.
class SkinButton : public QPushButton
{
    Q_OBJECT

public:
    explicit SkinButton(QWidget* parent = nullptr);

    void SetBitmaps(int picture, const QColor& transparent = QColor(255, 255, 255));
    int Bitmap() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kPictureSide = 20;

    int picture_ = 0;
    QColor transparent_;
};

// Hands the program's buttons and pictures to Quarrin's windows; called once at
// start, before any of them opens.
void LendSkinToQuarrin();
