// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/DeviceTreeWalk.h"

#include "phonelink/MachineRegistry.h"

namespace Quarrin {

namespace {

bool Qualifies(const RegistryTree& tree, const QString& key)
{
    const QString cls = tree.Value(key, QStringLiteral("CLASS")).value_or(QString());
    if (cls.compare(QLatin1String("PORTS"), Qt::CaseInsensitive) == 0)
        return true;
    const QString guid = tree.Value(key, QStringLiteral("CLASSGUID")).value_or(QString());
    return guid.compare(kPortsClassGuid, Qt::CaseInsensitive) == 0 ||
           guid.compare(kModemClassGuid, Qt::CaseInsensitive) == 0;
}

} // namespace

int WalkDeviceTree(const RegistryTree& tree, const QString& root,
                   const PortRecordCallback& callback)
{
    const std::optional<QStringList> buses = tree.SubKeys(root);
    if (!buses)
        return kErrorFileNotFound;
    for (const QString& bus : *buses) {
        const QString busKey = root + QLatin1Char('\\') + bus;
        const QStringList devices = tree.SubKeys(busKey).value_or(QStringList());
        for (const QString& device : devices) {
            const QString deviceKey = busKey + QLatin1Char('\\') + device;
            const QStringList instances = tree.SubKeys(deviceKey).value_or(QStringList());
            for (const QString& instance : instances) {
                const QString key = deviceKey + QLatin1Char('\\') + instance;
                if (!Qualifies(tree, key))
                    continue;
                std::optional<QString> portName = tree.Value(key, QStringLiteral("PORTNAME"));
                if (!portName) {
                    const QString parameters = key + QStringLiteral("\\DEVICE PARAMETERS");
                    if (!tree.KeyExists(parameters))
                        continue;
                    portName = tree.Value(parameters, QStringLiteral("PORTNAME")).value_or(QString());
                }
                if (!portName->startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
                    continue;
                const std::optional<QString> friendly = tree.Value(key, QStringLiteral("FRIENDLYNAME"));
                const std::optional<QString> hardware = tree.Value(key, QStringLiteral("HardWareID"));
                PortRecord record;
                record[0] = QString(instance).replace(QLatin1Char(' '), QLatin1Char('_'));
                record[1] = *portName;
                record[2] = friendly && hardware ? *friendly : *portName;
                record[4] = hardware.value_or(QString());
                if (!callback(record))
                    return kErrorSuccess;
            }
        }
    }
    return kErrorSuccess;
}

} // namespace Quarrin
