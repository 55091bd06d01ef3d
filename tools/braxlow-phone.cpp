// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-phone: asks the phone on a port what it is and whether it is ready
// for a connection, opening the port as Braxlow does.
//
//   braxlow-phone                   every modem port
//   braxlow-phone --port COM7       one port (or a device path the port map knows)
//   braxlow-phone --json            one JSON array of the ports
//   braxlow-phone --session         also run Braxlow's AT session, with a transcript
#include "ToolPrompter.h"
#include "core/dialup/CRasDialer.h"
#include "core/dialup/ModemRegistry.h"
#include "core/phone/AtSession.h"
#include "core/phone/PhoneReport.h"
#include "core/settings/LanguageLoader.h"
#include "core/shell/BraxlowApp.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>
#include <QTime>
#include <QTranslator>

#include <unistd.h>

namespace {

const char kUsage[] =
    "usage: braxlow-phone [--port COMn|DEVICE] [--json] [--session]\n"
    "\n"
    "Opens the phone's port as Braxlow does (lock files honoured) and shows the\n"
    "phone's maker, model, firmware, network code (MCC/MNC), SIM state,\n"
    "registration, operator, signal, packet data attach and what is wrong.\n"
    "Without --port, every modem port is tested.\n"
    "\n"
    "  --port COMn|DEVICE  the port, by COM number or by a device the port map knows\n"
    "  --json              one JSON array with an object per port, every field present\n"
    "  --session           also run Braxlow's AT session on the port: its messages go\n"
    "                      to standard error, a timed transcript to standard output\n"
    "                      (to standard error with --json)\n"
    "                      (a SIM PIN shows as ****, the SIM's identity only\n"
    "                      with its network's five digits)\n"
    "\n"
    "Exit codes (with several ports, the lowest non-zero one of any port):\n"
    "  0  every phone tested is ready for a connection\n"
    "  1  a phone answered but has a problem (SIM locked, not registered,\n"
    "     no signal, not attached to packet data)\n"
    "  2  usage error\n"
    "  3  a port could not be opened (in use by another program, or missing)\n"
    "  4  no phone answered, or no modem port was found\n";

// The port number for "COMn" or for a device the map knows; -1 for neither.
int PortNumberOf(const QString& name, const PortMap& map)
{
    const int number = PortMap::ComNumber(name);
    if (number > 0)
        return number;
    const QString wanted = QFileInfo(name).canonicalFilePath();
    for (const MappedPort& p : map.Entries())
        if (p.device == name || (!wanted.isEmpty() && QFileInfo(p.device).canonicalFilePath() == wanted))
            return p.number;
    return -1;
}

void PrintTranscript(QTextStream& out, AtSession::Direction direction, const QString& text)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    if (direction == AtSession::Direction::Sent) {
        out << time << " > " << QString(text).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')) << '\n';
    } else {
        const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
        if (lines.isEmpty())
            out << time << " < (no answer)\n";
        // The phone's text, shown without its control characters.
        for (const QString& line : lines) {
            QString shown;
            for (QChar c : line)
                shown += c.isPrint() ? c : QChar(u'?');
            out << time << " < " << shown << '\n';
        }
    }
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out << kUsage;
        return 0;
    }
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    const bool session = args.removeAll(QStringLiteral("--session")) > 0;
    QString portName;
    if (args.size() == 2 && args.at(0) == QLatin1String("--port")) {
        portName = args.at(1);
        args.clear();
    }
    if (!args.isEmpty()) {
        err << kUsage;
        return 2;
    }

    ToolPrompter prompter;
    BraxlowApp::Options options;
    options.programFilePath = QCoreApplication::applicationDirPath() + QStringLiteral("/braxlow");
    BraxlowApp app(options, prompter);
    AppSettings& settings = app.Settings();
    settings.LoadAll();
    // The tool speaks English whatever the user chose for the windows.
    settings.SetLanguageModule(LanguageLoader::LoadModule(settings.DataDirectory() + QStringLiteral("Lang/LANG0409.qm")));
    PortMap& map = app.SerialPorts();
    map.Refresh();

    QList<int> ports;
    if (!portName.isEmpty()) {
        const int number = PortNumberOf(portName, map);
        if (number < 0) {
            err << "Not a port Braxlow knows: " << portName
                << " (use COM1 to COM255, or map the device with braxlow-ports add)\n";
            return 2;
        }
        ports << number;
    } else {
        ModemRegistry registry;
        for (const ModemPort& m : registry.ListModems()) {
            const int number = PortMap::ComNumber(m.port);
            if (number > 0 && !ports.contains(number))
                ports << number;
        }
        if (ports.isEmpty()) {
            err << "No modem port found.\n";
            return 4;
        }
    }

    CComm link;
    CIrDASock irda;
    CRasDialer dialer(settings.UserDirectory() + QStringLiteral("braxlow.pbk"), &settings);
    AtSession at(settings, link, irda, dialer, prompter);
    // Standard output stays one JSON document when that is asked for.
    QTextStream& log = json ? err : out;
    if (session)
        at.SetTranscript([&log](AtSession::Direction d, const QString& text) { PrintTranscript(log, d, text); });
    QObject::connect(&at, &AtSession::statusTextChanged, [&err](const QString& text) {
        err << text << '\n';
        err.flush();
    });

    const PhoneReport::ProviderLookup names = PhoneReport::PresetNames(app.Data());
    QJsonArray reports;
    QList<PhoneReport::Outcome> outcomes;
    // Someone at a terminal sees that work is going on: a silent phone takes
    // seconds to give up on.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    for (int port : ports) {
        if (terminal) {
            err << "Asking the phone on " << PortMap::ComName(port) << "...\n";
            err.flush();
        }
        const PhoneReport report = PhoneReport::Probe(at, port, names);
        PhoneReport::Outcome outcome = report.Result();
        if (session && outcome != PhoneReport::Outcome::PortUnavailable) {
            at.UsePort(port);
            at.PrepareConnection();
            const int result = at.RunAtSession();
            log << "AT session: " << (result == -1 ? "all commands accepted" : result == 1 ? "the port could not be opened" : "the phone refused")
                << '\n';
            if (result != -1 && outcome == PhoneReport::Outcome::Ready)
                outcome = result == 1 ? PhoneReport::Outcome::PortUnavailable : PhoneReport::Outcome::Problem;
        }
        outcomes << outcome;
        if (json)
            reports.append(report.Json(settings.LanguageModule()));
        else
            out << report.Text(settings.LanguageModule()) << (port == ports.last() ? "" : "\n");
        out.flush();
    }
    if (json)
        out << QJsonDocument(reports).toJson(QJsonDocument::Indented);
    return PhoneReport::ExitCode(outcomes);
}
