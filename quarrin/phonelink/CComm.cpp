// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/CComm.h"

#include "QuarrinHost.h"
#include "phonelink/BaudRate.h"
#include "phonelink/PortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::mutex g_lockDirMutex;
QString g_lockDir;
std::atomic<bool> g_irPollerRunning{false};

QString LockDirectory()
{
    std::lock_guard<std::mutex> lock(g_lockDirMutex);
    if (!g_lockDir.isEmpty())
        return g_lockDir;
    for (const char* dir : {"/run/lock", "/var/lock"})
        if (QFileInfo(QLatin1String(dir)).isDir())
            return QLatin1String(dir);
    return QString();
}

speed_t SpeedConstant(quint32 rate)
{
    switch (rate) {
    case 50: return B50;
    case 75: return B75;
    case 110: return B110;
    case 134: return B134;
    case 150: return B150;
    case 200: return B200;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 1800: return B1800;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return 0;
    }
}

bool NoModemLines(int error)
{
    // Pseudo-terminals and some USB adapters have no modem control lines.
    return error == ENOTTY || error == EINVAL;
}

} // namespace

CComm::CComm() = default;

CComm::~CComm()
{
    StopIrPoller();
    DestroyComm();
    std::lock_guard<std::mutex> lock(irdaMutex_);
    irda_.IrDAClose();
}

QString CComm::PortName(int number)
{
    if (number >= 10)
        return QStringLiteral("\\\\.\\COM%1").arg(number);
    return QStringLiteral("COM%1").arg(number);
}

int CComm::CreateComm(const StInitCommInfo* info)
{
    if (info != nullptr) {
        info_ = *info;
    } else {
        const StInitCommInfo previous = info_;
        info_ = StInitCommInfo{};
        info_.ownerWindow = previous.ownerWindow;
        info_.spare = previous.spare;
        info_.portNumber = 2;
        info_.baudRate = 9600;
        info_.dataBits = 8;
        info_.flowControl = 0x03;
        info_.parity = 0;
        info_.stopBits = 0;
        info_.extra1 = 0;
        info_.extra2 = 1;
    }
    connected = 0;
    if (wakeFd_ < 0)
        wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    created_ = wakeFd_ >= 0;
    return created_ ? 1 : 0;
}

int CComm::OpenConnection()
{
    if (!created_)
        return 0;
    if (fd_ >= 0) // an earlier connection that was not closed
        CloseConnection();

    // The port number means what the port map says it means.
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    devicePath_ = map.DeviceForPort(info_.portNumber);
    if (devicePath_.isEmpty())
        return 0;

    if (!lock_.Acquire(devicePath_, LockDirectory()))
        return 0;
    fd_ = ::open(QFile::encodeName(devicePath_).constData(),
                 O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0 || ::flock(fd_, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd_, TIOCEXCL) != 0 ||
        !::isatty(fd_)) {
        ClosePort();
        return 0;
    }
    ::tcflush(fd_, TCIOFLUSH);

    if (SetupConnection() == 0) {
        ClosePort();
        return 0;
    }
    int lines = 0;
    modemLines_ = ::ioctl(fd_, TIOCMGET, &lines) == 0;

    // Drain a wake-up left from an earlier connection.
    quint64 stale = 0;
    while (::read(wakeFd_, &stale, sizeof stale) > 0) {
    }
    connected = 1;
    stop_ = false;
    holding_ = settleHold_;
    watcherReady_ = false;
    lineLost_ = false;
    ctsPending_ = false;
    try {
        watcher_ = std::thread([this] { WatchLoop(); });
    } catch (const std::system_error&) {
        connected = 0;
        ClosePort();
        return 0;
    }
    const int dtr = TIOCM_DTR;
    if (::ioctl(fd_, TIOCMBIS, &dtr) != 0 && !NoModemLines(errno)) {
        // A port that refuses DTR still carries data; nothing to report.
    }
    return 1;
}

