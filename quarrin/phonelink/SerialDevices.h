// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QList>
#include <QString>

// One serial device node of the machine, as sysfs and udev describe it.
struct QUARRIN_EXPORT SerialDevice
{
    enum class Kind { Uart, UsbSerial, UsbModem, Bluetooth, Infrared, Explicit };
    // What udev's modem rules say a port of a multi-port device is for; phones
    // and sticks often offer a data port, a second AT port and a diagnostics port.
    enum class PortRole { Unknown, AtPrimary, AtSecondary, Data, Gps, Diagnostics, Ignored };

    QString node;     // "/dev/ttyUSB0"
    QString name;     // "ttyUSB0"
    // Stays the same for the same device across runs and replugs: the
    // /dev/serial/by-id name, else one built from the USB attributes, else the node name.
    QString identity;
    Kind kind = Kind::Uart;
    QString vendor;     // "Korvane", from udev or the USB manufacturer string
    QString model;      // "GPRS Phone", blanks for underscores; empty when unknown
    QString hardwareId; // "USB\VID_1234&PID_5678", "IRENUM\IRCOMM", ...
    QString usbId;      // "1234:5678", the USB device's vendor and product; empty for others
    bool isModem = false;
    // The modem's display name: "Korvane GPRS MODEM" for the maker's phone, else the
    // model; empty when the device does not name itself.
    QString modemName;
    PortRole role = PortRole::Unknown;
};

// Where the scan looks; tests point these at fake trees.
struct QUARRIN_EXPORT SerialScanRoots
{
    QString sys = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
    QString udev = QStringLiteral("/run/udev/data");
};

// The serial devices that really exist: /dev/ttyS* backed by a UART (not the
// legacy placeholders the 8250 driver registers), /dev/ttyUSB*, /dev/ttyACM*,
// /dev/rfcomm* and /dev/ircomm*. Sorted by kind, then by number.
QUARRIN_EXPORT QList<SerialDevice> ScanSerialDevices(const SerialScanRoots& roots = {});

// The display name the maker's phone is recognised by.
QUARRIN_EXPORT extern const QString kMakerModemName;
