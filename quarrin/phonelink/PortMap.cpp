// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/PortMap.h"

#include "QuarrinHost.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kIdPrefix = QStringLiteral("id:");

int UartIndex(const SerialDevice& d)
{
    if (d.kind != SerialDevice::Kind::Uart)
        return -1;
    return d.name.mid(4).toInt();
}

// Whether a stored value stands for the scanned device whose plain value is
// `idValue`, and the modem name the user gave it, if any.
bool MatchesDevice(const QString& value, const QString& idValue, QString& modemName)
{
    modemName.clear();
    if (value == idValue)
        return true;
    if (value.size() <= idValue.size() + 1 || !value.startsWith(idValue) ||
        value.at(idValue.size()) != QLatin1Char(';'))
        return false;
    // Names never hold ';', so a longer identity that merely begins the same way
    // is not taken for this one.
    const QString name = value.mid(idValue.size() + 1);
    if (name.contains(QLatin1Char(';')))
        return false;
    modemName = name;
    return true;
}

} // namespace

PortMapStorage::~PortMapStorage() = default;

PortMap::PortMap(PortMapStorage* storage, const SerialScanRoots& roots)
    : storage_(storage), roots_(roots)
{
}

QString PortMap::ComName(int number)
{
    return QStringLiteral("COM%1").arg(number);
}

