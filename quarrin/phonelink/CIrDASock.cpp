// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/CIrDASock.h"

#include "phonelink/DeviceTreeWalk.h"
#include "phonelink/MachineRegistry.h"

#include <QMutex>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#ifndef AF_IRDA
#define AF_IRDA 23
#endif

namespace {

// Linux IrDA ABI (the header left the kernel with the stack).
constexpr int kSolIrlmp = 266;
constexpr int kIrlmpEnumDevices = 1;
struct IrdaDeviceInfo
{
    quint32 saddr;
    quint32 daddr;
    char info[22];
    quint8 charset;
    quint8 hints[2];
};
struct IrdaDeviceList
{
    quint32 len;
    IrdaDeviceInfo dev[5];
};

class SocketDiscovery : public IrdaDiscovery
{
public:
    int OpenSocket(int& error) override
    {
        const int fd = ::socket(AF_IRDA, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            error = errno;
        return fd;
    }

    bool EnumerateDevices(int socket, QList<QByteArray>& names, int& error) override
    {
        IrdaDeviceList list {};
        socklen_t size = sizeof(list);
        if (::getsockopt(socket, kSolIrlmp, kIrlmpEnumDevices, &list, &size) != 0) {
            error = errno;
            return false;
        }
        const quint32 count = std::min<quint32>(list.len, 5);
        for (quint32 i = 0; i < count; ++i)
            names << QByteArray(list.dev[i].info, int(strnlen(list.dev[i].info, 22)));
        return true;
    }
};

QMutex g_mutex; // guards the seams and the IR port table
IrdaDiscovery* g_discovery = nullptr;
int g_receiveTimeoutMs = 10000;
std::array<std::array<QString, 5>, CIrDASock::kIrPortCount> g_irPorts;

IrdaDiscovery& Discovery()
{
    static SocketDiscovery standard;
    return g_discovery != nullptr ? *g_discovery : standard;
}

bool IsInfraredHardware(const QString& hardwareId)
{
    return hardwareId.contains(QLatin1String("IRENUM")) ||
           hardwareId.contains(QLatin1String("Infrared"));
}

// The number after "COM" in a port name, -1 when there is none.
int PortNumber(const QString& portName)
{
    const QString digits = portName.mid(3);
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : -1;
}

// Refills the table from the port walk the running system's layout calls for.
void WalkPorts(const RegistryTree& tree, const Quarrin::OsVersion& v)
{
    auto store = [](const Quarrin::PortRecord& r) {
        const int n = PortNumber(r[1]);
        if (n < 0 || n >= CIrDASock::kIrPortCount)
            return true;
        g_irPorts[size_t(n)] = {r[0], IsInfraredHardware(r[4]) ? QStringLiteral("IrDA") : r[1],
                                r[2], r[1], r[4]};
        return true;
    };
    if (!v.ok)
        return;
    if (v.platformId == Quarrin::kPlatformWindows9x) {
        Quarrin::WalkDeviceTree(tree, QStringLiteral("ENUM"), store);
    } else if (v.platformId == Quarrin::kPlatformNT && v.major == 4) {
        const RegistryTree::Values values = tree.ValuesOf(Quarrin::kSerialCommKey).value_or(RegistryTree::Values());
        for (const auto& value : values)
            store({QString(), value.second, value.second, QString(), QString()});
    } else if (v.platformId == Quarrin::kPlatformNT && v.major >= 5) {
        Quarrin::WalkDeviceTree(tree, Quarrin::kEnumKey, store);
    }
}

} // namespace

IrdaDiscovery::~IrdaDiscovery() = default;

CIrDASock::CIrDASock() = default;

CIrDASock::~CIrDASock()
{
    IrDAClose();
}

CIrDASock::CIrDASock(const CIrDASock& other)
    : socket_(other.socket_ < 0 ? -1 : ::fcntl(other.socket_, F_DUPFD_CLOEXEC, 3)),
      data_(other.data_), deviceName_(other.deviceName_), sendLength_(other.sendLength_),
      errorNum_(other.errorNum_), firstReset_(other.firstReset_)
{
}

CIrDASock& CIrDASock::operator=(const CIrDASock& other)
{
    if (this == &other)
        return *this;
    IrDAClose();
    socket_ = other.socket_ < 0 ? -1 : ::fcntl(other.socket_, F_DUPFD_CLOEXEC, 3);
    data_ = other.data_;
    deviceName_ = other.deviceName_;
    sendLength_ = other.sendLength_;
    errorNum_ = other.errorNum_;
    firstReset_ = other.firstReset_;
    return *this;
}

void CIrDASock::SetDiscovery(IrdaDiscovery* discovery)
{
    QMutexLocker lock(&g_mutex);
    g_discovery = discovery;
}

void CIrDASock::SetReceiveTimeoutMs(int milliseconds)
{
    QMutexLocker lock(&g_mutex);
    g_receiveTimeoutMs = milliseconds;
}

void CIrDASock::AdoptSocket(int socket)
{
    IrDAClose();
    socket_ = socket;
}

bool CIrDASock::IrDAOpen()
{
    // The presence poller calls this every two seconds: never leak the last socket.
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    QMutexLocker lock(&g_mutex);
    IrdaDiscovery& discovery = Discovery();
    int error = 0;
    socket_ = discovery.OpenSocket(error);
    if (socket_ < 0) {
        socket_ = -1;
        errorNum_ = error;
        return false;
    }
    QList<QByteArray> names;
    if (!discovery.EnumerateDevices(socket_, names, error)) {
        errorNum_ = error;
        return false;
    }
    if (names.isEmpty()) {
        errorNum_ = error;
        return false;
    }
    for (const QByteArray& name : std::as_const(names)) {
        if (name.startsWith("KORVANE")) {
            deviceName_ = name.left(kNameSize);
            Quarrin::SetLastIrdaDeviceName(GetIrDAName());
            return true;
        }
    }
    errorNum_ = -1;
    return false;
}

int CIrDASock::SearchIrPort(const RegistryTree& tree, const Quarrin::OsVersion& v,
                            const QString& deviceName)
{
    QMutexLocker lock(&g_mutex);
    WalkPorts(tree, v);
    if (deviceName.isEmpty())
        return -1;
    const QString wanted = QString(deviceName).replace(QLatin1Char(' '), QLatin1Char('_'));
    // On the Windows 95 family the key names do not carry the device's name.
    const bool matchName = !(v.ok && v.platformId == Quarrin::kPlatformWindows9x);
    for (const auto& entry : g_irPorts) {
        if (entry[1] == QLatin1String("IrDA") && entry[3].startsWith(QLatin1String("COM")) &&
            (!matchName || entry[0].contains(wanted)))
            return PortNumber(entry[3]);
    }
    return -1;
}

int CIrDASock::IrPortSearch()
{
    const std::shared_ptr<RegistryTree> tree = Quarrin::MachineRegistry();
    return SearchIrPort(*tree, Quarrin::MachineRegistryVersion(), GetIrDAName());
}

std::array<QString, 5> CIrDASock::IrPortEntry(int number)
{
    QMutexLocker lock(&g_mutex);
    if (number < 0 || number >= kIrPortCount)
        return {};
    return g_irPorts[size_t(number)];
}

void CIrDASock::ResetIrPortTable()
{
    QMutexLocker lock(&g_mutex);
    for (auto& entry : g_irPorts)
        entry = {};
}

QString CIrDASock::GetIrDAName() const
{
    return QString::fromLatin1(deviceName_);
}

QString CIrDASock::Command(const QString& command)
{
    if (socket_ < 0)
        return QString();
    data_ = command.toLatin1().left(kDataSize - 1);
    sendLength_ = int(data_.size());
    if (!SendData())
        return QString();
    if (command.startsWith(QLatin1String("ATZ")) && !firstReset_) {
        // The phone's answer to the first reset is not waited for.
        data_ = "OK\r\n";
        firstReset_ = true;
        return QString::fromLatin1(data_);
    }
    if (!RecvData())
        return QString();
    return QString::fromLatin1(data_);
}

bool CIrDASock::SendData()
{
    errorNum_ = 0;
    int sent = 0;
    while (sent < sendLength_) {
        const ssize_t n = ::send(socket_, data_.constData() + sent, size_t(sendLength_ - sent),
                                 MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            errorNum_ = errno;
            return false;
        }
        sent += int(n);
    }
    return true;
}

bool CIrDASock::RecvData()
{
    data_.clear();
    int timeoutMs = 0;
    {
        QMutexLocker lock(&g_mutex);
        timeoutMs = g_receiveTimeoutMs;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[kDataSize];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            data_ = "TIMEOUT";
            return false;
        }
        // Sleeps until data arrives or the time is up, rather than polling every
        // millisecond.
        pollfd p {socket_, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno != EINTR) {
            data_.clear();
            return false;
        }
        if (ready <= 0)
            continue;
        const int room = kDataSize - 1 - int(data_.size());
        if (room <= 0) {
            data_.clear();
            return false;
        }
        const ssize_t n = ::recv(socket_, buffer, size_t(room), 0);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            // A closed connection never brings the OK: end now instead of spinning
            // until the time-out.
            data_.clear();
            return false;
        }
        data_.append(buffer, int(n));
        if (data_.contains("OK\r\n"))
            return true;
    }
}

int CIrDASock::GetData(QString& text) const
{
    text = QString::fromLatin1(data_);
    return int(data_.size());
}

void CIrDASock::IrDAClose()
{
    if (socket_ >= 0)
        ::close(socket_);
    firstReset_ = false;
    socket_ = -1;
}
