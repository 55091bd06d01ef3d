// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PhoneFixtures.h"

#include <QDir>

#include "support/TestSupport.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

VirtualPhone::VirtualPhone(const QStringList& arguments) : arguments_(arguments) {}

VirtualPhone::~VirtualPhone()
{
    Stop();
}

bool VirtualPhone::Start()
{
    QStringList args = arguments_;
    args << QStringLiteral("--log") << dir_.filePath(QStringLiteral("received"));
    process_.start(TestSupport::ProgramDirectory() + QStringLiteral("/braxlow-virtual-phone"), args);
    if (!process_.waitForStarted(5000))
        return false;
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(5000))
            return false;
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return path_.startsWith(QLatin1String("/dev/"));
}

QByteArray VirtualPhone::Received() const
{
    QFile f(dir_.filePath(QStringLiteral("received")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool VirtualPhone::Running()
{
    // The exit of a phone that hung up is only noticed by waiting for it.
    return process_.state() != QProcess::NotRunning && !process_.waitForFinished(200);
}

void VirtualPhone::Stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

PtyPair::PtyPair()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        CloseMaster();
        return;
    }
    slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    keep_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keep_ >= 0) {
        termios tio{};
        ::tcgetattr(keep_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(keep_, TCSANOW, &tio);
    }
}

PtyPair::~PtyPair()
{
    CloseMaster();
}

bool PtyPair::Write(const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(master_, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QByteArray PtyPair::Read(int ms)
{
    QByteArray out;
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0)
        return out;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, int(n));
        pollfd more{master_, POLLIN, 0};
        if (::poll(&more, 1, 50) <= 0)
            break;
    }
    return out;
}

void PtyPair::CloseMaster()
{
    if (keep_ >= 0)
        ::close(keep_);
    if (master_ >= 0)
        ::close(master_);
    keep_ = master_ = -1;
}

QString PppTranscript(const QString& folder, const QString& name, const QString& tail, bool slow)
{
    QFile success(QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/data/ppp-success.log"));
    if (!success.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = success.readAll();
    text.truncate(text.indexOf("sleep 1\nTerminating"));
    if (slow)
        text.replace("chat: send (ATD", "sleep 1.5\nchat: send (ATD");
    const QString path = folder + QLatin1Char('/') + name;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return QString();
    out.write(text + tail.toUtf8());
    return path;
}


DialerPaths StandInPppd(const QString& folder)
{
    DialerPaths paths;
    paths.pppd = QStringLiteral(BRAXLOW_FAKE_PPPD);
    paths.chat = QStringLiteral(BRAXLOW_SOURCE_DIR "/tests/fakepppd/chat");
    paths.peersDir = QString(); // every device as if granted, for ordinary users
    paths.runDirs = {folder + QStringLiteral("/run")};
    paths.runtimeDir = folder;
    paths.netClass = folder + QStringLiteral("/net");
    QDir().mkpath(folder + QStringLiteral("/run"));
    return paths;
}

bool FakeLinkCounters(const DialerPaths& paths, qint64 pid, quint64 received, quint64 sent)
{
    const QString statistics = paths.netClass + QStringLiteral("/ppp9/statistics/");
    return TestSupport::WriteFile(statistics + QStringLiteral("rx_bytes"), QByteArray::number(received)) &&
           TestSupport::WriteFile(statistics + QStringLiteral("tx_bytes"), QByteArray::number(sent)) &&
           TestSupport::WriteFile(paths.runDirs.value(0) + QStringLiteral("/ppp-Braxlow.pid"),
                                  QByteArray::number(pid) + "\nppp9\n");
}