int PortMap::ComNumber(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^COM(\\d{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(name.trimmed());
    if (!m.hasMatch())
        return -1;
    const int n = m.captured(1).toInt();
    return n >= 1 && n <= kMaxPort ? n : -1;
}

int PortMap::FreeNumber(int preferred) const
{
    auto taken = [this](int n) {
        return std::any_of(assignments_.cbegin(), assignments_.cend(),
                           [n](const PortAssignment& a) { return a.number == n; });
    };
    if (preferred >= 1 && preferred <= kMaxPort && !taken(preferred))
        return preferred;
    for (int n = 3; n <= kMaxPort; ++n)
        if (!taken(n))
            return n;
    for (int n = 1; n < 3; ++n)
        if (!taken(n))
            return n;
    return -1;
}

void PortMap::Refresh()
{
    // Stored assignments: keep the valid ones, one per number and per device.
    // Without storage the map lives in memory and keeps what it has.
    if (storage_ != nullptr) {
        assignments_.clear();
        QSet<int> numbers;
        QSet<QString> values;
        for (const PortAssignment& a : storage_->Load()) {
            if (a.number < 1 || a.number > kMaxPort || a.value.isEmpty() ||
                numbers.contains(a.number) || values.contains(a.value))
                continue;
            if (!a.value.startsWith(kIdPrefix) && !a.value.startsWith(QLatin1Char('/')))
                continue;
            numbers.insert(a.number);
            values.insert(a.value);
            assignments_ << a;
        }
    }

    const QList<SerialDevice> devices = ScanSerialDevices(roots_);
    bool changed = false;
    entries_.clear();
    for (const SerialDevice& d : devices) {
        const QString value = kIdPrefix + d.identity;
        QString markedName;
        auto it = std::find_if(assignments_.begin(), assignments_.end(),
                               [&value, &markedName](const PortAssignment& a) {
                                   return MatchesDevice(a.value, value, markedName);
                               });
        int number = 0;
        if (it != assignments_.end()) {
            number = it->number;
        } else {
            const int uart = UartIndex(d);
            number = FreeNumber(uart >= 0 ? uart + 1 : -1);
            if (number < 0)
                continue; // all 255 numbers are taken
            assignments_ << PortAssignment{number, value};
            changed = true;
        }
        MappedPort p;
        p.number = number;
        p.device = d.node;
        p.present = true;
        p.info = d;
        if (!markedName.isEmpty()) {
            p.info.isModem = true;
            p.info.modemName = markedName;
        }
        entries_ << p;
    }

    for (const PortAssignment& a : std::as_const(assignments_)) {
        if (a.value.startsWith(kIdPrefix)) {
            if (std::none_of(entries_.cbegin(), entries_.cend(),
                             [&a](const MappedPort& p) { return p.number == a.number; })) {
                MappedPort absent; // a known device that is unplugged now
                absent.number = a.number;
                absent.info.identity = a.value.mid(kIdPrefix.size());
                entries_ << absent;
            }
            continue;
        }
        std::optional<MappedPort> p = ParseExplicit(a.number, a.value);
        if (!p)
            continue; // a damaged or hand-made entry that cannot be a port
        p->present = QFileInfo::exists(p->device);
        entries_ << *p;
    }
    std::sort(entries_.begin(), entries_.end(),
              [](const MappedPort& a, const MappedPort& b) { return a.number < b.number; });
    if (changed)
        Save();
}

void PortMap::Save()
{
    if (storage_ == nullptr)
        return;
    QList<PortAssignment> sorted = assignments_;
    std::sort(sorted.begin(), sorted.end(),
              [](const PortAssignment& a, const PortAssignment& b) { return a.number < b.number; });
    storage_->Save(sorted);
}

QList<MappedPort> PortMap::Ports() const
{
    QList<MappedPort> present;
    for (const MappedPort& p : entries_)
        if (p.present)
            present << p;
    return present;
}

std::optional<MappedPort> PortMap::Port(int number) const
{
    for (const MappedPort& p : entries_)
        if (p.number == number)
            return p;
    return std::nullopt;
}

QString PortMap::DeviceForPort(int number) const
{
    const std::optional<MappedPort> p = Port(number);
    if (!p || !p->present)
        return QString();
    return p->device;
}

namespace {

bool HasControlCharacters(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

} // namespace

QString PortMap::ExplicitEntryProblem(const QString& device, const QString& modemName)
{
    if (!device.startsWith(QLatin1Char('/')))
        return QStringLiteral("the device must be an absolute path");
    if (device.contains(QLatin1Char(';')) || HasControlCharacters(device))
        return QStringLiteral("the device path must not contain ';' or control characters");
    if (HasControlCharacters(modemName))
        return QStringLiteral("the modem name must not contain control characters");
    return QString();
}

QString PortMap::TerminalProblem(const QString& device, bool mayBeAbsent)
{
    const QByteArray path = QFile::encodeName(device);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        if (errno == ENOENT && mayBeAbsent)
            return QString();
        return QStringLiteral("the device %1 cannot be used: %2")
            .arg(device, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISCHR(st.st_mode))
        return QStringLiteral("the device %1 is not a terminal device (a serial port, modem or pseudo-terminal)").arg(device);
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("the device %1 cannot be opened to check it: %2")
            .arg(device, QString::fromLocal8Bit(std::strerror(errno)));
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    if (!terminal)
        return QStringLiteral("the device %1 is not a terminal device (a serial port, modem or pseudo-terminal)").arg(device);
    return QString();
}

std::optional<MappedPort> PortMap::ParseExplicit(int number, const QString& value)
{
    const qsizetype separator = value.indexOf(QLatin1Char(';'));
    const QString device = separator < 0 ? value : value.left(separator);
    const QString modemName = separator < 0 ? QString() : value.mid(separator + 1).trimmed();
    if (number < 1 || number > kMaxPort || !ExplicitEntryProblem(device, modemName).isEmpty())
        return std::nullopt;
    MappedPort p;
    p.number = number;
    p.explicitEntry = true;
    p.device = device;
    p.info.node = device;
    p.info.name = QFileInfo(device).fileName();
    p.info.identity = device;
    p.info.kind = SerialDevice::Kind::Explicit;
    p.info.isModem = true;
    p.info.modemName = modemName;
    p.info.model = modemName;
    p.info.hardwareId = QStringLiteral("ROOT\\PORTS");
    return p;
}

bool PortMap::AddExplicit(int number, const QString& device, const QString& modemName)
{
    if (number < 1 || number > kMaxPort || !ExplicitEntryProblem(device, modemName).isEmpty())
        return false;
    assignments_.erase(std::remove_if(assignments_.begin(), assignments_.end(),
                                      [number](const PortAssignment& a) {
                                          return a.number == number;
                                      }),
                       assignments_.end());
    assignments_ << PortAssignment{number, modemName.isEmpty()
                                               ? device
                                               : device + QLatin1Char(';') + modemName};
    Save();
    Refresh();
    return true;
}

bool PortMap::MarkModem(int number, const QString& modemName)
{
    if (modemName.contains(QLatin1Char(';')) || HasControlCharacters(modemName))
        return false;
    const std::optional<MappedPort> port = Port(number);
    if (!port || !port->present || port->explicitEntry)
        return false;
    auto it = std::find_if(assignments_.begin(), assignments_.end(),
                           [number](const PortAssignment& a) { return a.number == number; });
    if (it == assignments_.end())
        return false;
    it->value = kIdPrefix + port->info.identity;
    if (!modemName.isEmpty())
        it->value += QLatin1Char(';') + modemName;
    Save();
    Refresh();
    return true;
}

bool PortMap::Remove(int number)
{
    const auto before = assignments_.size();
    assignments_.erase(std::remove_if(assignments_.begin(), assignments_.end(),
                                      [number](const PortAssignment& a) {
                                          return a.number == number;
                                      }),
                       assignments_.end());
    if (assignments_.size() == before)
        return false;
    Save();
    Refresh();
    return true;
}

namespace Quarrin {

PortMap& CurrentPortMap()
{
    if (QuarrinHost* host = Host())
        return host->SerialPorts();
    static PortMap standalone;
    return standalone;
}

} // namespace Quarrin
