// SPDX-License-Identifier: GPL-3.0-or-later
// A 100 MB update download on loopback from the reference server, with a
// progress bar and text updated after every chunk as the update dialog does.
// Reports the rate and the share of the time spent outside the socket (writing
// the file and updating the window).

#include "update/UpdateClient.h"
#include "update/UpdateProtocol.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {

qint64 g_fileSize = 100 * 1024 * 1024;

void BM_Download(benchmark::State& state)
{
    QTemporaryDir files;
    QTemporaryDir target;
    {
        QFile file(files.filePath(QStringLiteral("update.bin")));
        file.open(QIODevice::WriteOnly);
        const QByteArray block(1024 * 1024, 'u');
        for (qint64 n = 0; n < g_fileSize; n += block.size())
            file.write(block.constData(), qMin<qint64>(block.size(), g_fileSize - n));
    }
    QProcess server;
    server.start(QStringLiteral(BRAXLOW_PROGRAM_DIR "/braxlow-update-server"),
                 {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--folder"),
                  files.path()});
    server.waitForReadyRead(10000);
    const quint16 port = static_cast<quint16>(server.readLine().trimmed().mid(5).toUInt());

    QProgressBar bar;
    QLabel text;
    text.setTextFormat(Qt::PlainText);
    bar.show();
    text.show();
    double outside = 0;
    double total = 0;
    for (auto _ : state) {
        UpdateClient client({QStringLiteral("127.0.0.1"), port, 30000}, target.path());
        QEventLoop loop;
        QElapsedTimer handling;
        qint64 handlingNs = 0;
        QObject::connect(&client, &UpdateClient::Received, [&](const UpdateProtocol::Response& r) {
            if (r.responseCode == UpdateProtocol::kFileResponse) {
                client.PrepareDownload(r);
                bar.setRange(0, UpdateClient::ProgressRange(r.fileSize));
                client.Send(UpdateProtocol::EncodeFileRequest(true, r.fileName, QDateTime::currentDateTime()));
            }
        });
        QObject::connect(&client, &UpdateClient::ChunkWritten, [&](qint64 received, qint64 size) {
            handling.start();
            bar.setValue(UpdateClient::ProgressPosition(received, size));
            text.setText(QString::asprintf("%s (%4d KByte/%4d KByte)", "update.bin",
                                           static_cast<int>(received / 1024),
                                           static_cast<int>(size / 1024)));
            handlingNs += handling.nsecsElapsed();
        });
        QObject::connect(&client, &UpdateClient::Downloaded, &loop, &QEventLoop::quit);
        QObject::connect(&client, &UpdateClient::Failed, &loop, [&] {
            state.SkipWithError("download failed");
            loop.quit();
        });
        QElapsedTimer wall;
        wall.start();
        client.Send(UpdateProtocol::EncodeFileQuery(QStringLiteral("KTS2BX10"), "03FH1",
                                                    QDateTime::currentDateTime()));
        loop.exec();
        const qint64 wallNs = wall.nsecsElapsed();
        total += wallNs;
        outside += handlingNs;
        state.SetIterationTime(wallNs / 1e9);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * g_fileSize);
    state.counters["window_share_pct"] = total > 0 ? 100.0 * outside / total : 0;
    server.kill();
    server.waitForFinished();
}

} // namespace

BENCHMARK(BM_Download)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--small") == 0)
            g_fileSize = 1024 * 1024; // for the run-check under CTest
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
