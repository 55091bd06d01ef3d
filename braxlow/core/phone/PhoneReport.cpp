// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/PhoneReport.h"

#include "core/dialup/PppdCommand.h"
#include "core/entries/DataStore.h"

#include "core/entries/NetworkCode.h"
#include "core/phone/AtSession.h"
#include "core/phone/PortConflict.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"

#include <QJsonValue>
#include <QStringList>

#include <algorithm>

namespace {

const char* SimKey(PhoneStatus::Sim sim)
{
    switch (sim) {
    case PhoneStatus::Sim::Ready: return "ready";
    case PhoneStatus::Sim::Pin: return "pin";
    case PhoneStatus::Sim::Puk: return "puk";
    case PhoneStatus::Sim::Absent: return "absent";
    case PhoneStatus::Sim::OtherLock: return "locked";
    case PhoneStatus::Sim::Unknown: break;
    }
    return "unknown";
}

// In the order of the 27.007 states 0 to 5.
const char* const kRegistrationKeys[] = {"not registered", "home", "searching", "denied", "unknown", "roaming"};

QString RegistrationKey(int state)
{
    return QLatin1String(state >= 0 && state <= 5 ? kRegistrationKeys[state] : "unknown");
}

// One of the '|'-separated choices of a language string; empty when the
// table has fewer.
QString Choice(const QTranslator* language, int id, int index)
{
    return LoadLanguageString(language, id).split(QLatin1Char('|')).value(index);
}

} // namespace

PhoneReport::PhoneReport(const QString& port, const QString& device) : port_(port), device_(device)
{
}

PhoneReport PhoneReport::Probe(AtSession& session, int port, const ProviderLookup& lookup,
                               const QString& uucpLockDirectory)
{
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    const QString device = map.DeviceForPort(port);
    PhoneReport report(PortMap::ComName(port), device);
    if (const std::optional<MappedPort> mapped = map.Port(port); mapped && !mapped->info.usbId.isEmpty())
        report.SetUsbDevice(mapped->info.usbId, mapped->info.vendor, mapped->info.model);
    if (device.isEmpty() || !session.OpenPort(port, true)) {
        const std::optional<PortConflict::Holder> holder =
            device.isEmpty() ? std::nullopt
                             : PortConflict::PortHolder(device, QStringLiteral("/proc"), uucpLockDirectory);
        report.SetPortUnavailable(holder ? holder->name : QString(), holder ? holder->pid : 0);
        return report;
    }
    // Ask gives up at the first silence, so a dead port costs one time-out.
    const PhoneStatus::Facts facts = PhoneStatus::Ask(
        [&session](const QString& line) { return session.SendAtCommand(line); },
        PhoneStatus::Questions::Everything);
    // Root opens a port another program holds; a silent phone then is that
    // program's doing. (A pseudo-terminal's other end is the phone itself.)
    if (!facts.answered && !PppdCommand::IsPseudoTerminal(device)) {
        const std::optional<PortConflict::Holder> holder =
            PortConflict::PortHolder(device, QStringLiteral("/proc"), uucpLockDirectory);
        if (holder) {
            session.ClosePhoneLink();
            report.SetPortUnavailable(holder->name, holder->pid);
            return report;
        }
    }
    session.ClosePhoneLink();
    report.SetFacts(facts, lookup);
    return report;
}

void PhoneReport::SetFacts(const PhoneStatus::Facts& facts, const ProviderLookup& lookup)
{
    facts_ = facts;
    const QPair<QString, QString> codes = NetworkCode::MccMnc(facts.imsi);
    mcc_ = codes.first;
    mnc_ = codes.second;
    country_.clear();
    provider_.clear();
    if (lookup && !facts.imsi.isEmpty()) {
        const QPair<QString, QString> names = lookup(facts.imsi);
        country_ = names.first;
        provider_ = names.second;
    }
}

void PhoneReport::SetUsbDevice(const QString& id, const QString& maker, const QString& model)
{
    usbId_ = id;
    usbMaker_ = maker;
    usbModel_ = model;
}

