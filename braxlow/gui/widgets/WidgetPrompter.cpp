// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>
#include <QUrl>


Prompter::Answer WidgetPrompter::Show(const QString& text, const QString& caption,
                                      Buttons buttons, Icon icon)
{
    // Over the window that asks, so it is centred there and keeps it blocked.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                       : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setText(text);
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral("Braxlow") : caption);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

bool DesktopDocumentOpener::Open(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Prompter::Answer ConsolePrompter::Show(const QString& text, const QString& caption,
                                       Buttons buttons, Icon)
{
    QTextStream(stderr) << (caption.isEmpty() ? QStringLiteral("Braxlow") : caption) << ": "
                        << text << '\n';
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}
