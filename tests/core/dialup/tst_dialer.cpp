// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/CRasDialer.h"
#include "core/dialup/DialupController.h"
#include "core/dialup/DialupErrors.h"
#include "core/dialup/LinkCounters.h"
#include "core/dialup/PppLinks.h"
#include "core/dialup/PppdCommand.h"
#include "core/dialup/PppdProgress.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <csignal>
#include <pwd.h>
#include <unistd.h>
#include <sys/wait.h>

namespace {

const QString kName = QStringLiteral("Braxlow");

struct Transcript
{
    PppdProgress progress;
    QList<int> states;
    QList<int> errors;

    void Feed(const QString& file)
    {
        QFile f(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/") + file);
        if (!f.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("sleep ")) || line.startsWith(QLatin1Char('#')))
                continue;
            PppdProgress::Change c = line.startsWith(QLatin1String("exit "))    ? progress.Exited(line.mid(5).toInt(), false)
                                     : line.startsWith(QLatin1String("chat: ")) ? progress.ChatLine(line.mid(6))
                                                                                 : progress.Line(line);
            if (c.stateChanged)
                states << progress.State();
            if (c.errorRaised)
                errors << progress.Error();
        }
    }
};

// A process as /proc shows it, under a folder of the test's: its command line
// and the real user in its status.
bool FakeProcess(const QString& proc, qint64 pid, const QByteArray& cmdline, uid_t user)
{
    const QString dir = proc + QLatin1Char('/') + QString::number(pid);
    return TestSupport::WriteFile(dir + QStringLiteral("/cmdline"), cmdline) &&
           TestSupport::WriteFile(dir + QStringLiteral("/status"),
                                  QStringLiteral("Name:\tpppd\nUid:\t%1\t0\t0\t0\n").arg(user).toLatin1());
}

QStringList ProcessesMentioning(const QByteArray& needle, const char* file)
{
    QStringList found;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        QFile f(QStringLiteral("/proc/%1/%2").arg(pid, QLatin1String(file)));
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(needle))
            found << pid;
    }
    return found;
}

// A dialer whose pppd is a stand-in, with its controller, the entry made and
// bound to the modem of the configured port.
struct StandInDial
{
    StandInDial(const QString& phoneBook, AppSettings& settings, const QString& pppd)
        : paths(Paths(pppd)), dialer(phoneBook, &settings, paths), controller(settings, dialer, irda, prompter, 5)
    {
    }
    static DialerPaths Paths(const QString& pppd)
    {
        DialerPaths p;
        p.pppd = pppd;
        p.chat = QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/fakepppd/chat");
        p.peersDir = QString(); // every device as if granted, for ordinary users
        return p;
    }
    bool Prepare() { return controller.EnsureDialupEntry(QStringLiteral("*99#")) && controller.BindEntryToModem(); }

    DialerPaths paths;
    CRasDialer dialer;
    RecordingPrompter prompter;
    CIrDASock irda;
    DialupController controller;
};

} // namespace

