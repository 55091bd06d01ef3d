// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// A text laid out in a box of fixed size: wrapped at word boundaries, and the
// last line that fits cut with an ellipsis when the rest would not.
struct FittedText
{
    QString text;     // the lines to draw, separated by '\n'
    bool cut = false; // some of the text is not shown
};

FittedText FitText(const QString& text, const QFont& font, const QSize& box);
