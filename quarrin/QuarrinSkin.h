// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QColor>
#include <QIcon>

#include <functional>

class QPushButton;
class QWidget;

// The program's look, lent to the library's windows. The pictures and the
// skinned button live in the program, which the library must not link; the
// program hands them over at start. Until it does, the windows use plain push
// buttons and no icons.
namespace Quarrin {

// A push button showing picture `picture`, in which `transparent` does not show.
using ButtonFactory =
    std::function<QPushButton*(QWidget* parent, int picture, const QColor& transparent)>;
// Gives a button made by the factory another picture.
using ButtonPictureSetter =
    std::function<void(QPushButton* button, int picture, const QColor& transparent)>;
using IconSource = std::function<QIcon(int picture)>;

QUARRIN_EXPORT void SetButtonFactory(ButtonFactory create, ButtonPictureSetter setPicture);
QUARRIN_EXPORT void SetIconSource(IconSource icons);

QUARRIN_EXPORT QPushButton* CreateButton(QWidget* parent, int picture,
                                         const QColor& transparent = QColor(255, 255, 255));
QUARRIN_EXPORT void SetButtonPicture(QPushButton* button, int picture,
                                     const QColor& transparent = QColor(255, 255, 255));
QUARRIN_EXPORT QIcon Icon(int picture);

} // namespace Quarrin