int CComm::SetupConnection()
{
    if (fd_ < 0)
        return 0;
    termios tio {};
    ::tcgetattr(fd_, &tio);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CREAD | CLOCAL | HUPCL;

    tio.c_cflag &= ~CSIZE;
    switch (info_.dataBits) {
    case 5: tio.c_cflag |= CS5; break;
    case 6: tio.c_cflag |= CS6; break;
    case 7: tio.c_cflag |= CS7; break;
    default: tio.c_cflag |= CS8; break;
    }

    tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (info_.parity) {
    case 1: tio.c_cflag |= PARENB | PARODD; break;
    case 2: tio.c_cflag |= PARENB; break;
    case 3: tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case 4: tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    // Linux has no one-and-a-half stop bits; the UART then sends two.
    if (info_.stopBits != 0)
        tio.c_cflag |= CSTOPB;
    else
        tio.c_cflag &= ~CSTOPB;

    // DTR/DSR (0x01): Linux offers no DSR output flow control; DTR is raised
    // after opening either way.
    if (info_.flowControl & 0x02)
        tio.c_cflag |= CRTSCTS;
    else
        tio.c_cflag &= ~CRTSCTS;
    if (info_.flowControl & 0x04)
        tio.c_iflag |= IXON | IXOFF;
    else
        tio.c_iflag &= ~(IXON | IXOFF);
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;

    const speed_t speed = SpeedConstant(info_.baudRate);
    if (speed != 0)
        ::cfsetspeed(&tio, speed);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0)
        return 0;
    if (speed == 0 && !SetArbitraryBaudRate(fd_, info_.baudRate))
        return 0;
    return 1;
}

int CComm::SampleCts() const
{
    int lines = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCMGET, &lines) != 0)
        return -1;
    return (lines & TIOCM_CTS) ? 1 : 0;
}

void CComm::NotifyCtsChange()
{
    ctsPending_ = true;
    if (wakeFd_ >= 0) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }
}

// Waits out a hold; false when the link was closed meanwhile. A hang-up ends
// the hold early.
bool CComm::HoldFor(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (connected) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            return true;
        // The port is watched for a hang-up only: a phone unplugged during the
        // hold ends the link now, not when the hold is over.
        pollfd p[2] = {{wakeFd_, POLLIN, 0}, {fd_, 0, 0}};
        if (::poll(p, 2, int(left)) > 0) {
            if (p[0].revents & POLLIN) {
                quint64 v = 0;
                [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &v, sizeof v);
            }
            if (p[1].revents & (POLLHUP | POLLERR | POLLNVAL)) {
                lineLost_ = true; // what came before it is still read
                return true;
            }
        }
    }
    return false;
}

void CComm::DrainPort()
{
    unsigned char chunk[kChunkSize];
    // A line that never pauses would keep this loop going for good: a close
    // is looked for between chunks.
    while (connected) {
        watcherReady_ = true;
        const int n = ReadCommBlock(chunk, kChunkSize);
        if (n <= 0)
            return;
        if (enableState == COMM_ENABLE) {
            WriteToInternalBuffer(chunk, n);
            std::lock_guard<std::mutex> lock(bufferMutex_);
            receivedText_.append(reinterpret_cast<const char*>(chunk), n);
            // The probe only looks at what came last; a phone that floods the
            // line must not grow the memory without end. Cut in halves, not per
            // chunk, so that the cut costs little.
            if (receivedText_.size() > 2 * kReceivedTextSize)
                receivedText_.remove(0, receivedText_.size() - kReceivedTextSize);
        }
    }
}

quint32 CComm::CommWatchProc(char* link)
{
    return reinterpret_cast<CComm*>(link)->WatchLoop();
}

quint32 CComm::WatchLoop()
{
    watcherReady_ = true;
    bool first = true;
    int lastCts = modemLines_ ? SampleCts() : -1;
    while (connected) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        // Ports with modem lines are sampled for CTS changes ten times a second;
        // the others sleep until data, a hang-up or a wake-up comes.
        const int ready = ::poll(fds, 2, modemLines_ ? 100 : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents & POLLIN) {
            quint64 v = 0;
            [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &v, sizeof v);
        }
        if (!connected)
            break;
        bool cts = ctsPending_.exchange(false);
        if (modemLines_) {
            const int now = SampleCts();
            if (now != lastCts) {
                cts = true;
                lastCts = now;
            }
        }
        const bool received = fds[0].revents & POLLIN;
        const bool hungUp = fds[0].revents & (POLLHUP | POLLERR | POLLNVAL);
        if (!received && !cts && !hungUp)
            continue;

        if (first || cts) {
            SendOnlineMessage(0);
            // The phone is given time to settle before its first answer and after
            // every change of CTS; what it sends meanwhile waits in the driver.
            if (holding_ && !HoldFor(kHoldMs))
                break;
            first = false;
            // A CTS change during the hold is an event of its own once the hold ends.
            if (ctsPending_ && wakeFd_ >= 0) {
                const quint64 one = 1;
                [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
            }
        }
        if (received || hungUp || lineLost_)
            DrainPort();
        if (hungUp || lineLost_) {
            // Unplugged or the other end closed: nothing more will come.
            lineLost_ = true;
            connected = 0;
            break;
        }
    }
    return 1;
}

