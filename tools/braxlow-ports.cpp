// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-ports: shows and edits the COM numbers Braxlow gives the serial devices.
//
//   braxlow-ports                      list ports and modems
//   braxlow-ports add [--absent] COM7 /dev/pts/5 ["Korvane GPRS MODEM"]
//   braxlow-ports remove COM7
//   braxlow-ports use COM7             Braxlow talks to the phone on COM7
#include "ToolPrompter.h"
#include "core/dialup/ModemRegistry.h"
#include "core/shell/BraxlowApp.h"
#include "phonelink/PortMap.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace {

const char kUsage[] =
    "usage: braxlow-ports [list]\n"
    "       braxlow-ports add [--absent] COMn DEVICE [MODEM-NAME]\n"
    "       braxlow-ports remove COMn\n"
    "       braxlow-ports use COMn\n"
    "\n"
    "Shows the COM numbers Braxlow gives the serial devices, and edits them.\n"
    "\n"
    "  list           the ports and the modems among them (the default)\n"
    "  add            points COMn at a terminal device (a virtual phone's pty, a\n"
    "                 Bluetooth port); --absent takes a device that appears later\n"
    "  remove         forgets COMn\n"
    "  use            makes COMn the phone's port\n";

const char* KindName(SerialDevice::Kind kind)
{
    switch (kind) {
    case SerialDevice::Kind::Uart:
        return "serial";
    case SerialDevice::Kind::UsbSerial:
        return "usb-serial";
    case SerialDevice::Kind::UsbModem:
        return "usb-modem";
    case SerialDevice::Kind::Bluetooth:
        return "bluetooth";
    case SerialDevice::Kind::Infrared:
        return "infrared";
    case SerialDevice::Kind::Explicit:
        return "added";
    }
    return "";
}

int List(PortMap& map)
{
    QTextStream out(stdout);
    map.Refresh();
    const QList<MappedPort> entries = map.Entries();
    if (entries.isEmpty())
        out << "No serial ports found.\n";
    // The columns are as wide as their longest entry: a long path (a by-id
    // link, a pty in a deep folder) moves the others rather than break them.
    int deviceWidth = 0;
    for (const MappedPort& p : entries)
        deviceWidth = std::max(deviceWidth, int(p.device.size()));
    for (const MappedPort& p : entries) {
        // A USB device says who it is: its ids and the maker udev names.
        const QString usb = p.info.usbId.isEmpty()
                                ? QString()
                                : QStringLiteral("  [USB %1%2]").arg(p.info.usbId,
                                                                     p.info.vendor.isEmpty() ? QString() : QLatin1Char(' ') + p.info.vendor);
        out << QStringLiteral("%1  %2  %3  %4%5%6\n")
                   .arg(PortMap::ComName(p.number), -6)
                   .arg(p.device.isEmpty() ? QStringLiteral("-") : p.device, -std::max(deviceWidth, 12))
                   .arg(QLatin1String(KindName(p.info.kind)), -10)
                   .arg(p.info.modemName.isEmpty() ? p.info.model : p.info.modemName)
                   .arg(usb)
                   .arg(p.present ? QString() : QStringLiteral(" (not present)"));
    }
    ModemRegistry registry;
    const QList<ModemPort> modems = registry.ListModems();
    out << "\nModems:\n";
    if (modems.isEmpty())
        out << "  none\n";
    for (const ModemPort& m : modems)
        out << "  " << m.port << "  " << m.name << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    QTextStream err(stderr);
    // Before anything reads the settings.
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        QTextStream(stdout) << kUsage;
        return 0;
    }

    ToolPrompter prompter;
    BraxlowApp::Options options;
    options.programFilePath = QCoreApplication::applicationDirPath() + QStringLiteral("/braxlow");
    BraxlowApp app(options, prompter);
    PortMap& map = app.SerialPorts();
    map.Refresh();

    if (args.isEmpty() || args.at(0) == QLatin1String("list"))
        return List(map);
    QStringList add = args;
    // A device that appears later (a Bluetooth port bound on demand) may be
    // named before it exists, when the user says so.
    const bool mayBeAbsent = add.removeAll(QStringLiteral("--absent")) > 0;
    if (!add.isEmpty() && add.at(0) == QLatin1String("add") && (add.size() == 3 || add.size() == 4)) {
        const int number = PortMap::ComNumber(add.at(1));
        if (number < 0) {
            err << "Not a port name: " << add.at(1) << " (use COM1 to COM255)\n";
            return 2;
        }
        QString problem = PortMap::ExplicitEntryProblem(add.at(2), add.value(3));
        if (problem.isEmpty())
            problem = PortMap::TerminalProblem(add.at(2), mayBeAbsent);
        if (!problem.isEmpty() || !map.AddExplicit(number, add.at(2), add.value(3))) {
            // The path is not echoed: it may hold the very characters refused.
            err << "Cannot map " << add.at(1) << ": " << problem
                << (problem.contains(QLatin1String("does not exist")) || problem.contains(QLatin1String("No such file"))
                        ? " (add --absent for a device that appears later)"
                        : "")
                << '\n';
            return 2;
        }
        return List(map);
    }
    if (args.at(0) == QLatin1String("remove") && args.size() == 2) {
        const int number = PortMap::ComNumber(args.at(1));
        if (number < 0 || !map.Remove(number)) {
            err << args.at(1) << " is not mapped\n";
            return 2;
        }
        return List(map);
    }
    if (args.at(0) == QLatin1String("use") && args.size() == 2) {
        const int number = PortMap::ComNumber(args.at(1));
        if (number < 0) {
            err << "Not a port name: " << args.at(1) << " (use COM1 to COM255)\n";
            return 2;
        }
        // What the phone setup does when the user picks a cable port.
        app.Settings().LoadAll();
        app.Settings().SavePort(number);
        if (app.Settings().Store().ReadDword(AppSettings::kConfigKey, QStringLiteral("Port")) != number) {
            err << "The settings could not be written: " << app.Settings().Store().FilePath() << '\n';
            return 2;
        }
        QTextStream(stdout) << "Braxlow uses " << PortMap::ComName(number) << " for the phone.\n";
        return 0;
    }
    err << kUsage;
    return 2;
}
