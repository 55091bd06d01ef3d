// SPDX-License-Identifier: GPL-3.0-or-later
//
// Real PPP links, inside the throw-away guest of tests/ppp-guest/run-guest: the
// AT session prepares the virtual phone, pppd dials it, and the phone hands the
// line to a pppd that plays the operator's network. Each scenario changes the
// guest's routes, resolver and /etc/ppp, so it refuses to run anywhere else.
#include "core/dialup/CRasDialer.h"
#include "core/dialup/DialupController.h"
#include "core/dialup/DialupErrors.h"
#include "core/dialup/PppLinks.h"
#include "core/dialup/PppdCommand.h"
#include "core/entries/HistoryStore.h"
#include "core/phone/AtSession.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/DesktopNotifier.h"
#include "core/shell/UsageMeter.h"
#include "gui/phone/CSetupDlg.h"
#include "gui/shell/CMainDlg.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"
#include "support/FakePanel.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("Braxlow");
const QString kWifiRoute = QStringLiteral("default via 192.168.77.1 dev wifi0");

QString Run(const QString& command)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAll());
}

QString ResolvConf()
{
    QFile f(QStringLiteral("/etc/resolv.conf"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

// Waits up to `ms` for a condition that another process brings about.
template <typename F>
bool Eventually(F condition, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// Runs a program of the X session, with its output kept.
struct XProgram
{
    QProcess process;
    QByteArray output;
    bool Start(const QString& program, const QStringList& args)
    {
        process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process, &QProcess::readyRead, [this] { output += process.readAll(); });
        process.start(program, args);
        return process.waitForStarted(10000);
    }
    ~XProgram()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }
};

struct RecordingNotifier : DesktopNotifier
{
    QList<QPair<QString, QString>> notes;
    void Notify(const QString& summary, const QString& body) override { notes.append({summary, body}); }
};

// The operator's side of the line runs in a network namespace of its own
// (10.64.0.1), so what goes there crosses the link.
constexpr int kPayload = 300 * 1024;

QString NetworkPid()
{
    return Run(QStringLiteral("pgrep -f 'name braxlow-network' | head -n 1")).trimmed();
}

// kPayload bytes to the network (send) or from it, over TCP; true when all of them went.
bool Transfer(bool send)
{
    const QString pid = NetworkPid();
    if (pid.isEmpty())
        return false;
    const QString port = send ? QStringLiteral("7777") : QStringLiteral("7778");
    QProcess far;
    far.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString farSide = send ? QStringLiteral("socat -u TCP4-LISTEN:%1,reuseaddr STDOUT | wc -c").arg(port)
                                 : QStringLiteral("head -c %1 /dev/zero | socat -u STDIN TCP4-LISTEN:%2,reuseaddr")
                                       .arg(kPayload)
                                       .arg(port);
    far.start(QStringLiteral("nsenter"), {QStringLiteral("--target"), pid, QStringLiteral("--net"), QStringLiteral("sh"),
                                          QStringLiteral("-c"), farSide});
    if (!far.waitForStarted(5000))
        return false;
    QThread::msleep(500);
    const QString nearSide = send ? QStringLiteral("head -c %1 /dev/zero | socat -u STDIN TCP4:10.64.0.1:%2,retry=10")
                                        .arg(kPayload)
                                        .arg(port)
                                  : QStringLiteral("socat -u TCP4:10.64.0.1:%1,retry=10 STDOUT | wc -c").arg(port);
    const QString near = Run(nearSide).trimmed();
    far.waitForFinished(30000);
    const QString farOut = QString::fromLocal8Bit(far.readAllStandardOutput()).trimmed();
    return (send ? farOut : near) == QString::number(kPayload);
}

// The program's main window on the X display: 408 by 240, named Braxlow.
QString MainWindowId(bool visible)
{
    const QStringList ids = Run(QStringLiteral("xdotool search %1 --name '^Braxlow$'")
                                    .arg(visible ? QStringLiteral("--onlyvisible") : QString()))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : ids)
        if (Run(QStringLiteral("xdotool getwindowgeometry %1").arg(id)).contains(QLatin1String("408x240")))
            return id;
    return QString();
}

} // namespace

// The desktop of a USB phone (StartUsbDesktop), or the scenario is skipped
// where the guest's kernel cannot make one.
#define START_USB_DESKTOP(...)                                      \
    do {                                                            \
        const QString desktop = StartUsbDesktop(__VA_ARGS__);       \
        if (desktop == QLatin1String(kNoGadget))                    \
            QSKIP(kNoGadget);                                       \
        QVERIFY2(desktop.isEmpty(), qPrintable(desktop));           \
    } while (false)