unsigned int CComm::CommDataReceiveThread(void* link)
{
    CComm* self = static_cast<CComm*>(link);
    unsigned char chunk[kChunkSize];
    while (self->connected && !self->stop_) {
        if (!self->watcherReady_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        for (;;) {
            const int n = self->ReadCommBlock(chunk, kChunkSize);
            if (n <= 0)
                break;
            if (self->enableState == COMM_ENABLE)
                self->WriteToInternalBuffer(chunk, n);
        }
        // Sleep until more arrives instead of spinning.
        const int fd = self->fd_;
        if (fd < 0)
            break;
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, 100);
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
            break;
    }
    return 1;
}

int CComm::ReadCommBlock(unsigned char* buffer, int maximum)
{
    std::lock_guard<std::mutex> lock(readMutex_);
    if (fd_ < 0 || buffer == nullptr || maximum <= 0)
        return 0;
    int queued = 0;
    if (::ioctl(fd_, FIONREAD, &queued) != 0 || queued <= 0)
        return 0;
    const int wanted = std::min(queued, maximum);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size_t(wanted));
        if (n >= 0)
            return int(n);
        if (errno == EINTR)
            continue;
        if (errno == EIO)
            lineLost_ = true;
        return 0;
    }
}

int CComm::WriteCommBlock(const char* data, unsigned long length)
{
    if (fd_ < 0 || (data == nullptr && length > 0))
        return 0;
    using Clock = std::chrono::steady_clock;
    // The write time-out: what the driver has not taken within a second is
    // given up, and the write still counts as queued.
    const auto deadline = Clock::now() + std::chrono::milliseconds(1000);
    unsigned long done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd_, data + done, length - done);
        if (n > 0) {
            done += static_cast<unsigned long>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            if (errno == EIO)
                lineLost_ = true;
            return 0;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return 1;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, int(left)) > 0 && (p.revents & (POLLHUP | POLLERR))) {
            lineLost_ = true;
            return 0;
        }
    }
    return 1;
}

void CComm::WriteToInternalBuffer(const unsigned char* data, int length)
{
    if (data == nullptr || length <= 0)
        return;
    std::lock_guard<std::mutex> lock(bufferMutex_);
    if (count_ + length > kBufferSize)
        return; // dropped whole, never split
    std::memcpy(buffer_.data() + count_, data, size_t(length));
    count_ += length;
}

void CComm::ReadFromInternalBuffer(unsigned char* buffer, unsigned long* count)
{
    std::lock_guard<std::mutex> lock(bufferMutex_);
    if (buffer != nullptr)
        std::memcpy(buffer, buffer_.data(), size_t(count_));
    if (count != nullptr)
        *count = static_cast<unsigned long>(count_);
}

void CComm::ReadFromInternalBuffer(QString& text)
{
    std::lock_guard<std::mutex> lock(bufferMutex_);
    // Every byte counts but NULs, which phones send with noise as their line
    // wakes: a NUL must not hide the answer behind it.
    QByteArray bytes(reinterpret_cast<const char*>(buffer_.data()), count_);
    bytes.removeIf([](char c) { return c == '\0'; });
    text = QString::fromLatin1(bytes);
}

void CComm::SetEmptyInternalBuffer()
{
    std::lock_guard<std::mutex> lock(bufferMutex_);
    buffer_.fill(0);
    count_ = 0;
}

QByteArray CComm::ReceivedText() const
{
    std::lock_guard<std::mutex> lock(bufferMutex_);
    return receivedText_;
}

