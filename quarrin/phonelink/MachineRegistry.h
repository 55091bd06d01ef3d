// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/RegistryTree.h"
#include "quarrin_export.h"

#include <memory>

class PortMap;

// Builds the registry view of the machine's ports and modems from the port map,
// in the layout of NT 5 (Quarrin::MachineRegistryVersion()):
//
//   HARDWARE\DEVICEMAP\SERIALCOMM                 "\Device\ttyUSB0" = "COM3", ...
//   SYSTEM\CURRENTCONTROLSET\ENUM\<bus>\<device>\<instance>
//       CLASSGUID, FRIENDLYNAME, HardWareID, DEVICE PARAMETERS\PORTNAME
//   SYSTEM\CURRENTCONTROLSET\CONTROL\CLASS\{4D36E96D-...}\0000   (one key per modem)
//       AttachedTo = "COM3", FriendlyName = "Korvane GPRS MODEM"
//
// so that the discovery code reads the same shapes it reads on Windows.
namespace Quarrin {

extern QUARRIN_EXPORT const QString kPortsClassGuid;
extern QUARRIN_EXPORT const QString kModemClassGuid;
extern QUARRIN_EXPORT const QString kSerialCommKey;
extern QUARRIN_EXPORT const QString kEnumKey;
extern QUARRIN_EXPORT const QString kModemClassKey;

// A fresh view of the map's present ports. irdaDeviceName is the infrared device
// most recently discovered: a Linux ircomm port talks to whichever device is in
// range, so its instance key carries that name (blanks as "_").
QUARRIN_EXPORT std::unique_ptr<RegistryTree> BuildMachineRegistry(const PortMap& ports,
                                                                  const QString& irdaDeviceName);

// The view the discovery code uses: the current port map's, unless a test has
// put another one in its place.
QUARRIN_EXPORT std::shared_ptr<RegistryTree> MachineRegistry();
QUARRIN_EXPORT void OverrideMachineRegistry(std::shared_ptr<RegistryTree> tree);

// The name IrDA discovery last recorded (see CIrDASock).
QUARRIN_EXPORT QString LastIrdaDeviceName();
QUARRIN_EXPORT void SetLastIrdaDeviceName(const QString& name);

} // namespace Quarrin
