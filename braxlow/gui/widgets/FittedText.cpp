// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/FittedText.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>

FittedText FitText(const QString& text, const QFont& font, const QSize& box)
{
    FittedText fitted;
    const QFontMetrics metrics(font);
    const int lines = std::max(1, box.height() / std::max(1, metrics.lineSpacing()));
    QString laid = text;
    laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laid, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList out;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(box.width());
        if (int(out.size()) == lines - 1) {
            // The last line there is room for takes the rest, cut to fit.
            const QString rest = laid.mid(line.textStart()).replace(QChar::LineSeparator, QLatin1Char(' ')).trimmed();
            const QString shown = metrics.elidedText(rest, Qt::ElideRight, box.width());
            fitted.cut = shown != rest;
            out << shown;
            break;
        }
        out << laid.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
    }
    layout.endLayout();
    fitted.text = out.join(QLatin1Char('\n'));
    return fitted;
}
