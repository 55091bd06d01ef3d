// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window with everything real but the network: the AT session talks
// to the virtual phone, the dial runs pppd's stand-in, which replays what pppd
// said on real links.
#include "core/dialup/CRasDialer.h"
#include "core/dialup/DialupErrors.h"
#include "core/dialup/PppLinks.h"
#include "core/entries/AllowanceStore.h"
#include "core/entries/ConnectionEntry.h"
#include "core/entries/HistoryStore.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/DesktopNotifier.h"
#include "core/shell/HistoryView.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/QuitSignals.h"
#include "core/shell/ShellTexts.h"
#include "gui/phone/CBalanceDlg.h"
#include "gui/phone/CPinDlg.h"
#include "gui/shell/CHistoryDlg.h"
#include "gui/shell/CMainDlg.h"
#include "gui/shell/CPasswordDlg.h"
#include "gui/widgets/WidgetPrompter.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/Screenshots.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <functional>
#include <numeric>

using TestSupport::NoHelp;
using TestSupport::WhenModal;

namespace {

struct RecordingNotifier : DesktopNotifier
{
    QList<QPair<QString, QString>> notes;
    void Notify(const QString& summary, const QString& body) override { notes.append({summary, body}); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<TestSupport::ProgramFolder>();
        QVERIFY(dir_.isValid());
        app_ = NewApp();
        QVERIFY(app_->Startup());
        CComm::SetLockDirectory(dir_.filePath(QStringLiteral("lock")));
        QDir().mkpath(dir_.filePath(QStringLiteral("lock")));
        ConnectInfo info;
        info.ConnectName = QStringLiteral("Web & Mail");
        info.APNName = QStringLiteral("internet");
        info.PhoneNumber = QStringLiteral("*99#");
        info.Username = QStringLiteral("web");
        info.Password = QStringLiteral("stored");
        info.CheckPassword = QStringLiteral("1");
        info.QoSMin = info.QoSRequest = QStringLiteral("1,0,0,0,0,0");
        app_->Settings().SaveConnectInfo(info);
        phone_ = std::make_unique<VirtualPhone>();
        QVERIFY(phone_->Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path(), QStringLiteral("Korvane GPRS MODEM")));
        app_->Settings().SavePort(7);
        qputenv("FAKE_PPPD_DIR", QFile::encodeName(dir_.path()));
        prompter_.Clear();
        notifier_.notes.clear();
    }

    void cleanup()
    {
        realPppd_ = false;
        window_.reset();
        phone_.reset();
        app_.reset();
        Quarrin::CurrentPortMap().Remove(7);
        qunsetenv("FAKE_PPPD_TRANSCRIPT");
    }

    void captionIsCutAfter25Characters()
    {
        QCOMPARE(ShellTexts::EntryCaption(QString(25, QLatin1Char('a'))), QStringLiteral("[ %1 ]").arg(QString(25, QLatin1Char('a'))));
        QCOMPARE(ShellTexts::EntryCaption(QString(26, QLatin1Char('a'))), QStringLiteral("[ %1... ]").arg(QString(25, QLatin1Char('a'))));
        QCOMPARE(ShellTexts::EntryCaption(QString()), QString());
        // A character outside the basic plane is not split at the cut.
        const QString emoji = QString(24, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x93\xB6") + QStringLiteral("b");
        QCOMPARE(ShellTexts::EntryCaption(emoji), QStringLiteral("[ %1... ]").arg(QString(24, QLatin1Char('a'))));
        QCOMPARE(ShellTexts::TrayTip(QString(70, QLatin1Char('x'))).size(), 63);

        Open();
        QCOMPARE(window_->EntryCaption(), QStringLiteral("[ Web & Mail ]"));
        QCOMPARE(window_->StatusText(), Text(Str::StatusReady));
        QCOMPARE(window_->accessibleDescription(), Text(Str::StatusReady));
        QVERIFY(!window_->TrayIconShown());
    }

    // Waiting in the tray is no end of the window's run; the session ending
    // (SIGTERM) is, without a question, even with a window open over it.
    void runEndsWithTheWindowNotWhenItHides()
    {
        Open();
        window_->hide();
        QuitSignals quit;
        connect(&quit, &QuitSignals::quitRequested, window_.get(), &CMainDlg::OnQuitRequest);
        QElapsedTimer ran;
        ran.start();
        QTimer::singleShot(0, window_.get(), [this] { window_->HideToTray(); });
        QTimer::singleShot(100, window_.get(), [this] { window_->OnAbout(); });
        QTimer::singleShot(300, [] { ::raise(SIGTERM); });
        QCOMPARE(window_->RunModal(), int(QDialog::Accepted));
        QVERIFY(ran.elapsed() >= 300);
        QVERIFY(prompter_.Messages().isEmpty());
    }

    // A second copy changes the current entry, says the first one runs, and
    // leaves that one as it was.
    void secondCopyReportsTheFirstAndStillSelects()
    {
        ConnectionEntry entry;
        entry.ConnectName = QStringLiteral("Second");
        entry.PhoneNumber = QStringLiteral("*99#");
        const std::optional<int> id = app_->Data().AddEntry(entry);
        QVERIFY(id);
        Open();
        RecordingPrompter secondPrompter;
        BraxlowApp::Options options = Options();
        BraxlowApp second(options, secondPrompter);
        QVERIFY(!second.Startup(QStringLiteral("/ID:%1").arg(*id)));
        QCOMPARE(secondPrompter.Messages().size(), 1);
        QCOMPARE(secondPrompter.Messages().at(0).text, Text(Str::AlreadyRunning));
        QCOMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Second"));
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->EntryCaption(), QStringLiteral("[ Web & Mail ]"));
    }

