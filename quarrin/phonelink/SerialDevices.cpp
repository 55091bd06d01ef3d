// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/SerialDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

const QString kMakerModemName = QStringLiteral("Korvane GPRS MODEM");

namespace {

QString ReadAttribute(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    // sysfs attributes are short; anything longer is not one we want.
    return QString::fromUtf8(f.read(256)).trimmed();
}

QHash<QString, QString> ReadUdevProperties(const QString& file)
{
    QHash<QString, QString> properties;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return properties;
    int lines = 0;
    while (!f.atEnd() && ++lines < 1000) {
        const QString line = QString::fromUtf8(f.readLine(4096)).trimmed();
        if (!line.startsWith(QLatin1String("E:")))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 2)
            properties.insert(line.mid(2, eq - 2), line.mid(eq + 1));
    }
    return properties;
}

// udev encodes blanks in model names as underscores.
QString Readable(QString s)
{
    s.replace(QLatin1Char('_'), QLatin1Char(' '));
    return s.simplified();
}

SerialDevice::Kind KindOf(const QString& prefix)
{
    if (prefix == QLatin1String("ttyUSB"))
        return SerialDevice::Kind::UsbSerial;
    if (prefix == QLatin1String("ttyACM"))
        return SerialDevice::Kind::UsbModem;
    if (prefix == QLatin1String("rfcomm"))
        return SerialDevice::Kind::Bluetooth;
    if (prefix == QLatin1String("ircomm"))
        return SerialDevice::Kind::Infrared;
    return SerialDevice::Kind::Uart;
}

// The /dev/serial/by-id link that points at the node, if any.
QString ByIdName(const QString& devRoot, const QString& node)
{
    const QDir byId(devRoot + QStringLiteral("/serial/by-id"));
    const QString target = QFileInfo(node).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    const QFileInfoList links = byId.entryInfoList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && QFileInfo(link.symLinkTarget()).canonicalFilePath() == target)
            return link.fileName();
    return QString();
}

struct UsbInfo
{
    bool found = false;
    QString vendorId, productId, manufacturer, product, serial, interfaceNumber, interfaceClass;
};

// Walks up from the tty's device to the USB interface and the USB device.
UsbInfo FindUsb(const QString& sysRoot, const QString& ttyDir)
{
    UsbInfo usb;
    QString dir = QFileInfo(ttyDir + QStringLiteral("/device")).canonicalFilePath();
    const QString stop = QFileInfo(sysRoot).canonicalFilePath();
    for (int level = 0; level < 8 && !dir.isEmpty() && dir != stop && dir != QLatin1String("/");
         ++level) {
        if (usb.interfaceClass.isEmpty() && QFileInfo::exists(dir + QStringLiteral("/bInterfaceClass"))) {
            usb.interfaceClass = ReadAttribute(dir + QStringLiteral("/bInterfaceClass"));
            usb.interfaceNumber = ReadAttribute(dir + QStringLiteral("/bInterfaceNumber"));
        }
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor"))) {
            usb.found = true;
            usb.vendorId = ReadAttribute(dir + QStringLiteral("/idVendor"));
            usb.productId = ReadAttribute(dir + QStringLiteral("/idProduct"));
            usb.manufacturer = ReadAttribute(dir + QStringLiteral("/manufacturer"));
            usb.product = ReadAttribute(dir + QStringLiteral("/product"));
            usb.serial = ReadAttribute(dir + QStringLiteral("/serial"));
            break;
        }
        dir = QFileInfo(dir).absolutePath();
    }
    return usb;
}

SerialDevice::PortRole RoleOf(const QHash<QString, QString>& udev)
{
    const auto flagged = [&udev](const char* name) {
        return udev.value(QLatin1String(name)) == QLatin1String("1");
    };
    // An ignored port is never the one to dial, whatever else the rules say.
    if (flagged("ID_MM_PORT_IGNORE"))
        return SerialDevice::PortRole::Ignored;
    if (flagged("ID_MM_PORT_TYPE_AT_PRIMARY"))
        return SerialDevice::PortRole::AtPrimary;
    if (flagged("ID_MM_PORT_TYPE_AT_PPP"))
        return SerialDevice::PortRole::Data;
    if (flagged("ID_MM_PORT_TYPE_AT_SECONDARY"))
        return SerialDevice::PortRole::AtSecondary;
    if (flagged("ID_MM_PORT_TYPE_GPS"))
        return SerialDevice::PortRole::Gps;
    if (flagged("ID_MM_PORT_TYPE_QCDM"))
        return SerialDevice::PortRole::Diagnostics;
    return SerialDevice::PortRole::Unknown;
}