void CComm::ClosePort()
{
    if (fd_ >= 0) {
        // Exclusive use ends with ours: where something else keeps the line
        // open (a Bluetooth daemon, the virtual phone), the flag would outlive
        // us and keep the dial-up service from opening the port.
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_); // also releases the flock
        fd_ = -1;
    }
    lock_.Release();
}

void CComm::CloseConnection()
{
    connected = 0;
    if (wakeFd_ >= 0) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }
    // The watcher reads this object's fields: it is finished before anything
    // it uses goes away.
    if (watcher_.joinable()) {
        if (watcher_.get_id() == std::this_thread::get_id())
            watcher_.detach();
        else
            watcher_.join();
    }
    if (fd_ >= 0) {
        const int dtr = TIOCM_DTR;
        ::ioctl(fd_, TIOCMBIC, &dtr);
        ::tcflush(fd_, TCIOFLUSH);
    }
    ClosePort();
}

void CComm::DestroyComm()
{
    enableState = COMM_DISABLE;
    QuarrinHost* host = Quarrin::Host();
    if (host != nullptr && host->CablePort() != 0)
        StopIrPoller();
    // Also when the watcher found the line gone: the port is still open then.
    if (connected || fd_ >= 0 || watcher_.joinable())
        CloseConnection();
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
        wakeFd_ = -1;
    }
    created_ = false;
    stop_ = true;
}

void CComm::SendOnlineMessage(int purge)
{
    if (purge == 1 && fd_ >= 0)
        ::tcflush(fd_, TCIOFLUSH);
}

void CComm::SetLockDirectory(const QString& directory)
{
    std::lock_guard<std::mutex> lock(g_lockDirMutex);
    g_lockDir = directory;
}

int CComm::GetOnlinePort()
{
    for (int port = 1; port <= 6; ++port) {
        CComm probe;
        StInitCommInfo info = info_;
        info.portNumber = quint8(port);
        if (info.baudRate == 0)
            info.baudRate = 9600;
        if (!probe.CreateComm(&info) || !probe.OpenConnection())
            continue;
        probe.enableState = COMM_ENABLE;
        probe.WriteCommBlock("ATZ\r\n", 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // Read the answer directly: the watcher holds back its first read for four
        // seconds, so the received text would not show it yet.
        QByteArray answer;
        unsigned char chunk[256];
        for (int i = 0; i < 20 && !answer.contains("OK"); ++i) {
            const int n = probe.ReadCommBlock(chunk, int(sizeof chunk));
            if (n > 0)
                answer.append(reinterpret_cast<const char*>(chunk), n);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        probe.DestroyComm();
        if (answer.contains("OK")) {
            if (QuarrinHost* host = Quarrin::Host())
                host->ShowMessage(QString::number(port), QString());
            return port;
        }
    }
    return -1;
}

int CComm::GetIRPort()
{
    std::lock_guard<std::mutex> lock(irdaMutex_);
    return irda_.IrPortSearch();
}

int CComm::IRCheck()
{
    if (g_irPollerRunning.exchange(true))
        return 1; // one poller for the whole process
    if (irPoller_.joinable())
        irPoller_.join();
    irPollerStop_ = false;
    irPoller_ = std::thread([this] {
        while (!irPollerStop_) {
            bool found = false;
            {
                std::lock_guard<std::mutex> lock(irdaMutex_);
                found = irda_.IrDAOpen();
            }
            SendIROnlineMessage(found ? 0 : 1);
            std::unique_lock<std::mutex> lock(irPollerMutex_);
            irPollerWake_.wait_for(lock, std::chrono::milliseconds(2000),
                                   [this] { return bool(irPollerStop_); });
        }
        g_irPollerRunning = false;
    });
    return 1;
}

void CComm::StopIrPoller()
{
    {
        std::lock_guard<std::mutex> lock(irPollerMutex_);
        irPollerStop_ = true;
    }
    irPollerWake_.notify_all();
    if (irPoller_.joinable())
        irPoller_.join();
}

void CComm::IrDAClose()
{
    StopIrPoller();
    std::lock_guard<std::mutex> lock(irdaMutex_);
    irda_.IrDAClose();
}