class TestPppLink : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        if (qgetenv("BRAXLOW_PPP_GUEST") != "1")
            QSKIP("runs only inside the test guest (tests/ppp-guest/run-guest)");
        QCOMPARE(Run(QStringLiteral("modprobe ppp_async && modprobe dummy && echo ok")).trimmed(), QStringLiteral("ok"));
        // The system as an administrator sets it up: peers file and DNS hooks.
        // The guest's /usr is the host's, read-only: the connect command goes to /run.
        qputenv("BRAXLOW_CONNECT_DIR", "/run/braxlow");
        const QString installed = Run(QStringLiteral("bash '" BRAXLOW_SOURCE_DIR "/scripts/install-ppp-access' && echo ok"));
        QVERIFY2(installed.trimmed().endsWith(QLatin1String("ok")), qPrintable(installed));
        // A laptop on Wi-Fi: a default route exists before the dial.
        Run(QStringLiteral("ip link add wifi0 type dummy && ip addr add 192.168.77.2/24 dev wifi0 && "
                           "ip link set wifi0 up"));
        originalResolvConf_ = ResolvConf();
    }

    void init()
    {
        if (!Run(QStringLiteral("ip route show default")).contains(kWifiRoute))
            Run(QStringLiteral("ip route replace default via 192.168.77.1 dev wifi0"));
        fixture_ = std::make_unique<TestSupport::Settings>();
        settings_ = &fixture_->settings;
        dialer_ = std::make_unique<CRasDialer>(fixture_->dir.filePath(QStringLiteral("rasphone.pbk")), settings_);
        controller_ = std::make_unique<DialupController>(*settings_, *dialer_, irda_, prompter_, 5);
        session_ = std::make_unique<AtSession>(*settings_, link_, irda_, *dialer_, prompter_);
        statuses_.clear();
        prompter_.Clear();
        connect(controller_.get(), &DialupController::statusTextChanged, this,
                [this](const QString& s) { statuses_ << s; });
    }

    void cleanup()
    {
        if (dialer_) {
            dialer_->HangUp(kName);
            dialer_->WaitForExit(10000);
            qInfo().noquote() << "pppd said:\n" << dialer_->Transcript();
        }
        if (::getuid() != 0) // back from the ordinary user
            QVERIFY(::setresuid(0, 0, 0) == 0 && ::setresgid(0, 0, 0) == 0 && ::setgroups(0, nullptr) == 0);
        session_.reset();
        controller_.reset();
        dialer_.reset();
        phone_.reset();
        Quarrin::CurrentPortMap().Remove(7);
    }

    void connectsAndHangsUp()
    {
        const QString before = Run(QStringLiteral("ip route show default"));
        qInfo().noquote() << "before the dial:\n" << before;
        QVERIFY(before.contains(kWifiRoute));
        QCOMPARE(Connect({"--network-auth", "pap", "--network-user", "web", "--network-password", "secret",
                          "--network-pool", "10.64.64.10"},
                         QStringLiteral("web"), QStringLiteral("secret")),
                 1);

        // The states in their order, ending in Connected.
        const QList<int> order = {Str::StateOpenPort, Str::StatePortOpened, Str::StateConnecting,
                                  Str::StateDeviceConnected, Str::StateAuthenticate, Str::StateAuthenticated,
                                  Str::StateNegotiating, Str::StateConnected};
        int last = -1;
        for (const QString& status : std::as_const(statuses_)) {
            const auto at = std::find_if(order.cbegin(), order.cend(), [&](int id) { return Text(id) == status; });
            QVERIFY2(at != order.cend(), qPrintable(status));
            QVERIFY2(at - order.cbegin() > last, qPrintable(statuses_.join(QLatin1String(" | "))));
            last = int(at - order.cbegin());
        }
        QCOMPARE(statuses_.first(), Text(Str::StateOpenPort));
        QCOMPARE(statuses_.last(), Text(Str::StateConnected));

        const QString address = Run(QStringLiteral("ip -4 addr show ppp0"));
        const QString routes = Run(QStringLiteral("ip route show default"));
        qInfo().noquote() << "connected:\n" << address << routes;
        QVERIFY(address.contains(QLatin1String("inet 10.64.64.10 ")));
        QVERIFY2(routes.startsWith(QLatin1String("default dev ppp0")), qPrintable(routes));
        QVERIFY(!routes.contains(QLatin1String("wifi0")));
        // The network's DNS servers (pppd's usepeerdns hook runs a moment later).
        QVERIFY2(Eventually([] { return ResolvConf().contains(QLatin1String("nameserver 10.64.0.53")); }),
                 qPrintable(ResolvConf()));

        quint32 handle = 0;
        QVERIFY(dialer_->FindConnection(QStringLiteral("BRAXLOW"), handle));
        QCOMPARE(handle, dialer_->Handle());
        QVERIFY(dialer_->HangUp(kName));
        QVERIFY(Eventually([this] { quint32 h = 0; return !dialer_->FindConnection(kName, h); }, 3000));
        QVERIFY(Eventually([] { return Run(QStringLiteral("ip link show ppp0 2>&1")).contains(QLatin1String("not exist")); }, 3000));
        const QString after = Run(QStringLiteral("ip route show default"));
        qInfo().noquote() << "after the hang-up:\n" << after;
        QVERIFY2(after.contains(kWifiRoute), qPrintable(after));
        QVERIFY(Eventually([this] { return ResolvConf() == originalResolvConf_; }));
        QVERIFY(prompter_.Messages().isEmpty());
    }

    void wrongOrEmptyPasswordIsRefused()
    {
        // The system's secrets hold the right password for "web": an empty one
        // must not make pppd take it from there.
        QCOMPARE(Connect({"--network-auth", "pap", "--network-user", "web", "--network-password", "secret"},
                         QStringLiteral("web"), QStringLiteral("wrong")),
                 0);
        for (const QString& password : {QStringLiteral("wrong"), QString()}) {
            if (password.isEmpty()) {
                prompter_.Clear();
                QCOMPARE(controller_->DialAndWait(QStringLiteral("*99#"), QStringLiteral("web"), password), 0);
            }
            QCOMPARE(controller_->DialError(), int(Ras::kAuthenticationFailure));
            QCOMPARE(prompter_.Messages().size(), 1);
            QVERIFY(prompter_.Messages().at(0).text.startsWith(DialupErrorText(settings_->LanguageModule(), Ras::kAuthenticationFailure)));
            QCOMPARE(statuses_.last(), QStringLiteral("Braxlow ") + Text(Str::CouldNotConnect));
            QVERIFY(dialer_->WaitForExit(5000));
            // Nothing left running: neither our pppd nor the network's.
            QVERIFY2(Eventually([] { return Run(QStringLiteral("pgrep -x pppd")).isEmpty(); }, 3000),
                     qPrintable(Run(QStringLiteral("ps -ef"))));
            quint32 handle = 0;
            QVERIFY(!dialer_->FindConnection(kName, handle));
        }
    }

    void networkDropsTheLine()
    {
        QCOMPARE(Connect({"--network-drop-after", "4"}, QString(), QString()), 1);
        QVERIFY(Eventually([this] { return !phone_->Running(); }, 15000));
        QElapsedTimer sinceDrop;
        sinceDrop.start();
        // What the watcher of the connected window looks at once a second.
        QVERIFY(Eventually([this] {
            quint32 h = 0;
            return dialer_->LastState().state != Ras::Connected && !dialer_->FindConnection(kName, h);
        }, 3000));
        qInfo() << "gone" << sinceDrop.elapsed() << "ms after the drop";
        QString text;
        bool connected = true;
        QCOMPARE(dialer_->PollStatus(text, connected), 1);
        QVERIFY(!connected);
        QCOMPARE(text, Text(Str::StateDisconnected));
    }

    void entryDnsServersApplyWhileConnected()
    {
        ConnectInfo extra;
        extra.PrimaryDNS = QStringLiteral("10.11.12.13");
        extra.SecondDNS = QStringLiteral("10.11.12.14");
        QCOMPARE(Connect({}, QString(), QString(), extra), 1);
        QVERIFY2(Eventually([] { return ResolvConf().startsWith(QLatin1String("nameserver 10.11.12.13\nnameserver 10.11.12.14\n")); }),
                 qPrintable(ResolvConf()));
        QVERIFY(!ResolvConf().contains(QLatin1String("10.64.0.53"))); // not the network's
        qInfo().noquote() << "resolv.conf while connected:\n" << ResolvConf();
        QVERIFY(dialer_->HangUp(kName));
        QVERIFY(dialer_->WaitForExit(5000));
        QVERIFY2(Eventually([this] { return ResolvConf() == originalResolvConf_; }), qPrintable(ResolvConf()));
    }

    void killedPppdIsForgottenAndNothingElseIsSignalled()
    {
        QCOMPARE(Connect({}, QString(), QString()), 1);
        const pid_t pppd = pid_t(dialer_->Handle());
        QVERIFY(Eventually([] { return QFileInfo::exists(QStringLiteral("/run/ppp-Braxlow.pid")); }));
        QCOMPARE(::kill(pppd, SIGKILL), 0);
        QVERIFY(dialer_->WaitForExit(5000));
        QVERIFY(!dialer_->HangUp(kName));

        // Its pid file stays behind; let its number belong to another program.
        QProcess decoy;
        decoy.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(decoy.waitForStarted());
        QFile pidFile(QStringLiteral("/run/ppp-Braxlow.pid"));
        QVERIFY(pidFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        pidFile.write(QByteArray::number(decoy.processId()) + "\nppp0\n");
        pidFile.close();

        CRasDialer later(fixture_->dir.filePath(QStringLiteral("rasphone.pbk")), settings_);
        quint32 handle = 0;
        QVERIFY(!later.FindConnection(kName, handle));
        QVERIFY(!later.HangUp(kName));
        QVERIFY(!decoy.waitForFinished(500));
        QCOMPARE(decoy.state(), QProcess::Running);
        decoy.kill();
        decoy.waitForFinished();
    }

    void dialFailuresAreExplained()
    {
        // The network never answers and the line drops before the link is up.
        QCOMPARE(Connect({"--network-silent", "--network-drop-after", "2"}, QString(), QString()), 0);
        QCOMPARE(controller_->DialError(), int(Ras::kPortDisconnected));
        QVERIFY(dialer_->WaitForExit(5000));
        qInfo().noquote() << "dropped before the link was up:\n" << dialer_->Transcript();

        // A dial string the network does not know.
        QVERIFY(StartPhone({}));
        prompter_.Clear();
        QCOMPARE(Dial(QString(), QString(), ConnectInfo(), QStringLiteral("*98#")), 0);
        QCOMPARE(controller_->DialError(), int(Ras::kNoCarrier));
        QCOMPARE(prompter_.Messages().size(), 1);
        QVERIFY(prompter_.Messages().at(0).text.startsWith(DialupErrorText(settings_->LanguageModule(), Ras::kNoCarrier)));
        QCOMPARE(statuses_.last(), QStringLiteral("Braxlow ") + Text(Str::CouldNotConnect));
    }

    // An ordinary user dials through the peers file the administrator installed.
    void ordinaryUserDials()
    {
        QVERIFY(StartPhone({"--network-auth", "chap", "--network-user", "web", "--network-password", "secret"}));
        // What a desktop login gives its user: the own home, the phone's port.
        Run(QStringLiteral("chmod 0666 '%1'").arg(QFileInfo(phone_->Path()).canonicalFilePath()));
        QVERIFY(BecomeOrdinaryUser());

        QCOMPARE(Dial(QStringLiteral("web"), QStringLiteral("secret")), 1);
        const QString routes = Run(QStringLiteral("ip route show default"));
        qInfo().noquote() << "connected as braxuser:\n" << routes;
        QVERIFY2(routes.startsWith(QLatin1String("default dev ppp0")), qPrintable(routes));
        quint32 handle = 0;
        QVERIFY(dialer_->FindConnection(kName, handle));
        QCOMPARE(handle, dialer_->Handle());
        QVERIFY(dialer_->HangUp(kName));
        QVERIFY(dialer_->WaitForExit(5000));
        QVERIFY(Eventually([] { return Run(QStringLiteral("ip route show default")).contains(kWifiRoute); }, 3000));
    }

    // The installed program as a user runs it, on an X display with a tray:
    // a stored entry whose password is asked, the prompt answered, the phone
    // prepared, the dial, the tray; the network drops the line and the window
    // is back; a second connection is ended from the tray's menu.
    void realProgramConnectsDropsAndDisconnects()
    {
        QTemporaryDir home;
        const QString link = home.filePath(QStringLiteral("phone"));
        QVERIFY(StartLinkedPhone(link, {"--network-drop-after", "15"}));
        const int id = Install(home, link, false);
        QVERIFY(id > 0);
        const QString program = home.filePath(QStringLiteral("bin"));
        XProgram x, tray, braxlow;
        QVERIFY(StartDisplay(x));
        QVERIFY(tray.Start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                                                      QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                                                      QStringLiteral("--width"), QStringLiteral("120"), QStringLiteral("--height"),
                                                      QStringLiteral("24")}));
        braxlow.process.setProcessEnvironment(ProgramEnvironment(home.filePath(QStringLiteral("config"))));
        QVERIFY(braxlow.Start(program + QStringLiteral("/braxlow"), {QStringLiteral("/ID:%1").arg(id), QStringLiteral("--verbose")}));
        auto said = [&braxlow, this](int text) { return braxlow.output.contains(("status: " + Text(text)).toUtf8()); };
        auto pump = [](int ms) { QTest::qWait(ms); };
        QString window;
        QVERIFY2(Eventually([&] { pump(100); window = MainWindowId(true); return !window.isEmpty(); }, 60000),
                 braxlow.output.constData());
        const QString shots = qEnvironmentVariable("BRAXLOW_SCREENSHOTS");
        if (!shots.isEmpty())
            Run(QStringLiteral("import -window root '%1/main-window.png'").arg(shots));

        auto connectWithPassword = [&] {
            Run(QStringLiteral("xdotool mousemove --window %1 72 215 click 1").arg(window));
            QString prompt;
            if (!Eventually([&] { pump(100); prompt = Run(QStringLiteral("xdotool search --onlyvisible --name '^Log On'")).trimmed(); return !prompt.isEmpty(); }, 30000))
                return false;
            Run(QStringLiteral("xdotool windowfocus --sync %1 type --delay 50 secret; xdotool key Return").arg(prompt.section(QLatin1Char('\n'), 0, 0)));
            return Eventually([&] { pump(100); return said(Str::StateConnected); }, 60000);
        };
        QVERIFY2(connectWithPassword(), braxlow.output.constData());
        QVERIFY(Run(QStringLiteral("ip -4 addr show ppp0")).contains(QLatin1String("inet ")));
        QVERIFY(Eventually([&] { pump(100); return MainWindowId(true).isEmpty(); }, 10000));
        if (!shots.isEmpty())
            Run(QStringLiteral("import -window root '%1/tray-connected.png'").arg(shots));

        // The network drops the line: the window is back with its text.
        QVERIFY(Eventually([&] { pump(50); return Run(QStringLiteral("ip link show ppp0 2>&1")).contains(QLatin1String("not exist")); }, 40000));
        QElapsedTimer sinceDrop;
        sinceDrop.start();
        const bool back = Eventually([&] { pump(50); return said(Str::StatusConnectionEnded) && !MainWindowId(true).isEmpty(); }, 10000);
        if (!back)
            Run(QStringLiteral("(ps -ef; ls -l /run /run/lock) > '%1/debug.txt' 2>&1").arg(shots));
        QVERIFY2(back, braxlow.output.constData());
        qInfo() << "the window was back" << sinceDrop.elapsed() << "ms after the link went";
        QVERIFY(sinceDrop.elapsed() < 5000);

        // Again, and this time the user ends it from the tray's menu.
        braxlow.output.clear();
        QVERIFY(Eventually([this] { return !phone_->Running(); }, 10000));
        QVERIFY(StartLinkedPhone(link, {}));
        QVERIFY2(connectWithPassword(), braxlow.output.constData());
        // The only icon sits at the right end of the tray, in the screen's corner.
        Run(QStringLiteral("xdotool mousemove 788 588 click 3"));
        pump(1000);
        Run(QStringLiteral("xdotool key Down Down Return"));
        // "Disconnect now?": yes. The menu may still be closing when the
        // question opens, so every small window named Braxlow gets the key
        // until the main window is back.
        const bool restored = Eventually([&] {
            pump(200);
            if (!MainWindowId(true).isEmpty())
                return true;
            const QStringList shown = Run(QStringLiteral("xdotool search --onlyvisible --name '^Braxlow$'")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString& shownId : shown)
                if (!Run(QStringLiteral("xdotool getwindowgeometry %1").arg(shownId)).contains(QLatin1String("408x240")))
                    Run(QStringLiteral("xdotool windowfocus --sync %1 key Return").arg(shownId));
            return false;
        }, 15000);
        if (!restored && !shots.isEmpty())
            Run(QStringLiteral("import -window root '%1/not-restored.png'").arg(shots));
        QVERIFY2(restored, braxlow.output.constData());
        QVERIFY2(Eventually([&] { pump(100); return said(Str::StatusConnectionEnded); }, 10000), braxlow.output.constData());
        QVERIFY(Eventually([] { return PppLinks(DialerPaths()).Find(kName).isEmpty(); }, 10000));
        // The port is free again: the link opens it.
        CComm probe;
        const StInitCommInfo info = AtSession::LinkParameters(7, 115200);
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, link, DialupController::kDeviceName));
        QVERIFY(probe.CreateComm(&info) != 0);
        QVERIFY(probe.OpenConnection() != 0);
        probe.CloseConnection();
        probe.DestroyComm();
        qunsetenv("DISPLAY");
    }

    // The window of the program, with the real link: its counters move by what
    // crosses the line; the network drops the line and the window tells so
    // and dials again by itself; with the option off, or after the user's own
    // disconnect, nothing dials.
    void windowCountsTellsOfTheDropAndDialsAgain()
    {
        TestSupport::ProgramFolder folder;
        QTemporaryDir dir;
        RecordingPrompter yes;
        BraxlowApp app(TestSupport::AppOptions(folder.ProgramFile(), dir.path()), yes);
        QVERIFY(app.Startup());
        yes.Clear(); // the new user database's question
        ConnectInfo info = GuestEntry();
        info.CID = 3;
        app.Settings().SaveConnectInfo(info);
        app.Settings().SaveAutoReconnect(true);
        const QString link = dir.filePath(QStringLiteral("phone"));
        QVERIFY(StartLinkedPhone(link, {"--network-drop-after", "45"}));
        QVERIFY(app.SerialPorts().AddExplicit(7, link, DialupController::kDeviceName));
        app.Settings().SavePort(7);
        RecordingNotifier notifier;
        TestSupport::NoHelp help;
        CMainDlg window(CMainDlg::Services{app, help, dir.filePath(QStringLiteral("braxlow.pbk")), DialerPaths(), 5,
                                           PortConflictSources(), &notifier});
        window.show();
        const ConnectSequence& sequence = window.Sequence();
        auto connect = [&] {
            window.OnConnect();
            return QTest::qWaitFor([&] { return sequence.Connected(); }, 60000);
        };
        QVERIFY2(connect(), qPrintable(window.StatusText()));
        QTRY_VERIFY_WITH_TIMEOUT(!window.DetailText().isEmpty(), 5000);

        // What crosses the line, with TCP's headers and acknowledgements.
        auto moved = [&](bool send) {
            QTest::qWait(1500);
            const UsageMeter& usage = sequence.Usage();
            const quint64 before = send ? usage.SessionSent() : usage.SessionReceived();
            if (!Transfer(send))
                return -1.0;
            QTest::qWait(2500);
            const quint64 after = send ? usage.SessionSent() : usage.SessionReceived();
            return double(after - before) / kPayload;
        };
        const double sent = moved(true);
        const double received = moved(false);
        qInfo() << "counted" << sent << "and" << received << "times what was sent and received";
        QVERIFY(sent >= 1.0 && sent < 1.06);
        QVERIFY(received >= 1.0 && received < 1.06);
        const quint64 month = sequence.Usage().MonthTotal();
        QVERIFY(month >= 2 * quint64(kPayload));
        QVERIFY2(window.DetailText().contains(QString::fromUtf8("\u2193 3")), qPrintable(window.DetailText()));
        QVERIFY(window.TrayTipText().startsWith(QStringLiteral("Braxlow 0:0")));
        QCOMPARE(app.Settings().Store().ReadString(AllowanceStore::KeyOf(3), QStringLiteral("Received")),
                 QString::number(sequence.Usage().MonthTotal() - sequence.Usage().SessionSent()));

        // The network drops the line: told, and dialed again after 5 s.
        QVERIFY(QTest::qWaitFor([&] { return !sequence.Connected(); }, 60000));
        QTRY_COMPARE_WITH_TIMEOUT(notifier.notes.size(), 1, 5000);
        QCOMPARE(notifier.notes.at(0).first, Text(Str::LineDropped));
        qInfo().noquote() << "notice:" << notifier.notes.at(0).second;
        QVERIFY(notifier.notes.at(0).second.startsWith(Text(Str::LineDroppedAfter).arg(QStringLiteral("0:00:"))
                                                           .chopped(1)));
        QVERIFY(sequence.ReconnectPending());
        QVERIFY(QTest::qWaitFor([this] { return !phone_->Running(); }, 10000));
        QVERIFY(StartLinkedPhone(link, {"--network-drop-after", "20"}));
        QVERIFY2(QTest::qWaitFor([&] { return sequence.Connected(); }, 60000), qPrintable(window.StatusText()));
        QTest::qWait(2000);
        QVERIFY2(sequence.Usage().SessionReceived() + sequence.Usage().SessionSent() < 20000,
                 qPrintable(window.DetailText()));
        QVERIFY(sequence.Usage().MonthTotal() >= month);

        // With the option off, the next drop dials nothing.
        app.Settings().SaveAutoReconnect(false);
        QVERIFY(QTest::qWaitFor([&] { return !sequence.Connected(); }, 60000));
        QTRY_COMPARE_WITH_TIMEOUT(notifier.notes.size(), 2, 5000);
        QVERIFY(!sequence.ReconnectPending());
        QVERIFY(QTest::qWaitFor([this] { return !phone_->Running(); }, 10000));
        QVERIFY(StartLinkedPhone(link, {}));
        QTest::qWait(8000);
        QVERIFY(PppLinks(DialerPaths()).Find(kName).isEmpty());

        // Nor does the user's own disconnect, with the option on.
        app.Settings().SaveAutoReconnect(true);
        QVERIFY2(connect(), qPrintable(window.StatusText()));
        window.OnDisconnect();
        QVERIFY(QTest::qWaitFor([&] { return !sequence.Connected() && PppLinks(DialerPaths()).Find(kName).isEmpty(); },
                                10000));
        QTest::qWait(7000);
        QVERIFY(!sequence.ReconnectPending());
        QVERIFY(PppLinks(DialerPaths()).Find(kName).isEmpty());
        QCOMPARE(notifier.notes.size(), 2);
        QStringList shown;
        for (const RecordingPrompter::Shown& message : yes.Messages())
            shown << message.text;
        QVERIFY2(shown == QStringList{Text(Str::ConfirmDisconnect)}, qPrintable(shown.join(QLatin1String(" | "))));
    }

    // The month's total as the program leaves it in the settings: killed while
    // connected, it has kept what it counted up to its last second, and the
    // next start goes on from there.
    void realProgramKeepsTheMonthWhenKilled()
    {
        QTemporaryDir home;
        const QString config = home.filePath(QStringLiteral("config"));
        const QString link = home.filePath(QStringLiteral("phone"));
        QVERIFY(StartLinkedPhone(link, {}));
        const int id = Install(home, link, true);
        QVERIFY(id > 0);
        auto stored = [&] {
            SettingsStore store(config);
            const QString key = AllowanceStore::KeyOf(id);
            return store.ReadString(key, QStringLiteral("Received")).value_or(QString()).toULongLong() +
                   store.ReadString(key, QStringLiteral("Sent")).value_or(QString()).toULongLong();
        };
        // The user data file, wherever the installed program made it.
        const auto Database = [&home] {
            return Run(QStringLiteral("find '%1' -name BXUSER.mdb | head -1").arg(home.path())).trimmed();
        };
        auto kernel = [] {
            return Run(QStringLiteral("cat /sys/class/net/ppp0/statistics/rx_bytes")).trimmed().toULongLong() +
                   Run(QStringLiteral("cat /sys/class/net/ppp0/statistics/tx_bytes")).trimmed().toULongLong();
        };

        XProgram x;
        QVERIFY(StartDisplay(x));
        auto runAndConnect = [&](XProgram& braxlow) {
            braxlow.process.setProcessEnvironment(ProgramEnvironment(config));
            if (!braxlow.Start(home.filePath(QStringLiteral("bin/braxlow")), {QStringLiteral("/ID:%1").arg(id), QStringLiteral("--verbose")}))
                return false;
            QString window;
            if (!Eventually([&] { QTest::qWait(100); window = MainWindowId(true); return !window.isEmpty(); }, 60000))
                return false;
            Run(QStringLiteral("xdotool mousemove --window %1 72 215 click 1").arg(window));
            const QByteArray connected = ("status: " + Text(Str::StateConnected)).toUtf8();
            return Eventually([&] { QTest::qWait(100); return braxlow.output.contains(connected); }, 60000);
        };

        quint64 kept = 0;
        {
            XProgram braxlow;
            QVERIFY2(runAndConnect(braxlow), braxlow.output.constData());
            QVERIFY(Transfer(true));
            QTest::qWait(2500);
            braxlow.process.kill(); // SIGKILL: nothing of the program's own runs
            QVERIFY(braxlow.process.waitForFinished(5000));
            const quint64 counted = kernel();
            kept = stored();
            qInfo() << "the kernel counted" << counted << "bytes, the settings kept" << kept;
            QVERIFY(kept >= quint64(kPayload));
            QVERIFY(kept <= counted && kept >= counted - counted / 50);
            // The attempt is in the history too, with what was counted by then.
            const QList<HistoryStore::Record> history = HistoryStore(Database()).Load();
            QCOMPARE(history.size(), 1);
            QCOMPARE(history.first().outcome, HistoryStore::Outcome::Running);
            const quint64 recorded = history.first().received + history.first().sent;
            qInfo() << "the history kept" << recorded << "bytes," << history.first().seconds << "s";
            QVERIFY(recorded >= quint64(kPayload) && recorded <= counted && history.first().seconds >= 2);
        }
        // The killed program's pppd still holds the line: the user ends it.
        QVERIFY(Run(QStringLiteral("pkill -TERM -x pppd; echo ok")).contains(QLatin1String("ok")));
        QVERIFY(Eventually([] { return PppLinks(DialerPaths()).Find(kName).isEmpty(); }, 10000));
        phone_.reset();
        QVERIFY(StartLinkedPhone(link, {}));
        {
            XProgram braxlow;
            QVERIFY2(runAndConnect(braxlow), braxlow.output.constData());
            QVERIFY(Transfer(true));
            // Slow under the sanitizers in an emulated guest: seconds of slack.
            quint64 now = 0;
            QVERIFY2(Eventually([&] { QTest::qWait(200); now = stored(); return now >= kept + quint64(kPayload); }, 20000),
                     qPrintable(QStringLiteral("%1 kept, %2 now").arg(kept).arg(now)));
            // The killed copy's attempt is closed as such by the next start.
            const QList<HistoryStore::Record> history = HistoryStore(Database()).Load();
            QCOMPARE(history.size(), 2);
            QCOMPARE(history.at(1).outcome, HistoryStore::Outcome::Interrupted);
            QVERIFY(history.at(1).received + history.at(1).sent >= quint64(kPayload));
        }
        qunsetenv("DISPLAY");
    }

    // The README's trial: the real program, an entry from a preset with fixed
    // DNS servers, Connect; as root and as an ordinary user the link comes up
    // with the preset's servers in use.
    void trialPathReachesConnected()
    {
        QTemporaryDir home;
        const QString link = home.filePath(QStringLiteral("phone"));
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--network"), QStringLiteral("--link"), link});
        QVERIFY(phone_->Start());
        QString dns;
        const int id = Install(home, link, true, QStringLiteral("Vodafone (postpaid)"), &dns);
        QVERIFY(id > 0);
        QVERIFY(!dns.isEmpty());
        XProgram x;
        QVERIFY(StartDisplay(x));
        QCOMPARE(Run(QStringLiteral("id braxuser >/dev/null 2>&1 || useradd -M -G dip,dialout braxuser; echo ok")).trimmed(),
                 QStringLiteral("ok"));
        for (const bool root : {true, false}) {
            XProgram braxlow;
            braxlow.process.setProcessEnvironment(ProgramEnvironment(home.filePath(QStringLiteral("config"))));
            const QString program = home.filePath(QStringLiteral("bin/braxlow"));
            // The administrator's setup grants the phone's line to Braxlow.
            if (!root)
                Run(QStringLiteral("bash '" BRAXLOW_SOURCE_DIR "/scripts/install-ppp-access' --device '%2' >/dev/null && "
                                   "chown -R braxuser '%1' && chmod 0666 '%2'")
                        .arg(home.path(), QFileInfo(link).canonicalFilePath()));
            QVERIFY(root ? braxlow.Start(program, {QStringLiteral("/ID:%1").arg(id), QStringLiteral("--verbose")})
                         : braxlow.Start(QStringLiteral("setpriv"),
                                         {QStringLiteral("--reuid=braxuser"), QStringLiteral("--regid=braxuser"),
                                          QStringLiteral("--init-groups"), program, QStringLiteral("/ID:%1").arg(id),
                                          QStringLiteral("--verbose")}));
            QString window;
            QVERIFY2(Eventually([&] { QTest::qWait(100); window = MainWindowId(true); return !window.isEmpty(); }, 60000),
                     braxlow.output.constData());
            Run(QStringLiteral("xdotool mousemove --window %1 72 215 click 1").arg(window));
            QVERIFY2(Eventually([&] { QTest::qWait(100); return braxlow.output.contains(("status: " + Text(Str::StateConnected)).toUtf8()); },
                                60000),
                     braxlow.output.constData());
            QVERIFY2(Eventually([&] { return ResolvConf().contains(QStringLiteral("nameserver ") + dns); }),
                     qPrintable(ResolvConf()));
            qInfo() << (root ? "root" : "braxuser") << "connected with the preset's DNS server" << dns;
            braxlow.process.terminate(); // the session ends: the program hangs up
            QVERIFY(braxlow.process.waitForFinished(20000));
            QVERIFY(Eventually([] { return PppLinks(DialerPaths()).Find(kName).isEmpty(); }, 15000));
            QVERIFY(Eventually([this] { return phone_->Running(); }, 5000));
        }
        qunsetenv("DISPLAY");
    }

    // The real program on a desktop whose panel hosts StatusNotifierItems
    // (the panel here is the test's own, on a session bus of its own): the
    // panel starts after the program is connected and still gets the icon; a
    // click on the item brings the window to the front and the next sends it
    // back; the panel's menu request opens the icon's menu.
    void trayOnAStatusNotifierPanel()
    {
        QTemporaryDir home;
        const QString link = home.filePath(QStringLiteral("phone"));
        QVERIFY(StartLinkedPhone(link, {}));
        const int id = Install(home, link, true);
        QVERIFY(id > 0);
        TestSupport::PrivateBus session;
        QVERIFY(!session.Address().isEmpty());
        XProgram x, braxlow;
        QVERIFY(StartDisplay(x));
        QProcessEnvironment env = ProgramEnvironment(home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), session.Address());
        braxlow.process.setProcessEnvironment(env);
        QVERIFY(braxlow.Start(home.filePath(QStringLiteral("bin/braxlow")), {QStringLiteral("/ID:%1").arg(id), QStringLiteral("--verbose")}));
        QString window;
        QVERIFY2(Eventually([&] { QTest::qWait(100); window = MainWindowId(true); return !window.isEmpty(); }, 60000),
                 braxlow.output.constData());
        Run(QStringLiteral("xdotool mousemove --window %1 72 215 click 1").arg(window));
        QVERIFY2(Eventually([&] { QTest::qWait(100); return braxlow.output.contains(("status: " + Text(Str::StateConnected)).toUtf8()); },
                            60000),
                 braxlow.output.constData());

        // No tray of any kind: the window waits minimized. Then the panel starts.
        QTest::qWait(2000);
        QDBusConnection bus = session.Connect(QStringLiteral("panel"));
        FakePanel panel;
        QVERIFY(panel.Start(bus));
        QVERIFY2(Eventually([&] { QTest::qWait(100); return panel.items.size() == 1; }, 15000), "no item registered");
        const QString item = panel.items.first();
        qInfo() << "the late panel got" << item;
        auto click = [&](const char* method) {
            QDBusMessage call = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                               QStringLiteral("org.kde.StatusNotifierItem"),
                                                               QLatin1String(method));
            call << 700 << 580;
            return bus.call(call, QDBus::Block, 10000).type() == QDBusMessage::ReplyMessage;
        };
        QVERIFY(click("Activate"));
        QVERIFY2(Eventually([&] { QTest::qWait(100); return !MainWindowId(true).isEmpty(); }, 10000), "not shown");
        QVERIFY(click("Activate"));
        QVERIFY2(Eventually([&] { QTest::qWait(100); return MainWindowId(true).isEmpty(); }, 10000), "not sent back");
        const auto visible = [] {
            return Run(QStringLiteral("xdotool search --onlyvisible --class braxlow")).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
        };
        const int before = visible();
        QVERIFY(click("ContextMenu"));
        QVERIFY2(Eventually([&] { QTest::qWait(100); return visible() > before; }, 10000), "no menu");
        if (const QString shots = qEnvironmentVariable("BRAXLOW_SCREENSHOTS"); !shots.isEmpty())
            Run(QStringLiteral("import -window root '%1/panel-menu.png'").arg(shots));
        Run(QStringLiteral("xdotool key Escape"));
        braxlow.process.terminate();
        QVERIFY(braxlow.process.waitForFinished(20000));
        QVERIFY(Eventually([] { return PppLinks(DialerPaths()).Find(kName).isEmpty(); }, 15000));
        panel.Stop(bus);
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
        qunsetenv("DISPLAY");
    }

    // A USB phone that ModemManager manages, as on a NetworkManager desktop:
    // the tools list and probe it by its USB identity, and an ordinary user's
    // connect borrows it from ModemManager for as long as the link is up.
    void usbPhoneIsBorrowedFromModemManager()
    {
        START_USB_DESKTOP(true);
        const int port = PlugManagedUsbPhone();
        QVERIFY(port > 0);
        QVERIFY(ModemListed());

        const QString ports = Run(Tool(QStringLiteral("braxlow-ports")));
        qInfo().noquote() << ports;
        QVERIFY2(ports.contains(QStringLiteral("%1  /dev/ttyACM0").arg(PortMap::ComName(port), -6)) &&
                     ports.contains(QLatin1String("[USB f00d:0800 Veloxa]")),
                 qPrintable(ports));

        BecomeDesktopUser();
        const QString probe = Run(Tool(QStringLiteral("braxlow-phone")) + QStringLiteral(" --json --port COM%1 2>/dev/null").arg(port));
        qInfo().noquote() << probe;
        const QJsonObject report = QJsonDocument::fromJson(probe.toUtf8()).array().at(0).toObject();
        QCOMPARE(report.value(QStringLiteral("result")).toString(), QStringLiteral("ready"));
        QCOMPARE(report.value(QStringLiteral("usb")).toObject().value(QStringLiteral("id")).toString(), QStringLiteral("f00d:0800"));
        QCOMPARE(report.value(QStringLiteral("usb")).toObject().value(QStringLiteral("maker")).toString(), QStringLiteral("Veloxa"));
        QVERIFY2(Eventually([this] { return ModemListed(); }, 60000), "the probe did not give the phone back");

        session_->KeepPhoneFromModemManager(true);
        QCOMPARE(Dial(QStringLiteral("web"), QStringLiteral("secret")), 1);
        QVERIFY2(Run(QStringLiteral("ip route show default")).startsWith(QLatin1String("default dev ppp0")),
                 qPrintable(dialer_->Transcript()));
        // Borrowed: ModemManager lists no modem while the link is up.
        QVERIFY(!ModemListed());
        QVERIFY(dialer_->HangUp(kName));
        QVERIFY(dialer_->WaitForExit(5000));
        session_->GiveBackPhone();
        QElapsedTimer back;
        back.start();
        QVERIFY(Eventually([this] { return ModemListed(); }, 60000));
        qInfo() << "ModemManager had the phone again" << back.elapsed() << "ms after the hang-up";
        QVERIFY(prompter_.Messages().isEmpty());
    }

    // Without the polkit rule ModemManager says no: one message, quickly, and
    // the phone is left to it untouched.
    void modemManagerRefusesWithoutThePolkitRule()
    {
        START_USB_DESKTOP(true, false);
        const int port = PlugUsbPhone({});
        QVERIFY(port > 0);
        QVERIFY(!UsbPhone(QStringLiteral("modem")).isEmpty());
        BecomeDesktopUser();
        settings_->SaveConnectInfo(ConnectInfo{});
        session_->PrepareConnection();
        QElapsedTimer took;
        took.start();
        QCOMPARE(session_->RunAtSession(), 1);
        qInfo() << "refused after" << took.elapsed() << "ms";
        QVERIFY(took.elapsed() < 60000);
        QVERIFY(session_->PortFailureExplained());
        QCOMPARE(prompter_.Messages().size(), 1);
        const QString said = prompter_.Messages().at(0).text;
        qInfo().noquote() << said;
        QVERIFY2(said.startsWith(Text(Str::ModemManagerRefused).section(QLatin1Char('%'), 0, 0)), qPrintable(said));
        QVERIFY(ModemListed());
        // Nothing of Braxlow's reached the phone: its wake-up is not in the log.
        QVERIFY(!phone_->Received().contains("AATZ"));
        const QString tool = Run(Tool(QStringLiteral("braxlow-phone")) + QStringLiteral(" --port COM%1; echo exit=$?").arg(port));
        qInfo().noquote() << tool;
        QVERIFY(tool.contains(QLatin1String("exit=3")));
        QVERIFY(tool.contains(Text(Str::ModemManagerRefused).section(QLatin1Char('%'), 0, 0).trimmed()));
    }

    // Pulled out in the middle of the AT session: said within seconds, and no
    // thread is left reading a port that is gone. Plugged in again, the setup
    // window shows it at once, by udev's maker and model. A port another
    // program holds is named instead of a phone that seems silent.
    void usbPhoneUnpluggedDuringTheSession()
    {
        START_USB_DESKTOP(false);
        const int port = PlugUsbPhone({"--delay", "300"});
        QVERIFY(port > 0);
        settings_->SaveConnectInfo(ConnectInfo{});
        session_->PrepareConnection();
        // The bus library's own thread starts at its first use, and stays.
        QDBusConnection::systemBus();
        const int threads = QDir(QStringLiteral("/proc/self/task")).count();
        QTimer::singleShot(2500, this, [] { UsbPhone(QStringLiteral("unplug")); });
        rusage before = {};
        ::getrusage(RUSAGE_SELF, &before);
        QElapsedTimer took;
        took.start();
        QCOMPARE(session_->RunAtSession(), 0);
        const qint64 wall = took.elapsed();
        rusage after = {};
        ::getrusage(RUSAGE_SELF, &after);
        const auto ms = [](const timeval& t) { return qint64(t.tv_sec) * 1000 + t.tv_usec / 1000; };
        const qint64 cpu = ms(after.ru_utime) - ms(before.ru_utime) + ms(after.ru_stime) - ms(before.ru_stime);
        qInfo() << "the session ended after" << wall << "ms with" << cpu << "ms of CPU";
        QVERIFY(wall < 20000);
        QVERIFY2(cpu * 2 < wall, "the wait spun");
        QCOMPARE(prompter_.Messages().size(), 1);
        QCOMPARE(prompter_.Messages().at(0).text, Text(Str::PhoneUnplugged));
        QCOMPARE(link_.GetConnectStatus(), 0);
        QCOMPARE(QDir(QStringLiteral("/proc/self/task")).count(), threads);

        // Back in: the setup window lists it within about two seconds.
        QTemporaryDir folder;
        CRasDialer dialer(folder.filePath(QStringLiteral("braxlow.pbk")), settings_);
        RecordingPrompter quiet;
        CSetupDlg setup(*settings_, Quarrin::CurrentPortMap(), dialer, quiet, QStringLiteral("Braxlow"));
        setup.show();
        QTest::qWait(500);
        QElapsedTimer plugged;
        plugged.start();
        UsbPhone(QStringLiteral("plug"));
        auto listed = [&setup] {
            const auto* list = setup.findChild<QTableWidget*>(QStringLiteral("list1156"));
            for (int row = 0; list != nullptr && row < list->rowCount(); ++row)
                if (list->item(row, 0)->text() == QLatin1String("Veloxa V900 GPRS Phone") &&
                    list->item(row, 2)->text().startsWith(QLatin1String("/dev/ttyACM")))
                    return true;
            return false;
        };
        auto rows = [&setup] {
            QStringList texts;
            const auto* list = setup.findChild<QTableWidget*>(QStringLiteral("list1156"));
            for (int row = 0; list != nullptr && row < list->rowCount(); ++row)
                texts << list->item(row, 0)->text() + QLatin1Char('|') + list->item(row, 2)->text();
            return texts.join(QLatin1String(", "));
        };
        QVERIFY2(QTest::qWaitFor(listed, 10000), qPrintable(rows()));
        qInfo() << "the setup window listed the phone" << plugged.elapsed() << "ms after the plug";
        QVERIFY(plugged.elapsed() < 4000);
        if (const QString shots = qEnvironmentVariable("BRAXLOW_SCREENSHOTS"); !shots.isEmpty())
            setup.grab().save(shots + QStringLiteral("/setup-usb-phone.png"));
        setup.close();

        // Another program has the port open and the phone seems silent.
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--device"), QStringLiteral("/dev/ttyGS0"),
                                                            QStringLiteral("--silent")});
        QVERIFY(phone_->Start());
        QProcess holder;
        holder.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec sleep 300 < /dev/ttyACM0")});
        QVERIFY(holder.waitForStarted());
        QVERIFY(Eventually([] { return !Run(QStringLiteral("fuser /dev/ttyACM0 2>/dev/null")).trimmed().isEmpty(); }));
        const QString probe = Run(Tool(QStringLiteral("braxlow-phone")) + QStringLiteral(" --json --port COM%1 2>/dev/null").arg(port));
        qInfo().noquote() << probe;
        const QJsonObject held = QJsonDocument::fromJson(probe.toUtf8()).array().at(0).toObject()
                                     .value(QStringLiteral("heldBy")).toObject();
        QCOMPARE(held.value(QStringLiteral("name")).toString(), QStringLiteral("sleep"));
        QCOMPARE(qint64(held.value(QStringLiteral("pid")).toDouble()), holder.processId());
        prompter_.Clear();
        QCOMPARE(session_->RunAtSession(), 0);
        QVERIFY2(prompter_.Messages().size() == 1 && prompter_.Messages().at(0).text.contains(QLatin1String("sleep (process")),
                 qPrintable(prompter_.Messages().value(0).text));
        holder.kill();
        holder.waitForFinished();
    }

    // Pulled out while online: the window is back within about a second; with
    // Reconnect Automatically on, it waits for the phone, which comes back
    // under another node with the same COM number, and dials it again.
    void usbPhoneUnpluggedWhileOnline()
    {
        START_USB_DESKTOP(true);
        const int port = PlugManagedUsbPhone();
        QVERIFY(port > 0);
        TestSupport::ProgramFolder folder;
        QTemporaryDir dir;
        RecordingPrompter yes;
        BraxlowApp app(TestSupport::AppOptions(folder.ProgramFile(), dir.path()), yes);
        QVERIFY(app.Startup());
        yes.Clear();
        app.Settings().SaveConnectInfo(GuestEntry());
        app.Settings().SaveAutoReconnect(true);
        app.SerialPorts().Refresh();
        QCOMPARE(app.SerialPorts().DeviceForPort(port), QStringLiteral("/dev/ttyACM0"));
        app.Settings().SavePort(port);
        RecordingNotifier notifier;
        TestSupport::NoHelp help;
        CMainDlg window(CMainDlg::Services{app, help, dir.filePath(QStringLiteral("braxlow.pbk")), DialerPaths(), 5,
                                           PortConflictSources(), &notifier});
        window.show();
        const ConnectSequence& sequence = window.Sequence();
        window.OnConnect();
        QVERIFY2(QTest::qWaitFor([&] { return sequence.Connected(); }, 90000), qPrintable(window.StatusText()));
        QVERIFY(!ModemListed());

        // Held open across the unplug, the old node keeps its number: the
        // phone comes back as ttyACM1.
        const int old = ::open("/dev/ttyACM0", O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(old >= 0);
        QElapsedTimer pulled;
        pulled.start();
        UsbPhone(QStringLiteral("unplug"));
        QVERIFY(QTest::qWaitFor([&] { return !sequence.Connected(); }, 15000));
        QTRY_COMPARE_WITH_TIMEOUT(window.StatusText(), Text(Str::StatusConnectionEnded), 5000);
        qInfo() << "the window was back" << pulled.elapsed() << "ms after the unplug";
        QVERIFY(pulled.elapsed() < 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.DetailText(), Text(Str::WaitingForPhone), 30000);
        QVERIFY(sequence.ReconnectPending());
        QTest::qWait(3000);
        QVERIFY(PppLinks(DialerPaths()).Find(kName).isEmpty());

        UsbPhone(QStringLiteral("plug"));
        ::close(old);
        app.SerialPorts().Refresh();
        QCOMPARE(app.SerialPorts().DeviceForPort(port), QStringLiteral("/dev/ttyACM1"));
        QVERIFY2(QTest::qWaitFor([&] { return sequence.Connected(); }, 120000),
                 qPrintable(window.StatusText() + QLatin1Char(' ') + window.DetailText()));
        QVERIFY2(Run(QStringLiteral("ps -o args= -C pppd")).contains(QLatin1String("/dev/ttyACM1")),
                 qPrintable(Run(QStringLiteral("ps -o args= -C pppd"))));
        QVERIFY(!ModemListed());
        window.OnDisconnect();
        QVERIFY(QTest::qWaitFor([&] { return !sequence.Connected() && PppLinks(DialerPaths()).Find(kName).isEmpty(); },
                                15000));
        // The window gives the phone back when it sees the link gone: events run.
        QVERIFY(QTest::qWaitFor([this] { return ModemListed(); }, 60000));
        QStringList shown;
        for (const RecordingPrompter::Shown& message : yes.Messages())
            shown << message.text;
        QVERIFY2(shown == QStringList{Text(Str::ConfirmDisconnect)}, qPrintable(shown.join(QLatin1String(" | "))));
    }

    // An ordinary member of dip may run pppd, but gets its privileged options
    // only on the device the administrator granted Braxlow, and the root DNS
    // hook acts only for Braxlow's own link: a line of the user's own (a
    // "phone" the user plays, a peer that need not log in) takes neither the
    // default route nor the resolver. Braxlow's own dial still works for that
    // user.
    void ordinaryUserGetsPppdsPrivilegesOnlyForBraxlowsDevice()
    {
        QVERIFY(StartPhone({"--network-auth", "chap", "--network-user", "web", "--network-password", "secret"}));
        QVERIFY(BecomeOrdinaryUser());
        const QString peer = PppdCommand::PeerFor(QFileInfo(phone_->Path()).canonicalFilePath());
        // The user's own line, a pty pair; its far end a pppd that plays a
        // network without asking for a login (root's, as on a second machine).
        QVERIFY(AsRoot());
        QProcess pair;
        pair.start(QStringLiteral("socat"), {QStringLiteral("PTY,raw,echo=0,link=/tmp/own-a,mode=666"),
                                             QStringLiteral("PTY,raw,echo=0,link=/tmp/own-b")});
        QVERIFY(pair.waitForStarted() && Eventually([] { return QFileInfo::exists(QStringLiteral("/tmp/own-b")); }));
        auto farEnd = [](QProcess& far) {
            far.start(QStringLiteral("/usr/sbin/pppd"),
                      QStringLiteral("/tmp/own-b 115200 nodetach noauth local 10.99.0.1:10.99.0.2 lcp-max-configure 30")
                          .split(QLatin1Char(' ')));
            return far.waitForStarted();
        };
        QProcess first;
        QVERIFY(farEnd(first));
        QVERIFY(AsUser());
        const QString attack = QStringLiteral("timeout 25 /usr/sbin/pppd %1 115200 nodetach local noipdefault defaultroute "
                                              "lcp-max-configure 20 ipparam braxlow-dns=6.6.6.6 2>&1; echo \"exit $?\"");
        const QString routes = Run(QStringLiteral("ip route show default"));

        // The device's peer file names its device: it is not lent to another.
        const QString borrowed = Run(attack.arg(QStringLiteral("call %1 /tmp/own-a").arg(peer)));
        qInfo().noquote() << "pppd call" << peer << "/tmp/own-a:\n" << borrowed;
        QVERIFY2(!borrowed.contains(QLatin1String("exit 0")) && !borrowed.contains(QLatin1String("remote IP address")),
                 qPrintable(borrowed));
        // The old name grants nothing: where a default route exists, the peer
        // that does not log in is refused, and the route stays.
        const QString generic = Run(attack.arg(QStringLiteral("call braxlow /tmp/own-a")));
        qInfo().noquote() << "pppd call braxlow /tmp/own-a:\n" << generic;
        QVERIFY2(!generic.contains(QLatin1String("remote IP address")), qPrintable(generic));
        QCOMPARE(Run(QStringLiteral("ip route show default")), routes);

        // The DNS hook, as pppd runs it (as root, with the link's name in
        // LINKNAME when it has one): a link not named Braxlow, whatever its
        // ipparam, leaves the resolver alone; Braxlow's takes dotted addresses
        // only.
        QVERIFY(AsRoot());
        first.kill();
        first.waitForFinished();
        pair.kill();
        pair.waitForFinished();
        const QString resolver = ResolvConf();
        const QString hook = QStringLiteral("/etc/ppp/ip-%1.d/braxlow-dns ppp9 /tmp/own-a 115200 10.99.0.2 10.99.0.1 '%2'");
        Run(hook.arg(QStringLiteral("up"), QStringLiteral("braxlow-dns=6.6.6.6")));
        QCOMPARE(ResolvConf(), resolver);
        Run(QStringLiteral("LINKNAME=Braxlow ") +
            hook.arg(QStringLiteral("up"), QStringLiteral("braxlow-dns=300.1.1.1,6.6.6.6x,7.7.7.7,1.2.3.4;reboot")));
        const QString ours = ResolvConf();
        QVERIFY2(ours.startsWith(QLatin1String("nameserver 7.7.7.7\n")) && ours.count(QLatin1String("nameserver 7.7.7.7")) == 1 &&
                     !ours.contains(QLatin1String("300.1.1.1")) && !ours.contains(QLatin1String("6.6.6.6")) &&
                     !ours.contains(QLatin1String("1.2.3.4")),
                 qPrintable(ours));
        Run(QStringLiteral("LINKNAME=Braxlow ") + hook.arg(QStringLiteral("down"), QStringLiteral("braxlow-dns=7.7.7.7")));
        QCOMPARE(ResolvConf(), resolver);
        QVERIFY(AsUser());

        // Braxlow's own dial, on the device granted to it, for the same user.
        QCOMPARE(Dial(QStringLiteral("web"), QStringLiteral("secret")), 1);
        QVERIFY(Run(QStringLiteral("ip route show default")).startsWith(QLatin1String("default dev ppp0")));
        QVERIFY(dialer_->HangUp(kName));
        QVERIFY(dialer_->WaitForExit(5000));
    }

    // The wall clock steps (a time server, the user) while the AT session
    // waits for a silent phone: the wait lasts its seconds all the same, not
    // cut short by a step forward nor stalled by a step back.
    void atSessionWaitsOutClockSteps()
    {
        QVERIFY(StartPhone({QStringLiteral("--silent")}));
        QVERIFY(session_->OpenPort(7));
        auto step = [](int seconds) { Run(QStringLiteral("date -s @$(( $(date +%s) + %1 )) >/dev/null").arg(seconds)); };
        QElapsedTimer t;
        t.start();
        QTimer::singleShot(1000, [&] { step(3600); });
        QCOMPARE(session_->SendAtCommand(QStringLiteral("AT\r")), QString());
        QVERIFY2(t.elapsed() >= 6000, qPrintable(QString::number(t.elapsed())));

        bool released = false;
        t.restart();
        QTimer::singleShot(1000, [&] { step(-7200); });
        // A stalled wait goes on once the clock is back, so the test ends.
        QTimer::singleShot(30000, [&] {
            released = true;
            step(7200);
        });
        QCOMPARE(session_->SendAtCommand(QStringLiteral("AT\r")), QString());
        QVERIFY2(!released && t.elapsed() < 20000, qPrintable(QString::number(t.elapsed())));
        session_->ClosePhoneLink();
        step(3600);
    }

    // The portable copy on a FAT stick (the README's own example): the file
    // system has no hard links, yet the entries file is made and used, and
    // the settings are kept beside the program.
    void portableCopyOnAFatStick()
    {
        QTemporaryDir work;
        const QString stick = work.filePath(QStringLiteral("stick"));
        const QString made = Run(QStringLiteral("modprobe -a loop vfat nls_cp437 nls_ascii nls_iso8859_1 nls_utf8; truncate -s 64M '%1/fat.img' && "
                                                "busybox mkdosfs '%1/fat.img' >/dev/null && mkdir '%2' && "
                                                "mount -o loop -t vfat '%1/fat.img' '%2' && "
                                                "cp -r '%3/Lang' '%3/BXSYS.mdb' '%2/' && touch '%2/portable' && echo ok")
                                 .arg(work.path(), stick, TestSupport::ProgramDirectory()));
        QVERIFY2(made.trimmed().endsWith(QLatin1String("ok")), qPrintable(made));
        QVERIFY(Run(QStringLiteral("grep ' %1 vfat ' /proc/mounts").arg(stick)).contains(QLatin1String("vfat")));
        {
            RecordingPrompter prompter;
            BraxlowApp::Options options;
            options.programFilePath = stick + QStringLiteral("/braxlow");
            options.lockDirectory = work.path();
            BraxlowApp app(options, prompter);
            QVERIFY2(app.Startup(), prompter.Messages().isEmpty() ? "" : qPrintable(prompter.Messages().last().text));
            QCOMPARE(app.Data().UserDatabasePath(), stick + QStringLiteral("/BXUSER.mdb"));
            ConnectionEntry entry;
            entry.ConnectName = QStringLiteral("On the stick");
            entry.PhoneNumber = QStringLiteral("*99#");
            QVERIFY(app.Data().AddEntry(entry));
            QCOMPARE(app.Data().LoadEntries().size(), 1);
            QVERIFY(app.Settings().Store().FilePath().startsWith(stick + QStringLiteral("/settings/")));
            QVERIFY(QFileInfo::exists(app.Settings().Store().FilePath()));
        }
        Run(QStringLiteral("umount '%1'").arg(stick));
    }

private:
    // The network's entry, its password remembered.
    static ConnectInfo GuestEntry()
    {
        ConnectInfo info;
        info.ConnectName = QStringLiteral("Guest network");
        info.APNName = QStringLiteral("internet");
        info.PhoneNumber = QStringLiteral("*99#");
        info.Username = QStringLiteral("web");
        info.Password = QStringLiteral("secret");
        info.CheckPassword = QStringLiteral("1");
        return info;
    }

    // The desktop a USB phone meets (tests/ppp-guest/usb-phone): udev, and
    // with `modemManager` the system bus, polkit and ModemManager too. Empty
    // when it runs; kNoGadget where the kernel cannot make a USB phone.
    static constexpr const char* kNoGadget = "the guest's kernel has no USB gadget modules (dummy_hcd, usb_f_acm)";
    QString StartUsbDesktop(bool modemManager, bool polkitRule = true)
    {
        const QString outcome = UsbPhone(modemManager ? (polkitRule ? QStringLiteral("desktop")
                                                                    : QStringLiteral("desktop --no-polkit-rule"))
                                                      : QStringLiteral("udev"),
                                         true);
        if (outcome.contains(QLatin1String("status=77")))
            return QLatin1String(kNoGadget);
        return outcome.trimmed().endsWith(QLatin1String("status=0")) ? QString() : outcome;
    }

    static QString UsbPhone(const QString& command, bool withStatus = false)
    {
        const QString logs = qEnvironmentVariable("BRAXLOW_SCREENSHOTS", QStringLiteral("/tmp"));
        return Run(QStringLiteral("BRAXLOW_USB_LOG='%1' '" BRAXLOW_SOURCE_DIR "/tests/ppp-guest/usb-phone' %2 2>&1%3")
                       .arg(logs, command, withStatus ? QStringLiteral("; echo status=$?") : QString()));
    }

    // Plugs the gadget in and lets the virtual phone answer at its far end;
    // the COM number the port map gave the phone, 0 on failure.
    int PlugUsbPhone(const QStringList& network)
    {
        if (!UsbPhone(QStringLiteral("plug")).contains(QLatin1String("/dev/ttyACM0")))
            return 0;
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--device"), QStringLiteral("/dev/ttyGS0"),
                                                            QStringLiteral("--network")} + network);
        if (!phone_->Start())
            return 0;
        PortMap& map = Quarrin::CurrentPortMap();
        map.Refresh();
        for (const MappedPort& p : map.Ports())
            if (p.device == QLatin1String("/dev/ttyACM0")) {
                settings_->SavePort(p.number);
                return p.number;
            }
        return 0;
    }

    // The phone of the network with a login, enabled in ModemManager as
    // NetworkManager enables it; its COM number, 0 on failure.
    int PlugManagedUsbPhone()
    {
        const int port =
            PlugUsbPhone({"--network-auth", "pap", "--network-user", "web", "--network-password", "secret"});
        return port > 0 && !UsbPhone(QStringLiteral("modem")).isEmpty() ? port : 0;
    }

    bool ModemListed() const { return UsbPhone(QStringLiteral("modems")).contains(QLatin1String("/Modem/")); }

    static QString Tool(const QString& name)
    {
        return QStringLiteral("'%1/%2'").arg(TestSupport::ProgramDirectory(), name);
    }

    // A member of dip and dialout, in the group database as polkit reads it,
    // with the own home, on a phone whose port udev gave to dialout. The saved
    // ids stay root's, for the clean-up to stop the phone; what Braxlow and
    // pppd go by are the real and effective ones.
    void BecomeDesktopUser()
    {
        QCOMPARE(Run(QStringLiteral("id braxuser >/dev/null 2>&1 || useradd -M -G dip,dialout braxuser; echo ok")).trimmed(),
                 QStringLiteral("ok"));
        Run(QStringLiteral("chown -R braxuser '%1' '%2'").arg(qEnvironmentVariable("HOME"), fixture_->dir.path()));
        const QStringList ids = Run(QStringLiteral("id -u braxuser; id -g braxuser; getent group dip dialout | cut -d: -f3"))
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(ids.size(), 4);
        const gid_t groups[] = {gid_t(ids.at(2).toUInt()), gid_t(ids.at(3).toUInt())};
        QCOMPARE(::setgroups(2, groups), 0);
        QCOMPARE(::setresgid(gid_t(ids.at(1).toUInt()), gid_t(ids.at(1).toUInt()), 0), 0);
        QCOMPARE(::setresuid(uid_t(ids.at(0).toUInt()), uid_t(ids.at(0).toUInt()), 0), 0);
    }

    // A copy of the program as a user has it, with one entry on the phone at
    // `link`, its password remembered or not; with `preset`, the entry is the
    // German provider's of that name, and `dns` gets its first DNS server. The
    // entry's number, 0 on failure.
    int Install(const QTemporaryDir& home, const QString& link, bool rememberPassword,
                const QString& preset = QString(), QString* dns = nullptr)
    {
        const QString program = home.filePath(QStringLiteral("bin"));
        if (Run(QStringLiteral("cp -a '%1' '%2' && echo ok").arg(TestSupport::ProgramDirectory(), program)).trimmed() !=
            QLatin1String("ok"))
            return 0;
        QFile::remove(program + QStringLiteral("/BXUSER.mdb"));
        RecordingPrompter yes;
        BraxlowApp app(TestSupport::AppOptions(program + QStringLiteral("/braxlow"), home.path()), yes);
        if (!app.Startup())
            return 0;
        ConnectionEntry entry;
        entry.ConnectName = QStringLiteral("Guest network");
        entry.APNName = QStringLiteral("internet");
        entry.PhoneNumber = QStringLiteral("*99#");
        entry.UserName = QStringLiteral("web");
        entry.Password = rememberPassword ? QStringLiteral("secret") : QString();
        entry.CheckPasswd = rememberPassword ? 1 : 0;
        if (!preset.isEmpty()) {
            const DataStore::PresetLookup found = app.Data().FindPreset(preset, QStringLiteral("Germany"));
            if (!found.preset)
                return 0;
            entry.ConnectName = found.preset->ConnectName;
            entry.Country = found.preset->Country;
            entry.ProviderName = found.preset->ProviderName;
            entry.APNName = found.preset->APNName;
            entry.PhoneNumber = found.preset->PhoneNumber;
            entry.UserName = found.preset->UserName;
            entry.Password = found.preset->Password;
            entry.PrimaryDNS = found.preset->PrimaryDNS;
            entry.SecondDNS = found.preset->SecondDNS;
            if (dns != nullptr)
                *dns = entry.PrimaryDNS;
        }
        const std::optional<int> added = app.Data().AddEntry(entry);
        if (!added || !app.SerialPorts().AddExplicit(7, link, DialupController::kDeviceName))
            return 0;
        app.Settings().SavePort(7);
        return *added;
    }

    // An X display :9 for the program's window.
    static bool StartDisplay(XProgram& x)
    {
        qputenv("DISPLAY", ":9");
        return x.Start(QStringLiteral("Xvfb"), {QStringLiteral(":9"), QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("800x600x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")}) &&
               Eventually([] { return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X9")); }, 20000);
    }

    static QProcessEnvironment ProgramEnvironment(const QString& config)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), config);
        // Under the sanitizers: the X keyboard library hands strndup() buffers
        // without a terminating zero, which C allows and the strict check does not.
        if (env.contains(QStringLiteral("ASAN_OPTIONS")))
            env.insert(QStringLiteral("ASAN_OPTIONS"),
                       env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
        return env;
    }

    // A phone the port map reaches through a link that stays when the phone
    // is started again.
    bool StartLinkedPhone(const QString& link, const QStringList& more)
    {
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--network"), QStringLiteral("--network-auth"),
                                                            QStringLiteral("pap"), QStringLiteral("--network-user"),
                                                            QStringLiteral("web"), QStringLiteral("--network-password"),
                                                            QStringLiteral("secret"), QStringLiteral("--link"), link} + more);
        return phone_->Start();
    }

    QString Text(int id) const { return LoadLanguageString(settings_->LanguageModule(), id); }

    // As a desktop login makes an ordinary user, member of dip and dialout,
    // with the phone's port granted to Braxlow by the administrator's setup.
    bool BecomeOrdinaryUser()
    {
        const QString device = QFileInfo(phone_->Path()).canonicalFilePath();
        const QString setup = Run(QStringLiteral("bash '" BRAXLOW_SOURCE_DIR "/scripts/install-ppp-access' --device '%1' && "
                                                 "useradd -M -G dip,dialout braxuser && echo ok").arg(device));
        if (!setup.trimmed().endsWith(QLatin1String("ok"))) {
            qWarning().noquote() << setup;
            return false;
        }
        // What a desktop login gives its user: the own home, the phone's port.
        Run(QStringLiteral("chown -R braxuser '%1' '%2' && chmod 0666 '%3'")
                .arg(qEnvironmentVariable("HOME"), fixture_->dir.path(), device));
        const QStringList ids = Run(QStringLiteral("id -u braxuser; id -g braxuser; getent group dip dialout | cut -d: -f3"))
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (ids.size() != 4)
            return false;
        user_ = {uid_t(ids.at(0).toUInt()), gid_t(ids.at(1).toUInt()), {gid_t(ids.at(2).toUInt()), gid_t(ids.at(3).toUInt())}};
        return AsUser();
    }
    // The saved ids stay root's, for the clean-up (and a test's own root
    // steps); what Braxlow and pppd go by are the real and effective ones.
    bool AsUser()
    {
        return ::setgroups(user_.groups.size(), user_.groups.data()) == 0 &&
               ::setresgid(user_.gid, user_.gid, 0) == 0 && ::setresuid(user_.uid, user_.uid, 0) == 0;
    }
    bool AsRoot() { return ::setresuid(0, 0, 0) == 0 && ::setresgid(0, 0, 0) == 0 && ::setgroups(0, nullptr) == 0; }

    bool StartPhone(const QStringList& network)
    {
        phone_ = std::make_unique<VirtualPhone>(QStringList{QStringLiteral("--network")} + network);
        if (!phone_->Start() ||
            !Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path(), DialupController::kDeviceName))
            return false;
        settings_->SavePort(7);
        return true;
    }

    // The connect sequence as the main window runs it: the entry, the AT
    // session against the phone, the binding and the dial.
    int Dial(const QString& user, const QString& password, const ConnectInfo& extra = ConnectInfo(),
             const QString& dialString = QStringLiteral("*99#"))
    {
        ConnectInfo info = extra;
        info.ConnectName = QStringLiteral("Test network");
        info.APNName = QStringLiteral("internet");
        info.PhoneNumber = dialString;
        info.Username = user;
        info.Password = password;
        settings_->SaveConnectInfo(info);
        if (!controller_->EnsureDialupEntry(info.PhoneNumber))
            return -2;
        session_->PrepareConnection();
        if (session_->RunAtSession() != -1)
            return -3;
        quint32 handle = 0;
        if (dialer_->FindConnection(kName, handle))
            return -4;
        controller_->BindEntryToModem();
        return controller_->DialAndWait(session_->PhoneNumber(), session_->UserName(), session_->Password());
    }

    int Connect(const QStringList& network, const QString& user, const QString& password,
                const ConnectInfo& extra = ConnectInfo())
    {
        return StartPhone(network) ? Dial(user, password, extra) : -1;
    }

    std::unique_ptr<TestSupport::Settings> fixture_;
    AppSettings* settings_ = nullptr;
    CComm link_;
    CIrDASock irda_;
    RecordingPrompter prompter_;
    std::unique_ptr<CRasDialer> dialer_;
    std::unique_ptr<DialupController> controller_;
    std::unique_ptr<AtSession> session_;
    std::unique_ptr<VirtualPhone> phone_;
    struct
    {
        uid_t uid = 0;
        gid_t gid = 0;
        std::vector<gid_t> groups;
    } user_;
    QStringList statuses_;
    QString originalResolvConf_;
};

QTEST_MAIN(TestPppLink)
#include "tst_ppplink.moc"