void PhoneReport::SetPortUnavailable(const QString& holderName, qint64 holderPid)
{
    portUnavailable_ = true;
    holderName_ = holderName;
    holderPid_ = holderPid;
}

PhoneReport::Outcome PhoneReport::Result() const
{
    if (portUnavailable_)
        return Outcome::PortUnavailable;
    if (!facts_.answered)
        return Outcome::NoAnswer;
    // Ready only on the phone's word: a state it did not tell is no success.
    if (PhoneStatus::Diagnose(facts_, QString()) != 0 || !PhoneStatus::Registered(facts_))
        return Outcome::Problem;
    return Outcome::Ready;
}

int PhoneReport::ResultTextId() const
{
    switch (Result()) {
    case Outcome::Ready:
        return Str::PhoneReady;
    case Outcome::PortUnavailable:
        return holderPid_ != 0 ? Str::PortHeldBy : Str::StatusPortNotOpened;
    case Outcome::NoAnswer:
        return Str::PhoneSilent;
    case Outcome::Problem:
        break;
    }
    const int diagnosis = PhoneStatus::Diagnose(facts_, QString());
    return diagnosis != 0 ? diagnosis : Str::RegistrationUnknown;
}

QString PhoneReport::ResultText(const QTranslator* language) const
{
    const int id = ResultTextId();
    QString text = LoadLanguageString(language, id);
    if (id == Str::PortHeldBy)
        text = text.arg(port_, device_, holderName_, QString::number(holderPid_));
    return text;
}

QList<QPair<QString, QString>> PhoneReport::Rows(const QTranslator* language) const
{
    auto label = [language](int id) { return LoadLanguageString(language, id); };
    // Unknown only where the phone was asked; nothing where it never was.
    const bool asked = facts_.answered;
    QString registration[2];
    const int states[2] = {facts_.circuitRegistration, facts_.packetRegistration};
    for (int i = 0; i < 2; ++i)
        if (asked)
            registration[i] = Choice(language, Str::ReportRegistrationStates,
                                     states[i] >= 0 && states[i] <= 5 ? states[i] : 4);
    QString signal;
    if (facts_.rssi >= 0 && facts_.rssi <= 31)
        signal = label(Str::ReportSignalValue).arg(PhoneStatus::SignalDbm(facts_.rssi)).arg(PhoneStatus::SignalBars(facts_.rssi));
    else if (facts_.rssi == 99)
        signal = label(Str::ReportSignalValue).arg(QStringLiteral("-")).arg(0);
    const QString sim = asked ? Choice(language, Str::ReportSimStates, int(facts_.sim)) : QString();
    const QString attach = facts_.attached == 0 || facts_.attached == 1
                               ? Choice(language, Str::ReportAttachStates, facts_.attached)
                               : QString();
    const QString codes = mcc_.isEmpty() ? QString() : mcc_ + QLatin1Char('/') + mnc_;
    QList<QPair<QString, QString>> rows = {{label(Str::AddModemNumberLabel), port_},
                                           {label(Str::AddModemDeviceLabel), device_}};
    if (!usbId_.isEmpty())
        rows.append({label(Str::ReportUsbDevice),
                     QStringList({usbId_, usbMaker_, usbModel_}).join(QLatin1Char(' ')).simplified()});
    const QList<QPair<QString, QString>> told = {
            {label(Str::ReportMaker), facts_.maker},
            {label(Str::ReportModel), facts_.model},
            {label(Str::ReportFirmware), facts_.firmware},
            {label(Str::ReportNetworkCode), codes},
            {label(Str::CountryLabel), country_},
            {label(Str::ProviderLabel), provider_},
            {label(Str::ReportSim), sim},
            {label(Str::ReportCircuit), registration[0]},
            {label(Str::ReportPacket), registration[1]},
            {label(Str::ReportOperator), facts_.operatorName},
            {label(Str::ReportSignal), signal},
            {label(Str::ReportAttach), attach}};
    // What the phone did not tell is left out, not shown as an empty line.
    for (const auto& row : told)
        if (!row.second.isEmpty())
            rows.append(row);
    rows.append({label(Str::ReportResult), ResultText(language)});
    return rows;
}

