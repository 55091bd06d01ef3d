// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WidgetPrompter.h"

#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStyle>
#include <QTextStream>
#include <QTimer>
#include <QUrl>


Prompter::Icon WidgetPrompter::IconFor(Buttons buttons, Icon icon)
{
    if (icon != Icon::None)
        return icon;
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Icon::Question : Icon::Warning;
}

Prompter::Answer WidgetPrompter::Show(const QString& text, const QString& caption,
                                      Buttons buttons, Icon icon)
{
    return Run(text, caption, buttons, icon, QString());
}

Prompter::Answer WidgetPrompter::ShowFailure(const QString& text, const QString& caption, const QString& details)
{
    return Run(text, caption, Buttons::Ok, Icon::None, details);
}

Prompter::Answer WidgetPrompter::Run(const QString& text, const QString& caption, Buttons buttons, Icon icon,
                                     const QString& details)
{
    // Over the window that asks, so it is centred there and keeps it blocked.
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                       : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setText(text);
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral("Braxlow") : caption);
    // The theme's picture for the kind, the style's where the theme has none.
    struct Kind
    {
        const char* themeName;
        QStyle::StandardPixmap standard;
    };
    static const Kind kinds[] = {{"dialog-information", QStyle::SP_MessageBoxInformation},
                                 {"dialog-question", QStyle::SP_MessageBoxQuestion},
                                 {"dialog-warning", QStyle::SP_MessageBoxWarning},
                                 {"dialog-error", QStyle::SP_MessageBoxCritical}};
    const Icon shown = IconFor(buttons, icon);
    const Kind& kind = kinds[shown == Icon::Information ? 0 : shown == Icon::Question ? 1 : shown == Icon::Warning ? 2 : 3];
    const int extent = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(QIcon::fromTheme(QLatin1String(kind.themeName), box.style()->standardIcon(kind.standard, nullptr, &box))
                          .pixmap(QSize(extent, extent), box.devicePixelRatioF()));
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
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    const QTranslator* language = language_ ? language_() : nullptr;
    const struct
    {
        QMessageBox::StandardButton button;
        int text;
    } labels[] = {{QMessageBox::Ok, Str::Ok}, {QMessageBox::Cancel, Str::Cancel},
                  {QMessageBox::Yes, Str::Yes}, {QMessageBox::No, Str::No}};
    for (const auto& label : labels) {
        QAbstractButton* button = box.button(label.button);
        if (button == nullptr)
            continue;
        // Words, not the style's glyphs beside them.
        button->setIcon(QIcon());
        const QString word = language != nullptr ? LoadLanguageString(language, label.text) : QString();
        if (!word.isEmpty())
            button->setText(word);
    }
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        // The box's own button toggles the details in place; it says so in
        // the user's language, whatever Qt's translations say.
        const QString word = language != nullptr ? LoadLanguageString(language, Str::Details) : QString();
        if (!word.isEmpty()) {
            QTimer::singleShot(0, &box, [&box, word] {
                auto* row = box.findChild<QDialogButtonBox*>();
                if (row == nullptr)
                    return;
                for (QAbstractButton* button : row->buttons()) {
                    if (row->buttonRole(button) != QDialogButtonBox::ActionRole)
                        continue;
                    button->setText(word);
                    QObject::connect(button, &QAbstractButton::clicked, button,
                                     [button, word] { button->setText(word); }, Qt::QueuedConnection);
                }
            });
        }
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No : Answer::Cancel;
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
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::Yes : Answer::Ok;
}
