// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the main window painted on screen, against a bare Qt dialog started the
// same way (a new process each time, the same platform plugin). The goal: at
// most 1.3 times the bare dialog's time.
//
//   bench_startup [--runs N]       (under a display: xvfb-run -a bench_startup)
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Milliseconds from the start of the process to its first "shown" line (its
// window painted once); negative on failure. The process is then stopped:
// how long a program takes to end is no part of its start.
double TimeRun(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    while (!process.canReadLine())
        if (!process.waitForReadyRead(60000))
            return -1;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    process.kill();
    process.waitForFinished();
    return process.readLine().trimmed() == "shown" ? ms : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int runs = std::max(1, args.indexOf(QStringLiteral("--runs")) > 0
                                     ? args.value(args.indexOf(QStringLiteral("--runs")) + 1).toInt()
                                     : 15);
    // A copy of the program folder with its user database already made, so
    // the start-up asks nothing and the build's own files stay untouched.
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QProcess copy;
    copy.start(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral(BRAXLOW_PROGRAM_DIR), bin});
    copy.waitForFinished();
    QFile::remove(bin + QStringLiteral("/BXUSER.mdb"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The user's display when there is one (xvfb-run gives one); without a
    // display the comparison says little, as a bare dialog then draws nothing
    // a screen would need.
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   env.contains(QStringLiteral("DISPLAY")) ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    const QString braxlow = bin + QStringLiteral("/braxlow");
    QProcess prepare;
    prepare.setProcessEnvironment(env);
    prepare.start(braxlow, {QStringLiteral("--quit-after-startup")});
    if (!prepare.waitForFinished(60000) || prepare.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: %s does not start\n", qPrintable(braxlow));
        return 1;
    }
    // An entry is selected, as on every start but the first: the entry list
    // does not open by itself.
    QFile settings(dir.filePath(QStringLiteral("config/KORVANE/Korvane Tessaly II.reg")));
    if (!settings.open(QIODevice::Append | QIODevice::Text)) {
        std::fprintf(stderr, "bench_startup: no settings were written\n");
        return 1;
    }
    settings.write("\n[Braxlow\\ConnectInfo]\n\"ConnectName\"=\"Benchmark\"\n");
    settings.close();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_dialog");

    std::vector<double> program, yardstick;
    for (int i = 0; i < runs + 1; ++i) {
        // Turn about, so a slow moment of the machine hurts both; the first
        // round only warms the file cache.
        const double b = TimeRun(bare, {}, env);
        const double p = TimeRun(braxlow, {QStringLiteral("--quit-when-shown")}, env);
        if (b < 0 || p < 0) {
            std::fprintf(stderr, "bench_startup: a run failed\n");
            return 1;
        }
        if (i > 0) {
            yardstick.push_back(b);
            program.push_back(p);
        }
    }
    const double ratio = Median(program) / Median(yardstick);
    std::printf("start-up to the window shown, median of %d runs (%s):\n"
                "  bare Qt dialog  %7.1f ms\n"
                "  braxlow         %7.1f ms\n"
                "  ratio           %7.2f  (goal: at most 1.30, %s)\n",
                runs, qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"))), Median(yardstick),
                Median(program), ratio, ratio <= 1.3 ? "met" : "MISSED");
    return 0;
}
