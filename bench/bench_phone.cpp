// SPDX-License-Identifier: GPL-3.0-or-later
// braxlow-phone --port against a prompt phone (the virtual phone on a pty),
// from the start of the process to its end: what a user or a script waits for
// one probe. The goal: at most one second.
//
//   bench_phone [--runs N]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int at = args.indexOf(QStringLiteral("--runs"));
    const int runs = std::max(1, at > 0 ? args.value(at + 1).toInt() : 10);
    const QString bin = QStringLiteral(BRAXLOW_PROGRAM_DIR);

    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("HOME"), dir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    QProcess phone;
    const QString link = dir.filePath(QStringLiteral("phone"));
    phone.start(bin + QStringLiteral("/braxlow-virtual-phone"), {QStringLiteral("--link"), link});
    for (int i = 0; i < 100 && !QFile::exists(link); ++i)
        QThread::msleep(50);
    auto run = [&](const QStringList& arguments, QByteArray* output = nullptr) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(bin + QStringLiteral("/") + arguments.first(), arguments.mid(1));
        p.waitForFinished(60000);
        if (output != nullptr)
            *output = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    if (!QFile::exists(link) ||
        run({QStringLiteral("braxlow-ports"), QStringLiteral("add"), QStringLiteral("COM7"), link,
             QStringLiteral("Korvane GPRS MODEM")}) != 0) {
        std::fprintf(stderr, "bench_phone: the virtual phone did not start\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QByteArray output;
        const int code = run({QStringLiteral("braxlow-phone"), QStringLiteral("--port"), QStringLiteral("COM7")}, &output);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (code != 0) {
            std::fprintf(stderr, "bench_phone: braxlow-phone exited with %d:\n%s", code, output.constData());
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("braxlow-phone --port: median %.0f ms, best %.0f ms, worst %.0f ms over %d runs (goal: at most 1000 ms)\n",
                times[times.size() / 2], times.front(), times.back(), runs);
    phone.kill();
    phone.waitForFinished();
    return 0;
}
