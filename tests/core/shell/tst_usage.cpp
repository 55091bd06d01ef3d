// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the window shows while online, apart from the window: the month's
// traffic in the settings, the link's counters as the kernel and pppd leave
// them, the texts, and the pauses before dialing again.
#include "core/dialup/LinkCounters.h"
#include "core/dialup/PppLinks.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/ConnectSequence.h"
#include "core/shell/DesktopNotifier.h"
#include "core/shell/ShellTexts.h"
#include "core/shell/UsageMeter.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QLockFile>
#include <QtTest>

namespace {

using TestSupport::WriteFile;

// The desktop's notification service as a session bus of the test's own
// offers it: it keeps what it was asked to show.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QStringList> shown;

public Q_SLOTS:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        shown.append(QStringList{app, QString::number(replaces), icon, summary, body, actions.join(QLatin1Char(',')),
                             hints.value(QStringLiteral("desktop-entry")).toString(), QString::number(timeout)});
        return 7;
    }
};

constexpr quint64 kMB = 1024 * 1024;

} // namespace

class TestUsage : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void monthStartsOnItsDay_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("startDay");
        QTest::addColumn<QDate>("start");
        QTest::newRow("on the day") << QDate(2026, 12, 15) << 15 << QDate(2026, 12, 15);
        QTest::newRow("before it") << QDate(2026, 12, 14) << 15 << QDate(2026, 11, 15);
        QTest::newRow("into January") << QDate(2027, 1, 3) << 15 << QDate(2026, 12, 15);
        QTest::newRow("31st in a short month") << QDate(2026, 11, 30) << 31 << QDate(2026, 11, 30);
        QTest::newRow("31st after February") << QDate(2027, 3, 1) << 31 << QDate(2027, 2, 28);
        QTest::newRow("29th, leap year") << QDate(2028, 2, 29) << 30 << QDate(2028, 2, 29);
        QTest::newRow("day out of range") << QDate(2026, 12, 9) << 99 << QDate(2026, 11, 30);
    }
    void monthStartsOnItsDay()
    {
        QFETCH(QDate, day);
        QFETCH(int, startDay);
        QFETCH(QDate, start);
        QCOMPARE(AllowanceStore::PeriodStart(day, startDay), start);
    }

    // The month goes on across connections and restarts, rolls over on its
    // day, counts a new interface from zero, and warns once at each mark.
    void monthIsKeptRolledOverAndWarnedOnce()
    {
        TestSupport::Settings fixture;
        SettingsStore& store = fixture.store;
        QVERIFY(AllowanceStore::SaveCap(store, 4, DataCap{10, 20}));
        {
            UsageMeter meter(store);
            meter.Begin(4, QDate(2026, 12, 8));
            QCOMPARE(meter.Period(), QDate(2026, 11, 20));
            QCOMPARE(meter.Sample(3 * kMB, 1 * kMB, QDate(2026, 12, 8)), 0);
            QCOMPARE(meter.Sample(6 * kMB, 2 * kMB, QDate(2026, 12, 8)), 80);
            QCOMPARE(meter.Sample(6 * kMB, 2 * kMB + 10, QDate(2026, 12, 8)), 0);
            QCOMPARE(meter.MonthTotal(), 8 * kMB + 10);
            // pppd made a new interface: its counters start again.
            QCOMPARE(meter.Sample(1 * kMB, 0, QDate(2026, 12, 9)), 0);
            QCOMPARE(meter.SessionReceived(), 7 * kMB);
            QCOMPARE(meter.MonthTotal(), 9 * kMB + 10);
        }
        // A restart (or a kill: every reading was written) goes on from there,
        // and does not warn about 80% again.
        UsageMeter later(store);
        later.Begin(4, QDate(2026, 12, 10));
        QCOMPARE(later.MonthTotal(), 9 * kMB + 10);
        QCOMPARE(later.SessionReceived(), quint64(0));
        QCOMPARE(later.Percent(), 90);
        QCOMPARE(later.Sample(kMB, 0, QDate(2026, 12, 10)), 100);
        QCOMPARE(later.Sample(2 * kMB, 0, QDate(2026, 12, 10)), 0);
        // The start day: a new month, counted from this reading on.
        QCOMPARE(later.Sample(2 * kMB + 100, 0, QDate(2026, 12, 20)), 0);
        QCOMPARE(later.Period(), QDate(2026, 12, 20));
        QCOMPARE(later.MonthTotal(), quint64(100));
        QCOMPARE(later.Sample(12 * kMB, 0, QDate(2026, 12, 21)), 100);

        // A larger allowance warns again when its marks are reached.
        QVERIFY(AllowanceStore::SaveCap(store, 4, DataCap{100, 20}));
        later.Begin(4, QDate(2026, 12, 22));
        QCOMPARE(later.Percent(), 10);
        QCOMPARE(later.Sample(70 * kMB, 0, QDate(2026, 12, 22)), 80);

        // A month that ended while the program was not running starts empty.
        later.Begin(4, QDate(2027, 2, 1));
        QCOMPARE(later.MonthTotal(), quint64(0));

        // A deleted entry leaves nothing for the next one of its number.
        QVERIFY(AllowanceStore::Forget(store, 4));
        QCOMPARE(AllowanceStore::LoadCap(store, 4), DataCap());
        later.Begin(4, QDate(2027, 2, 1));
        QCOMPARE(later.MonthTotal(), quint64(0));
        // No entry: the connection is counted, the settings are not touched.
        later.Begin(0, QDate(2027, 2, 1));
        later.Sample(500, 20, QDate(2027, 2, 1));
        QCOMPARE(later.SessionReceived(), quint64(500));
        QVERIFY(!store.ReadString(AllowanceStore::KeyOf(0), QStringLiteral("Received")));
    }

    // The month is written beside the window: a settings file that another
    // program holds does not hold the reading up, and a month that cannot be
    // written is said once, however often it fails.
    void monthIsWrittenAsideAndAFailureIsSaidOnce()
    {
        TestSupport::Settings fixture;
        SettingsStore& store = fixture.store;
        const QDate today(2026, 12, 9);
        const QString key = AllowanceStore::KeyOf(4);
        {
            UsageMeter meter(store);
            meter.Begin(4, today);
            meter.Settle();
            QLockFile other(store.FilePath() + QStringLiteral(".lock"));
            QVERIFY(other.tryLock(0));
            QElapsedTimer t;
            t.start();
            meter.Sample(1000, 500, today);
            QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
            other.unlock();
            meter.End(); // the end of the connection is written at once
            meter.Settle();
            QCOMPARE(store.ReadString(key, QStringLiteral("Received")), QStringLiteral("1000"));
            meter.Begin(4, today);
            meter.Sample(200, 0, today);
        } // and so is what is left when the meter goes
        QCOMPARE(store.ReadString(key, QStringLiteral("Received")), QStringLiteral("1200"));

        QTemporaryDir broken; // "KORVANE" is a file: nothing can be written under it
        QVERIFY(TestSupport::WriteFile(broken.filePath(QStringLiteral("KORVANE")), QByteArray()));
        SettingsStore nowhere(broken.path());
        std::atomic<int> told{0};
        UsageMeter meter(nowhere, [&told] { ++told; });
        meter.Begin(4, today);
        for (quint64 reading : {1000, 2000, 3000}) {
            meter.Sample(reading, 0, today);
            meter.Settle(); // each one written, and failed
        }
        QCOMPARE(told.load(), 1);
        QCOMPARE(meter.MonthTotal(), quint64(3000)); // counted on all the same
    }

    void hostileStoredValuesAreHarmless()
    {
        TestSupport::Settings fixture;
        SettingsStore& store = fixture.store;
        const QString key = AllowanceStore::KeyOf(9);
        store.WriteString(key, QStringLiteral("Received"), QStringLiteral("-5 bytes"));
        store.WriteString(key, QStringLiteral("Sent"), QStringLiteral("99999999999999999999999"));
        store.WriteString(key, QStringLiteral("PeriodStart"), QStringLiteral("9999-99-99"));
        store.WriteDword(key, QStringLiteral("AllowanceMB"), -3);
        store.WriteDword(key, QStringLiteral("StartDay"), 400);
        store.WriteDword(key, QStringLiteral("Warned"), 5000);
        QCOMPARE(AllowanceStore::LoadCap(store, 9), (DataCap{0, 31}));
        UsageMeter meter(store);
        meter.Begin(9, QDate(2026, 12, 9));
        QCOMPARE(meter.MonthTotal(), quint64(0));
        QCOMPARE(meter.Percent(), 0);
        QCOMPARE(meter.Sample(100, 100, QDate(2026, 12, 9)), 0);
        QCOMPARE(meter.MonthTotal(), quint64(200));
    }

    void textsFitTheirPlaces()
    {
        QCOMPARE(UsageFormat::Bytes(1023), QStringLiteral("1023 B"));
        QCOMPARE(UsageFormat::Bytes(1536), QStringLiteral("1.5 kB"));
        QCOMPARE(UsageFormat::Bytes(5 * kMB / 2), QStringLiteral("2.5 MB"));
        QCOMPARE(UsageFormat::Bytes(1024 * 1024 * kMB), QStringLiteral("1.00 TB"));
        QCOMPARE(UsageFormat::Bytes(~quint64(0)), QStringLiteral("16777216 TB"));
        QCOMPARE(UsageFormat::Duration(3723), QStringLiteral("1:02:03"));
        QCOMPARE(UsageFormat::Duration(100 * 3600), QStringLiteral("100:00:00"));
        QCOMPARE(UsageFormat::Duration(-4), QStringLiteral("0:00:00"));

        const QString tip = ShellTexts::TrafficTip(QStringLiteral("Braxlow"), 3723, 12 * kMB, 300 * 1024,
                                                   QStringLiteral("Month: 24% of 500 MB"));
        QCOMPARE(tip, QString::fromUtf8("Braxlow 1:02:03\n\u2193 12.0 MB \u2191 300 kB\nMonth: 24% of 500 MB"));
        // Long texts give way; the time and the traffic stay.
        const QString crowded = ShellTexts::TrafficTip(QString(80, QLatin1Char('B')), 360000, ~quint64(0), ~quint64(0),
                                                       QString(40, QLatin1Char('M')));
        QVERIFY(crowded.size() <= 63);
        QVERIFY(crowded.contains(QStringLiteral("100:00:00\n\u2193 16777216 TB \u2191 16777216 TB")));
        QVERIFY(!crowded.contains(QLatin1Char('M')));

        // Each language its own units and decimal mark; a table whose units
        // are not all there keeps the English ones.
        const auto units = [](const char* lcid) {
            return UsageFormat::ByteUnits::Of(LanguageLoader::LoadModule(
                                                  TestSupport::ProgramDirectory() +
                                                  QStringLiteral("/Lang/LANG%1.qm").arg(QLatin1String(lcid)))
                                                  .get());
        };
        QCOMPARE(UsageFormat::Bytes(5 * kMB / 2, units("0407")), QStringLiteral("2,5 MB"));
        QCOMPARE(UsageFormat::Bytes(1023, units("040C")), QStringLiteral("1023 o"));
        QCOMPARE(UsageFormat::Bytes(1536, units("0419")), QStringLiteral("1,5 КБ"));
        QCOMPARE(ShellTexts::TrafficLine(5, 1536, 12 * kMB, units("040C")),
                 QString::fromUtf8("0:00:05   \u2193 1,5 ko   \u2191 12,0 Mo"));
        QCOMPARE(UsageFormat::Bytes(1536, units("0409")), QStringLiteral("1.5 kB"));
        const auto test = LanguageLoader::LoadModule(QStringLiteral(BRAXLOW_TEST_DATA_DIR "/LANGTEST.qm"));
        QVERIFY(test);
        QCOMPARE(UsageFormat::Bytes(1536, UsageFormat::ByteUnits::Of(test.get())), QStringLiteral("1,5 kB"));
        QCOMPARE(UsageFormat::Bytes(1536, UsageFormat::ByteUnits::Of(nullptr)), QStringLiteral("1.5 kB"));
    }

    void pausesGrowAndMessagesWait()
    {
        QCOMPARE((QList<int>{ReconnectDelay(0), ReconnectDelay(1), ReconnectDelay(2), ReconnectDelay(3),
                             ReconnectDelay(50)}),
                 (QList<int>{5, 15, 60, 300, 300}));
        RecordingPrompter real;
        QuietPrompter quiet(real);
        quiet.SetQuiet(true);
        QCOMPARE(quiet.Show(QStringLiteral("first"), QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop),
                 Prompter::Answer::Ok);
        quiet.Show(QStringLiteral("last"), QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
        // A question still needs its answer.
        real.QueueAnswer(Prompter::Answer::No);
        QCOMPARE(quiet.Show(QStringLiteral("sure?"), QString(), Prompter::Buttons::YesNo, Prompter::Icon::Question),
                 Prompter::Answer::No);
        quiet.SetQuiet(false);
        QVERIFY(quiet.ShowKept());
        QVERIFY(!quiet.ShowKept());
        QCOMPARE(real.Messages().size(), 2);
        QCOMPARE(real.Messages().at(1).text, QStringLiteral("last"));
    }

    // The notice goes to the desktop's service in the form it expects; with no
    // one there it falls back to the tray's balloon.
    void notificationsReachTheDesktop()
    {
        TestSupport::PrivateBus bus;
        const QString address = bus.Address();
        if (address.isEmpty())
            QSKIP("no dbus-daemon (Debian package dbus-daemon)");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
        QStringList fallback;
        SessionBusNotifier notifier([&fallback](const QString& summary, const QString&) { fallback << summary; });
        notifier.Notify(QStringLiteral("nobody there"), QString());
        QTRY_COMPARE_WITH_TIMEOUT(fallback, QStringList{QStringLiteral("nobody there")}, 10000);

        QDBusConnection desktop = bus.Connect(QStringLiteral("desktop"));
        FakeNotifications service;
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(SessionBusNotifier::kService));
        notifier.Notify(QStringLiteral("The connection dropped"), QStringLiteral("It was up for 0:12:00."));
        QTRY_COMPARE_WITH_TIMEOUT(service.shown.size(), 1, 10000);
        QCOMPARE(service.shown.at(0), (QStringList{QStringLiteral("Braxlow"), QStringLiteral("0"), QStringLiteral("braxlow"),
                                                   QStringLiteral("The connection dropped"),
                                                   QStringLiteral("It was up for 0:12:00."), QString(),
                                                   QStringLiteral("braxlow"), QStringLiteral("-1")}));
        QTest::qWait(200);
        QCOMPARE(fallback.size(), 1);
        QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    }

    // pppd names the interface in the link's pid file; the counters are the
    // kernel's. Neither is believed without checking.
    void countersComeFromTheLinksInterface()
    {
        QTemporaryDir dir;
        DialerPaths paths = StandInPppd(dir.path());
        paths.netClass = dir.filePath(QStringLiteral("net"));
        QProcess pppd;
        pppd.setProgram(paths.pppd);
        pppd.setArguments({QStringLiteral("linkname"), QStringLiteral("Braxlow")});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FAKE_PPPD_TRANSCRIPT"),
                   PppTranscript(dir.path(), QStringLiteral("up"), QStringLiteral("sleep 60\n")));
        pppd.setProcessEnvironment(env);
        pppd.start();
        QVERIFY(pppd.waitForStarted());
        const QByteArray pid = QByteArray::number(pppd.processId());
        // The start returns once the exec has begun; the kernel shows the new
        // program's command line a moment later.
        QTRY_VERIFY_WITH_TIMEOUT(PppLinks(paths).IsLink(quint32(pppd.processId()), QStringLiteral("Braxlow"), true),
                                 10000);
        const QString pidFile = paths.runDirs.at(0) + QStringLiteral("/ppp-Braxlow.pid");
        QVERIFY(FakeLinkCounters(paths, pppd.processId(), 123456, 7890));

        // Dialing: pppd has written its number, not yet an interface.
        QVERIFY(WriteFile(pidFile, pid + "\n"));
        QVERIFY(!LinkCounterReader::Read(paths, QStringLiteral("Braxlow")));
        QVERIFY(WriteFile(pidFile, pid + "\nppp9\n"));
        const std::optional<LinkCounters> counters = LinkCounterReader::Read(paths, QStringLiteral("Braxlow"));
        QVERIFY(counters);
        QCOMPARE(counters->interfaceName, QStringLiteral("ppp9"));
        QCOMPARE(counters->received, quint64(123456));
        QCOMPARE(counters->sent, quint64(7890));
        // A name that leaves the folder, and a pid file another program's
        // number took over, give nothing.
        QVERIFY(WriteFile(pidFile, pid + "\n../../ppp9\n"));
        QVERIFY(!LinkCounterReader::Read(paths, QStringLiteral("Braxlow")));
        QVERIFY(WriteFile(pidFile, QByteArray::number(QCoreApplication::applicationPid()) + "\nppp9\n"));
        QVERIFY(!LinkCounterReader::Read(paths, QStringLiteral("Braxlow")));
        QVERIFY(WriteFile(pidFile, pid + "\nppp9\n"));
        QVERIFY(WriteFile(paths.netClass + QStringLiteral("/ppp9/statistics/tx_bytes"), "lots\n"));
        QVERIFY(!LinkCounterReader::Read(paths, QStringLiteral("Braxlow")));
        for (const char* bad : {"", ".", "..", "a/b", "ppp0 x", "abcdefghijklmnop"})
            QVERIFY2(!LinkCounterReader::IsInterfaceName(QString::fromLatin1(bad)), bad);
        pppd.terminate();
        pppd.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestUsage)
#include "tst_usage.moc"
