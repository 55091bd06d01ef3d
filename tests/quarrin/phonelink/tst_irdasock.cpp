// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/CIrDASock.h"
#include "phonelink/MachineRegistry.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <sys/socket.h>
#include <unistd.h>

namespace {

class FakeDiscovery : public IrdaDiscovery
{
public:
    int OpenSocket(int& error) override
    {
        ++opened;
        if (failSocket) {
            error = 97; // EAFNOSUPPORT, as a kernel without IrDA answers
            return -1;
        }
        int pair[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
            return -1;
        ::close(pair[1]);
        return pair[0];
    }
    bool EnumerateDevices(int, QList<QByteArray>& names, int& error) override
    {
        names = devices;
        error = 0;
        return true;
    }
    QList<QByteArray> devices;
    bool failSocket = false;
    int opened = 0;
};

// Instances of the Ports class in the device tree of the given layout.
void AddPort(MemoryRegistryTree& tree, const QString& root, const QString& instance,
             const QString& port, const QString& friendly, const QString& hardware)
{
    const QString key = root + QStringLiteral("\\BUS\\DEV\\") + instance;
    tree.SetValue(key, QStringLiteral("CLASSGUID"), Quarrin::kPortsClassGuid);
    tree.SetValue(key, QStringLiteral("PORTNAME"), port);
    tree.SetValue(key, QStringLiteral("FRIENDLYNAME"), friendly);
    if (!hardware.isEmpty())
        tree.SetValue(key, QStringLiteral("HardWareID"), hardware);
}

const Quarrin::OsVersion kNt5{true, Quarrin::kPlatformNT, 5, 1};
const Quarrin::OsVersion kWin98{true, Quarrin::kPlatformWindows9x, 4, 10};
const Quarrin::OsVersion kNt4{true, Quarrin::kPlatformNT, 4, 0};

} // namespace

class TestIrDASock : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init() { CIrDASock::ResetIrPortTable(); }

    void cleanup()
    {
        CIrDASock::SetDiscovery(nullptr);
        CIrDASock::SetReceiveTimeoutMs(10000);
        Quarrin::OverrideMachineRegistry(nullptr);
    }

    void thisKernelHasNoIrdaStack()
    {
        // Mainline Linux dropped IrDA: socket creation fails and nothing is found.
        CIrDASock sock;
        QVERIFY(!sock.IrDAOpen());
        QVERIFY(sock.GetErrorNum() != 0);
        QCOMPARE(sock.GetIrDASock(), 0u);
        Quarrin::OverrideMachineRegistry(std::make_shared<MemoryRegistryTree>());
        QCOMPARE(sock.IrPortSearch(), -1);
    }

    void makersDeviceIsRecorded()
    {
        FakeDiscovery discovery;
        CIrDASock::SetDiscovery(&discovery);
        CIrDASock sock;
        discovery.devices = {"Nokia 6310", "KORVANE K800"};
        QVERIFY(sock.IrDAOpen());
        QCOMPARE(sock.GetIrDAName(), QStringLiteral("KORVANE K800"));
        QVERIFY(sock.GetIrDASock() != 0);

        // Mixed case is another maker; the earlier name survives a failed search.
        discovery.devices = {"Korvane K800"};
        QVERIFY(!sock.IrDAOpen());
        QCOMPARE(sock.GetErrorNum(), -1);
        QCOMPARE(sock.GetIrDAName(), QStringLiteral("KORVANE K800"));

        discovery.devices = {};
        QVERIFY(!sock.IrDAOpen());

        // A name longer than the stack's 22 bytes is cut.
        discovery.devices = {"KORVANE 0123456789ABCDEFGHIJ"};
        QVERIFY(sock.IrDAOpen());
        QCOMPARE(sock.GetIrDAName().size(), 22);

        discovery.failSocket = true;
        QVERIFY(!sock.IrDAOpen());
        QCOMPARE(sock.GetErrorNum(), 97);
        QCOMPARE(sock.GetIrDASock(), 0u);
    }

