// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/SerialDevices.h"

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// Builds sysfs, /dev and udev trees in a temporary folder, in the shapes the
// kernel and udev give them, so device discovery runs on machines the test
// invents.
class FakeSysfs
{
public:
    struct Usb
    {
        QString vendorId = QStringLiteral("1234");
        QString productId = QStringLiteral("5678");
        QString manufacturer;
        QString product;
        QString serial = QStringLiteral("0001");
        QString interfaceClass = QStringLiteral("ff");
        QString interfaceNumber = QStringLiteral("00");
        QString byId; // the /dev/serial/by-id link name, empty for none
        QString usbPath = QStringLiteral("1-1");
    };

    FakeSysfs();

    SerialScanRoots Roots() const;

    void AddUart(const QString& name, bool present);
    void AddUsb(const QString& name, const Usb& usb, const QMap<QString, QString>& udev = {});
    void AddVirtual(const QString& name); // rfcomm, ircomm: no device link
    void AddOther(const QString& name);   // a tty that is no serial port (tty1, lp-like)
    void Remove(const QString& name);     // unplugged: the tty and its node go away

private:
    QString TtyDir(const QString& devicePath, const QString& name, const QString& majorMinor);
    void Write(const QString& path, const QString& text);
    void Link(const QString& link, const QString& target);

    QTemporaryDir dir_;
    int minor_ = 0;
};
