// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhoneFixtures.h"

#include "TestSupport.h"

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