    // A shortcut started while the window waits chooses another entry: the
    // next connect is that entry's throughout (its commands, its PIN, its
    // name), never a mix of the two.
    void shortcutChosenEntryIsConnectedWhole()
    {
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--sim"), QStringLiteral("pin")});
        QVERIFY(phone_->Start());
        Quarrin::CurrentPortMap().Remove(7);
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path(), QStringLiteral("Korvane GPRS MODEM")));
        auto add = [this](const QString& name, const QString& apn, const QString& pin) {
            ConnectionEntry entry;
            entry.ConnectName = name;
            entry.APNName = apn;
            entry.PhoneNumber = QStringLiteral("*99#");
            entry.CheckPasswd = 1;
            entry.QoSMin = entry.QoSRequest = QStringLiteral("1,0,0,0,0,0");
            const std::optional<int> id = app_->Data().AddEntry(entry);
            entry.ID = id.value_or(0);
            app_->Data().SaveSimPin(entry.ID, pin);
            return entry;
        };
        const ConnectionEntry shown = add(QStringLiteral("Shown"), QStringLiteral("shown.example"), QStringLiteral("4321"));
        const ConnectionEntry chosen = add(QStringLiteral("Chosen"), QStringLiteral("chosen.example"), QStringLiteral("1234"));
        QVERIFY(shown.ID > 0 && chosen.ID > 0);
        app_->Settings().SaveConnectInfo(ConnectInfoOf(shown));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();
        RecordingPrompter secondPrompter;
        BraxlowApp second(Options(), secondPrompter);
        QVERIFY(!second.Startup(QStringLiteral("/ID:%1").arg(chosen.ID)));

        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        const QByteArray received = phone_->Received();
        QVERIFY2(received.contains("\"chosen.example\"") && !received.contains("shown.example"), received.constData());
        QVERIFY(received.contains("AT+CPIN=\"1234\"") && !received.contains("4321"));
        QCOMPARE(window_->EntryCaption(), QStringLiteral("[ Chosen ]"));
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);
    }

    void cancelledPasswordPromptChangesNothing()
    {
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.CheckPassword = QStringLiteral("0");
        app_->Settings().SaveConnectInfo(info);
        Open();
        QString shownName;
        WhenModal<CPasswordDlg>(this, [&shownName](CPasswordDlg* prompt) {
            shownName = prompt->UserName();
            prompt->reject();
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QCOMPARE(shownName, QStringLiteral("web"));
        QCOMPARE(window_->StatusText(), Text(Str::StatusReady));
        for (const char* name : {"button4464", "button4478", "button3", "button2"})
            QVERIFY(Button(name)->isEnabled());
        QVERIFY(!phone_->Received().contains("AT"));
    }

    // The prompt's password goes to pppd; the window waits in the tray and is
    // back within about a second of the line dropping.
    void droppedLineIsNoticedWithinASecond()
    {
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.CheckPassword = QStringLiteral("0");
        app_->Settings().SaveConnectInfo(info);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("drop"),
                                                                     QStringLiteral("sleep 5\nModem hangup\nexit 16\n"))));
        Open();
        WhenModal<CPasswordDlg>(this, [](CPasswordDlg* prompt) {
            prompt->findChild<QLineEdit*>(QStringLiteral("edit1012"))->setText(QStringLiteral("typed"));
            prompt->accept();
        });
        QStringList statuses;
        connect(window_.get(), &CMainDlg::statusTextChanged, this, [&statuses](const QString& s) { statuses << s; });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QCOMPARE(statuses.value(0), Text(Str::StateConnecting));
        QCOMPARE(window_->StatusText(), Text(Str::StateConnected));
        QVERIFY(Away());
        QVERIFY(window_->TrayIconShown());
        QVERIFY(prompter_.Messages().isEmpty());
        QCOMPARE(Recorded("password"), QByteArray("typed"));

        QVERIFY(QTest::qWaitFor([this] { return !Active(); }, 10000));
        QElapsedTimer sinceDrop;
        sinceDrop.start();
        QTRY_VERIFY_WITH_TIMEOUT(Shown(), 5000);
        qInfo() << "window back" << sinceDrop.elapsed() << "ms after the line dropped";
        QVERIFY(sinceDrop.elapsed() < 5000);
        QCOMPARE(window_->StatusText(), Text(Str::StatusConnectionEnded));
        QVERIFY(!window_->TrayIconShown());
        QVERIFY(Button("button4464")->isEnabled());
        // A late right click on the icon opens nothing.
        window_->OnTrayNotify(QSystemTrayIcon::Context);
        QVERIFY(!window_->TrayMenu());
    }

    // Exit asks while connected and "no" keeps everything; minimize goes to the
    // tray; Enter ends at once, and the window's end hangs up.
    void exitAsksMinimizeHidesEnterEndsAndHangsUp()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(Away(), qPrintable(window_->StatusText()));
        window_->OnTrayNotify(QSystemTrayIcon::DoubleClick);
        QVERIFY(Shown());
        prompter_.QueueAnswer(Prompter::Answer::No);
        QTest::mouseClick(Button("button2"), Qt::LeftButton);
        QCOMPARE(prompter_.Messages().size(), 1);
        QVERIFY(Shown() && Active());
        QTest::mouseClick(Button("button1158"), Qt::LeftButton);
        QVERIFY(Away() && window_->TrayIconShown());
        window_->OnTrayNotify(QSystemTrayIcon::DoubleClick);
        // Return on a button presses that button; anywhere else it ends.
        Button("button4464")->setFocus();
        QTest::keyClick(Button("button4464"), Qt::Key_Return);
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->StatusText(), Text(Str::StateConnected));
        Button("button4464")->clearFocus();
        QTest::keyClick(window_.get(), Qt::Key_Return);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QCOMPARE(prompter_.Messages().size(), 1);
        window_.reset();
        QVERIFY(QTest::qWaitFor([this] { return PppLinks(StandInPppd(dir_.path())).Find(QStringLiteral("Braxlow")).isEmpty(); }, 5000));
    }

    void disconnectRestoresAtOnceAndSaysSoLater()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        QCOMPARE(Recorded("password"), QByteArray("stored"));
        // Entry setup does nothing while connected.
        QTest::mouseClick(Button("button3"), Qt::LeftButton);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QCOMPARE(prompter_.Messages().size(), 1);
        QCOMPARE(prompter_.Messages().at(0).text, Text(Str::ConfirmDisconnect));
        QVERIFY(Shown());
        QVERIFY(!window_->TrayIconShown());
        QCOMPARE(window_->StatusText(), Text(Str::StateConnected));
        QTRY_COMPARE_WITH_TIMEOUT(window_->StatusText(), Text(Str::StatusConnectionEnded), 5000);
        QVERIFY(!Active());
        QVERIFY(window_->Dialer().WaitForExit(5000));
    }

    // The tray menu's own command opens a modal in which the menu is built
    // anew: the command runs once the menu is done with it, so the old menu
    // is not in use when it goes (under ASan, a use after free otherwise).
    void trayMenuRebuiltDuringItsOwnCommand()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        window_->OnTrayNotify(QSystemTrayIcon::Context);
        QPointer<QAction> about;
        for (QAction* action : window_->TrayMenu()->actions())
            if (action->data().toInt() == ShellCommand::About)
                about = action;
        QVERIFY(about);
        bool triggerReturned = false, ranAfterTheMenu = false, rebuilt = false;
        WhenModal<QDialog>(this, [&](QDialog* dialog) {
            ranAfterTheMenu = triggerReturned;
            window_->OnTrayNotify(QSystemTrayIcon::Context); // the old menu goes
            rebuilt = about.isNull();
            dialog->reject();
        });
        about->trigger();
        triggerReturned = true;
        QTRY_VERIFY_WITH_TIMEOUT(rebuilt, 5000);
        QVERIFY(ranAfterTheMenu);
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);
    }

    // pppd slow to let the line go: "ended" only once it has gone, and after
    // the hang-up's seconds the line says that it is still being ended.
    void slowHangUpIsToldUntilTheLinkIsGone()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        qputenv("FAKE_PPPD_LINGER", "7");
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        qunsetenv("FAKE_PPPD_LINGER");
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        QStringList said;
        connect(window_.get(), &CMainDlg::statusTextChanged, this, [&](const QString& text) {
            said << text + (Active() ? QStringLiteral(" (up)") : QString());
        });
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTest::qWait(6500);
        QVERIFY(Active());
        QCOMPARE(window_->StatusText(), Text(Str::StatusStillHangingUp));
        QTRY_COMPARE_WITH_TIMEOUT(window_->StatusText(), Text(Str::StatusConnectionEnded), 10000);
        QCOMPARE(said, (QStringList{Text(Str::StatusStillHangingUp) + QStringLiteral(" (up)"),
                                    Text(Str::StatusConnectionEnded)}));
    }

    // Exit right after a disconnect waits for the hang-up, the window painted
    // and answering meanwhile.
    void exitRightAfterDisconnectKeepsTheWindowAnswering()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        qputenv("FAKE_PPPD_LINGER", "2");
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        qunsetenv("FAKE_PPPD_LINGER");
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        bool returned = false, answeredMeanwhile = false;
        QTimer::singleShot(300, this, [&] { answeredMeanwhile = !returned; });
        window_->OnCancel();
        returned = true;
        QVERIFY(answeredMeanwhile);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QCOMPARE(prompter_.Messages().size(), 1); // no second question: the link had gone
    }

    // Ended from outside while pppd still dials: the dial is ended with it,
    // and the window goes in seconds, not when the dial would have finished.
    void quitDuringADialEndsItWithinSeconds()
    {
        const QString transcript = dir_.filePath(QStringLiteral("dialing"));
        QVERIFY(TestSupport::WriteFile(transcript, "chat: timeout set to 30 seconds\nchat: send (ATD*99#^M)\n"
                                                   "chat: expect (CONNECT)\nsleep 60\nexit 8\n"));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(transcript));
        Open();
        QElapsedTimer sinceQuit;
        connect(window_.get(), &CMainDlg::statusTextChanged, this, [&](const QString& text) {
            if (text == Text(Str::StateConnecting) && !sinceQuit.isValid() && window_->Dialer().Handle() != 0) {
                sinceQuit.start();
                window_->OnQuitRequest();
            }
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(sinceQuit.isValid());
        QVERIFY2(sinceQuit.elapsed() < 10000, qPrintable(QString::number(sinceQuit.elapsed())));
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QVERIFY(window_->Dialer().WaitForExit(5000));
    }

    // Exit during the dial: the window goes once the dial has ended, and the
    // link with it. Whatever else arrives inside the dial's waits (a second
    // connect, a language switch, a request to quit) leaves the running
    // connect alone.
    void exitDuringDialingClosesAfterTheDialAndHangsUp()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT",
                QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("slow"), QStringLiteral("sleep 120\n"), true)));
        Open();
        bool asked = false;
        connect(window_.get(), &CMainDlg::statusTextChanged, this, [&](const QString& s) {
            // The first of the dial's states.
            if (asked || s == Text(Str::StateConnecting) || s == Text(Str::StatusReady))
                return;
            asked = true;
            window_->OnConnect();                             // a second connect
            QEvent languageChange(QEvent::LanguageChange);
            QCoreApplication::sendEvent(window_.get(), &languageChange);
            QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
            QTest::mouseClick(Button("button2"), Qt::LeftButton); // exit
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(asked);
        QVERIFY(prompter_.Messages().isEmpty()); // nothing asked: the user had said it
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QVERIFY(window_->Dialer().WaitForExit(5000));
        QVERIFY(!Active());
        QVERIFY(Recorded("args").contains("linkname") || Recorded("args").contains("call"));
    }

    // Minimized to the tray while it dials, a window whose dial then fails
    // comes back: no icon would be left to reach it.
    void failedDialBringsTheMinimizedWindowBack()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/ppp-no-carrier.log")));
        Open();
        bool minimized = false;
        connect(window_.get(), &CMainDlg::statusTextChanged, this, [&](const QString& s) {
            if (!minimized && s == Text(Str::StateOpenPort)) {
                minimized = true;
                QTest::mouseClick(Button("button1158"), Qt::LeftButton);
            }
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(minimized);
        QCOMPARE(prompter_.Messages().size(), 1); // the dial's error
        QVERIFY(Shown());
        QVERIFY(!window_->TrayIconShown());
    }

    // A password, a SIM PIN, a balance code, the SIM's and the phone's numbers,
    // planted where a failed connect and a phone test leave them: the failure's
    // details, the history and the report for support show none of them.
    void failureHistoryAndReportKeepNoSecrets()
    {
        const QString password = QStringLiteral("Pl4nted-Secret");
        const std::optional<int> id = AddCurrentEntry(QStringLiteral("Secret Web"), password);
        QVERIFY(id);
        QVERIFY(app_->Data().SaveSimPin(*id, QStringLiteral("4711")));
        QVERIFY(app_->Data().SaveBalanceCode(*id, QStringLiteral("*135*7#")));
        const QString imsi = QStringLiteral("262019876543210"), imei = QStringLiteral("356938035643809");
        const QString log = dir_.filePath(QStringLiteral("leaky.log"));
        QVERIFY(TestSupport::WriteFile(log, QStringLiteral("chat: send (AT+CPIN=\"4711\"^M)\nchat: %1\nchat: %2\n"
                                                           "sent [PAP AuthReq id=0x1 user=\"web\" password=\"%3\"]\n"
                                                           "chat: *135*7#\nchat: NO CARRIER\nchat: Failed (NO CARRIER)\n"
                                                           "Connect script failed\nexit 8\n")
                                                .arg(imsi, imei, password)
                                                .toUtf8()));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(log));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(prompter_.Messages().size(), 1, 20000);
        const QString details = prompter_.Messages().first().details;
        QVERIFY2(details.contains(QLatin1String("NO CARRIER")) && details.contains(QLatin1String("AT")), qPrintable(details));

        const HistoryStore history(app_->Data().UserDatabasePath());
        const QList<HistoryStore::Record> records = history.Load(0, HistoryStore::kKept, true);
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().outcome, HistoryStore::Outcome::Failed);
        QCOMPARE(records.first().entryId, *id);
        SecretMask mask;
        mask.AddStored(app_->Data());
        QVERIFY(Diagnostics::SaveLastProbe(app_->Settings(), QStringLiteral("IMEI: %1\nIMSI: %2\n").arg(imei, imsi), mask));
        const QString report = Diagnostics::Report(app_->Settings(), app_->Data(), history, mask);
        QVERIFY2(report.contains(QLatin1String("Secret Web")) && report.contains(QLatin1String("26201")), qPrintable(report));
        const QString stored = records.first().errorText + records.first().pppdLines + records.first().atTranscript;
        for (const QString& secret : {password, QStringLiteral("4711"), QStringLiteral("*135*7#"), imsi, imei}) {
            QVERIFY2(!details.contains(secret), qPrintable(secret + QStringLiteral(" in the details")));
            QVERIFY2(!stored.contains(secret), qPrintable(secret + QStringLiteral(" in the history")));
            QVERIFY2(!report.contains(secret), qPrintable(secret + QStringLiteral(" in the report")));
        }
    }

    // One row per attempt, each with its own traffic and end: a line hung up,
    // a failed dial right after it, a line still up as the window goes.
    void historyRecordsEachAttemptOnce()
    {
        QVERIFY(AddCurrentEntry(QStringLiteral("Counted"), QStringLiteral("stored")));
        const HistoryStore history(app_->Data().UserDatabasePath());
        const QByteArray up = QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n")));
        qputenv("FAKE_PPPD_TRANSCRIPT", up);
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(Away(), qPrintable(window_->StatusText()), 15000);
        QVERIFY(Counters(600000, 300000));
        QTRY_VERIFY_WITH_TIMEOUT(history.Load().value(0).received == 600000, 10000);
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);

        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/ppp-no-carrier.log")));
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(history.Load().value(0).outcome, HistoryStore::Outcome::Failed, 10000);
        QList<HistoryStore::Record> rows = history.Load();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).received + rows.at(0).sent + quint64(rows.at(0).seconds), quint64(0));
        QCOMPARE(rows.at(1).outcome, HistoryStore::Outcome::HungUp);
        QCOMPARE(rows.at(1).sent, quint64(300000));
        QVERIFY(rows.at(1).ended.isValid());

        qputenv("FAKE_PPPD_TRANSCRIPT", up);
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(Away(), qPrintable(window_->StatusText()), 15000);
        window_.reset();
        rows = history.Load();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).outcome, HistoryStore::Outcome::HungUp);
        QVERIFY(rows.at(0).ended.isValid());
    }

    // The history from the window's menu: newest first, filtered by entry,
    // with the entry's month as bars under its allowance.
    void historyWindowListsAttemptsAndTheMonth()
    {
        const int id = PlantHistory();
        Open();
        window_->ShowWindowMenu(QPoint(0, 0));
        QAction* item = nullptr;
        for (QAction* action : window_->WindowMenu()->actions())
            if (action->text() == Text(Str::HistoryCommand))
                item = action;
        QVERIFY(item);
        window_->WindowMenu()->close();
        QString newest, chartTitle;
        int rows = 0, allRows = 0;
        WhenModal<CHistoryDlg>(this, [&](CHistoryDlg* history) {
            rows = history->Rows();
            newest = history->findChild<QTreeWidget*>(QStringLiteral("list"))->topLevelItem(0)->text(5);
            auto* entries = history->findChild<QComboBox*>(QStringLiteral("entries"));
            chartTitle = entries->currentText();
            entries->setCurrentIndex(0);
            allRows = history->Rows();
            history->reject();
        });
        item->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rows, 4, 10000);
        QCOMPARE(chartTitle, QStringLiteral("Daily Web"));
        QCOMPARE(allRows, 5);
        QCOMPARE(newest, Text(Str::HistoryFailed).arg(679).arg(QStringLiteral("No carrier")));
        const HistoryView::Month month =
            HistoryView::MonthOf(HistoryStore(app_->Data().UserDatabasePath()), app_->Settings().Store(), id, QDate::currentDate());
        QCOMPARE(month.allowanceMegabytes, 500);
        QCOMPARE(std::accumulate(month.days.cbegin(), month.days.cend(), quint64(0)), quint64(65 * 1024 * 1024));
        QVERIFY(month.days.at(QDate::currentDate().day() - 1) >= quint64(3 * 1024 * 1024));
    }

    // The maker's suite holds the phone's port: one explanation naming it.
    void suiteHoldingThePortIsNamed()
    {
        NamedLock suite(QStringLiteral("Korvane Tessaly II 2.0"), dir_.filePath(QStringLiteral("locks")));
        QDir().mkpath(dir_.filePath(QStringLiteral("locks")));
        QVERIFY(suite.Create());
        SettingsStore suiteSettings(dir_.filePath(QStringLiteral("config")),
                                    QStringLiteral("KORVANE/Korvane Tessaly II 2.0.reg"));
        QVERIFY(suiteSettings.WriteDword(QStringLiteral("Cardamel/Config"), QStringLiteral("Port"), 7));
        QProcess holder;
        holder.start(QStringLiteral("flock"), {phone_->Path(), QStringLiteral("sleep"), QStringLiteral("60")});
        QVERIFY(holder.waitForStarted());
        QTest::qWait(300);
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QCOMPARE(window_->StatusText(), Text(Str::StatusPortNotOpened));
        QCOMPARE(prompter_.Messages().size(), 1);
        QVERIFY2(prompter_.Messages().at(0).text.contains(QLatin1String("Korvane Tessaly II 2.0")),
                 qPrintable(prompter_.Messages().at(0).text));
        QVERIFY(Button("button4464")->isEnabled());
        holder.kill();
        holder.waitForFinished();
    }

    // A locked SIM: its PIN is asked in the connect and remembered when the
    // user says so. The window's menu sends the entry's balance code, but
    // only while the phone's port is free.
    void simPinAndBalance()
    {
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--sim"), QStringLiteral("pin"),
                                                            QStringLiteral("--ussd"), QStringLiteral("gsm7")});
        QVERIFY(phone_->Start());
        Quarrin::CurrentPortMap().Remove(7);
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path(), QStringLiteral("Korvane GPRS MODEM")));
        ConnectionEntry entry;
        entry.ConnectName = QStringLiteral("Prepaid");
        entry.PhoneNumber = QStringLiteral("*99#");
        const std::optional<int> id = app_->Data().AddEntry(entry);
        QVERIFY(id);
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.CID = *id;
        app_->Settings().SaveConnectInfo(info);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();

        QString attempts;
        WhenModal<CPinDlg>(this, [&attempts](CPinDlg* prompt) {
            attempts = prompt->findChild<QLabel*>(QStringLiteral("attempts"))->text();
            prompt->findChild<QLineEdit*>(QStringLiteral("pin"))->setText(QStringLiteral("1234"));
            prompt->findChild<QCheckBox*>(QStringLiteral("remember"))->setChecked(true);
            prompt->accept();
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        QCOMPARE(attempts, Text(Str::PinAttemptsLeft).arg(3));
        QCOMPARE(app_->Data().LoadExtras(*id)->simPin, QStringLiteral("1234"));
        window_->ShowWindowMenu(QPoint(0, 0));
        QVERIFY(!window_->WindowMenu()->actions().at(0)->isEnabled());
        window_->WindowMenu()->close();
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);
        QVERIFY(window_->Dialer().WaitForExit(5000));

        window_->OnCheckBalance();
        QCOMPARE(prompter_.Messages().last().text, Text(Str::BalanceNoCode));
        QVERIFY(app_->Data().SaveBalanceCode(*id, QStringLiteral("*100#")));
        window_->ShowWindowMenu(QPoint(0, 0));
        QAction* balance = window_->WindowMenu()->actions().at(0);
        QCOMPARE(balance->text(), Text(Str::BalanceCommand));
        QVERIFY(balance->isEnabled());
        QString shown;
        const QString asking = Text(Str::BalanceAsking);
        WhenModal<CBalanceDlg>(this, [&shown, asking](CBalanceDlg* dialog) {
            auto* answered = new QTimer(dialog);
            connect(answered, &QTimer::timeout, dialog, [dialog, &shown, asking] {
                if (dialog->AnswerText() != asking) {
                    shown = dialog->AnswerText();
                    dialog->reject();
                }
            });
            answered->start(20);
        });
        balance->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(shown, QString::fromUtf8("Guthaben: 12,34 EUR, gültig bis 31.12."), 10000);

        // A phone slow to answer: Cancel closes the window without waiting for it.
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--delay"), QStringLiteral("6000")});
        QVERIFY(phone_->Start());
        Quarrin::CurrentPortMap().Remove(7);
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path(), QStringLiteral("Korvane GPRS MODEM")));
        QString cancel;
        WhenModal<CBalanceDlg>(this, [&cancel](CBalanceDlg* dialog) {
            QTimer::singleShot(500, dialog, [dialog, &cancel] {
                auto* button = dialog->findChild<QAbstractButton*>(QStringLiteral("close"));
                cancel = button->text();
                button->click();
            });
        });
        QElapsedTimer took;
        took.start();
        // The menu's command runs once the menu is done with it.
        balance->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(cancel, Text(Str::Cancel), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 10000);
        QVERIFY2(took.elapsed() < 4000, qPrintable(QString::number(took.elapsed())));
    }

    // While online the window and the tip count; the drop is told and, with
    // the option on, dialed again after a pause; the user's own hang-up is not.
    void countsTellsOfTheDropAndDialsAgain()
    {
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.CID = 5;
        app_->Settings().SaveConnectInfo(info);
        QVERIFY(AllowanceStore::SaveCap(app_->Settings().Store(), 5, DataCap{1, 1}));
        app_->Settings().SaveAutoReconnect(true);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("drop"),
                                                                     QStringLiteral("sleep 6\nModem hangup\nexit 16\n"))));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(Away(), qPrintable(window_->StatusText()));
        QVERIFY(Counters(600000, 300000));
        QTRY_VERIFY_WITH_TIMEOUT(window_->DetailText().contains(QString::fromUtf8("\u2193 586 kB   \u2191 293 kB")), 5000);
        QVERIFY2(window_->DetailText().contains(Text(Str::MonthWithCap).arg(QStringLiteral("879 kB")).arg(1).arg(85)),
                 qPrintable(window_->DetailText()));
        QVERIFY(window_->TrayTipText().startsWith(QStringLiteral("Braxlow 0:00:0")));
        QVERIFY(window_->TrayTipText().endsWith(Text(Str::TipMonth).arg(85).arg(1)));
        QVERIFY(window_->TrayTipText().size() <= 63);
        QCOMPARE(notifier_.notes.value(0),
                 qMakePair(Text(Str::AllowanceTitle), Text(Str::AllowanceNearly).arg(80).arg(QStringLiteral("1"))));

        // The network drops the line.
        QTRY_VERIFY_WITH_TIMEOUT(Shown(), 15000);
        QCOMPARE(window_->StatusText(), Text(Str::StatusConnectionEnded));
        QCOMPARE(notifier_.notes.size(), 2);
        QCOMPARE(notifier_.notes.at(1).first, Text(Str::LineDropped));
        QVERIFY2(notifier_.notes.at(1).second.startsWith(Text(Str::LineDroppedAfter).arg(QStringLiteral("0:00:0"))
                                                           .chopped(2)),
                 qPrintable(notifier_.notes.at(1).second));
        QVERIFY(window_->Sequence().ReconnectPending());
        QCOMPARE(window_->DetailText(), Text(Str::ReconnectIn).arg(window_->Sequence().ReconnectSecondsLeft()));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"),
                                                                     QStringLiteral("sleep 120\n"))));
        QTRY_VERIFY_WITH_TIMEOUT(window_->Sequence().Connected(), 30000);
        QVERIFY(Away());
        // The counters start again; the month goes on.
        QVERIFY(Counters(1000, 500));
        QTRY_VERIFY_WITH_TIMEOUT(window_->DetailText().contains(QString::fromUtf8("\u2193 1000 B   \u2191 500 B")), 5000);
        QCOMPARE(window_->Sequence().Usage().MonthTotal(), quint64(901500));
        QTRY_COMPARE_WITH_TIMEOUT(app_->Settings().Store().ReadString(AllowanceStore::KeyOf(5), QStringLiteral("Received")),
                                  std::optional<QString>(QStringLiteral("601000")), 5000);
        QVERIFY(prompter_.Messages().isEmpty());

        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_COMPARE_WITH_TIMEOUT(window_->StatusText(), Text(Str::StatusConnectionEnded), 5000);
        QVERIFY(!window_->Sequence().ReconnectPending());
        QCOMPARE(notifier_.notes.size(), 2);
        QVERIFY(window_->DetailText().isEmpty());
    }

    // Without the option a drop is told and nothing dials; a countdown ends
    // with Disconnect, without a question.
    void dialingAgainIsOffByDefaultAndCancels()
    {
        QVERIFY(!TestSupport::Settings().settings.LoadAutoReconnect());
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("drop"),
                                                                     QStringLiteral("sleep 1\nModem hangup\nexit 16\n"))));
        Open();
        for (const bool again : {false, true}) {
            app_->Settings().SaveAutoReconnect(again);
            notifier_.notes.clear();
            QTest::mouseClick(Button("button4464"), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(window_->StatusText(), Text(Str::StatusConnectionEnded), 15000);
            QCOMPARE(notifier_.notes.size(), 1);
            QCOMPARE(window_->Sequence().ReconnectPending(), again);
        }
        window_->OnDisconnect();
        QVERIFY(!window_->Sequence().ReconnectPending());
        QCOMPARE(window_->DetailText(), Text(Str::ReconnectCanceled));
        QVERIFY(prompter_.Messages().isEmpty());
        QTest::qWait(1500);
        QVERIFY(!Active());

        // A password the network refuses ends the dialing again, and is said.
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window_->Sequence().ReconnectPending(), 15000);
        qputenv("FAKE_PPPD_TRANSCRIPT", QByteArray(BRAXLOW_SOURCE_DIR "/tests/data/ppp-auth-failure.log"));
        QTRY_COMPARE_WITH_TIMEOUT(prompter_.Messages().size(), 1, 20000);
        QVERIFY(prompter_.Messages().at(0).text.startsWith(DialupErrorText(app_->Settings().LanguageModule(), Ras::kAuthenticationFailure)));
        QVERIFY(!window_->Sequence().ReconnectPending());
        QVERIFY(!Active());
        QVERIFY(Shown());
    }

    // The trial's path: an entry from a preset with fixed DNS servers dials
    // with the network's servers where the DNS hook is missing, and says so; an
    // entry's own servers are refused with the command that installs the hook,
    // and the panel keeps the reason after the message.
    void presetDnsServersNeverStopADial()
    {
        const DataStore::PresetLookup found =
            app_->Data().FindPreset(QStringLiteral("Vodafone (postpaid)"), QStringLiteral("Germany"));
        QVERIFY(found.preset && !found.preset->PrimaryDNS.isEmpty());
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.Country = found.preset->Country;
        info.Provider = found.preset->ProviderName;
        info.PrimaryDNS = found.preset->PrimaryDNS;
        info.SecondDNS = found.preset->SecondDNS;
        app_->Settings().SaveConnectInfo(info);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY2(window_->TrayIconShown(), qPrintable(window_->StatusText()));
        QCOMPARE(notifier_.notes.size(), 1);
        QCOMPARE(notifier_.notes.at(0).first, Text(Str::PresetDnsTitle));
        QVERIFY(prompter_.Messages().isEmpty());
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);
        QVERIFY(window_->Dialer().WaitForExit(5000));
        prompter_.Clear();

        QTRY_VERIFY_WITH_TIMEOUT(!window_->Sequence().HangingUp(), 10000);
        // The entry as the entry list leaves it after an edit.
        info.PrimaryDNS = QStringLiteral("10.1.2.3");
        app_->Settings().SaveConnectInfo(info);
        window_->Sequence().Session().PrepareConnection();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(prompter_.Messages().size(), 1, 10000);
        const QString said = prompter_.Messages().at(0).text;
        QVERIFY2(said.contains(QLatin1String("sudo scripts/install-ppp-access ")), qPrintable(said));
        QVERIFY(said.contains(QLatin1String("Advanced")));
        QCOMPARE(window_->StatusText(), QStringLiteral("Braxlow ") + Text(Str::CouldNotConnect));
        QVERIFY2(window_->DetailText().startsWith(said.left(40)), qPrintable(window_->DetailText()));
    }

    // Outside a kernel with PPP the trial ends with pppd's own word, not with
    // the DNS servers of the preset.
    void trialReachesPppdsOwnMessage()
    {
        if (QFileInfo::exists(QStringLiteral("/dev/ppp")))
            QSKIP("this kernel has PPP: the real pppd would dial");
        if (!QFileInfo::exists(DialerPaths().pppd) || ::geteuid() != 0)
            QSKIP("pppd's options are root's here");
        const DataStore::PresetLookup found =
            app_->Data().FindPreset(QStringLiteral("Vodafone (postpaid)"), QStringLiteral("Germany"));
        QVERIFY(found.preset);
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.Country = found.preset->Country;
        info.Provider = found.preset->ProviderName;
        info.PrimaryDNS = found.preset->PrimaryDNS;
        info.SecondDNS = found.preset->SecondDNS;
        app_->Settings().SaveConnectInfo(info);
        realPppd_ = true;
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(prompter_.Messages().size(), 1, 20000);
        qInfo().noquote() << prompter_.Messages().at(0).text;
        QVERIFY(prompter_.Messages().at(0).text.startsWith(DialupErrorText(app_->Settings().LanguageModule(), Ras::kServiceCannotStart)));
    }

    // Started with the desktop: the entry connects at once from the task bar
    // and waits in the tray, with no question asked.
    void startedWithTheDesktopConnects()
    {
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        Open(true);
        QTRY_VERIFY_WITH_TIMEOUT(window_->Sequence().Connected(), 30000);
        QVERIFY(Away());
        QVERIFY(prompter_.Messages().isEmpty());
    }

    // A phone pulled out while online is waited for, and dialed again once it
    // is back, instead of ending the dialing again as a missing phone does.
    void dialingAgainWaitsForAnUnpluggedPhone()
    {
        const QString link = dir_.filePath(QStringLiteral("usb-phone"));
        QVERIFY(QFile::link(phone_->Path(), link));
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, link, QStringLiteral("Korvane GPRS MODEM")));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("drop"),
                                                                     QStringLiteral("sleep 1\nModem hangup\nexit 16\n"))));
        app_->Settings().SaveAutoReconnect(true);
        Open();
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window_->StatusText(), Text(Str::StatusConnectionEnded), 15000);
        QVERIFY(window_->Sequence().ReconnectPending());
        QVERIFY(QFile::remove(link));
        QTRY_COMPARE_WITH_TIMEOUT(window_->DetailText(), Text(Str::WaitingForPhone), 20000);
        QTest::qWait(2500);
        QVERIFY(window_->Sequence().ReconnectPending());
        QCOMPARE(window_->DetailText(), Text(Str::WaitingForPhone));
        QVERIFY(prompter_.Messages().isEmpty());

        QVERIFY(QFile::link(phone_->Path(), link));
        QTRY_VERIFY_WITH_TIMEOUT(window_->DetailText() != Text(Str::WaitingForPhone), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(notifier_.notes.size(), 2, 20000); // dialed, up, dropped again
        window_->OnDisconnect();
        QVERIFY(!window_->Sequence().ReconnectPending());
    }

    void screenshots()
    {
        const QString folder = Screenshots::Folder();
        if (folder.isEmpty())
            QSKIP("BRAXLOW_SCREENSHOTS names no folder");
        QVERIFY(Screenshots::UseLanguage(app_->Settings()));
        ConnectInfo info = app_->Settings().LoadConnectInfo();
        info.ConnectName = QStringLiteral("Vodafone DE Web & Internet");
        info.CheckPassword = QStringLiteral("0");
        app_->Settings().SaveConnectInfo(info);
        Open();
        window_->move(40, 40);
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/main.png"), window_.get()));
        bool shot = false;
        WhenModal<CPasswordDlg>(this, [&](CPasswordDlg* prompt) {
            prompt->move(60, 60);
            shot = Screenshots::Shoot(folder + QStringLiteral("/password.png"), prompt);
            prompt->reject();
        });
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(shot);

        CPinDlg pin(app_->Settings().LanguageModule(), 1, window_.get());
        pin.move(60, 60);
        pin.show();
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/sim-pin.png"), &pin));
        pin.close();
        // A network menu waiting for its answer.
        CBalanceDlg balance(app_->Settings().LanguageModule(), window_->Sequence().Session(), QStringLiteral("*101#"),
                            window_.get());
        balance.move(60, 60);
        balance.show();
        QTRY_VERIFY_WITH_TIMEOUT(balance.WaitsForReply(), 15000);
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/balance.png"), &balance));
        balance.reject();

        // A failed dial's message with its details opened.
        WidgetPrompter boxes;
        boxes.SetLanguage([this] { return app_->Settings().LanguageModule(); });
        bool boxShot = false;
        QTimer::singleShot(500, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            box->move(60, 60);
            for (QAbstractButton* button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::ActionRole)
                    button->click();
            QTest::qWait(300);
            boxShot = Screenshots::Shoot(folder + QStringLiteral("/failure-details.png"), box);
            box->accept();
        });
        boxes.ShowFailure(DialupErrorText(app_->Settings().LanguageModule(), Ras::kNoCarrier), QString(),
                          QStringLiteral("pppd:\nchat: ATD*99#^M\nchat: NO CARRIER\nConnect script failed\n\nAT:\n> ATZ\n< OK"));
        QVERIFY(boxShot);

        PlantHistory();
        CHistoryDlg history(*app_, window_.get());
        history.move(60, 60);
        history.show();
        QVERIFY(QTest::qWaitForWindowExposed(&history));
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/history.png"), &history));
        history.reject();

        // Connected: the icon in the tray host (scripts/screenshots starts one)
        // and its menu.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("no tray host on this display");
        info.CheckPassword = QStringLiteral("1");
        app_->Settings().SaveConnectInfo(info);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(window_->TrayIconShown());
        QTest::qWait(500);
        const QRect screen = window_->screen()->geometry();
        const QRect corner(screen.right() - 320, screen.bottom() - 220, 321, 221);
        QVERIFY(window_->screen()->grabWindow(0, corner.x(), corner.y(), corner.width(), corner.height())
                    .save(folder + QStringLiteral("/tray.png")));
        QCursor::setPos(screen.right() - 200, screen.bottom() - 30);
        window_->OnTrayNotify(QSystemTrayIcon::Context);
        QTest::qWait(300);
        QVERIFY(window_->screen()->grabWindow(0, corner.x(), corner.y(), corner.width(), corner.height())
                    .save(folder + QStringLiteral("/tray-menu.png")));
        window_->TrayMenu()->close();

        // Connected for a while with an allowance: the window and the tip.
        info.CID = 5;
        app_->Settings().SaveConnectInfo(info);
        QVERIFY(AllowanceStore::SaveCap(app_->Settings().Store(), 5, DataCap{500, 1}));
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        window_->OnDisconnect();
        QTRY_VERIFY_WITH_TIMEOUT(!Active(), 5000);
        QTest::mouseClick(Button("button4464"), Qt::LeftButton);
        QVERIFY(Counters(12'900'000, 1'300'000));
        QTRY_VERIFY_WITH_TIMEOUT(window_->DetailText().contains(QRegularExpression(QStringLiteral("12[.,]3 MB"))), 5000);
        window_->OnTrayNotify(QSystemTrayIcon::DoubleClick);
        QTest::qWait(300);
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/main-connected.png"), window_.get()));
        QToolTip::showText(QPoint(screen.right() - 260, screen.bottom() - 110), window_->TrayTipText());
        QTest::qWait(300);
        QVERIFY(window_->screen()->grabWindow(0, corner.x(), corner.y(), corner.width(), corner.height())
                    .save(folder + QStringLiteral("/tray-tip.png")));
        QToolTip::hideText();

        // The line drops with dialing again on: the countdown.
        app_->Settings().SaveAutoReconnect(true);
        QCOMPARE(::kill(pid_t(window_->Dialer().Handle()), SIGKILL), 0);
        QTRY_VERIFY_WITH_TIMEOUT(window_->Sequence().ReconnectPending(), 5000);
        QVERIFY(Screenshots::Shoot(folder + QStringLiteral("/main-countdown.png"), window_.get()));
        window_->OnDisconnect();
    }

