// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuarrinSkin.h"

#include <QPushButton>

namespace {
// Set once at start on the UI thread, before any window of the library opens.
Quarrin::ButtonFactory g_create;
Quarrin::ButtonPictureSetter g_setPicture;
Quarrin::IconSource g_icons;
} // namespace

namespace Quarrin {

void SetButtonFactory(ButtonFactory create, ButtonPictureSetter setPicture)
{
    g_create = std::move(create);
    g_setPicture = std::move(setPicture);
}

void SetIconSource(IconSource icons)
{
    g_icons = std::move(icons);
}

QPushButton* CreateButton(QWidget* parent, int picture, const QColor& transparent)
{
    if (g_create)
        return g_create(parent, picture, transparent);
    return new QPushButton(parent);
}

void SetButtonPicture(QPushButton* button, int picture, const QColor& transparent)
{
    if (g_setPicture)
        g_setPicture(button, picture, transparent);
}

QIcon Icon(int picture)
{
    return g_icons ? g_icons(picture) : QIcon();
}

} // namespace Quarrin
