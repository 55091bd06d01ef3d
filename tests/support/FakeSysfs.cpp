// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeSysfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FakeSysfs::FakeSysfs()
{
    QDir root(dir_.path());
    root.mkpath(QStringLiteral("sys/class/tty"));
    root.mkpath(QStringLiteral("sys/devices"));
    root.mkpath(QStringLiteral("dev/serial/by-id"));
    root.mkpath(QStringLiteral("udev"));
}

SerialScanRoots FakeSysfs::Roots() const
{
    SerialScanRoots r;
    r.sys = dir_.path() + QStringLiteral("/sys");
    r.dev = dir_.path() + QStringLiteral("/dev");
    r.udev = dir_.path() + QStringLiteral("/udev");
    return r;
}

void FakeSysfs::Write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(text.toUtf8() + '\n');
}

void FakeSysfs::Link(const QString& link, const QString& target)
{
    QDir().mkpath(QFileInfo(link).absolutePath());
    QFile::remove(link);
    QFile::link(target, link);
}

QString FakeSysfs::TtyDir(const QString& devicePath, const QString& name, const QString& majorMinor)
{
    const QString sys = dir_.path() + QStringLiteral("/sys");
    const QString tty = sys + QStringLiteral("/devices/") + devicePath + QStringLiteral("/tty/") + name;
    QDir().mkpath(tty);
    Write(tty + QStringLiteral("/dev"), majorMinor);
    Link(sys + QStringLiteral("/class/tty/") + name, tty);
    Write(dir_.path() + QStringLiteral("/dev/") + name, QString()); // the device node
    return tty;
}

void FakeSysfs::AddUart(const QString& name, bool present)
{
    const QString device = present ? QStringLiteral("pnp0/00:0") + name.right(1)
                                   : QStringLiteral("platform/serial8250");
    const QString tty = TtyDir(device, name, QStringLiteral("4:%1").arg(64 + minor_++));
    Link(tty + QStringLiteral("/device"), dir_.path() + QStringLiteral("/sys/devices/") + device);
    Write(tty + QStringLiteral("/type"), present ? QStringLiteral("4") : QStringLiteral("0"));
}

void FakeSysfs::AddUsb(const QString& name, const Usb& usb, const QMap<QString, QString>& udev)
{
    const QString usbDevice = QStringLiteral("pci0000:00/0000:00:14.0/usb1/") + usb.usbPath;
    const QString interface = usbDevice + QLatin1Char('/') + usb.usbPath + QStringLiteral(":1.") +
                              QString::number(usb.interfaceNumber.toInt());
    const QString sysDevices = dir_.path() + QStringLiteral("/sys/devices/");
    Write(sysDevices + usbDevice + QStringLiteral("/idVendor"), usb.vendorId);
    Write(sysDevices + usbDevice + QStringLiteral("/idProduct"), usb.productId);
    if (!usb.manufacturer.isEmpty())
        Write(sysDevices + usbDevice + QStringLiteral("/manufacturer"), usb.manufacturer);
    if (!usb.product.isEmpty())
        Write(sysDevices + usbDevice + QStringLiteral("/product"), usb.product);
    Write(sysDevices + usbDevice + QStringLiteral("/serial"), usb.serial);
    Write(sysDevices + interface + QStringLiteral("/bInterfaceClass"), usb.interfaceClass);
    Write(sysDevices + interface + QStringLiteral("/bInterfaceNumber"), usb.interfaceNumber);
    const QString majorMinor = QStringLiteral("188:%1").arg(minor_++);
    const QString tty = TtyDir(interface, name, majorMinor);
    Link(tty + QStringLiteral("/device"), sysDevices + interface);
    if (!usb.byId.isEmpty())
        Link(dir_.path() + QStringLiteral("/dev/serial/by-id/") + usb.byId,
             dir_.path() + QStringLiteral("/dev/") + name);
    if (!udev.isEmpty()) {
        QString text;
        for (auto it = udev.cbegin(); it != udev.cend(); ++it)
            text += QStringLiteral("E:%1=%2\n").arg(it.key(), it.value());
        Write(dir_.path() + QStringLiteral("/udev/c") + majorMinor, text.trimmed());
    }
}

void FakeSysfs::AddVirtual(const QString& name)
{
    TtyDir(QStringLiteral("virtual/tty"), name, QStringLiteral("216:%1").arg(minor_++));
}

void FakeSysfs::AddOther(const QString& name)
{
    TtyDir(QStringLiteral("virtual/tty"), name, QStringLiteral("4:%1").arg(minor_++));
}

void FakeSysfs::Remove(const QString& name)
{
    QFile::remove(dir_.path() + QStringLiteral("/sys/class/tty/") + name);
    QFile::remove(dir_.path() + QStringLiteral("/dev/") + name);
    QDir byId(dir_.path() + QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files))
        if (!QFileInfo::exists(link.symLinkTarget()))
            QFile::remove(link.absoluteFilePath());
}
