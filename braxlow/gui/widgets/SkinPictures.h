// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures, by number (":/pictures/<number>.svg", or .png where a
// bitmap is the point), drawn for the device pixel ratio they are shown at.
namespace Skin {

// `number` rendered to `size` logical pixels at `devicePixelRatio`; a null
// pixmap when the program has no such picture. In a bitmap picture, pixels of
// `transparent` become transparent; drawn pictures carry their own.
QPixmap Picture(int number, QSize size, qreal devicePixelRatio,
                const QColor& transparent = QColor());
// The natural size of a picture in logical pixels; empty when there is none.
QSize PictureSize(int number);
// A window or list icon of `number`, sharp at every common size.
QIcon Icon(int number);

// A font as the windows ask for one: a face, a cell height in pixels (negative: a
// character height) and a weight from 100 to 900. The faces of the other platform
// map to their look-alikes here.
QFont Font(const QString& face, int height, int weight);

} // namespace Skin
