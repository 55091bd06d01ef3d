// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/SettingsPortMapStorage.h"

#include "core/settings/SettingsStore.h"

#include <QVariant>

const QString SettingsPortMapStorage::kPortsKey = QStringLiteral("Braxlow/Ports");

SettingsPortMapStorage::SettingsPortMapStorage(SettingsStore& store) : store_(store) {}

QList<PortAssignment> SettingsPortMapStorage::Load()
{
    QList<PortAssignment> assignments;
    for (const auto& [name, value] : store_.ReadStrings(kPortsKey)) {
        const int number = PortMap::ComNumber(name);
        if (number > 0)
            assignments << PortAssignment{number, value};
    }
    return assignments;
}

bool SettingsPortMapStorage::Save(const QList<PortAssignment>& assignments)
{
    QList<QPair<QString, QVariant>> values;
    for (const PortAssignment& a : assignments)
        values.append({PortMap::ComName(a.number), a.value});
    return store_.ReplaceValues(kPortsKey, values);
}