    void repeatedOpensDoNotLeakSockets()
    {
        FakeDiscovery discovery;
        CIrDASock::SetDiscovery(&discovery);
        discovery.devices = {"KORVANE"};
        CIrDASock sock;
        QVERIFY(sock.IrDAOpen());
        const unsigned first = sock.GetIrDASock();
        for (int i = 0; i < 50; ++i)
            QVERIFY(sock.IrDAOpen());
        // The descriptor is reused because each earlier one was closed.
        QCOMPARE(sock.GetIrDASock(), first);
        sock.IrDAClose();
        QCOMPARE(sock.GetIrDASock(), 0u);
    }

    void portSearchMatchesTheDeviceName()
    {
        MemoryRegistryTree tree;
        const QString root = Quarrin::kEnumKey;
        AddPort(tree, root, QStringLiteral("Other_Phone&0"), QStringLiteral("COM4"),
                QStringLiteral("Infrared serial port"), QStringLiteral("IRENUM\\X"));
        AddPort(tree, root, QStringLiteral("KORVANE K800&0"), QStringLiteral("COM6"),
                QStringLiteral("Standard Modem over IR link"), QStringLiteral("IRENUM\\Y"));
        AddPort(tree, root, QStringLiteral("KORVANE_K800&1"), QStringLiteral("COM5"),
                QStringLiteral("Infrared serial port"), QStringLiteral("ACPI\\PNP0501"));
        AddPort(tree, root, QStringLiteral("KORVANE_K800&2"), QStringLiteral("COM120"),
                QStringLiteral("Infrared"), QStringLiteral("IRENUM\\Z"));

        // Blanks in the name match "_" in key names; COM5's display name says
        // infrared but its hardware does not, so it is not taken.
        QCOMPARE(CIrDASock::SearchIrPort(tree, kNt5, QStringLiteral("KORVANE K800")), 6);
        QCOMPARE(CIrDASock::IrPortEntry(6)[1], QStringLiteral("IrDA"));
        QCOMPARE(CIrDASock::IrPortEntry(6)[0], QStringLiteral("KORVANE_K800&0"));
        QCOMPARE(CIrDASock::IrPortEntry(5)[1], QStringLiteral("COM5"));
        QCOMPARE(CIrDASock::SearchIrPort(tree, kNt5, QStringLiteral("KORVANE X")), -1);
        QCOMPARE(CIrDASock::SearchIrPort(tree, kNt5, QString()), -1);

        // Entries stay until a later walk overwrites them.
        QCOMPARE(CIrDASock::SearchIrPort(MemoryRegistryTree(), kNt5, QStringLiteral("KORVANE K800")), 6);

        // The Windows 95 family: the first infrared port in number order wins.
        CIrDASock::ResetIrPortTable();
        MemoryRegistryTree win98;
        AddPort(win98, QStringLiteral("ENUM"), QStringLiteral("A"), QStringLiteral("COM9"),
                QStringLiteral("Infrared"), QStringLiteral("Infrared port"));
        AddPort(win98, QStringLiteral("ENUM"), QStringLiteral("B"), QStringLiteral("COM8"),
                QStringLiteral("IR"), QStringLiteral("IRENUM\\B"));
        QCOMPARE(CIrDASock::SearchIrPort(win98, kWin98, QStringLiteral("KORVANE K800")), 8);
    }

    void nt4NeverFindsAnInfraredPort()
    {
        // NT 4 lists ports by name only: no entry is ever of the infrared kind.
        MemoryRegistryTree tree;
        tree.SetValue(Quarrin::kSerialCommKey, QStringLiteral("\\Device\\Serial0"), QStringLiteral("COM40"));
        QCOMPARE(CIrDASock::SearchIrPort(tree, kNt4, QStringLiteral("KORVANE")), -1);
        QCOMPARE(CIrDASock::IrPortEntry(40)[1], QStringLiteral("COM40"));
        QCOMPARE(CIrDASock::IrPortEntry(40)[2], QStringLiteral("COM40"));
        QCOMPARE(CIrDASock::IrPortEntry(40)[0], QString());
    }

