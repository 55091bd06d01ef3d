// SPDX-License-Identifier: GPL-3.0-or-later
#include "BraxlowApp.h"
#include "CRasDialer.h"
#include "CEntryListDlg.h"
#include "LanguageTable.h"
#include "LanguageStrings.h"
#include "SkinButton.h"
#include "StringIds.h"
#include "WidgetPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// What the start-up has established, until the main window takes its place.
void ShowStartupSummary(BraxlowApp& app)
{
    AppSettings& s = app.Settings();
    QDialog dialog;
    dialog.setWindowTitle(app.ProductDisplayName());
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Version:"), new QLabel(app.CurrentVersionText()));
    form->addRow(QStringLiteral("Language:"), new QLabel(s.Language()));
    form->addRow(QStringLiteral("Cable port:"),
                 new QLabel(s.Port() ? QStringLiteral("COM%1").arg(s.Port())
                                     : QStringLiteral("none")));
    form->addRow(QStringLiteral("Infrared port:"),
                 new QLabel(s.IrPort() ? QStringLiteral("COM%1").arg(s.IrPort())
                                       : QStringLiteral("none")));
    form->addRow(QStringLiteral("Speed:"), new QLabel(s.Speed()));
    form->addRow(QStringLiteral("Settings:"), new QLabel(s.Store().FilePath()));
    const ConnectInfo current = s.LoadConnectInfo();
    form->addRow(QStringLiteral("Current entry:"),
                 new QLabel(current.ConnectName.isEmpty() ? QStringLiteral("none")
                                                          : current.ConnectName));
    form->addRow(QStringLiteral("Status:"),
                 new QLabel(LoadLanguageString(s.LanguageModule(), Str::StatusReady)));
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    // Until the main window exists, the entry list (with the option menu: phone setup,
    // update check, speed, language, help) opens from here.
    QPushButton* entries = buttons->addButton(
        LoadLanguageString(s.LanguageModule(), Str::EntryListTitle), QDialogButtonBox::ActionRole);
    QObject::connect(entries, &QPushButton::clicked, &dialog, [&dialog, &app, &s, current = form] {
        // The phone book lies beside the program until the main window owns the dialer.
        CRasDialer dialer(s.ProgramDirectory() + QStringLiteral("braxlow.pbk"), &s);
        DesktopDocumentOpener help;
        CEntryListDlg list(CEntryListDlg::Services{app, dialer, help, QString(), QString()}, &dialog);
        list.exec();
        const QString name = s.LoadConnectInfo().ConnectName;
        if (auto* label = qobject_cast<QLabel*>(current->itemAt(6, QFormLayout::FieldRole)->widget()))
            label->setText(name.isEmpty() ? QStringLiteral("none") : name);
    });
    buttons->button(QDialogButtonBox::Close)
        ->setText(LoadLanguageString(s.LanguageModule(), Str::Close));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Braxlow"));
    QApplication::setOrganizationName(QStringLiteral("KORVANE"));

    const QStringList args = QApplication::arguments();
    // Used by the smoke test: run the start-up, then leave.
    const bool quitAfterStartup = args.contains(QStringLiteral("--quit-after-startup"));

    LendSkinToQuarrin();

    WidgetPrompter widgetPrompter;
    ConsolePrompter consolePrompter;
    Prompter& prompter = quitAfterStartup ? static_cast<Prompter&>(consolePrompter)
                                          : static_cast<Prompter&>(widgetPrompter);
    BraxlowApp::Options options;
    options.programFilePath = QApplication::applicationFilePath();
    BraxlowApp app(options, prompter);
    // Only the first argument counts, as the desktop shortcuts write it.
    const QString argument = args.size() > 1 && !args.at(1).startsWith(QLatin1String("--"))
                                 ? args.at(1)
                                 : QString();
    if (!app.Startup(argument))
        return 0;
    if (quitAfterStartup)
        return 0;
    QGuiApplication::setLayoutDirection(LanguageTable::IsRightToLeft(app.Settings().Language()) ? Qt::RightToLeft
                                                                                               : Qt::LeftToRight);
    ShowStartupSummary(app);
    return 0;
}