private:
    BraxlowApp::Options Options() const
    {
        BraxlowApp::Options options = TestSupport::AppOptions(folder_->ProgramFile(), dir_.path());
        options.lockDirectory = dir_.filePath(QStringLiteral("locks"));
        return options;
    }

    std::unique_ptr<BraxlowApp> NewApp()
    {
        QDir().mkpath(dir_.filePath(QStringLiteral("locks")));
        return std::make_unique<BraxlowApp>(Options(), prompter_);
    }

    // An entry with an allowance and its attempts of this month, one of
    // another entry; the entry's number.
    // A stored entry, made the current one.
    std::optional<int> AddCurrentEntry(const QString& name, const QString& password = QString())
    {
        ConnectionEntry entry;
        entry.ConnectName = name;
        entry.Country = QStringLiteral("Germany");
        entry.ProviderName = QStringLiteral("[Others]");
        entry.APNName = QStringLiteral("internet");
        entry.PhoneNumber = QStringLiteral("*99#");
        entry.UserName = QStringLiteral("web");
        entry.Password = password;
        const std::optional<int> id = app_->Data().AddEntry(entry);
        entry.ID = id.value_or(0);
        app_->Settings().SaveConnectInfo(ConnectInfoOf(entry));
        return id;
    }

    int PlantHistory()
    {
        const QString name = QStringLiteral("Daily Web");
        const int id = AddCurrentEntry(name).value_or(0);
        AllowanceStore::SaveCap(app_->Settings().Store(), id, DataCap{500, 1});
        HistoryStore history(app_->Data().UserDatabasePath());
        const QDate today = QDate::currentDate();
        const struct
        {
            int daysAgo;
            quint64 megabytes;
            HistoryStore::Outcome outcome;
        } planted[] = {{std::min(today.day() - 1, 6), 40, HistoryStore::Outcome::HungUp},
                       {std::min(today.day() - 1, 3), 22, HistoryStore::Outcome::Dropped},
                       {0, 2, HistoryStore::Outcome::HungUp},
                       {0, 1, HistoryStore::Outcome::Failed}};
        for (const auto& p : planted) {
            HistoryStore::Record r;
            r.seq = history.Begin(id, name, QDateTime(today.addDays(-p.daysAgo), QTime(9, 30)).toUTC());
            r.ended = QDateTime::currentDateTimeUtc();
            r.seconds = qint64(p.megabytes) * 30;
            r.received = p.megabytes * 1024 * 1024 * 9 / 10;
            r.sent = p.megabytes * 1024 * 1024 - r.received;
            r.outcome = p.outcome;
            if (p.outcome == HistoryStore::Outcome::Failed) {
                r.errorCode = 679;
                r.errorText = QStringLiteral("No carrier\nchat: NO CARRIER");
            }
            history.Finish(r);
        }
        HistoryStore::Record other;
        other.seq = history.Begin(id + 100, QStringLiteral("Roaming"), QDateTime::currentDateTimeUtc().addDays(-40));
        other.outcome = HistoryStore::Outcome::Canceled;
        history.Finish(other);
        return id;
    }

    void Open(bool connectOnStart = false)
    {
        DialerPaths paths = StandInPppd(dir_.path());
        paths.dnsHook = dir_.filePath(QStringLiteral("no-dns-hook")); // not installed
        if (realPppd_)
            paths.pppd = DialerPaths().pppd;
        PortConflictSources sources;
        sources.userSettingsRoot = dir_.filePath(QStringLiteral("config"));
        sources.machineSettingsRoot = dir_.filePath(QStringLiteral("machine"));
        sources.lockDirectory = dir_.filePath(QStringLiteral("locks"));
        sources.uucpLockDirectory = dir_.filePath(QStringLiteral("lock"));
        window_ = std::make_unique<CMainDlg>(CMainDlg::Services{*app_, help_, dir_.filePath(QStringLiteral("braxlow.pbk")),
                                                                paths, 5, sources, &notifier_});
        if (connectOnStart)
            window_->ConnectOnStart();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    QAbstractButton* Button(const char* name) const
    {
        return window_->findChild<QAbstractButton*>(QLatin1String(name));
    }

    bool Active() const { return window_->Sequence().IsActive(); }

    // What pppd and the kernel say of the window's link: its interface and counters.
    bool Counters(quint64 received, quint64 sent)
    {
        return FakeLinkCounters(StandInPppd(dir_.path()), window_->Dialer().Handle(), received, sent);
    }
    // In the tray, or minimized where the desktop has no tray (offscreen).
    bool Away() const { return !window_->isVisible() || window_->isMinimized(); }
    bool Shown() const { return window_->isVisible() && !window_->isMinimized(); }

    QByteArray Recorded(const char* name) const
    {
        QFile f(dir_.filePath(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString Text(int id) const { return LoadLanguageString(app_->Settings().LanguageModule(), id); }

    QTemporaryDir dir_;
    std::unique_ptr<TestSupport::ProgramFolder> folder_;
    RecordingPrompter prompter_;
    NoHelp help_;
    RecordingNotifier notifier_;
    std::unique_ptr<BraxlowApp> app_;
    std::unique_ptr<VirtualPhone> phone_;
    bool realPppd_ = false;
    std::unique_ptr<CMainDlg> window_;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