class TestDialer : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        fixture_ = std::make_unique<TestSupport::Settings>();
        dir_ = &fixture_->dir;
        settings_ = &fixture_->settings;
        dialer_ = std::make_unique<CRasDialer>(dir_->filePath(QStringLiteral("rasphone.pbk")), settings_);
    }

    void cleanup()
    {
        dialer_.reset();
        Quarrin::CurrentPortMap().Remove(7);
        qunsetenv("FAKE_PPPD_TRANSCRIPT");
        qunsetenv("FAKE_PPPD_DIR");
    }

    void entryIsCreatedOnceAndThenOnlyChanged()
    {
        RecordingPrompter prompter;
        CIrDASock irda;
        DialupController controller(*settings_, *dialer_, irda, prompter, 5);
        Ras::Entry e;
        QCOMPARE(dialer_->GetEntry(kName, e, QString()), 755);
        QVERIFY(controller.EnsureDialupEntry(QStringLiteral("*99#")));
        QCOMPARE(dialer_->GetEntry(kName, e, QString()), 0);
        QCOMPARE(e.options, 0x110u);
        QCOMPARE(e.localPhoneNumber, QStringLiteral("*99#"));
        QCOMPARE(e.netProtocols, 4u);
        QCOMPARE(e.framingProtocol, 1u);
        QCOMPARE(e.deviceType, QStringLiteral("modem"));
        QCOMPARE(e.deviceName, QStringLiteral("Korvane GPRS MODEM"));

        // An existing entry with another number is not rewritten.
        QCOMPARE(dialer_->CreateEntry(kName, QStringLiteral("modem"), QStringLiteral("X"), 4, 1,
                                      QStringLiteral("*99***1#"), QString()), 183);
        QVERIFY(controller.EnsureDialupEntry(QStringLiteral("*99***1#")));
        QCOMPARE(dialer_->GetEntry(QStringLiteral("braxlow"), e, QString()), 0); // any case
        QCOMPARE(e.localPhoneNumber, QStringLiteral("*99#"));

        // A name the phone book cannot hold fails the creation, reported as 1124.
        QVERIFY(dialer_->CreateEntry(QStringLiteral("bad]name"), QStringLiteral("modem"), QString(), 4, 1,
                                     QString(), QString()) != 0);
    }

    void addressesOptionsAndDevice()
    {
        QCOMPARE(dialer_->SetEntryAddress(kName, 2, 1, 2, 3, 4, QString()), 755);
        QCOMPARE(dialer_->CreateEntry(kName, QStringLiteral("modem"), QStringLiteral("A"), 4, 1,
                                      QString(), QString()), 0);
        QCOMPARE(dialer_->SetEntryAddress(kName, 1, 10, 0, 0, 2, QString()), 0);
        QCOMPARE(dialer_->SetEntryAddress(kName, 3, 8, 8, 4, 4, QString()), 0);
        QCOMPARE(dialer_->SetEntryAddress(kName, 9, 1, 1, 1, 1, QString()), 0); // unchanged
        Ras::Entry e;
        dialer_->GetEntry(kName, e, QString());
        QCOMPARE(e.ipaddr.Text(), QStringLiteral("10.0.0.2"));
        QCOMPARE(e.ipaddrDnsAlt.Text(), QStringLiteral("8.8.4.4"));
        QCOMPARE(e.options, Ras::kSpecificIpAddr | Ras::kSpecificNameServers);
        QCOMPARE(dialer_->SetEntryOptions(kName, Ras::kSpecificNameServers, false, QString()), 0);
        dialer_->GetEntry(kName, e, QString());
        QCOMPARE(e.options, Ras::kSpecificIpAddr);

        QCOMPARE(dialer_->SetEntryDevice(kName, QStringLiteral("A"), QStringLiteral("isdn"), QString()), 0);
        dialer_->GetEntry(kName, e, QString());
        QCOMPARE(e.deviceType, QStringLiteral("modem")); // same name: nothing written
        QCOMPARE(dialer_->SetEntryDevice(kName, QStringLiteral("B"), QStringLiteral("modem"), QString()), 0);
        dialer_->GetEntry(kName, e, QString());
        QCOMPARE(e.deviceName, QStringLiteral("B"));

        QCOMPARE(Ras::IpAddr::Parse(QString()).Text(), QStringLiteral("0.0.0.0"));
        QCOMPARE(Ras::IpAddr::Parse(QStringLiteral("1.2")).Text(), QStringLiteral("1.2.0.0"));
        QCOMPARE(Ras::IpAddr::Parse(QStringLiteral("10.0.0.258")).Text(), QStringLiteral("10.0.0.2"));
        QCOMPARE(Ras::IpAddr::Parse(QStringLiteral("1x.y.3.4z")).Text(), QStringLiteral("1.0.3.4"));
    }

    void statusTextForEveryState()
    {
        const auto english = LanguageLoader::LoadModule(TestSupport::ProgramDirectory() + QStringLiteral("/Lang/LANG0409.qm"));
        const int states[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                              21, 22, 23, 0x1000, 0x1001, 0x1002, 0x1003, 0x2000, 0x2001};
        for (int state : states) {
            const int id = CRasDialer::StatusStringFor(state);
            QVERIFY2(id != 0 && !LookUpLanguageString(english.get(), id).isEmpty(),
                     qPrintable(QString::number(state)));
        }
        QCOMPARE(CRasDialer::StatusStringFor(0x2000), 1137);
        QCOMPARE(CRasDialer::StatusStringFor(0x2001), 1148);
        QCOMPARE(CRasDialer::StatusStringFor(17), 1149);
    }

    void transcriptsMapOntoTheServiceStates()
    {
        Transcript ok;
        ok.Feed(QStringLiteral("ppp-success.log"));
        QCOMPARE(ok.states, (QList<int>{Ras::PortOpened, Ras::ConnectDevice, Ras::DeviceConnected,
                                        Ras::AllDevicesConnected, Ras::Authenticated, Ras::Projected,
                                        Ras::Connected, Ras::Disconnected}));
        QVERIFY(ok.errors.isEmpty()); // our own hang-up is no error
        QCOMPARE(ok.progress.LocalAddress(), QStringLiteral("10.64.64.10"));

        Transcript dropped;
        dropped.Feed(QStringLiteral("ppp-dropped.log"));
        QVERIFY(dropped.errors.isEmpty()); // a line lost after connecting is no dial error
        QCOMPARE(dropped.states.mid(dropped.states.size() - 2), (QList<int>{Ras::Connected, Ras::Disconnected}));

        Transcript auth;
        auth.Feed(QStringLiteral("ppp-auth-failure.log"));
        QCOMPARE(auth.errors, QList<int>{Ras::kAuthenticationFailure}); // the first error only
        QCOMPARE(auth.progress.ExtendedError(), 19);
        QCOMPARE(auth.progress.State(), int(Ras::Disconnected));

        Transcript lost;
        lost.Feed(QStringLiteral("ppp-lost-carrier.log"));
        QCOMPARE(lost.errors, QList<int>{Ras::kPortDisconnected});
        QCOMPARE(lost.progress.ExtendedError(), 16);

        Transcript busy;
        busy.Feed(QStringLiteral("ppp-no-carrier.log"));
        QCOMPARE(busy.errors, QList<int>{Ras::kNoCarrier});
        QCOMPARE(busy.progress.ExtendedError(), 5);

        PppdProgress noKernel; // this machine: pppd ends before chat runs
        noKernel.Line(QStringLiteral("Couldn't open the /dev/ppp device: No such file or directory"));
        noKernel.Exited(4, false);
        QCOMPARE(noKernel.Error(), Ras::kServiceCannotStart);
        QCOMPARE(noKernel.ExtendedError(), 4);

        PppdProgress timedOut;
        timedOut.ChatLine(QStringLiteral("alarm"));
        timedOut.ChatLine(QStringLiteral("Failed"));
        timedOut.Line(QStringLiteral("Connect script failed"));
        QCOMPARE(timedOut.State(), int(Ras::OpenPort)); // a line of chat's says nothing of the link
        QCOMPARE(timedOut.Error(), Ras::kNoAnswer);
        QCOMPARE(timedOut.ExtendedError(), 3);
    }

    void errorTexts()
    {
        QString text;
        QCOMPARE(dialer_->GetErrorText(0, 0, text), 756);
        QCOMPARE(text, QStringLiteral("Fail to get error Code"));
        QCOMPARE(dialer_->GetErrorText(Ras::kServiceCannotStart, 4, text), 0);
        QVERIFY(text.endsWith(QLatin1String(" Extended Error Code: 4")));
        QVERIFY(text.contains(QLatin1String("pppd")));
        QCOMPARE(dialer_->GetErrorText(Ras::kLineBusy, 0, text), 0);
        QCOMPARE(text, QStringLiteral("The line is busy."));
        // Each way pppd can fail to start says what it is.
        QSet<QString> startTexts;
        for (int status : {1, 2, 4, 18})
            startTexts << DialupErrorText(settings_->LanguageModule(), PppdProgress::ErrorForExitStatus(status));
        QCOMPARE(startTexts.size(), 4);
        QVERIFY(!startTexts.contains(QString()));
        QVERIFY(dialer_->GetErrorText(4321, 7, text) != 0);
        QCOMPARE(text, QStringLiteral("Fail to get error Code Extended Error Code: 7"));

        // In the user's language; the hook's text, longer than one string may
        // be, comes whole, with the command for the user who reads it.
        RecordingPrompter prompter;
        QVERIFY(LanguageLoader(*settings_, prompter).SwitchLanguage(QStringLiteral("German")));
        QCOMPARE(dialer_->GetErrorText(Ras::kLineBusy, 0, text), 0);
        QCOMPARE(text, QStringLiteral("Die Leitung ist besetzt."));
        settings_->SaveLanguage(QStringLiteral("English"));
        LanguageLoader(*settings_, prompter).LoadStartupLanguage();
        const QString hook = DialupErrorText(settings_->LanguageModule(), Ras::kDnsHookMissing);
        QVERIFY2(hook.size() > 255, qPrintable(hook));
        const QString user = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name);
        QVERIFY2(hook.contains(QStringLiteral("sudo scripts/install-ppp-access %1\nOr let the network").arg(user)),
                 qPrintable(hook));
        QVERIFY(hook.endsWith(QLatin1String("obtain the DNS server address automatically.")));
    }

    void chatScriptsOnlyHoldDialableStrings()
    {
        const auto script = PppdCommand::ChatScript(QStringLiteral("*99***1#"));
        QVERIFY(script);
        QVERIFY(script->contains("'' ATD*99***1#\n"));
        for (const char* abort : {"ABORT BUSY", "ABORT 'NO CARRIER'", "ABORT ERROR", "ABORT 'NO DIALTONE'"})
            QVERIFY(script->contains(abort));
        for (const QString& bad : {QString(), QStringLiteral("*99#\nABORT OK"), QStringLiteral("*99# ''"),
                                   QStringLiteral("*99#'"), QStringLiteral("$(reboot)"), QString(41, QLatin1Char('9'))})
            QVERIFY2(!PppdCommand::ChatScript(bad), qPrintable(bad));
    }

    void pppdArgumentsForRootAndForUsers()
    {
        Ras::Entry e;
        e.options = 0x110;
        const QString chat = QStringLiteral("/usr/sbin/chat");
        QStringList root = PppdCommand::Arguments(e, QStringLiteral("/dev/pts/4"), QStringLiteral("115200"), chat,
                                                  QStringLiteral("/run/x y"), QStringLiteral("web"), true, true);
        QCOMPARE(root.mid(0, 2), (QStringList{"/dev/pts/4", "115200"}));
        for (const char* option : {"nodetach", "lock", "noauth", "usepeerdns", "local", "refuse-eap",
                                   "noipdefault", "passwordfd.so"})
            QVERIFY2(root.contains(QLatin1String(option)), option);
        // The link takes over the default route even where one exists.
        QCOMPARE(root.at(root.indexOf(QStringLiteral("defaultroute")) + 1), QStringLiteral("replacedefaultroute"));
        QCOMPARE(root.at(root.indexOf(QStringLiteral("linkname")) + 1), QStringLiteral("Braxlow"));
        QCOMPARE(root.at(root.indexOf(QStringLiteral("user")) + 1), QStringLiteral("web"));
        QCOMPARE(root.at(root.indexOf(QStringLiteral("passwordfd")) + 1), QStringLiteral("3"));
        QVERIFY(root.at(root.indexOf(QStringLiteral("connect")) + 1).endsWith(QLatin1String("-f '/run/x y' 2>&4")));

        e.options = Ras::kSpecificNameServers | Ras::kSpecificIpAddr | Ras::kRemoteDefaultGateway;
        e.ipaddr = Ras::IpAddr::Parse(QStringLiteral("10.1.1.1"));
        e.ipaddrDns = Ras::IpAddr::Parse(QStringLiteral("1.1.1.1"));
        const QStringList user = PppdCommand::Arguments(e, QStringLiteral("/dev/ttyACM0"), QStringLiteral("x"),
                                                        chat, QStringLiteral("/tmp/c"), QString(), false, false);
        // The device's own peer file names the device; pppd takes it from nowhere else.
        QCOMPARE(user.mid(0, 3), (QStringList{"call", "braxlow.ttyACM0", "1"}));
        QVERIFY(!user.contains(QStringLiteral("/dev/ttyACM0")));
        QVERIFY(!user.contains(QStringLiteral("connect"))); // the peer file's guards the line
        QCOMPARE(PppdCommand::PeerFor(QStringLiteral("/dev/pts/3")), QStringLiteral("braxlow.pts.3"));
        for (const char* outside : {"/tmp/phone", "/dev/../tmp/x", "/dev/", "relative"})
            QVERIFY2(PppdCommand::PeerFor(QLatin1String(outside)).isEmpty(), outside);
        // What pppd takes only from root comes from the peers file.
        for (const char* privileged : {"noauth", "linkname", "plugin", "passwordfd", "replacedefaultroute",
                                       "user", "usepeerdns"})
            QVERIFY2(!user.contains(QLatin1String(privileged)), privileged);
        QVERIFY(user.contains(QStringLiteral("defaultroute")));
        QVERIFY(user.contains(QStringLiteral("modem")));
        QVERIFY(user.contains(QStringLiteral("10.1.1.1:")));
        QVERIFY(user.contains(QStringLiteral("braxlow-dns=1.1.1.1")));

        // The installed peers file brings what the arguments leave out.
        QFile peers(QStringLiteral(BRAXLOW_SOURCE_DIR "/scripts/install-ppp-access"));
        QVERIFY(peers.open(QIODevice::ReadOnly));
        const QByteArray installer = peers.readAll();
        for (const char* line : {"\n@DEVICE@\nconnect \"@CONNECT@ @DEVICE@\"\nnoauth\n", "\nlinkname Braxlow\n", "\nplugin passwordfd.so\n",
                                 "\nreplacedefaultroute\n"})
            QVERIFY2(installer.contains(line), line);
    }

    void connectionsAreFoundByNameAndHungUp()
    {
        QTemporaryDir proc;
        QProcess first, second;
        for (QProcess* p : {&first, &second}) {
            p->start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(p->waitForStarted());
        }
        auto fake = [&](qint64 pid, const QByteArray& cmdline) {
            QVERIFY(FakeProcess(proc.path(), pid, cmdline, ::getuid()));
        };
        DialerPaths paths;
        paths.proc = proc.path();
        paths.runDirs = {proc.path()};
        CRasDialer dialer(dir_->filePath(QStringLiteral("pbk")), settings_, paths);
        quint32 handle = 0;
        QVERIFY(!dialer.FindConnection(kName, handle));
        QVERIFY(!dialer.HangUp(kName));

        fake(first.processId(), QByteArray("/usr/sbin/pppd\0/dev/ttyACM0\0linkname\0braxlow\0", 44));
        fake(second.processId(), QByteArray("pppd\0call\0braxlow.ttyUSB0\0", 27));
        fake(1, QByteArray("/sbin/init\0linkname\0Braxlow\0", 28)); // not a pppd
        QVERIFY(dialer.FindConnection(QStringLiteral("BRAXLOW"), handle));
        // Both match; the later one in the list wins.
        const qint64 later = std::max(first.processId(), second.processId());
        QCOMPARE(qint64(handle), later);

        // A pid file left by a killed pppd whose number now belongs to another
        // program, and a program that only calls itself pppd: neither is a link.
        QFile stale(proc.filePath(QStringLiteral("ppp-Braxlow.pid")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(qint64(1)) + "\nppp0\n");
        stale.close();
        QProcess impostor;
        impostor.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(impostor.waitForStarted());
        fake(impostor.processId(), QByteArray("pppd\0linkname\0Braxlow\0", 23));
        QFile comm(proc.filePath(QStringLiteral("%1/comm").arg(impostor.processId())));
        QVERIFY(comm.open(QIODevice::WriteOnly));
        comm.write("sleep\n");
        comm.close();
        QVERIFY(dialer.FindConnection(QStringLiteral("BRAXLOW"), handle));
        QCOMPARE(qint64(handle), later);
        QCOMPARE(PppLinks(paths).Find(kName).size(), 2);
        impostor.kill();
        impostor.waitForFinished();

        // Without a handle of its own, the dialer hangs up the connection by name.
        QVERIFY(dialer.HangUp(kName));
        QProcess& hungUp = later == first.processId() ? first : second;
        QVERIFY(hungUp.waitForFinished(3000));
        QCOMPARE(hungUp.exitStatus(), QProcess::CrashExit); // ended by SIGTERM
        for (QProcess* p : {&first, &second})
            p->kill();
        first.waitForFinished();
        second.waitForFinished();
    }

    // Two users on one machine, each with a link named Braxlow: each sees its
    // own only (the lookup, the hang-up, the counters); root sees both.
    void anotherUsersLinkIsNotOurs()
    {
        QTemporaryDir proc;
        QProcess mine, theirs;
        for (QProcess* p : {&mine, &theirs}) {
            p->start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(p->waitForStarted());
        }
        const uid_t me = 4242;
        QVERIFY(FakeProcess(proc.path(), mine.processId(), QByteArray("pppd\0call\0braxlow.ttyACM0\0", 27), me));
        QVERIFY(FakeProcess(proc.path(), theirs.processId(), QByteArray("pppd\0call\0braxlow.ttyACM1\0", 27), me + 1));
        DialerPaths paths = StandInPppd(proc.path());
        paths.proc = proc.path();
        paths.user = me;
        // Only theirs is up, with its pid file and counters.
        QVERIFY(FakeLinkCounters(paths, theirs.processId(), 1000, 500));
        QCOMPARE(PppLinks(paths).Find(kName), QList<quint32>{quint32(mine.processId())});
        QVERIFY(!LinkCounterReader::Read(paths, kName));
        QVERIFY(!PppLinks(paths).IsLink(quint32(theirs.processId()), kName, true));
        paths.user = 0;
        QCOMPARE(PppLinks(paths).Find(kName).size(), 2);
        QVERIFY(LinkCounterReader::Read(paths, kName));
        for (QProcess* p : {&mine, &theirs}) {
            p->kill();
            p->waitForFinished();
        }
    }

    void transcriptDialsThroughTheWholePath_data()
    {
        QTest::addColumn<QString>("transcript");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("error");
        QTest::newRow("connected") << "ppp-success.log" << 1 << 0;
        QTest::newRow("wrong password") << "ppp-auth-failure.log" << 0 << int(Ras::kAuthenticationFailure);
        QTest::newRow("carrier lost") << "ppp-lost-carrier.log" << 0 << int(Ras::kPortDisconnected);
        QTest::newRow("no carrier") << "ppp-no-carrier.log" << 0 << int(Ras::kNoCarrier);
        QTest::newRow("phone echoes pppd's words") << "ppp-phone-echoes.log" << 0 << int(Ras::kNoAnswer);
    }

    void transcriptDialsThroughTheWholePath()
    {
        QFETCH(QString, transcript);
        QFETCH(int, result);
        QFETCH(int, error);
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath(), QStringLiteral("Korvane GPRS MODEM")));
        settings_->SavePort(7);
        QTemporaryDir record;
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/") + transcript));
        qputenv("FAKE_PPPD_DIR", QFile::encodeName(record.path()));
        StandInDial dial(dir_->filePath(QStringLiteral("pbk")), *settings_,
                         QStringLiteral(BRAXLOW_FAKE_PPPD));
        auto& [paths, dialer, prompter, irda, controller] = dial;
        QStringList statuses;
        connect(&controller, &DialupController::statusTextChanged, this,
                [&statuses](const QString& s) { statuses << s; });
        QVERIFY(dial.Prepare());

        const QString password = QStringLiteral("pw-%1-secret").arg(QRandomGenerator::global()->generate());
        QElapsedTimer t;
        t.start();
        QStringList leaks;
        QTimer probe; // looks at every process while the dial runs
        connect(&probe, &QTimer::timeout, this, [&] {
            leaks << ProcessesMentioning(password.toUtf8(), "cmdline")
                  << ProcessesMentioning(password.toUtf8(), "environ");
        });
        probe.start(20);
        const int dialed = controller.DialAndWait(QStringLiteral("*99#"), QStringLiteral("web"), password);
        probe.stop();
        QCOMPARE(dialed, result);
        QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(QLatin1Char(','))));
        QCOMPARE(controller.DialError(), error);
        QVERIFY(dialer.WaitForExit(10000));

        // pppd got the password through its pipe and nowhere else.
        QFile got(record.filePath(QStringLiteral("password")));
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(got.readAll()), password);
        QFile args(record.filePath(QStringLiteral("args")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        const QByteArray argText = args.readAll();
        QVERIFY(!argText.contains(password.toUtf8()));
        QVERIFY(argText.contains(QFile::encodeName(pty.SlavePath())));
        QVERIFY(!dialer.Transcript().contains(password));

        const QString first = LoadLanguageString(settings_->LanguageModule(), Str::StateOpenPort);
        QVERIFY(!statuses.isEmpty());
        QCOMPARE(statuses.first(), first);
        if (result == 1) {
            QVERIFY(statuses.contains(LoadLanguageString(settings_->LanguageModule(), Str::StateConnected)));
            QVERIFY(prompter.Messages().isEmpty());
        } else {
            QCOMPARE(prompter.Messages().size(), 1); // the first error, once
            QCOMPARE(statuses.last(), QStringLiteral("Braxlow ") +
                                          LoadLanguageString(settings_->LanguageModule(), Str::CouldNotConnect));
        }
    }

    // The program ends with a link whose pppd never lets go: it is waited for
    // a few seconds, then killed, and that is said.
    void endingWaitsForAPppdThatIgnoresTheHangUpOnlySoLong()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath(), QStringLiteral("Korvane GPRS MODEM")));
        settings_->SavePort(7);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir_->path(), QStringLiteral("up"), QStringLiteral("sleep 120\n"))));
        qputenv("FAKE_PPPD_LINGER", "1000");
        auto dial = std::make_unique<StandInDial>(dir_->filePath(QStringLiteral("pbk")), *settings_,
                                                  QStringLiteral(BRAXLOW_FAKE_PPPD));
        QVERIFY(dial->Prepare());
        QCOMPARE(dial->controller.DialAndWait(QStringLiteral("*99#"), QStringLiteral("web"), QStringLiteral("pw")), 1);
        qunsetenv("FAKE_PPPD_LINGER");
        const pid_t pppd = pid_t(dial->dialer.Handle());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("did not end within")));
        std::atomic<bool> ended{false};
        std::thread guard([&] { // lets an ending that waits for good go on, so the test ends
            for (int i = 0; i < 400 && !ended; ++i)
                QThread::msleep(100);
            if (!ended)
                ::kill(pppd, SIGKILL);
        });
        QElapsedTimer t;
        t.start();
        dial.reset();
        ended = true;
        guard.join();
        QVERIFY2(t.elapsed() < DialMonitor::kTerminateMs + 5000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(::kill(pppd, 0) != 0); // gone and reaped
    }

    void realPppdFailsOnThisKernelThroughTheErrorPath()
    {
        if (!QFileInfo::exists(QStringLiteral("/usr/sbin/pppd")))
            QSKIP("pppd is not installed");
        if (::geteuid() != 0)
            QSKIP("pppd needs root here: the phone's pseudo-terminal has no peer file");
        VirtualPhone phone;
        QVERIFY(phone.Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone.Path(), QStringLiteral("Korvane GPRS MODEM")));
        settings_->SavePort(7);
        RecordingPrompter prompter;
        CIrDASock irda;
        DialupController controller(*settings_, *dialer_, irda, prompter, 5);
        QStringList statuses;
        connect(&controller, &DialupController::statusTextChanged, this,
                [&statuses](const QString& s) { statuses << s; });
        QVERIFY(controller.EnsureDialupEntry(QStringLiteral("*99#")));
        QVERIFY(controller.BindEntryToModem());
        const int dialed = controller.DialAndWait(QStringLiteral("*99#"), QStringLiteral("web"),
                                                  QStringLiteral("web-secret"));
        QCOMPARE(dialed, 0);
        QVERIFY(dialer_->WaitForExit(30000));
        QVERIFY2(prompter.Messages().size() == 1, qPrintable(dialer_->Transcript()));
        QCOMPARE(statuses.last(), QStringLiteral("Braxlow ") +
                                      LoadLanguageString(settings_->LanguageModule(), Str::CouldNotConnect));
        if (!QFileInfo::exists(QStringLiteral("/dev/ppp"))) {
            // This kernel has no PPP: the service cannot start.
            QCOMPARE(controller.DialError(), int(Ras::kServiceCannotStart));
            QVERIFY(prompter.Messages().at(0).text.endsWith(QLatin1String("Extended Error Code: 4")));
        }
        QVERIFY(!dialer_->Transcript().contains(QLatin1String("web-secret")));
        QVERIFY(!phone.Received().contains("web-secret"));
    }

    // Whoever sees the dial end must find its error already recorded, even when
    // the notifier takes its time.
    void theErrorIsRecordedBeforeTheDialEnds_data()
    {
        QTest::addColumn<QString>("transcript");
        QTest::addColumn<int>("error");
        QTest::newRow("before pppd runs") << QString() << int(Ras::kPortNotAvailable);
        QTest::newRow("pppd cannot start") << "ppp-no-kernel.log" << int(Ras::kServiceCannotStart);
    }

    void theErrorIsRecordedBeforeTheDialEnds()
    {
        QFETCH(QString, transcript);
        QFETCH(int, error);
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath(), QStringLiteral("Korvane GPRS MODEM")));
        settings_->SavePort(transcript.isEmpty() ? 42 : 7);
        qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/") + transcript));
        QTemporaryDir record;
        qputenv("FAKE_PPPD_DIR", QFile::encodeName(record.path()));
        StandInDial dial(dir_->filePath(QStringLiteral("pbk")), *settings_,
                         QStringLiteral(BRAXLOW_FAKE_PPPD));
        CRasDialer& dialer = dial.dialer;
        QVERIFY(dial.Prepare());

        std::atomic<int> recorded{0};
        dialer.Dial(kName, [&recorded](quint32, unsigned, int, int e, int) {
            if (e != 0) {
                QThread::msleep(400);
                recorded = e;
            }
        }, QStringLiteral("*99#"), QStringLiteral("web"), QStringLiteral("pw"), QString(), QString());
        QString text;
        bool connected = false;
        QElapsedTimer t;
        t.start();
        while (dialer.PollStatus(text, connected) == 0 && t.elapsed() < 10000)
            QThread::msleep(5);
        QCOMPARE(recorded.load(), error);
        QVERIFY(dialer.WaitForExit(5000));
    }

    void missingDeviceIsReportedThroughTheNotifier()
    {
        RecordingPrompter prompter;
        CIrDASock irda;
        DialupController controller(*settings_, *dialer_, irda, prompter, 5);
        QVERIFY(controller.EnsureDialupEntry(QStringLiteral("*99#")));
        settings_->SavePort(42); // nothing there
        QVERIFY(controller.BindEntryToModem());
        Ras::Entry e;
        dialer_->GetEntry(kName, e, QString());
        QCOMPARE(e.deviceName, QStringLiteral("NOMODEM"));
        QCOMPARE(controller.DialAndWait(QStringLiteral("*99#"), QString(), QString()), 0);
        QCOMPARE(controller.DialError(), int(Ras::kPortNotAvailable));
        QCOMPARE(prompter.Messages().size(), 1);
        // An unsafe dial string is refused before anything runs.
        QCOMPARE(controller.DialAndWait(QStringLiteral("*99#\nABORT"), QString(), QString()), 0);
        QCOMPARE(controller.DialError(), int(Ras::kInvalidParameter));
    }

    // The secret goes into a pipe before pppd runs: one longer than the pipe
    // holds is refused, rather than waiting for a reader that never comes.
    void oversizedSecretIsRefusedNotWaitedOn()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath(), QStringLiteral("Korvane GPRS MODEM")));
        settings_->SavePort(7);
        StandInDial dial(dir_->filePath(QStringLiteral("pbk")), *settings_, QStringLiteral("/bin/false"));
        DialupController& controller = dial.controller;
        QVERIFY(dial.Prepare());
        QCOMPARE(controller.DialAndWait(QStringLiteral("*99#"), QStringLiteral("web"), QString(1 << 20, QLatin1Char('p'))), 0);
        QCOMPARE(controller.DialError(), int(Ras::kInvalidParameter));
    }

private:
    std::unique_ptr<TestSupport::Settings> fixture_;
    QTemporaryDir* dir_ = nullptr;
    AppSettings* settings_ = nullptr;
    std::unique_ptr<CRasDialer> dialer_;
};

QTEST_MAIN(TestDialer)
#include "tst_dialer.moc"