bool IsPlaceholderUart(const QString& ttyDir)
{
    // The 8250 driver registers ttyS0..ttyS31 whether or not a UART answers;
    // the ones without hardware report port type 0 (unknown) or have no device.
    if (!QFileInfo::exists(ttyDir + QStringLiteral("/device")))
        return true;
    const QString type = ReadAttribute(ttyDir + QStringLiteral("/type"));
    return type == QLatin1String("0");
}

} // namespace

QList<SerialDevice> ScanSerialDevices(const SerialScanRoots& roots)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(ttyS|ttyUSB|ttyACM|rfcomm|ircomm)(\\d{1,4})$"));
    QList<SerialDevice> devices;
    const QDir classDir(roots.sys + QStringLiteral("/class/tty"));
    const QStringList entries =
        classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : entries) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch())
            continue;
        const QString ttyDir = classDir.filePath(name);
        SerialDevice d;
        d.name = name;
        d.node = roots.dev + QLatin1Char('/') + name;
        d.kind = KindOf(m.captured(1));
        if (!QFileInfo::exists(d.node))
            continue;
        if (d.kind == SerialDevice::Kind::Uart && IsPlaceholderUart(ttyDir))
            continue;
        if ((d.kind == SerialDevice::Kind::UsbSerial || d.kind == SerialDevice::Kind::UsbModem) &&
            !QFileInfo::exists(ttyDir + QStringLiteral("/device")))
            continue;

        const QString devNumbers = ReadAttribute(ttyDir + QStringLiteral("/dev"));
        const QHash<QString, QString> udev =
            devNumbers.isEmpty() ? QHash<QString, QString>()
                                 : ReadUdevProperties(roots.udev + QStringLiteral("/c") + devNumbers);
        const UsbInfo usb = FindUsb(roots.sys, ttyDir);

        d.vendor = Readable(udev.value(QStringLiteral("ID_VENDOR_FROM_DATABASE"),
                                       udev.value(QStringLiteral("ID_VENDOR"), usb.manufacturer)));
        d.model = Readable(udev.value(QStringLiteral("ID_MODEL_FROM_DATABASE"),
                                      udev.value(QStringLiteral("ID_MODEL"), usb.product)));

        switch (d.kind) {
        case SerialDevice::Kind::Uart:
            d.hardwareId = QStringLiteral("ACPI\\PNP0501");
            break;
        case SerialDevice::Kind::Bluetooth:
            d.hardwareId = QStringLiteral("BTHENUM\\DIALUP");
            break;
        case SerialDevice::Kind::Infrared:
            d.hardwareId = QStringLiteral("IRENUM\\IRCOMM");
            break;
        default:
            if (usb.found) {
                d.hardwareId = QStringLiteral("USB\\VID_%1&PID_%2")
                                   .arg(usb.vendorId.toUpper(), usb.productId.toUpper());
                d.usbId = QStringLiteral("%1:%2").arg(usb.vendorId.toLower(), usb.productId.toLower());
            }
            break;
        }

        d.identity = ByIdName(roots.dev, d.node);
        if (d.identity.isEmpty() && usb.found)
            d.identity = QStringLiteral("usb-%1_%2_%3-if%4")
                             .arg(usb.vendorId, usb.productId, usb.serial, usb.interfaceNumber);
        if (d.identity.isEmpty())
            d.identity = name;

        const bool makers = d.vendor.contains(QLatin1String("Korvane"), Qt::CaseInsensitive);
        const bool cdcAcm = usb.interfaceClass == QLatin1String("02") ||
                            d.kind == SerialDevice::Kind::UsbModem;
        const bool udevModem = udev.value(QStringLiteral("ID_MM_CANDIDATE")) == QLatin1String("1") ||
                               udev.contains(QStringLiteral("ID_MODEM_GSM"));
        d.role = RoleOf(udev);
        d.isModem = makers || cdcAcm || udevModem || d.kind == SerialDevice::Kind::Bluetooth ||
                    d.kind == SerialDevice::Kind::Infrared;
        if (d.isModem)
            d.modemName = makers ? kMakerModemName : d.model;
        devices << d;
    }

    std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        const auto number = [](const QString& n) {
            qsizetype i = n.size();
            while (i > 0 && n.at(i - 1).isDigit())
                --i;
            return n.mid(i).toInt();
        };
        return number(a.name) < number(b.name);
    });
    return devices;
}