    void machineIrcommPortIsFoundByTheDiscoveredName()
    {
        FakeDiscovery discovery;
        CIrDASock::SetDiscovery(&discovery);
        discovery.devices = {"KORVANE Z1"};
        CIrDASock sock;
        QVERIFY(sock.IrDAOpen());
        QCOMPARE(Quarrin::LastIrdaDeviceName(), QStringLiteral("KORVANE Z1"));
        // An ircomm port in the machine registry names the device in range.
        MemoryRegistryTree tree;
        AddPort(tree, Quarrin::kEnumKey, QStringLiteral("KORVANE_Z1&ircomm0"), QStringLiteral("COM11"),
                QStringLiteral("IR"), QStringLiteral("IRENUM\\IRCOMM"));
        QCOMPARE(CIrDASock::SearchIrPort(tree, kNt5, sock.GetIrDAName()), 11);
    }

    void commandOverTheSocket()
    {
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair), 0);
        CIrDASock sock;
        sock.AdoptSocket(pair[0]);
        auto phoneReads = [&] {
            char buffer[64] = {};
            const ssize_t n = ::recv(pair[1], buffer, sizeof buffer - 1, MSG_DONTWAIT);
            return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
        };

        // The first reset is answered at once, without the phone.
        QCOMPARE(sock.Command(QStringLiteral("ATZ\r")), QStringLiteral("OK\r\n"));
        QCOMPARE(phoneReads(), QByteArray("ATZ\r"));

        // The second one waits for the phone's OK, which may come in pieces.
        ::send(pair[1], "ATZ\r\r\nO", 7, 0);
        ::send(pair[1], "K\r\n", 3, 0);
        QCOMPARE(sock.Command(QStringLiteral("ATZ\r")), QStringLiteral("ATZ\r\r\nOK\r\n"));
        QString data;
        QCOMPARE(sock.GetData(data), 10);

        // No OK within the time-out.
        CIrDASock::SetReceiveTimeoutMs(300);
        QElapsedTimer timer;
        timer.start();
        ::send(pair[1], "ERROR\r\n", 7, 0);
        QCOMPARE(sock.Command(QStringLiteral("AT+CGMI\r")), QString());
        QVERIFY(timer.elapsed() >= 290);
        sock.GetData(data);
        QCOMPARE(data, QStringLiteral("TIMEOUT"));

        // The phone hangs up after taking the command: the receive ends with an
        // empty buffer instead of waiting out its time-out. (Closed outright, the
        // send would fail first and the receive would never be reached.)
        ::shutdown(pair[1], SHUT_WR);
        CIrDASock::SetReceiveTimeoutMs(10000);
        timer.restart();
        QCOMPARE(sock.Command(QStringLiteral("AT\r")), QString());
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(sock.GetData(data), 0);
        QVERIFY(phoneReads().endsWith("AT\r"));
        ::close(pair[1]);

        // Closing clears the first-reset flag; without a socket nothing is sent.
        sock.IrDAClose();
        QCOMPARE(sock.Command(QStringLiteral("ATZ\r")), QString());
    }

    void copiesOwnTheirSocket()
    {
        FakeDiscovery discovery;
        CIrDASock::SetDiscovery(&discovery);
        discovery.devices = {"KORVANE"};
        CIrDASock a;
        QVERIFY(a.IrDAOpen());
        CIrDASock b(a);
        QVERIFY(b.GetIrDASock() != 0);
        QVERIFY(b.GetIrDASock() != a.GetIrDASock());
        QCOMPARE(b.GetIrDAName(), a.GetIrDAName());
        a.IrDAClose();
        CIrDASock c;
        c = b;
        QVERIFY(c.GetIrDASock() != b.GetIrDASock());
    }
};

QTEST_GUILESS_MAIN(TestIrDASock)
#include "tst_irdasock.moc"
