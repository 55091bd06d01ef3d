// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/ModemRegistry.h"
#include "core/shell/BraxlowApp.h"
#include "phonelink/MachineRegistry.h"
#include "support/FakeSysfs.h"
#include "support/TestSupport.h"

#include <QtTest>

namespace {

const Quarrin::OsVersion kWin98{true, Quarrin::kPlatformWindows9x, 4, 10};
const Quarrin::OsVersion kNt351{true, Quarrin::kPlatformNT, 3, 51};
const Quarrin::OsVersion kNt4{true, Quarrin::kPlatformNT, 4, 0};
const Quarrin::OsVersion kNt5{true, Quarrin::kPlatformNT, 5, 0};

const QString kPorts = QStringLiteral("{4D36E978-E325-11CE-BFC1-08002BE10318}");

void AddInstance(MemoryRegistryTree& tree, const QString& key, const QMap<QString, QString>& values)
{
    tree.AddKey(key);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        tree.SetValue(key, it.key(), it.value());
}

// A Windows 98 machine: two cable ports, an infrared port, a parallel port and
// two installed modems (one on the infrared port).
std::shared_ptr<MemoryRegistryTree> Win98Tree()
{
    auto tree = std::make_shared<MemoryRegistryTree>();
    AddInstance(*tree, QStringLiteral("ENUM\\ACPI\\PNP0501\\0"),
                {{"CLASS", "Ports"}, {"PORTNAME", "COM1"}, {"FRIENDLYNAME", "Communications Port (COM1)"},
                 {"HardWareID", "*PNP0501"}});
    // No friendly name: listed under its port name.
    AddInstance(*tree, QStringLiteral("ENUM\\ACPI\\PNP0501\\1"),
                {{"CLASS", "PORTS"}, {"PORTNAME", "COM2"}, {"HardWareID", "*PNP0501"}});
    // The port name only under DEVICE PARAMETERS.
    AddInstance(*tree, QStringLiteral("ENUM\\IRDA\\PORT\\0"),
                {{"CLASSGUID", kPorts.toLower()}, {"FRIENDLYNAME", "Infrared serial port (COM4)"},
                 {"HardWareID", "IRENUM"}});
    AddInstance(*tree, QStringLiteral("ENUM\\IRDA\\PORT\\0\\DEVICE PARAMETERS"), {{"PORTNAME", "COM4"}});
    AddInstance(*tree, QStringLiteral("ENUM\\ACPI\\PNP0400\\0"),
                {{"CLASS", "Ports"}, {"PORTNAME", "LPT1"}, {"FRIENDLYNAME", "Printer Port"},
                 {"HardWareID", "*PNP0400"}});
    // Another class is skipped.
    AddInstance(*tree, QStringLiteral("ENUM\\PCI\\VGA\\0"), {{"CLASS", "Display"}, {"PORTNAME", "COM9"}});

    AddInstance(*tree, QStringLiteral("ENUM\\ROOT\\MODEM\\0000"),
                {{"Driver", "Modem\\0000"}, {"FriendlyName", "Korvane GPRS MODEM"}});
    AddInstance(*tree, QStringLiteral("ENUM\\ROOT\\MODEM\\0001"),
                {{"Driver", "Modem\\0001"}, {"FriendlyName", "Standard 56k Modem"}});
    AddInstance(*tree, QStringLiteral("SYSTEM\\CURRENTCONTROLSET\\SERVICES\\CLASS\\Modem\\0000"),
                {{"AttachedTo", "COM4"}});
    AddInstance(*tree, QStringLiteral("SYSTEM\\CURRENTCONTROLSET\\SERVICES\\CLASS\\Modem\\0001"),
                {{"AttachedTo", "COM1"}});
    return tree;
}

std::shared_ptr<MemoryRegistryTree> Nt5Tree()
{
    auto tree = std::make_shared<MemoryRegistryTree>();
    AddInstance(*tree, Quarrin::kModemClassKey + QStringLiteral("\\0000"),
                {{"AttachedTo", "COM3"}, {"FriendlyName", "Korvane GPRS MODEM"}});
    AddInstance(*tree, Quarrin::kModemClassKey + QStringLiteral("\\0001"), {{"AttachedTo", "COM5"}});
    AddInstance(*tree, Quarrin::kModemClassKey + QStringLiteral("\\0002"),
                {{"AttachedTo", "COM7"}, {"FriendlyName", "Bluetooth Modem"}});
    for (int i = 1; i <= 4; ++i)
        tree->SetValue(Quarrin::kSerialCommKey, QStringLiteral("\\Device\\Serial%1").arg(i),
                       QStringLiteral("COM%1").arg(i));
    tree->SetValue(Quarrin::kSerialCommKey, QStringLiteral("\\Device\\Empty"), QString());
    return tree;
}

QStringList Pairs(const QList<ModemPort>& pairs)
{
    QStringList out;
    for (const ModemPort& p : pairs)
        out << p.port + QLatin1Char('=') + p.name;
    return out;
}

} // namespace

