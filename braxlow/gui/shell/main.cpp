// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/LanguageTable.h"
#include "core/settings/PlatformInfo.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/StringIds.h"
#include "core/shell/Autostart.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/QuitSignals.h"
#include "gui/shell/CMainDlg.h"
#include "gui/widgets/SkinButton.h"
#include "gui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// Tells once when a window has been painted for the first time.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, std::function<void()> then) : then_(std::move(then))
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            // After the paint itself: the frame is complete.
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

// Runs `work` on the program's settings and data without a display, for the
// switches that answer on the terminal and end.
int OnTerminal(int argc, char* argv[], const std::function<void(BraxlowApp&, ConsolePrompter&)>& work)
{
    QCoreApplication application(argc, argv);
    ConsolePrompter consolePrompter;
    BraxlowApp::Options options;
    options.programFilePath = QCoreApplication::applicationFilePath();
    BraxlowApp app(options, consolePrompter);
    work(app, consolePrompter);
    return 0;
}

// What runs and where it reads and writes, for support and for checking an
// installation: writing nothing.
void PrintVersion(BraxlowApp& app, ConsolePrompter& prompter)
{
    LanguageLoader(app.Settings(), prompter).LoadStartupLanguage();
    const ProductTexts& product = app.Product();
    std::printf("%s\n%s\nProgram data: %s\nUser data: %s\n", qPrintable(product.CurrentVersionText),
                qPrintable(LoadLanguageString(app.Settings().LanguageModule(), Str::AboutDescription)),
                qPrintable(app.Settings().DataDirectory()), qPrintable(app.Settings().UserDirectory()));
}

// The report for support, its secrets masked, without touching a running copy.
void PrintDiagnostics(BraxlowApp& app, ConsolePrompter&)
{
    const HistoryStore history(app.Data().UserDatabasePath());
    SecretMask mask;
    mask.AddStored(app.Data());
    std::fputs(Diagnostics::Report(app.Settings(), app.Data(), history, mask).toLocal8Bit().constData(), stdout);
}

const char kUsage[] =
    "usage: braxlow [/ID:n] [--verbose] [--autostart]\n"
    "       braxlow --version | --diagnostics | --help\n"
    "\n"
    "Takes the computer online through a GPRS phone used as a modem.\n"
    "\n"
    "  /ID:n        makes connection entry n the current one (what the desktop\n"
    "               shortcuts Braxlow makes start it with); with Braxlow already\n"
    "               running, that copy gets the entry\n"
    "  --verbose    writes every change of the status line to standard error\n"
    "  --autostart  connects the current entry at once and waits in the tray (what\n"
    "               \"Start with the desktop\" starts Braxlow with)\n"
    "  --version    the version and where Braxlow keeps its files\n"
    "  --diagnostics  a report for whoever helps you: versions, groups, ports, the\n"
    "               phone, the last failed connection; passwords, PINs and the\n"
    "               SIM's and phone's numbers masked\n"
    "  --help       this text\n";

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0)
            return OnTerminal(argc, argv, PrintVersion);
        if (std::strcmp(argv[i], "--diagnostics") == 0)
            return OnTerminal(argc, argv, PrintDiagnostics);
        // Answered before anything reads or writes the settings, and never a
        // second start.
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Braxlow"));
    QApplication::setOrganizationName(QStringLiteral("KORVANE"));
    // The window hides while connected; only its end ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QStringList args = QApplication::arguments();
    // Used by the smoke test: run the start-up, then leave.
    const bool quitAfterStartup = args.contains(QStringLiteral("--quit-after-startup"));
    // Used by the start-up benchmark: leave once the window is on screen.
    const bool quitWhenShown = args.contains(QStringLiteral("--quit-when-shown"));
    // Every change of the status line on standard error, with the time.
    const bool verbose = args.contains(QStringLiteral("--verbose"));

    LendSkinToQuarrin();

    WidgetPrompter widgetPrompter;
    ConsolePrompter consolePrompter;
    Prompter& prompter = quitAfterStartup ? static_cast<Prompter&>(consolePrompter)
                                          : static_cast<Prompter&>(widgetPrompter);
    BraxlowApp::Options options;
    options.programFilePath = QApplication::applicationFilePath();
    BraxlowApp app(options, prompter);
    widgetPrompter.SetLanguage([&app] { return app.Settings().LanguageModule(); });
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
    DesktopDocumentOpener help;
    CMainDlg window(CMainDlg::Services{app, help, app.Settings().UserDirectory() + QStringLiteral("braxlow.pbk"),
                                       DialerPaths(), PlatformInfo().Kind(), PortConflictSources()});
    if (args.contains(QLatin1String(Autostart::kArgument)))
        window.ConnectOnStart();
    if (verbose)
        QObject::connect(&window, &CMainDlg::statusTextChanged, [](const QString& text) {
            std::fprintf(stderr, "braxlow %s status: %s\n",
                         qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))),
                         text.toLocal8Bit().constData());
        });
    // Ended from outside (the session closing): as on Enter, the window's end
    // hangs the link up; a connect on its way finishes first.
    QuitSignals quit;
    QObject::connect(&quit, &QuitSignals::quitRequested, &window, &CMainDlg::OnQuitRequest);
    FirstPaint shown(window, [&window, quitWhenShown] {
        if (!quitWhenShown)
            return;
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        window.EndDialog(ConnectSequence::kDialogCancel);
    });
    window.RunModal();
    return 0;
}
