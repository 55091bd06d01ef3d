// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the window tests' screenshots() functions, which scripts/screenshots runs
// on a virtual display: where the pictures go, in which language, and the shot.

#include "core/settings/AppSettings.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageTable.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

namespace Screenshots {

// The folder named by BRAXLOW_SCREENSHOTS; empty: take none.
inline QString Folder()
{
    return qEnvironmentVariable("BRAXLOW_SCREENSHOTS");
}

// Switches to BRAXLOW_SCREENSHOT_LANGUAGE, if one is named, with the windows'
// reading direction as the program sets it; false when its table is missing.
inline bool UseLanguage(AppSettings& settings)
{
    const QString language = qEnvironmentVariable("BRAXLOW_SCREENSHOT_LANGUAGE");
    if (language.isEmpty())
        return true;
    RecordingPrompter silent;
    QGuiApplication::setLayoutDirection(LanguageTable::IsRightToLeft(language) ? Qt::RightToLeft
                                                                               : Qt::LeftToRight);
    return LanguageLoader(settings, silent).SwitchLanguage(language);
}

// The screen around `window` (with what lies over it: tooltips, menus), with
// `extra` more pixels to the right and below.
inline bool Shoot(const QString& file, QWidget* window, int extra = 0)
{
    QTest::qWait(200);
    const QRect area = window->frameGeometry().adjusted(-8, -8, 8 + extra, 8 + extra);
    return window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

} // namespace Screenshots
