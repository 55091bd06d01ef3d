// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/MachineRegistry.h"
#include "phonelink/PortMap.h"
#include "support/FakeSysfs.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

class MemoryStorage : public PortMapStorage
{
public:
    QList<PortAssignment> Load() override { return saved; }
    bool Save(const QList<PortAssignment>& assignments) override
    {
        saved = assignments;
        ++saves;
        return true;
    }
    QList<PortAssignment> saved;
    int saves = 0;
};

FakeSysfs::Usb KorvanePhone()
{
    FakeSysfs::Usb usb;
    usb.vendorId = QStringLiteral("2a1b");
    usb.productId = QStringLiteral("0007");
    usb.manufacturer = QStringLiteral("Korvane");
    usb.product = QStringLiteral("GPRS Phone");
    usb.interfaceClass = QStringLiteral("02");
    usb.byId = QStringLiteral("usb-Korvane_GPRS_Phone_0001-if00");
    return usb;
}

FakeSysfs::Usb Ftdi(const QString& serial, const QString& path)
{
    FakeSysfs::Usb usb;
    usb.vendorId = QStringLiteral("0403");
    usb.productId = QStringLiteral("6001");
    usb.manufacturer = QStringLiteral("FTDI");
    usb.product = QStringLiteral("FT232R USB UART");
    usb.serial = serial;
    usb.usbPath = path;
    usb.byId = QStringLiteral("usb-FTDI_FT232R_USB_UART_%1-if00-port0").arg(serial);
    return usb;
}

QStringList Describe(const QList<MappedPort>& ports)
{
    QStringList out;
    for (const MappedPort& p : ports)
        out << QStringLiteral("COM%1=%2").arg(p.number).arg(QFileInfo(p.device).fileName());
    return out;
}

} // namespace

