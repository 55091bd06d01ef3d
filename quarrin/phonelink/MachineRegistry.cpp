// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/MachineRegistry.h"

#include "phonelink/PortMap.h"

#include <QMutex>

namespace Quarrin {

const QString kPortsClassGuid = QStringLiteral("{4D36E978-E325-11CE-BFC1-08002BE10318}");
const QString kModemClassGuid = QStringLiteral("{4D36E96D-E325-11CE-BFC1-08002BE10318}");
const QString kSerialCommKey = QStringLiteral("HARDWARE\\DEVICEMAP\\SERIALCOMM");
const QString kEnumKey = QStringLiteral("SYSTEM\\CURRENTCONTROLSET\\ENUM");
const QString kModemClassKey =
    QStringLiteral("SYSTEM\\CURRENTCONTROLSET\\CONTROL\\CLASS\\{4D36E96D-E325-11CE-BFC1-08002BE10318}");

namespace {

QMutex g_mutex;
std::shared_ptr<RegistryTree> g_override;
QString g_irdaName;

QString Bus(const SerialDevice& d)
{
    switch (d.kind) {
    case SerialDevice::Kind::Uart:
        return QStringLiteral("ACPI");
    case SerialDevice::Kind::UsbSerial:
    case SerialDevice::Kind::UsbModem:
        return QStringLiteral("USB");
    case SerialDevice::Kind::Bluetooth:
        return QStringLiteral("BTHENUM");
    case SerialDevice::Kind::Infrared:
        return QStringLiteral("IRENUM");
    case SerialDevice::Kind::Explicit:
        return QStringLiteral("ROOT");
    }
    return QStringLiteral("ROOT");
}

// Key names cannot hold the separator.
QString KeyName(QString s)
{
    s.replace(QLatin1Char('\\'), QLatin1Char('#'));
    return s.isEmpty() ? QStringLiteral("0000") : s;
}

} // namespace

std::unique_ptr<RegistryTree> BuildMachineRegistry(const PortMap& ports,
                                                   const QString& irdaDeviceName)
{
    auto tree = std::make_unique<MemoryRegistryTree>();
    tree->AddKey(kSerialCommKey);
    tree->AddKey(kEnumKey);
    tree->AddKey(kModemClassKey);
    int modemIndex = 0;
    for (const MappedPort& p : ports.Ports()) {
        const QString com = PortMap::ComName(p.number);
        const SerialDevice& d = p.info;
        tree->SetValue(kSerialCommKey, QStringLiteral("\\Device\\") + d.name, com);

        QString device = d.hardwareId.section(QLatin1Char('\\'), 1);
        if (device.isEmpty())
            device = d.name;
        QString instance = d.identity;
        if (d.kind == SerialDevice::Kind::Infrared && !irdaDeviceName.isEmpty())
            instance = QString(irdaDeviceName).replace(QLatin1Char(' '), QLatin1Char('_')) +
                       QLatin1Char('&') + d.name;
        const QString key = kEnumKey + QLatin1Char('\\') + Bus(d) + QLatin1Char('\\') +
                            KeyName(device) + QLatin1Char('\\') + KeyName(instance);
        tree->SetValue(key, QStringLiteral("CLASSGUID"), d.isModem ? kModemClassGuid : kPortsClassGuid);
        const QString friendly = d.isModem ? d.modemName : d.model;
        if (!friendly.isEmpty())
            tree->SetValue(key, QStringLiteral("FRIENDLYNAME"), friendly);
        if (!d.hardwareId.isEmpty())
            tree->SetValue(key, QStringLiteral("HardWareID"), d.hardwareId);
        tree->SetValue(key + QStringLiteral("\\DEVICE PARAMETERS"), QStringLiteral("PORTNAME"), com);

        if (d.isModem) {
            const QString modemKey =
                kModemClassKey + QStringLiteral("\\%1").arg(modemIndex++, 4, 10, QLatin1Char('0'));
            tree->SetValue(modemKey, QStringLiteral("AttachedTo"), com);
            // A modem that does not name itself is listed under its port name.
            tree->SetValue(modemKey, QStringLiteral("FriendlyName"),
                           d.modemName.isEmpty() ? com : d.modemName);
        }
    }
    return tree;
}

std::shared_ptr<RegistryTree> MachineRegistry()
{
    {
        QMutexLocker lock(&g_mutex);
        if (g_override)
            return g_override;
    }
    PortMap& ports = CurrentPortMap();
    ports.Refresh();
    return BuildMachineRegistry(ports, LastIrdaDeviceName());
}

void OverrideMachineRegistry(std::shared_ptr<RegistryTree> tree)
{
    QMutexLocker lock(&g_mutex);
    g_override = std::move(tree);
}

QString LastIrdaDeviceName()
{
    QMutexLocker lock(&g_mutex);
    return g_irdaName;
}

void SetLastIrdaDeviceName(const QString& name)
{
    QMutexLocker lock(&g_mutex);
    g_irdaName = name;
}

} // namespace Quarrin
