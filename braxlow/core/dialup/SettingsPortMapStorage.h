// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/PortMap.h"

class SettingsStore;

// Keeps the COM number assignments in the settings store, key Braxlow\Ports:
//   "COM3"="id:usb-Korvane_GPRS_Phone_0001-if00"
//   "COM7"="/dev/pts/5;Korvane GPRS MODEM"
class SettingsPortMapStorage : public PortMapStorage
{
public:
    explicit SettingsPortMapStorage(SettingsStore& store);

    QList<PortAssignment> Load() override;
    bool Save(const QList<PortAssignment>& assignments) override;

    static const QString kPortsKey;

private:
    SettingsStore& store_;
};