class TestPortMap : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void scanFindsRealSerialDevicesOnly()
    {
        FakeSysfs sys;
        sys.AddUart(QStringLiteral("ttyS0"), true);
        sys.AddUart(QStringLiteral("ttyS1"), false); // a placeholder without a UART
        sys.AddUsb(QStringLiteral("ttyACM0"), KorvanePhone());
        sys.AddUsb(QStringLiteral("ttyUSB0"), Ftdi(QStringLiteral("A1"), QStringLiteral("1-2")));
        sys.AddVirtual(QStringLiteral("ircomm0"));
        sys.AddVirtual(QStringLiteral("rfcomm0"));
        sys.AddOther(QStringLiteral("tty1"));
        sys.AddOther(QStringLiteral("ttyprintk"));
        sys.AddOther(QStringLiteral("lp0")); // a printer port is no serial port

        const QList<SerialDevice> devices = ScanSerialDevices(sys.Roots());
        QStringList names;
        for (const SerialDevice& d : devices)
            names << d.name;
        QCOMPARE(names, (QStringList{"ttyS0", "ttyUSB0", "ttyACM0", "rfcomm0", "ircomm0"}));

        const SerialDevice& phone = devices.at(2);
        QVERIFY(phone.isModem);
        QCOMPARE(phone.modemName, QStringLiteral("Korvane GPRS MODEM"));
        QCOMPARE(phone.identity, QStringLiteral("usb-Korvane_GPRS_Phone_0001-if00"));
        QCOMPARE(phone.hardwareId, QStringLiteral("USB\\VID_2A1B&PID_0007"));
        QVERIFY(!devices.at(0).isModem);  // a plain UART
        QVERIFY(!devices.at(1).isModem);  // a USB adapter udev does not call a modem
        QVERIFY(devices.at(4).isModem);   // infrared phones are modems
        QVERIFY(devices.at(4).hardwareId.contains(QLatin1String("IRENUM")));
    }

    void udevNamesTheModem()
    {
        FakeSysfs sys;
        FakeSysfs::Usb usb = Ftdi(QStringLiteral("B2"), QStringLiteral("1-3"));
        usb.byId.clear();
        sys.AddUsb(QStringLiteral("ttyUSB3"), usb,
                   {{"ID_MM_CANDIDATE", "1"}, {"ID_MODEL_FROM_DATABASE", "Mobile_Phone_Modem"},
                    {"ID_VENDOR", "Acme"}});
        const QList<SerialDevice> devices = ScanSerialDevices(sys.Roots());
        QCOMPARE(devices.size(), 1);
        QVERIFY(devices.at(0).isModem);
        QCOMPARE(devices.at(0).modemName, QStringLiteral("Mobile Phone Modem"));
        // Without a by-id link the identity comes from the USB attributes.
        QCOMPARE(devices.at(0).identity, QStringLiteral("usb-0403_6001_B2-if00"));
    }

    void numbersStayWithTheDevice()
    {
        FakeSysfs sys;
        MemoryStorage storage;
        sys.AddUart(QStringLiteral("ttyS0"), true);
        sys.AddUsb(QStringLiteral("ttyUSB0"), Ftdi(QStringLiteral("A1"), QStringLiteral("1-2")));
        sys.AddUsb(QStringLiteral("ttyUSB1"), Ftdi(QStringLiteral("A2"), QStringLiteral("1-3")));
        {
            PortMap map(&storage, sys.Roots());
            map.Refresh();
            QCOMPARE(Describe(map.Ports()), (QStringList{"COM1=ttyS0", "COM3=ttyUSB0", "COM4=ttyUSB1"}));
        }
        // Replugged in the other order: the kernel swaps the nodes, the numbers follow
        // the adapters.
        sys.Remove(QStringLiteral("ttyUSB0"));
        sys.Remove(QStringLiteral("ttyUSB1"));
        sys.AddUsb(QStringLiteral("ttyUSB0"), Ftdi(QStringLiteral("A2"), QStringLiteral("1-3")));
        sys.AddUsb(QStringLiteral("ttyUSB1"), Ftdi(QStringLiteral("A1"), QStringLiteral("1-2")));
        const int savesBefore = storage.saves;
        PortMap map(&storage, sys.Roots());
        map.Refresh();
        QCOMPARE(Describe(map.Ports()), (QStringList{"COM1=ttyS0", "COM3=ttyUSB1", "COM4=ttyUSB0"}));
        QCOMPARE(storage.saves, savesBefore); // nothing new to remember

        // Unplugged: the number is kept for the device but nothing is opened on it.
        sys.Remove(QStringLiteral("ttyUSB1"));
        map.Refresh();
        QCOMPARE(map.DeviceForPort(3), QString());
        QVERIFY(map.Port(3).has_value());
        QVERIFY(!map.Port(3)->present);
        // A new device does not take the absent one's number.
        sys.AddUsb(QStringLiteral("ttyACM0"), KorvanePhone());
        map.Refresh();
        QCOMPARE(map.Port(5)->info.modemName, QStringLiteral("Korvane GPRS MODEM"));
    }

    void explicitEntries()
    {
        FakeSysfs sys;
        MemoryStorage storage;
        QTemporaryDir dir;
        const QString pty = dir.filePath(QStringLiteral("pts5"));
        QFile(pty).open(QIODevice::WriteOnly);

        PortMap map(&storage, sys.Roots());
        map.Refresh();
        QVERIFY(map.Ports().isEmpty()); // nothing attached: nothing listed, no error
        QVERIFY(map.AddExplicit(7, pty, QStringLiteral("Korvane GPRS MODEM")));
        QCOMPARE(map.DeviceForPort(7), pty);
        QCOMPARE(map.Port(7)->info.modemName, QStringLiteral("Korvane GPRS MODEM"));
        QVERIFY(map.Port(7)->explicitEntry);
        QCOMPARE(map.DeviceForPort(8), QString()); // unmapped

        // Persisted, and found again by a new map.
        PortMap again(&storage, sys.Roots());
        again.Refresh();
        QCOMPARE(again.DeviceForPort(7), pty);

        QVERIFY(!map.AddExplicit(0, pty));
        QVERIFY(!map.AddExplicit(256, pty));
        QVERIFY(!map.AddExplicit(9, QStringLiteral("relative/path")));
        QVERIFY(!map.AddExplicit(9, pty + QStringLiteral(";x")));

        QFile::remove(pty); // the virtual phone went away
        again.Refresh();
        QVERIFY(again.Ports().isEmpty());
        QVERIFY(again.Remove(7));
        QVERIFY(!again.Remove(7));
        QVERIFY(storage.saved.isEmpty());
    }

    void storedGarbageIsIgnored()
    {
        FakeSysfs sys;
        MemoryStorage storage;
        storage.saved = {{0, QStringLiteral("/dev/null")},
                         {300, QStringLiteral("/dev/null")},
                         {4, QStringLiteral("not a path")},
                         {5, QStringLiteral("/dev/null")},
                         {6, QStringLiteral("/dev/null")}}; // the same device twice
        PortMap map(&storage, sys.Roots());
        map.Refresh();
        QCOMPARE(Describe(map.Ports()), QStringList{"COM5=null"});
    }

    // A hand-edited settings file: control characters make no entry.
    void storedEntriesWithControlCharactersAreIgnored()
    {
        FakeSysfs sys;
        MemoryStorage storage;
        storage.saved = {{4, QStringLiteral("/dev/null\nCOM9=/dev/tty")},
                         {5, QStringLiteral("/dev/null;Korvane\rGPRS")},
                         {6, QStringLiteral("/dev/null;Korvane GPRS MODEM")}};
        PortMap map(&storage, sys.Roots());
        map.Refresh();
        QCOMPARE(Describe(map.Ports()), QStringList{"COM6=null"});
    }

    // The tool takes only terminal devices, or a path that appears later when
    // the user says so; it names what is wrong.
    void portsToolTakesOnlyTerminals()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        auto run = [&dir](const QStringList& args, QString* output = nullptr) {
            QProcess tool;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), dir.path());
            tool.setProcessEnvironment(env);
            tool.setProcessChannelMode(QProcess::MergedChannels);
            tool.start(TestSupport::ProgramDirectory() + QStringLiteral("/braxlow-ports"), args);
            tool.waitForFinished(20000);
            if (output)
                *output = QString::fromLocal8Bit(tool.readAll());
            return tool.exitCode();
        };
        QString said;
        for (const QString& notATerminal : {QStringLiteral("/etc/passwd"), fifo, dir.path(), QStringLiteral("/dev/null")}) {
            QCOMPARE(run({QStringLiteral("add"), QStringLiteral("COM9"), notATerminal}, &said), 2);
            QVERIFY2(said.contains(QLatin1String("not a terminal device")), qPrintable(said));
        }
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("COM9"), QStringLiteral("/dev/pts/x\ny")}, &said), 2);
        QVERIFY2(said.contains(QLatin1String("device path")), qPrintable(said));
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("COM9"), QStringLiteral("/dev/ptmx"), QStringLiteral("GPRS\tphone")}, &said), 2);
        QVERIFY2(said.contains(QLatin1String("modem name")), qPrintable(said));
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("COM9"), QStringLiteral("/dev/rfcomm99")}, &said), 2);
        QVERIFY2(said.contains(QLatin1String("--absent")), qPrintable(said));

        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--absent"), QStringLiteral("COM9"), QStringLiteral("/dev/rfcomm99")}, &said), 0);
        QVERIFY(said.contains(QLatin1String("/dev/rfcomm99")));
        QCOMPARE(run({QStringLiteral("add"), QStringLiteral("--absent"), QStringLiteral("COM8"), QStringLiteral("/etc/passwd")}, &said), 2);
        QCOMPARE(run({}, &said), 0);
        QVERIFY2(!said.contains(QLatin1String("passwd")) && !said.contains(QLatin1String("null")), qPrintable(said));
    }

    void comNames()
    {
        QCOMPARE(PortMap::ComNumber(QStringLiteral("COM3")), 3);
        QCOMPARE(PortMap::ComNumber(QStringLiteral("com12")), 12);
        QCOMPARE(PortMap::ComNumber(QStringLiteral("COM0")), -1);
        QCOMPARE(PortMap::ComNumber(QStringLiteral("COM256")), -1);
        QCOMPARE(PortMap::ComNumber(QStringLiteral("LPT1")), -1);
        QCOMPARE(PortMap::ComNumber(QStringLiteral("COM3x")), -1);
    }

    void machineRegistryShowsThePorts()
    {
        FakeSysfs sys;
        sys.AddUart(QStringLiteral("ttyS0"), true);
        sys.AddUsb(QStringLiteral("ttyACM0"), KorvanePhone());
        PortMap map(nullptr, sys.Roots());
        map.Refresh();
        const auto tree = Quarrin::BuildMachineRegistry(map, QString());
        const auto values = tree->ValuesOf(Quarrin::kSerialCommKey);
        QVERIFY(values);
        QCOMPARE(values->size(), 2);
        QCOMPARE(values->at(0).second, QStringLiteral("COM1"));
        QCOMPARE(values->at(1).second, QStringLiteral("COM3"));
        const QStringList modems = tree->SubKeys(Quarrin::kModemClassKey).value();
        QCOMPARE(modems.size(), 1);
        QCOMPARE(tree->Value(Quarrin::kModemClassKey + QStringLiteral("\\") + modems.at(0),
                             QStringLiteral("FriendlyName")),
                 QStringLiteral("Korvane GPRS MODEM"));
    }
};

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