QString PhoneReport::Text(const QTranslator* language) const
{
    const QList<QPair<QString, QString>> rows = Rows(language);
    int width = 0;
    for (const auto& row : rows)
        width = std::max(width, int(row.first.size()));
    QString text;
    for (const auto& row : rows)
        text += row.first.leftJustified(width + 1) + row.second + QLatin1Char('\n');
    return text;
}

QJsonObject PhoneReport::Json(const QTranslator* language) const
{
    const bool signal = facts_.rssi >= 0 && facts_.rssi <= 31;
    static const char* const outcomes[] = {"ready", "problem", "", "port unavailable", "no answer"};
    QJsonObject heldBy;
    if (holderPid_ != 0)
        heldBy = {{QStringLiteral("name"), holderName_}, {QStringLiteral("pid"), holderPid_}};
    const QJsonObject usb = {{QStringLiteral("id"), usbId_},
                             {QStringLiteral("maker"), usbMaker_},
                             {QStringLiteral("model"), usbModel_}};
    return {
        {QStringLiteral("port"), port_},
        {QStringLiteral("device"), device_},
        {QStringLiteral("usb"), usbId_.isEmpty() ? QJsonValue() : QJsonValue(usb)},
        {QStringLiteral("maker"), facts_.maker},
        {QStringLiteral("model"), facts_.model},
        {QStringLiteral("firmware"), facts_.firmware},
        {QStringLiteral("mcc"), mcc_},
        {QStringLiteral("mnc"), mnc_},
        {QStringLiteral("country"), country_},
        {QStringLiteral("provider"), provider_},
        {QStringLiteral("sim"), QLatin1String(SimKey(facts_.sim))},
        {QStringLiteral("pinAttempts"), facts_.pinAttempts >= 0 ? QJsonValue(facts_.pinAttempts) : QJsonValue()},
        {QStringLiteral("circuitRegistration"), RegistrationKey(facts_.circuitRegistration)},
        {QStringLiteral("packetRegistration"), RegistrationKey(facts_.packetRegistration)},
        {QStringLiteral("operator"), facts_.operatorName},
        {QStringLiteral("signalDbm"), signal ? QJsonValue(PhoneStatus::SignalDbm(facts_.rssi)) : QJsonValue()},
        {QStringLiteral("signalBars"), signal || facts_.rssi == 99 ? QJsonValue(PhoneStatus::SignalBars(facts_.rssi)) : QJsonValue()},
        {QStringLiteral("attached"), facts_.attached == 0 || facts_.attached == 1 ? QJsonValue(facts_.attached == 1) : QJsonValue()},
        {QStringLiteral("heldBy"), holderPid_ != 0 ? QJsonValue(heldBy) : QJsonValue()},
        {QStringLiteral("result"), QLatin1String(outcomes[int(Result())])},
        {QStringLiteral("diagnosis"), ResultText(language)},
    };
}

int PhoneReport::ExitCode(const QList<Outcome>& outcomes)
{
    if (outcomes.isEmpty())
        return int(Outcome::NoAnswer);
    int code = 0;
    for (Outcome o : outcomes)
        if (o != Outcome::Ready && (code == 0 || int(o) < code))
            code = int(o);
    return code;
}

PhoneReport::ProviderLookup PhoneReport::PresetNames(DataStore& data)
{
    return [&data](const QString& imsi) {
        const QList<DataStore::NetworkProvider> found = data.FindProvidersByImsi(imsi);
        if (found.isEmpty())
            return QPair<QString, QString>();
        QStringList providers;
        // One name per provider, without the plans its presets are split into.
        for (const DataStore::NetworkProvider& p : found) {
            const QString name = p.provider.section(QStringLiteral(" ("), 0, 0);
            if (p.country == found.first().country && !providers.contains(name))
                providers << name;
        }
        if (providers.size() > 3)
            providers = providers.mid(0, 3) << QStringLiteral("...");
        return qMakePair(found.first().country, providers.join(QStringLiteral(", ")));
    };
}
