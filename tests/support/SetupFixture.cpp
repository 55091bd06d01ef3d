// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SetupFixture.h"

#include "core/settings/LanguageLoader.h"

#include <QFile>

namespace {

FakeSysfs::Usb Stick(const QString& interface)
{
    FakeSysfs::Usb usb;
    usb.vendorId = QStringLiteral("12d1");
    usb.productId = QStringLiteral("1003");
    usb.manufacturer = QStringLiteral("Huawei");
    usb.product = QStringLiteral("E220 HSDPA Modem");
    usb.interfaceNumber = interface;
    usb.usbPath = QStringLiteral("1-2");
    usb.byId = QStringLiteral("usb-Huawei_E220_0001-if%1-port0").arg(interface);
    return usb;
}

} // namespace

SetupMachine::SetupMachine()
{
    BraxlowApp::Options options;
    options.programFilePath = TestSupport::ProgramDirectory() + QStringLiteral("/braxlow");
    options.settingsRoot = dir.filePath(QStringLiteral("config"));
    options.scanRoots = sys.Roots();
    app = std::make_unique<BraxlowApp>(options, prompter);
    RecordingPrompter silent;
    LanguageLoader(app->Settings(), silent).LoadStartupLanguage();

    const QString candidate = QStringLiteral("ID_MM_CANDIDATE");
    sys.AddUsb(QStringLiteral("ttyUSB0"), Stick(QStringLiteral("00")),
               {{candidate, "1"}, {"ID_MM_PORT_TYPE_AT_PRIMARY", "1"}});
    sys.AddUsb(QStringLiteral("ttyUSB1"), Stick(QStringLiteral("01")),
               {{candidate, "1"}, {"ID_MM_PORT_TYPE_QCDM", "1"}});
    sys.AddUsb(QStringLiteral("ttyUSB2"), Stick(QStringLiteral("02")),
               {{candidate, "1"}, {"ID_MM_PORT_TYPE_AT_PPP", "1"}});
    FakeSysfs::Usb cable;
    cable.vendorId = QStringLiteral("0403");
    cable.productId = QStringLiteral("6001");
    cable.product = QStringLiteral("FT232R USB UART");
    cable.usbPath = QStringLiteral("1-3");
    cable.byId = QStringLiteral("usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    sys.AddUsb(QStringLiteral("ttyUSB3"), cable);
    PlugPhone(QStringLiteral("ttyACM0"));

    for (const auto& [number, name] : {std::pair{1, "Nokia 6230"}, {2, "Siemens S55"}, {10, "Korvane GPRS MODEM"}}) {
        const QString node = dir.filePath(QStringLiteral("phone%1").arg(number));
        QFile(node).open(QIODevice::WriteOnly);
        Ports().AddExplicit(number, node, QLatin1String(name));
    }
    Ports().Refresh();

    dialer = std::make_unique<CRasDialer>(dir.filePath(QStringLiteral("rasphone.pbk")), &Settings());
    dialer->CreateEntry(QStringLiteral("Braxlow"), QStringLiteral("modem"), QStringLiteral("none"),
                        Ras::kNetProtocolIp, Ras::kFramingPpp, QStringLiteral("*99#"), QString());
}

void SetupMachine::PlugPhone(const QString& tty)
{
    FakeSysfs::Usb phone;
    phone.vendorId = QStringLiteral("2a1b");
    phone.manufacturer = QStringLiteral("Korvane");
    phone.product = QStringLiteral("GPRS Phone");
    phone.interfaceClass = QStringLiteral("02");
    phone.serial = tty;
    phone.usbPath = QStringLiteral("1-4.") + tty.right(1);
    sys.AddUsb(tty, phone);
}

QString SetupMachine::EntryDevice()
{
    Ras::Entry e;
    dialer->GetEntry(QStringLiteral("Braxlow"), e, QString());
    return e.deviceName;
}