class TestModemRegistry : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void cleanup() { Quarrin::OverrideMachineRegistry(nullptr); }

    void windows98ListsPortsAndNamesModems()
    {
        ModemRegistry registry(Win98Tree(), kWin98, 3);
        QCOMPARE(Pairs(registry.ListModems()),
                 (QStringList{"COM1=Standard 56k Modem", "COM2=COM2",
                              "COM4=Korvane GPRS MODEM (IrDA)"}));
        // A port without a modem keeps its own name, so it is not "NOMODEM".
        QCOMPARE(registry.FindModemForPort(QStringLiteral("com2")), QStringLiteral("COM2"));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM8")), QStringLiteral("NOMODEM"));
    }

    void nt5ListsInstalledModemsOnly()
    {
        ModemRegistry registry(Nt5Tree(), kNt5, 5);
        QCOMPARE(Pairs(registry.ListModems()),
                 (QStringList{"COM3=Korvane GPRS MODEM", "COM7=Bluetooth Modem"}));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("com3")), QStringLiteral("Korvane GPRS MODEM"));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM1")), QStringLiteral("NOMODEM"));
        QCOMPARE(registry.ListSerialPorts(), (QStringList{"COM1", "COM2", "COM3", "COM4"}));
        QCOMPARE(registry.ListSerialPorts(2), (QStringList{"COM1", "COM2"}));
    }

    void lookupSearchesLeftoversOfALongerListing()
    {
        // A listing of three pairs, then a lookup on a machine with one: the two
        // entries behind it are still searched.
        ModemRegistry(Win98Tree(), kWin98, 3).ListModems();
        auto small = std::make_shared<MemoryRegistryTree>();
        AddInstance(*small, Quarrin::kModemClassKey + QStringLiteral("\\0000"),
                    {{"AttachedTo", "COM9"}, {"FriendlyName", "Other"}});
        ModemRegistry registry(small, kNt5, 5);
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM2")), QStringLiteral("COM2"));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM9")), QStringLiteral("Other"));
        // A full listing empties the table first.
        QCOMPARE(registry.ListModems().size(), 1);
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM2")), QStringLiteral("NOMODEM"));
    }

    void nt4NeedsTheMakersDriver()
    {
        auto tree = Nt5Tree();
        ModemRegistry without(tree, kNt4, 4);
        QVERIFY(without.ListModems().isEmpty());
        QCOMPARE(without.LastError(), 2); // no Unimodem key at all
        tree->AddKey(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Unimodem\\DeviceSpecific\\Other"));
        QVERIFY(without.ListModems().isEmpty());
        QCOMPARE(without.LastError(), 259);
        QCOMPARE(without.FindModemForPort(QStringLiteral("COM3")), QStringLiteral("NOMODEM"));
        tree->AddKey(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Unimodem\\DeviceSpecific\\Korvane GPRS MODEM v2"));
        QCOMPARE(without.ListModems().size(), 2);
    }

    void oldAndUnknownSystemsListNothing()
    {
        for (const Quarrin::OsVersion& v : {kNt351, Quarrin::OsVersion{true, 7, 1, 0}}) {
            ModemRegistry registry(Nt5Tree(), v, 4);
            QVERIFY(registry.ListModems().isEmpty());
            QCOMPARE(registry.LastError(), 1150);
        }
        ModemRegistry registry(Nt5Tree(), kNt5, 5);
        QCOMPARE(registry.EnumerateModems(nullptr, nullptr), 0);
        QCOMPARE(registry.LastError(), 87);
    }

    void enumerationStopsWhenTheCallbackSaysSo()
    {
        ModemRegistry registry(Nt5Tree(), kNt5, 5);
        int calls = 0;
        QCOMPARE(registry.EnumerateModems([&](void*, const ModemRecord&) { return ++calls < 1; }, nullptr), 1);
        QCOMPARE(calls, 1);
    }

    void tableHoldsAtMost255Pairs()
    {
        auto tree = std::make_shared<MemoryRegistryTree>();
        for (int i = 0; i < 300; ++i)
            AddInstance(*tree, Quarrin::kModemClassKey + QStringLiteral("\\%1").arg(i, 4, 10, QLatin1Char('0')),
                        {{"AttachedTo", QStringLiteral("COM%1").arg(i + 1)}, {"FriendlyName", "M"}});
        ModemRegistry registry(tree, kNt5, 5);
        QCOMPARE(registry.ListModems().size(), 255);
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM256")), QStringLiteral("NOMODEM"));
    }

    void attachWritesWhereTheSystemLooks()
    {
        auto win98 = Win98Tree();
        ModemRegistry(win98, kWin98, 3).AttachModemToPort(QStringLiteral("COM4"));
        QCOMPARE(win98->Value(QStringLiteral("System\\CurrentControlSet\\Services\\Class\\Modem\\0006"),
                              QStringLiteral("AttachedTo")),
                 QStringLiteral("COM4"));

        auto nt4 = Nt5Tree();
        ModemRegistry(nt4, kNt4, 4).AttachModemToPort(QStringLiteral("COM6"));
        QCOMPARE(nt4->Value(Quarrin::kModemClassKey + QStringLiteral("\\0000"), QStringLiteral("AttachedTo")),
                 QStringLiteral("COM6"));
        QCOMPARE(nt4->Value(Quarrin::kModemClassKey + QStringLiteral("\\0002"), QStringLiteral("AttachedTo")),
                 QStringLiteral("COM7"));

        auto nt5 = Nt5Tree();
        ModemRegistry(nt5, kNt5, 5).AttachModemToPort(QStringLiteral("COM6"));
        QCOMPARE(nt5->Value(Quarrin::kModemClassKey + QStringLiteral("\\0000"), QStringLiteral("AttachedTo")),
                 QStringLiteral("COM3"));
        QVERIFY(!nt5->KeyExists(QStringLiteral("System\\CurrentControlSet\\Services\\Class\\Modem\\0006")));
    }

    void linuxMachineThroughThePortMap()
    {
        QTemporaryDir settings;
        FakeSysfs sys;
        RecordingPrompter prompter;
        BraxlowApp::Options options;
        options.programFilePath = QStringLiteral("/opt/braxlow/braxlow");
        options.settingsRoot = settings.path();
        options.scanRoots = sys.Roots();
        BraxlowApp app(options, prompter);

        // Nothing attached: nothing listed, no error.
        {
            ModemRegistry registry;
            QVERIFY(registry.ListSerialPorts().isEmpty());
            QVERIFY(registry.ListModems().isEmpty());
            QCOMPARE(registry.FindModemForPort(QStringLiteral("COM3")), QStringLiteral("NOMODEM"));
        }

        FakeSysfs::Usb phone;
        phone.manufacturer = QStringLiteral("Korvane");
        phone.product = QStringLiteral("K800 GPRS");
        phone.interfaceClass = QStringLiteral("02");
        sys.AddUsb(QStringLiteral("ttyACM0"), phone);
        FakeSysfs::Usb anonymous; // a CDC modem that reports no product name
        anonymous.vendorId = QStringLiteral("1111");
        anonymous.serial = QStringLiteral("9");
        anonymous.usbPath = QStringLiteral("1-4");
        anonymous.interfaceClass = QStringLiteral("02");
        sys.AddUsb(QStringLiteral("ttyACM1"), anonymous);
        sys.AddUart(QStringLiteral("ttyS0"), true);
        sys.AddUart(QStringLiteral("ttyS2"), false);

        QTemporaryDir pts;
        const QString virtualPhone = pts.filePath(QStringLiteral("5"));
        QFile(virtualPhone).open(QIODevice::WriteOnly);
        QVERIFY(app.SerialPorts().AddExplicit(7, virtualPhone, QStringLiteral("Korvane GPRS MODEM")));

        ModemRegistry registry;
        QCOMPARE(registry.ListSerialPorts(), (QStringList{"COM1", "COM3", "COM4", "COM7"}));
        QCOMPARE(Pairs(registry.ListModems()),
                 (QStringList{"COM3=Korvane GPRS MODEM", "COM4=COM4", "COM7=Korvane GPRS MODEM"}));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM7")), QStringLiteral("Korvane GPRS MODEM"));
        QCOMPARE(registry.FindModemForPort(QStringLiteral("COM1")), QStringLiteral("NOMODEM"));
        QCOMPARE(app.SerialPorts().DeviceForPort(7), virtualPhone);

        // The numbers were saved in the settings and hold for the next run.
        SettingsStore store(settings.path());
        const auto saved = store.ReadStrings(QStringLiteral("Braxlow/Ports"));
        QCOMPARE(saved.size(), 4);
        registry.AttachModemToPort(QStringLiteral("COM3")); // kind 5: nothing to write
    }
};

QTEST_GUILESS_MAIN(TestModemRegistry)
#include "tst_modemregistry.moc"
