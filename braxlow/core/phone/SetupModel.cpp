// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/SetupModel.h"

#include "core/dialup/CRasDialer.h"
#include "core/dialup/ModemRegistry.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"

#include <QFileInfo>

const QString SetupModel::kInfraredRow = QStringLiteral(" IrDA");
const QString SetupModel::kEntryName = QStringLiteral("Braxlow");

namespace {

// A by-id link and the node it points at are the same port.
QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

SetupModel::SetupModel(AppSettings& settings, PortMap& ports) : settings_(settings), ports_(ports) {}

QString SetupModel::Text(int id) const
{
    return LoadLanguageString(settings_.LanguageModule(), id);
}

QList<SetupRow> SetupModel::JoinRows(const QList<ModemPort>& modems, const QStringList& serialPorts)
{
    QList<SetupRow> rows;
    for (const ModemPort& m : modems) {
        if (m.port.isEmpty())
            break;
        for (const QString& port : serialPorts)
            if (port == m.port)
                rows.append(SetupRow{m.name, port, QString(), SerialDevice::PortRole::Unknown});
    }
    return rows;
}

QString SetupModel::DisplayName(const SetupRow& row) const
{
    const std::optional<MappedPort> p = ports_.Port(PortMap::ComNumber(row.port));
    const QString maker = p && p->present ? p->info.vendor : QString();
    if (maker.isEmpty() || row.modemName.contains(maker, Qt::CaseInsensitive))
        return row.modemName;
    return maker + QLatin1Char(' ') + row.modemName;
}

QList<SetupRow> SetupModel::Rows() const
{
    ModemRegistry registry;
    const QList<ModemPort> modems = registry.ListModems();
    QList<SetupRow> rows = JoinRows(modems, registry.ListSerialPorts(255));
    for (SetupRow& row : rows) {
        const std::optional<MappedPort> p = ports_.Port(PortMap::ComNumber(row.port));
        if (p && p->present) {
            row.device = p->device;
            row.role = p->info.role;
        }
    }
    return rows;
}

int SetupModel::StoredRow(const QList<SetupRow>& rows, int port, int irPort)
{
    for (int i = 0; i < rows.size(); ++i) {
        if (irPort == 0 ? rows.at(i).port == QStringLiteral("COM%1").arg(port)
                        : rows.at(i).modemName == kInfraredRow)
            return i;
    }
    return 0;
}

SetupModel::ClickResult SetupModel::Clicked(Click click, int hitRow, int current)
{
    if (click == Click::LeftDouble)
        return hitRow >= 0 ? ClickResult{hitRow, true} : ClickResult{current, false};
    return ClickResult{hitRow >= 0 ? hitRow : current, false};
}

SetupModel::Choice SetupModel::Accept(const SetupRow& row, CIrDASock& irda, CRasDialer& dialer)
{
    Choice choice;
    if (row.modemName == kInfraredRow) {
        // Not found: -1 is stored, and the next connect searches again.
        choice.irPort = irda.IrPortSearch();
        choice.port = 0;
        choice.modemName = ModemRegistry().FindModemForPort(QStringLiteral("COM%1").arg(choice.irPort));
    } else {
        choice.port = row.port.mid(3).toInt();
        choice.irPort = 0;
        choice.modemName = row.modemName;
    }
    // A missing entry is made at the next connect; the ports are stored anyway.
    dialer.SetEntryDevice(kEntryName, choice.modemName, QStringLiteral("modem"), QString());
    settings_.SavePort(choice.port);
    settings_.SaveIrPort(choice.irPort);
    return choice;
}

QList<PlainPort> SetupModel::PlainPorts() const
{
    QList<PlainPort> plain;
    for (const MappedPort& p : ports_.Ports())
        if (!p.explicitEntry && !p.info.isModem)
            plain.append(PlainPort{p.number, p.device, p.info.model, p.info.role});
    return plain;
}

int SetupModel::FreeNumber() const
{
    for (int n = 3; n <= PortMap::kMaxPort; ++n)
        if (!ports_.Port(n))
            return n;
    for (int n = 1; n < 3; ++n)
        if (!ports_.Port(n))
            return n;
    return -1;
}

int SetupModel::AddModem(int number, const QString& deviceText, QString& problem)
{
    problem.clear();
    const QString device = deviceText.trimmed();
    if (device.isEmpty()) {
        problem = Text(Str::AddModemNoDevice);
        return -1;
    }
    // The text is not echoed: it may hold the very characters refused.
    if (!PortMap::ExplicitEntryProblem(device, kMakerModemName).isEmpty()) {
        problem = Text(Str::AddModemBadPath);
        return -1;
    }
    ports_.Refresh();
    const QString canonical = Canonical(device);
    for (const MappedPort& p : ports_.Entries()) {
        if (!(p.present || p.explicitEntry) || Canonical(p.device) != canonical)
            continue;
        if (p.explicitEntry || p.info.isModem) {
            problem = Text(Str::AddModemAlreadyListed).arg(device).arg(p.number);
            return -1;
        }
        // A port the scan found keeps its number, so nothing else that uses it
        // changes; it is only named as the phone from now on.
        if (!ports_.MarkModem(p.number, kMakerModemName)) {
            problem = Text(Str::AddModemBadPath);
            return -1;
        }
        return p.number;
    }
    if (number < 1 || number > PortMap::kMaxPort) {
        problem = Text(Str::AddModemBadNumber);
        return -1;
    }
    if (const std::optional<MappedPort> taken = ports_.Port(number)) {
        // An unplugged device keeps its number, as it will when it comes back.
        problem = taken->device.isEmpty() ? Text(Str::AddModemNumberKept).arg(number)
                                          : Text(Str::AddModemNumberTaken).arg(number).arg(taken->device);
        return -1;
    }
    const QString terminal = PortMap::TerminalProblem(device);
    if (!terminal.isEmpty()) {
        problem = QFileInfo::exists(device) ? Text(Str::AddModemNotTerminal).arg(device, terminal)
                                            : Text(Str::AddModemMissing).arg(device);
        return -1;
    }
    if (!ports_.AddExplicit(number, device, kMakerModemName)) {
        problem = Text(Str::AddModemBadPath);
        return -1;
    }
    return number;
}

int SetupModel::RoleText(SerialDevice::PortRole role)
{
    switch (role) {
    case SerialDevice::PortRole::AtPrimary:
        return Str::PortRoleAtPrimary;
    case SerialDevice::PortRole::AtSecondary:
        return Str::PortRoleAtSecondary;
    case SerialDevice::PortRole::Data:
        return Str::PortRoleData;
    case SerialDevice::PortRole::Gps:
        return Str::PortRoleGps;
    case SerialDevice::PortRole::Diagnostics:
        return Str::PortRoleDiagnostics;
    case SerialDevice::PortRole::Ignored:
        return Str::PortRoleIgnored;
    case SerialDevice::PortRole::Unknown:
        break;
    }
    return 0;
}
