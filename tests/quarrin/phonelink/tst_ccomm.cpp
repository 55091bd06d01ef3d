// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/AtSession.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Reaches the protected append the watcher uses.
class OpenComm : public CComm
{
public:
    using CComm::WriteToInternalBuffer;
};

StInitCommInfo Link(int port, quint32 speed = 115200)
{
    return AtSession::LinkParameters(port, speed);
}

QByteArray Buffer(CComm& comm)
{
    static unsigned char area[CComm::kBufferSize];
    unsigned long count = 0;
    comm.ReadFromInternalBuffer(area, &count);
    return QByteArray(reinterpret_cast<const char*>(area), int(count));
}

// Waits until the receive buffer holds `marker`; false when it did not come in `ms`.
bool WaitFor(CComm& comm, const QByteArray& marker, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (Buffer(comm).contains(marker))
            return true;
        QThread::msleep(20);
    }
    return false;
}

// Bytes waiting unread on a pseudo-terminal's slave side, or -1. The link holds the
// port exclusively, so this asks through a descriptor the process already has on it
// instead of opening the device again.
int Queued(const QString& device)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        int queued = 0;
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == device &&
            ::ioctl(fd.toInt(), FIONREAD, &queued) == 0)
            return queued;
    }
    return -1;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TestCComm : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(lockDir_.isValid());
        CComm::SetLockDirectory(lockDir_.path());
    }

    void cleanup()
    {
        for (int port : {7, 8, 12})
            Quarrin::CurrentPortMap().Remove(port);
    }

    void portNamesAndDefaults()
    {
        QCOMPARE(CComm::PortName(3), QStringLiteral("COM3"));
        QCOMPARE(CComm::PortName(12), QStringLiteral("\\\\.\\COM12"));
        CComm comm;
        QCOMPARE(comm.CreateComm(nullptr), 1);
        const StInitCommInfo p = comm.Parameters();
        QCOMPARE(int(p.portNumber), 2);
        QCOMPARE(p.baudRate, 9600u);
        QCOMPARE(int(p.flowControl), 3);
        QCOMPARE(comm.GetConnectStatus(), 0);
        QCOMPARE(int(comm.enableState), int(COMM_DISABLE));
    }

    void unmappedNumberDoesNotOpen()
    {
        CComm comm;
        const StInitCommInfo info = Link(99);
        QCOMPARE(comm.CreateComm(&info), 1);
        QCOMPARE(comm.OpenConnection(), 0);
        QCOMPARE(comm.GetConnectStatus(), 0);
        unsigned char b[16];
        QCOMPARE(comm.ReadCommBlock(b, 16), 0);
        QCOMPARE(comm.WriteCommBlock("AT\r", 3), 0);
    }

    void atExchangeThroughTheMapWithTheFirstHold()
    {
        VirtualPhone phone;
        QVERIFY(phone.Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(12, phone.Path()));

        CComm comm;
        const StInitCommInfo info = Link(12);
        QCOMPARE(comm.CreateComm(&info), 1);
        QVERIFY(comm.OpenConnection() != 0);
        QCOMPARE(comm.DevicePath(), phone.Path());
        QCOMPARE(comm.GetConnectStatus(), 1);
        comm.enableState = COMM_ENABLE;

        // Nothing queued: a 0 at once, not after waiting for data to come.
        unsigned char b[16];
        QElapsedTimer t;
        t.start();
        QCOMPARE(comm.ReadCommBlock(b, 16), 0);
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));

        // The watcher holds its first read back four seconds from the answer's
        // arrival, so the clock started before the command sees at least that.
        t.restart();
        QCOMPARE(comm.WriteCommBlock("AT+CGMI\r", 8), 1);
        QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000));
        QVERIFY2(t.elapsed() >= CComm::kHoldMs - 500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(Buffer(comm), QByteArray("AT+CGMI\r\r\nKorvane\r\n\r\nOK\r\n"));
        QString text;
        comm.ReadFromInternalBuffer(text);
        QCOMPARE(text, QStringLiteral("AT+CGMI\r\r\nKorvane\r\n\r\nOK\r\n"));
        QVERIFY(comm.ReceivedText().contains("Korvane"));

        // No further hold: the next answer comes well before a hold could end.
        comm.SetEmptyInternalBuffer();
        t.restart();
        QCOMPARE(comm.WriteCommBlock("AT+CGMM\r", 8), 1);
        QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000));
        QVERIFY2(t.elapsed() < CComm::kHoldMs - 1000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(phone.Received(), QByteArray("AT+CGMI\rAT+CGMM\r"));

        // A CTS change holds the watcher once more, from the change on.
        comm.SetEmptyInternalBuffer();
        t.restart();
        comm.NotifyCtsChange();
        QThread::msleep(100);
        QCOMPARE(comm.WriteCommBlock("AT\r", 3), 1);
        QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000));
        QVERIFY2(t.elapsed() >= CComm::kHoldMs - 500, qPrintable(QString::number(t.elapsed())));

        comm.SetEmptyInternalBuffer();
        comm.CloseConnection();
        QCOMPARE(comm.GetConnectStatus(), 0);
        comm.DestroyComm();
        // Reopened for the next session: the same object works again. A short
        // question is asked without the hold, first answer and CTS change alike,
        // and the next open holds again.
        QCOMPARE(comm.CreateComm(&info), 1);
        comm.SetSettleHold(false);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        for (const bool cts : {false, true}) {
            comm.SetEmptyInternalBuffer();
            t.restart();
            if (cts)
                comm.NotifyCtsChange();
            QCOMPARE(comm.WriteCommBlock("AT\r", 3), 1);
            QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000));
            QVERIFY2(t.elapsed() < CComm::kHoldMs - 1000, qPrintable(QString::number(t.elapsed())));
        }
        comm.CloseConnection();
        comm.SetSettleHold(true);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        comm.SetEmptyInternalBuffer();
        t.restart();
        QCOMPARE(comm.WriteCommBlock("AT\r", 3), 1);
        QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000));
        QVERIFY2(t.elapsed() >= CComm::kHoldMs - 500, qPrintable(QString::number(t.elapsed())));
        comm.DestroyComm();
    }

    void receiveBufferRules()
    {
        OpenComm comm;
        const QByteArray almost(CComm::kBufferSize - 1, 'a');
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>(almost.constData()),
                                   int(almost.size()));
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>("bc"), 2); // too big: dropped
        QCOMPARE(Buffer(comm).size(), CComm::kBufferSize - 1);
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>("z"), 1); // exactly full
        QByteArray full = Buffer(comm);
        QCOMPARE(full.size(), CComm::kBufferSize);
        QCOMPARE(full.back(), 'z');
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>("y"), 1); // one more: dropped
        QCOMPARE(Buffer(comm), full); // and reading twice gives the same bytes
        comm.SetEmptyInternalBuffer();
        QCOMPARE(Buffer(comm).size(), 0);
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>("OK\0rest"), 7);
        QCOMPARE(Buffer(comm), QByteArray("OK\0rest", 7));
        QString text;
        comm.ReadFromInternalBuffer(text);
        QCOMPARE(text, QStringLiteral("OKrest")); // NULs are left out, not an end
        comm.SetEmptyInternalBuffer();
        comm.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>("\0\r\nOK\r\n"), 7);
        comm.ReadFromInternalBuffer(text);
        QCOMPARE(text, QStringLiteral("\r\nOK\r\n")); // noise as the line wakes hides nothing
    }

    void floodingPhoneKeepsMemoryBounded()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        CComm comm;
        const StInitCommInfo info = Link(7);
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        const QByteArray block(CComm::kChunkSize, 'x');
        for (int i = 0; i < 64; ++i) // 512 KiB, five times what is kept
            QVERIFY(pty.Write(block));
        QVERIFY(pty.Write("END"));
        QElapsedTimer t;
        t.start();
        while (!comm.ReceivedText().endsWith("END") && t.elapsed() < CComm::kHoldMs + 10000)
            QThread::msleep(20);
        const QByteArray kept = comm.ReceivedText();
        QVERIFY(kept.endsWith("xxxEND")); // the latest is kept
        QVERIFY2(kept.size() >= CComm::kReceivedTextSize && kept.size() <= 2 * CComm::kReceivedTextSize,
                 qPrintable(QString::number(kept.size())));
        comm.DestroyComm();
    }

    void disabledLinkDrainsAndDiscards()
    {
        PtyPair pty;
        QVERIFY(pty.Valid());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        CComm comm;
        const StInitCommInfo info = Link(7);
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        QVERIFY(pty.Write("\r\nRING\r\n"));
        // The watcher takes it from the driver once its first hold is over; the
        // queue is watched rather than slept on, as a loaded machine delays the drain.
        QElapsedTimer t;
        t.start();
        while (Queued(pty.SlavePath()) != 8 && t.elapsed() < 2000)
            QThread::msleep(10);
        QCOMPARE(Queued(pty.SlavePath()), 8); // arrived, and held for seconds yet
        while (Queued(pty.SlavePath()) != 0 && t.elapsed() < CComm::kHoldMs + 4000)
            QThread::msleep(20);
        QCOMPARE(Queued(pty.SlavePath()), 0);
        unsigned char b[64];
        QCOMPARE(comm.ReadCommBlock(b, 64), 0);
        // ... and keeps none of it.
        QCOMPARE(Buffer(comm).size(), 0);
        QVERIFY(comm.ReceivedText().isEmpty());
        comm.DestroyComm();
    }

    void purgeDropsWhatWaits()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        CComm comm;
        const StInitCommInfo info = Link(7);
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        QVERIFY(pty.Write("stale"));
        QThread::msleep(200); // the watcher is in its first hold now
        comm.SendOnlineMessage(0);
        comm.SendOnlineMessage(1);
        QVERIFY(pty.Write("fresh"));
        QVERIFY(WaitFor(comm, "fresh", CComm::kHoldMs + 4000));
        QCOMPARE(Buffer(comm), QByteArray("fresh"));
        comm.DestroyComm();
    }

    void secondOpenOfABusyPortIsRefused()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        const StInitCommInfo info = Link(7);
        CComm first, second;
        first.CreateComm(&info);
        second.CreateComm(&info);
        QVERIFY(first.OpenConnection() != 0);
        const QString lock = lockDir_.filePath(QStringLiteral("LCK..") + QFileInfo(pty.SlavePath()).fileName());
        QVERIFY(QFileInfo::exists(lock));
        QFile lockFile(lock);
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QCOMPARE(lockFile.readAll(), QByteArray::number(::getpid()).rightJustified(10, ' ') + '\n');
        QCOMPARE(second.OpenConnection(), 0);
        // Exclusive while open, and no longer once closed, although the phone's
        // side keeps the line open (pppd opens it next).
        auto exclusive = [&pty] {
            const int fd = ::open(QFile::encodeName(pty.SlavePath()).constData(), O_RDWR | O_NOCTTY);
            int on = -1;
            ::ioctl(fd, TIOCGEXCL, &on);
            ::close(fd);
            return on;
        };
        QCOMPARE(exclusive(), 1);
        first.DestroyComm();
        QCOMPARE(exclusive(), 0);
        QVERIFY(!QFileInfo::exists(lock));
        QVERIFY(second.OpenConnection() != 0);
        second.DestroyComm();

        // A lock whose owner is alive refuses the port; a stale one is taken over.
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(sleeper.waitForStarted());
        auto writeLock = [&](qint64 pid) {
            QFile f(lock);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray::number(pid).rightJustified(10, ' ') + '\n');
        };
        writeLock(sleeper.processId());
        QCOMPARE(second.CreateComm(&info), 1);
        QCOMPARE(second.OpenConnection(), 0);
        sleeper.kill();
        sleeper.waitForFinished();
        writeLock(sleeper.processId()); // now dead
        QVERIFY(second.OpenConnection() != 0);
        second.DestroyComm();
    }

    // The lock folder is everybody's: what another user leaves under the
    // lock's name never blocks the open, and a lock that is not ours stays.
    void foreignLockFilesNeitherBlockNorVanish()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        const StInitCommInfo info = Link(7);
        const QString lock = lockDir_.filePath(QStringLiteral("LCK..") + QFileInfo(pty.SlavePath()).fileName());
        const QByteArray native = QFile::encodeName(lock);
        CComm comm;
        comm.CreateComm(&info);
        auto refused = [&](const char* what) {
            std::atomic<int> opened{-1};
            std::thread open([&] { opened = comm.OpenConnection(); });
            QElapsedTimer t;
            t.start();
            while (opened < 0 && t.elapsed() < 5000)
                QThread::msleep(10);
            if (opened < 0) { // let a blocked open go before failing
                const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK);
                ::close(fd);
            }
            open.join();
            QVERIFY2(opened == 0, what);
            QVERIFY2(QFileInfo::exists(lock) || QFileInfo(lock).isSymLink(), what);
            QFile::remove(lock);
        };
        QCOMPARE(::mkfifo(native.constData(), 0666), 0);
        refused("a FIFO");
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), lock));
        refused("a link");
        QVERIFY(QFile(lock).open(QIODevice::WriteOnly)); // empty: another program's, just made
        refused("an empty new lock");

        // The lock removed at the close is ours only: one put in its place stays.
        QVERIFY(comm.OpenConnection() != 0);
        QVERIFY(QFile::remove(lock));
        QFile other(lock);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(QByteArray::number(::getppid()).rightJustified(10, ' ') + '\n');
        other.close();
        comm.DestroyComm();
        QVERIFY(QFileInfo::exists(lock));
        QFile::remove(lock);
    }

    void closeWhileThePhoneIsSending()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        const StInitCommInfo info = Link(7);
        auto comm = std::make_unique<CComm>();
        comm->CreateComm(&info);
        QVERIFY(comm->OpenConnection() != 0);
        comm->enableState = COMM_ENABLE;
        std::atomic<bool> stop{false};
        std::thread sender([&] {
            const QByteArray chunk(512, 'x');
            while (!stop) {
                pollfd p{pty.Master(), POLLOUT, 0};
                if (::poll(&p, 1, 20) > 0)
                    [[maybe_unused]] ssize_t n = ::write(pty.Master(), chunk.constData(), size_t(chunk.size()));
            }
        });
        QThread::msleep(CComm::kHoldMs + 300); // past the hold: the watcher is reading
        QElapsedTimer t;
        t.start();
        comm->CloseConnection();
        comm->DestroyComm();
        comm.reset(); // the watcher must be gone before the memory is
        const qint64 closing = t.elapsed();
        stop = true;
        sender.join();
        // Far less than a hold: the close neither waits for the watcher to finish
        // nor for the phone to pause.
        QVERIFY2(closing < CComm::kHoldMs - 1000, qPrintable(QString::number(closing)));
    }

    // A line faster than the watcher (a USB phone in a loop, a noisy cable):
    // the watcher always finds more queued, yet the close is not held up. The
    // line discipline is set to hand over one short line per read, so the
    // phone outruns any reader.
    void closeWhileTheLineFloods()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        const StInitCommInfo info = Link(7);
        CComm comm;
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        termios tio{};
        QCOMPARE(::tcgetattr(pty.Master(), &tio), 0); // the master sets the slave's line
        tio.c_lflag |= ICANON;
        QCOMPARE(::tcsetattr(pty.Master(), TCSANOW, &tio), 0);
        ::fcntl(pty.Master(), F_SETFL, ::fcntl(pty.Master(), F_GETFL) | O_NONBLOCK);
        std::atomic<bool> stop{false};
        std::thread sender([&] {
            QByteArray lines;
            for (int i = 0; i < 16384; ++i)
                lines += "x\n";
            // A pty's master is not woken when its slave reads: it looks again
            // every millisecond.
            while (!stop) {
                pollfd p{pty.Master(), POLLOUT, 0};
                if (::poll(&p, 1, 1) > 0)
                    [[maybe_unused]] ssize_t n = ::write(pty.Master(), lines.constData(), size_t(lines.size()));
            }
        });
        QThread::msleep(CComm::kHoldMs + 300); // past the hold: the watcher is reading
        std::atomic<bool> closed{false};
        std::thread closer([&] {
            comm.CloseConnection();
            closed = true;
        });
        QElapsedTimer t;
        t.start();
        while (!closed && t.elapsed() < 5000)
            QThread::msleep(10);
        const bool closedInTime = closed;
        stop = true; // lets a close that hangs finish, so the test can end
        closer.join();
        sender.join();
        comm.DestroyComm();
        QVERIFY2(closedInTime, "the close waited for the line to go quiet");
    }

    void unplugEndsTheWatcherWithoutSpinning()
    {
        VirtualPhone phone({QStringLiteral("--hangup-on"), QStringLiteral("AT+CGMI")});
        QVERIFY(phone.Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(8, phone.Path()));
        CComm comm;
        const StInitCommInfo info = Link(8);
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        comm.enableState = COMM_ENABLE;
        comm.WriteCommBlock("ATZ\r", 4);
        QVERIFY(WaitFor(comm, "OK\r\n", CComm::kHoldMs + 4000)); // past the first hold

        comm.WriteCommBlock("AT+CGMI\r", 8); // the phone hangs up on this
        QElapsedTimer t;
        t.start();
        while (comm.GetConnectStatus() != 0 && t.elapsed() < CComm::kHoldMs + 4000)
            QThread::msleep(10);
        // Seen from the hang-up itself, not after another hold.
        QCOMPARE(comm.GetConnectStatus(), 0);
        QVERIFY2(t.elapsed() < CComm::kHoldMs - 1000, qPrintable(QString::number(t.elapsed())));
        const double before = CpuSeconds();
        QThread::msleep(1000);
        QVERIFY(CpuSeconds() - before < 0.2); // nothing is left spinning
        QCOMPARE(comm.WriteCommBlock("AT\r", 3), 0);
        comm.DestroyComm();
        // The port was released although the line was already gone.
        QVERIFY(!QFileInfo::exists(lockDir_.filePath(QStringLiteral("LCK..") +
                                                     QFileInfo(phone.Path()).fileName())));
    }

    void unusualSpeedIsSet()
    {
        PtyPair pty;
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        CComm comm;
        const StInitCommInfo info = Link(7, 12345);
        comm.CreateComm(&info);
        QVERIFY(comm.OpenConnection() != 0);
        QCOMPARE(comm.WriteCommBlock("AT\r", 3), 1);
        QCOMPARE(pty.Read(), QByteArray("AT\r"));
        comm.DestroyComm();
    }

private:
    QTemporaryDir lockDir_;
};

QTEST_GUILESS_MAIN(TestCComm)
#include "tst_ccomm.moc"
