// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/ModemRegistry.h"
#include "core/phone/SetupModel.h"
#include "support/SetupFixture.h"

#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

QStringList Describe(const QList<SetupRow>& rows)
{
    QStringList out;
    for (const SetupRow& r : rows)
        out << QStringLiteral("%1|%2|%3|%4")
                   .arg(r.modemName, r.port, QFileInfo(r.device).fileName())
                   .arg(SetupModel::RoleText(r.role));
    return out;
}

} // namespace

class TestSetupModel : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void rowsAreModemsOnPresentPortsWithTheirNodes()
    {
        SetupMachine m;
        SetupModel model(m.Settings(), m.Ports());
        QCOMPARE(Describe(model.Rows()),
                 (QStringList{"Nokia 6230|COM1|phone1|0", "Siemens S55|COM2|phone2|0",
                              "E220 HSDPA Modem|COM3|ttyUSB0|3020", "E220 HSDPA Modem|COM4|ttyUSB1|3024",
                              "E220 HSDPA Modem|COM5|ttyUSB2|3022", "Korvane GPRS MODEM|COM7|ttyACM0|0",
                              "Korvane GPRS MODEM|COM10|phone10|0"}));

        // Unplugged: the row goes; its number stays reserved.
        m.sys.Remove(QStringLiteral("ttyACM0"));
        QVERIFY(!Describe(model.Rows()).join(' ').contains(QLatin1String("COM7")));

        // The join keeps the modem table's order, stops at its end marker and
        // repeats a port the serial list names twice.
        const QList<ModemPort> modems{{"COM4", "B"}, {"COM2", "A"}, {"", "end"}, {"COM3", "C"}};
        QCOMPARE(Describe(SetupModel::JoinRows(modems, {"COM2", "COM3", "COM4", "COM2", "com4"})),
                 (QStringList{"B|COM4||0", "A|COM2||0", "A|COM2||0"}));
    }

    void storedPortChoosesTheOpeningRow()
    {
        const QList<SetupRow> rows{{"A", "COM1", {}, {}}, {"B", "COM13", {}, {}},
                                   {"C", "COM3", {}, {}}, {SetupModel::kInfraredRow, "COM4", {}, {}}};
        QCOMPARE(SetupModel::StoredRow(rows, 3, 0), 2); // not COM13
        QCOMPARE(SetupModel::StoredRow(rows, 9, 0), 0);
        QCOMPARE(SetupModel::StoredRow(rows, 3, 4), 3); // an infrared port wins
        QCOMPARE(SetupModel::StoredRow(rows.mid(0, 3), 0, 4), 0);
        QCOMPARE(SetupModel::StoredRow({}, 3, 0), 0);
    }

    void okStoresThePortAndPointsTheEntry()
    {
        SetupMachine m;
        SetupModel model(m.Settings(), m.Ports());
        m.Settings().SaveIrPort(4);
        const SetupModel::Choice cable =
            model.Accept({"Korvane GPRS MODEM", "COM10", {}, {}}, m.irda, *m.dialer);
        QCOMPARE(cable.port, 10);
        QCOMPARE(m.Settings().LoadPort(), 10);
        QCOMPARE(m.Settings().LoadIrPort(), 0);
        QCOMPARE(m.EntryDevice(), QStringLiteral("Korvane GPRS MODEM"));

        // No infrared stack here: -1 is stored and the entry names no modem.
        model.Accept({SetupModel::kInfraredRow, "COM4", {}, {}}, m.irda, *m.dialer);
        QCOMPARE(m.Settings().LoadPort(), 0);
        QCOMPARE(m.Settings().LoadIrPort(), -1);
        QCOMPARE(m.EntryDevice(), QStringLiteral("NOMODEM"));
    }

    void plainCableIsMarkedAsThePhone()
    {
        SetupMachine m;
        SetupModel model(m.Settings(), m.Ports());
        QCOMPARE(model.PlainPorts().size(), 1);
        QCOMPARE(model.PlainPorts().first().number, 6);
        QVERIFY(!Describe(model.Rows()).join(QLatin1Char(' ')).contains(QLatin1String("COM6")));

        // Named through its by-id link; the number asked for does not matter.
        QString problem;
        const QString link = m.sys.Roots().dev + QStringLiteral("/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
        QCOMPARE(model.AddModem(40, link, problem), 6);
        QVERIFY(problem.isEmpty());
        QVERIFY(model.PlainPorts().isEmpty());
        QVERIFY(Describe(model.Rows()).contains(QStringLiteral("Korvane GPRS MODEM|COM6|ttyUSB3|0")));

        // The mark is kept with the device for the next run, even when the
        // cable comes back under another node.
        m.app.reset();
        m.sys.Remove(QStringLiteral("ttyUSB3"));
        FakeSysfs::Usb cable;
        cable.vendorId = QStringLiteral("0403");
        cable.productId = QStringLiteral("6001");
        cable.usbPath = QStringLiteral("1-3");
        cable.byId = QStringLiteral("usb-FTDI_FT232R_USB_UART_A1-if00-port0");
        m.sys.AddUsb(QStringLiteral("ttyUSB7"), cable);
        BraxlowApp::Options options;
        options.programFilePath = TestSupport::ProgramDirectory() + QStringLiteral("/braxlow");
        options.settingsRoot = m.dir.filePath(QStringLiteral("config"));
        options.scanRoots = m.sys.Roots();
        BraxlowApp again(options, m.prompter);
        QCOMPARE(ModemRegistry().FindModemForPort(QStringLiteral("COM6")), QStringLiteral("Korvane GPRS MODEM"));
        QCOMPARE(again.SerialPorts().DeviceForPort(6), m.sys.Roots().dev + QStringLiteral("/ttyUSB7"));
    }

    void addingAModemRefusesWhatCannotBeOne()
    {
        SetupMachine m;
        SetupModel model(m.Settings(), m.Ports());
        const auto refused = [&](int number, const QString& device, const char* expected) {
            QString problem;
            const int added = model.AddModem(number, device, problem);
            return added == -1 && problem.contains(QLatin1String(expected))
                       ? true
                       : (qWarning() << device << problem, false);
        };
        QVERIFY(refused(9, "  ", "Choose or type"));
        QVERIFY(refused(9, "dev/rfcomm0", "full path"));
        QVERIFY(refused(9, "/dev/pts/1;x", "full path"));
        QVERIFY(refused(9, "/dev/rfcomm99", "does not exist"));
        QVERIFY(refused(9, "/dev/null", "cannot be used for a phone"));
        QVERIFY(refused(9, "/etc/passwd", "cannot be used for a phone"));
        QVERIFY(refused(9, m.sys.Roots().dev + "/ttyACM0", "already listed as a modem on COM7"));
        QVERIFY(refused(9, m.dir.filePath("phone1"), "already listed as a modem on COM1"));

        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString pty = QString::fromLocal8Bit(::ptsname(master));
        QVERIFY(refused(3, pty, "COM3 is already used by"));
        QVERIFY(refused(0, pty, "from 1 to 255"));
        m.sys.Remove(QStringLiteral("ttyACM0"));
        QVERIFY(refused(7, pty, "COM7 is kept for a device"));

        QCOMPARE(model.FreeNumber(), 8);
        QString problem;
        QCOMPARE(model.AddModem(8, pty, problem), 8);
        QVERIFY(Describe(model.Rows()).contains(
            QStringLiteral("Korvane GPRS MODEM|COM8|%1|0").arg(QFileInfo(pty).fileName())));
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(TestSetupModel)
#include "tst_setupmodel.moc"
