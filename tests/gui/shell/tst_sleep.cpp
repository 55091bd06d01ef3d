// SPDX-License-Identifier: GPL-3.0-or-later
//
// Sleep and resume: logind as python-dbusmock's template plays it on a system
// bus of the test's own, the window on the virtual phone and pppd's stand-in.
#include "core/dialup/PppLinks.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "gui/shell/CMainDlg.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QAbstractButton>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QtTest>

class TestSleep : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        if (bus_.Address().isEmpty())
            QSKIP("no dbus-daemon (Debian package dbus-daemon)");
        // Before anything of the program reaches for the system bus.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus_.Address().toLocal8Bit());
        logind_.setProcessChannelMode(QProcess::ForwardedChannels);
        logind_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                       QStringLiteral("--template"), QStringLiteral("logind")});
        QVERIFY(logind_.waitForStarted());
        QVERIFY2(QTest::qWaitFor([] { return QDBusConnection::systemBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1")).value(); },
                                 20000),
                 "python3-dbusmock's logind did not start");
    }

    void cleanupTestCase()
    {
        logind_.kill();
        logind_.waitForFinished();
    }

    // Asleep, the line is hung up first while the machine waits for it; awake,
    // it is dialed again with dialing again on, and told as ended without.
    void hangsUpBeforeSleepAndDialsAfter()
    {
        TestSupport::ProgramFolder folder;
        QTemporaryDir dir;
        RecordingPrompter prompter;
        BraxlowApp app(TestSupport::AppOptions(folder.ProgramFile(), dir.path()), prompter);
        QVERIFY(app.Startup());
        ConnectInfo info;
        info.ConnectName = QStringLiteral("Web");
        info.APNName = QStringLiteral("internet");
        info.PhoneNumber = QStringLiteral("*99#");
        info.CheckPassword = QStringLiteral("1");
        info.CID = 4;
        app.Settings().SaveConnectInfo(info);
        VirtualPhone phone;
        QVERIFY(phone.Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone.Path(), QStringLiteral("Korvane GPRS MODEM")));
        app.Settings().SavePort(7);
        const DialerPaths paths = StandInPppd(dir.path());
        qputenv("FAKE_PPPD_DIR", QFile::encodeName(dir.path()));
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir.path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        TestSupport::NoHelp help;
        CMainDlg window(CMainDlg::Services{app, help, dir.filePath(QStringLiteral("braxlow.pbk")), paths, 5,
                                           PortConflictSources()});
        window.show();
        auto active = [&] { return window.Sequence().IsActive(); };
        auto connect = [&] {
            QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("button4464")), Qt::LeftButton);
            return QTest::qWaitFor([&] { return window.Sequence().Connected() && Inhibitors() == 1; }, 30000);
        };

        for (const bool again : {true, false}) {
            app.Settings().SaveAutoReconnect(again);
            prompter.Clear();
            QVERIFY2(connect(), qPrintable(window.StatusText()));
            Sleep(true);
            QVERIFY(!active());
            QCOMPARE(Inhibitors(), 0);
            QCOMPARE(window.StatusText(), Text(app, Str::StatusConnectionEnded));
            QVERIFY(!window.Sequence().ReconnectPending()); // nothing dials into the sleep
            QVERIFY(app.Settings().Store().ReadString(QStringLiteral("Braxlow/Usage/4"), QStringLiteral("PeriodStart")).has_value());
            Sleep(false);
            if (again) {
                QVERIFY2(QTest::qWaitFor([&] { return window.Sequence().Connected(); }, 30000), qPrintable(window.StatusText()));
                QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), 1, 10000);
                prompter.QueueAnswer(Prompter::Answer::Yes);
                window.OnDisconnect();
                QVERIFY(QTest::qWaitFor([&] { return !active() && !window.Sequence().HangingUp(); }, 15000));
            } else {
                QTest::qWait(3000);
                QVERIFY(!active() && !window.Sequence().ReconnectPending());
                QCOMPARE(window.StatusText(), Text(app, Str::StatusConnectionEnded));
            }
            QVERIFY2(prompter.Messages().size() <= 1, qPrintable(prompter.Messages().value(1).text));
        }
        window.Sequence().WindowClosing();
    }

private:
    static QString Text(BraxlowApp& app, int id) { return LoadLanguageString(app.Settings().LanguageModule(), id); }

    // logind's announcement, as the mock emits it; returns once the window
    // has had the time to act on it.
    void Sleep(bool sleeping)
    {
        QDBusMessage signal = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
        signal << QStringLiteral("org.freedesktop.login1.Manager") << QStringLiteral("PrepareForSleep")
             << QStringLiteral("b") << QVariantList{sleeping};
        QCOMPARE(QDBusConnection::systemBus().call(signal).type(), QDBusMessage::ReplyMessage);
        QTest::qWait(sleeping ? 3000 : 500);
    }

    int Inhibitors()
    {
        const QDBusMessage reply = QDBusConnection::systemBus().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors")));
        if (reply.type() != QDBusMessage::ReplyMessage)
            return -1;
        const QDBusArgument list = reply.arguments().at(0).value<QDBusArgument>();
        int count = 0;
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            if (what == QLatin1String("sleep") && who == QLatin1String("Braxlow") && mode == QLatin1String("delay"))
                ++count;
        }
        list.endArray();
        return count;
    }

    TestSupport::PrivateBus bus_;
    QProcess logind_;
};

QTEST_MAIN(TestSleep)
#include "tst_sleep.moc"
