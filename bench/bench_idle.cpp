// SPDX-License-Identifier: GPL-3.0-or-later
// CPU the program uses while connected and idle: the main window waits in the
// tray and its watcher looks for the link once a second, reading the link's
// counters and showing the time online. The link is pppd's stand-in holding a
// connection up, with an interface whose counters a little traffic moves now
// and then; the phone is the virtual one. The goal: at most 0.1% of a core (60
// ms of CPU a minute).
//
//   bench_idle [--seconds N]     (default 60)
#include "core/dialup/CRasDialer.h"
#include "core/settings/LanguageLoader.h"
#include "core/shell/BraxlowApp.h"
#include "gui/shell/CMainDlg.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {


double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char* argv[])
{
    TestSupport::IsolateUserDirectories();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    const int at = args.indexOf(QStringLiteral("--seconds"));
    const int seconds = std::max(1, at > 0 ? args.value(at + 1).toInt() : 60);

    TestSupport::ProgramFolder folder;
    QTemporaryDir dir;
    RecordingPrompter prompter;
    BraxlowApp app(TestSupport::AppOptions(folder.ProgramFile(), dir.path()), prompter);
    if (!app.Startup())
        return 1;
    ConnectInfo info;
    info.ConnectName = QStringLiteral("Idle");
    info.APNName = QStringLiteral("internet");
    info.PhoneNumber = QStringLiteral("*99#");
    info.CheckPassword = QStringLiteral("1");
    info.CID = 1; // the month is counted, and written when it changes
    app.Settings().SaveConnectInfo(info);
    VirtualPhone phone;
    if (!phone.Start() || !app.SerialPorts().AddExplicit(7, phone.Path(), QStringLiteral("Korvane GPRS MODEM")))
        return 1;
    app.Settings().SavePort(7);
    qputenv("FAKE_PPPD_TRANSCRIPT", QFile::encodeName(PppTranscript(dir.path(), QStringLiteral("up"),
                                                                    QStringLiteral("sleep 3600\n"))));
    TestSupport::NoHelp help;
    const DialerPaths paths = StandInPppd(dir.path());
    CMainDlg window(CMainDlg::Services{app, help, dir.filePath(QStringLiteral("braxlow.pbk")), paths, 5,
                                       PortConflictSources()});
    window.show();
    window.findChild<QAbstractButton*>(QStringLiteral("button4464"))->click();
    if (!window.Sequence().Connected()) {
        std::fprintf(stderr, "bench_idle: the connection did not come up\n");
        return 1;
    }

    quint64 traffic = 1000;
    auto count = [&] {
        traffic += 120; // an echo request and its answer
        return FakeLinkCounters(paths, window.Dialer().Handle(), traffic, traffic);
    };
    if (!count())
        return 1;
    QTimer echoes;
    QObject::connect(&echoes, &QTimer::timeout, count);
    echoes.start(qEnvironmentVariableIntValue("BENCH_ECHO_MS") > 0 ? qEnvironmentVariableIntValue("BENCH_ECHO_MS") : 10000);

    QEventLoop settle;
    QTimer::singleShot(2000, &settle, &QEventLoop::quit);
    settle.exec();
    const double before = CpuMs();
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double used = CpuMs() - before;
    const bool stillUp = window.Sequence().Connected();
    if (!window.DetailText().contains(QStringLiteral("This month"))) {
        std::fprintf(stderr, "bench_idle: the counters did not run\n");
        return 1;
    }
    const double perMinute = used * 60.0 / seconds;
    std::printf("connected and idle for %d s: %.1f ms of CPU, %.1f ms a minute, %.3f%% of a core "
                "(goal: at most 0.1%%, %s)%s\n",
                seconds, used, perMinute, perMinute / 600.0, perMinute <= 60.0 ? "met" : "MISSED",
                stillUp ? "" : " - the link went down meanwhile");
    return stillUp ? 0 : 1;
}
