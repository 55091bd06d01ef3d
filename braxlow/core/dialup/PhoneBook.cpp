// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/PhoneBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Entry names are matched without regard to case, as the service does.
QString StoredGroup(const QSettings& ini, const QString& name)
{
    const QStringList groups = ini.childGroups();
    for (const QString& g : groups)
        if (g.compare(name, Qt::CaseInsensitive) == 0)
            return g;
    return name;
}

} // namespace

PhoneBook::PhoneBook(const QString& path) : path_(path) {}

bool PhoneBook::ValidName(const QString& name)
{
    if (name.isEmpty() || name.size() > 256 || name.startsWith(QLatin1Char('.')))
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c == QLatin1Char('[') || c == QLatin1Char(']') ||
            c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('='))
            return false;
    return true;
}

bool PhoneBook::Exists(const QString& name) const
{
    if (!ValidName(name) || !QFileInfo::exists(path_))
        return false;
    QSettings ini(path_, QSettings::IniFormat);
    return ini.childGroups().contains(name, Qt::CaseInsensitive);
}

std::optional<Ras::Entry> PhoneBook::Read(const QString& name) const
{
    if (!Exists(name))
        return std::nullopt;
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(StoredGroup(ini, name));
    Ras::Entry e;
    e.options = ini.value(QStringLiteral("Options"), 0).toUInt();
    e.localPhoneNumber = ini.value(QStringLiteral("PhoneNumber")).toString();
    e.netProtocols = ini.value(QStringLiteral("NetProtocols"), 0).toUInt();
    e.framingProtocol = ini.value(QStringLiteral("FramingProtocol"), 0).toUInt();
    e.deviceType = ini.value(QStringLiteral("DeviceType")).toString();
    e.deviceName = ini.value(QStringLiteral("DeviceName")).toString();
    e.ipaddr = Ras::IpAddr::Parse(ini.value(QStringLiteral("IpAddress")).toString());
    e.ipaddrDns = Ras::IpAddr::Parse(ini.value(QStringLiteral("DnsAddress")).toString());
    e.ipaddrDnsAlt = Ras::IpAddr::Parse(ini.value(QStringLiteral("DnsAltAddress")).toString());
    e.ipaddrWins = Ras::IpAddr::Parse(ini.value(QStringLiteral("WinsAddress")).toString());
    e.ipaddrWinsAlt = Ras::IpAddr::Parse(ini.value(QStringLiteral("WinsAltAddress")).toString());
    return e;
}

bool PhoneBook::Write(const QString& name, const Ras::Entry& e)
{
    if (!ValidName(name))
        return false;
    if (!QFileInfo::exists(path_)) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    QSettings ini(path_, QSettings::IniFormat);
    ini.beginGroup(StoredGroup(ini, name));
    ini.setValue(QStringLiteral("Options"), e.options);
    ini.setValue(QStringLiteral("PhoneNumber"), e.localPhoneNumber);
    ini.setValue(QStringLiteral("NetProtocols"), e.netProtocols);
    ini.setValue(QStringLiteral("FramingProtocol"), e.framingProtocol);
    ini.setValue(QStringLiteral("DeviceType"), e.deviceType);
    ini.setValue(QStringLiteral("DeviceName"), e.deviceName);
    ini.setValue(QStringLiteral("IpAddress"), e.ipaddr.Text());
    ini.setValue(QStringLiteral("DnsAddress"), e.ipaddrDns.Text());
    ini.setValue(QStringLiteral("DnsAltAddress"), e.ipaddrDnsAlt.Text());
    ini.setValue(QStringLiteral("WinsAddress"), e.ipaddrWins.Text());
    ini.setValue(QStringLiteral("WinsAltAddress"), e.ipaddrWinsAlt.Text());
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
