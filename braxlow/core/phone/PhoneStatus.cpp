// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/PhoneStatus.h"

#include "core/phone/AtSession.h"

#include "core/settings/StringIds.h"

#include <QRegularExpression>
#include <QStringList>

namespace PhoneStatus {

namespace {

QStringList Lines(const QString& answer)
{
    QStringList lines;
    for (const QString& line : answer.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts)) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            lines << t;
    }
    return lines;
}

// A small non-negative number, -1 for anything else.
int Number(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return -1;
    for (QChar c : t)
        if (!c.isDigit() || c.unicode() > 0x7f)
            return -1;
    return t.toInt();
}

QString Printable(const QString& text, int limit)
{
    QString out;
    for (QChar c : text) {
        if (out.size() >= limit)
            break;
        if (c.isPrint() && c.category() != QChar::Other_Format)
            out += c;
    }
    return out.trimmed();
}

bool FinalResult(const QString& line)
{
    return line == QLatin1String("OK") || line == QLatin1String("ERROR") ||
           line.startsWith(QLatin1String("+CME ERROR")) || line.startsWith(QLatin1String("+CMS ERROR"));
}

} // namespace

int CmeError(const QString& answer)
{
    const qsizetype at = answer.indexOf(QLatin1String("+CME ERROR:"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return -1;
    const QString rest = answer.mid(at + 11).section(QLatin1Char('\r'), 0, 0).section(QLatin1Char('\n'), 0, 0).trimmed();
    const int code = Number(rest);
    if (code >= 0)
        return code;
    // The verbose form (+CMEE=2) of the codes that explain a failure.
    static const struct
    {
        const char* text;
        int code;
    } verbose[] = {{"phone-sim pin", 5}, {"sim not inserted", 10}, {"sim pin required", 11},
                   {"sim puk required", 12}, {"sim failure", 13}, {"sim busy", 14},
                   {"incorrect password", 16}, {"no network service", 30},
                   {"plmn not allowed", 111}, {"location area not allowed", 112},
                   {"roaming not allowed", 113}};
    for (const auto& v : verbose)
        if (rest.contains(QLatin1String(v.text), Qt::CaseInsensitive))
            return v.code;
    return 0;
}

QString InfoValue(const QString& answer, const QString& prefix)
{
    const QString marker = prefix + QLatin1Char(':');
    for (const QString& line : Lines(answer))
        if (line.startsWith(marker, Qt::CaseInsensitive))
            return line.mid(marker.size()).trimmed();
    return QString();
}

Sim ParseSim(const QString& answer)
{
    switch (CmeError(answer)) {
    case 10:
    case 13:
        return Sim::Absent;
    case 11:
        return Sim::Pin;
    case 12:
        return Sim::Puk;
    case 5:
        return Sim::OtherLock;
    default:
        break;
    }
    const QString value = InfoValue(answer, QStringLiteral("+CPIN")).remove(QLatin1Char('"')).toUpper();
    if (value == QLatin1String("READY"))
        return Sim::Ready;
    if (value == QLatin1String("SIM PIN"))
        return Sim::Pin;
    if (value == QLatin1String("SIM PUK"))
        return Sim::Puk;
    if (!value.isEmpty())
        return Sim::OtherLock; // a phone code, PIN2, a network personalisation...
    return Sim::Unknown;
}

int ParseRegistration(const QString& answer, const QString& prefix)
{
    const QStringList fields = InfoValue(answer, prefix).split(QLatin1Char(','));
    // "n,stat[,lac,ci[,act]]" as the answer to the question; an unsolicited
    // "stat[,lac,ci]" has a quoted second field or none.
    if (fields.size() >= 2 && !fields.at(1).contains(QLatin1Char('"')))
        return Number(fields.at(1)) <= 10 ? Number(fields.at(1)) : -1;
    if (fields.size() >= 1)
        return Number(fields.at(0)) <= 10 ? Number(fields.at(0)) : -1;
    return -1;
}

int ParseSignal(const QString& answer)
{
    const int rssi = Number(InfoValue(answer, QStringLiteral("+CSQ")).section(QLatin1Char(','), 0, 0));
    return (rssi >= 0 && rssi <= 31) || rssi == 99 ? rssi : -1;
}

int ParseAttach(const QString& answer)
{
    const int state = Number(InfoValue(answer, QStringLiteral("+CGATT")));
    return state == 0 || state == 1 ? state : -1;
}

int ParsePinAttempts(const QString& answer)
{
    // +CPINR: SIM PIN,<retries>,<default retries>
    const QStringList fields = InfoValue(answer, QStringLiteral("+CPINR")).split(QLatin1Char(','));
    if (fields.size() < 2 || QString(fields.at(0)).remove(QLatin1Char('"')).trimmed().compare(QLatin1String("SIM PIN"), Qt::CaseInsensitive) != 0)
        return -1;
    const int n = Number(fields.at(1));
    return n <= 99 ? n : -1;
}

QString ParseOperator(const QString& answer)
{
    // +COPS: mode[,format,"name"[,act]]
    const QString value = InfoValue(answer, QStringLiteral("+COPS"));
    const qsizetype open = value.indexOf(QLatin1Char('"'));
    const qsizetype close = value.indexOf(QLatin1Char('"'), open + 1);
    if (open < 0 || close < 0)
        return QString();
    return Printable(value.mid(open + 1, close - open - 1), 32);
}

QString ParseImsi(const QString& answer)
{
    static const QRegularExpression digits(QStringLiteral("^(?:\\+CIMI:\\s*)?([0-9]{6,15})$"));
    for (const QString& line : Lines(answer)) {
        const QRegularExpressionMatch m = digits.match(line);
        if (m.hasMatch())
            return m.captured(1);
    }
    return QString();
}

QString ParseText(const QString& answer, const QString& command)
{
    const QString echo = command.trimmed();
    const QString prefix = echo.mid(2) + QLatin1Char(':'); // "+CGMI:" where phones add it
    for (const QString& line : Lines(answer)) {
        if (line.compare(echo, Qt::CaseInsensitive) == 0 || FinalResult(line))
            continue;
        const QString text = line.startsWith(prefix, Qt::CaseInsensitive) ? line.mid(prefix.size()) : line;
        return Printable(QString(text).remove(QLatin1Char('"')), 64);
    }
    return QString();
}

int SignalDbm(int rssi)
{
    return rssi >= 0 && rssi <= 31 ? -113 + 2 * rssi : 0;
}

int SignalBars(int rssi)
{
    if (rssi < 2 || rssi > 31)
        return 0;
    return rssi < 10 ? 1 : rssi < 15 ? 2 : rssi < 20 ? 3 : 4;
}

bool Registered(const Facts& facts)
{
    for (int state : {facts.circuitRegistration, facts.packetRegistration})
        if (state == kHome || state == kRoaming)
            return true;
    return false;
}

Facts Ask(const Send& send, Questions questions)
{
    Facts facts;
    // Each question is given up at the first silence: the phone has stopped
    // answering, and every further one would cost a full time-out.
    auto ask = [&](const char* line, const std::function<void(const QString&)>& take) {
        const QString answer = send(QLatin1String(line) + QLatin1Char('\r'));
        if (answer.isEmpty() || answer == AtSession::kWriteError)
            return false;
        facts.answered = true;
        take(answer);
        return true;
    };
    const bool all = questions == Questions::Everything;
    if (all && !(ask("AT+CGMI", [&](const QString& a) { facts.maker = ParseText(a, QStringLiteral("AT+CGMI")); }) &&
                 ask("AT+CGMM", [&](const QString& a) { facts.model = ParseText(a, QStringLiteral("AT+CGMM")); }) &&
                 ask("AT+CGMR", [&](const QString& a) { facts.firmware = ParseText(a, QStringLiteral("AT+CGMR")); })))
        return facts;
    if (!ask("AT+CPIN?", [&](const QString& a) { facts.sim = ParseSim(a); }))
        return facts;
    if (facts.sim == Sim::Pin && !ask("AT+CPINR=\"SIM PIN\"", [&](const QString& a) { facts.pinAttempts = ParsePinAttempts(a); }))
        return facts;
    if (all && facts.sim == Sim::Ready && !ask("AT+CIMI", [&](const QString& a) { facts.imsi = ParseImsi(a); }))
        return facts;
    if (!ask("AT+CREG?", [&](const QString& a) { facts.circuitRegistration = ParseRegistration(a, QStringLiteral("+CREG")); }) ||
        !ask("AT+CGREG?", [&](const QString& a) { facts.packetRegistration = ParseRegistration(a, QStringLiteral("+CGREG")); }) ||
        !ask("AT+CSQ", [&](const QString& a) { facts.rssi = ParseSignal(a); }))
        return facts;
    if (all && !ask("AT+COPS?", [&](const QString& a) { facts.operatorName = ParseOperator(a); }))
        return facts;
    ask("AT+CGATT?", [&](const QString& a) { facts.attached = ParseAttach(a); });
    return facts;
}

int Diagnose(const Facts& facts, const QString& refusal)
{
    const int code = CmeError(refusal);
    Sim sim = facts.sim;
    if (sim == Sim::Unknown) // the refusal itself may say it
        sim = ParseSim(refusal);
    switch (sim) {
    case Sim::Absent: return Str::SimNotInserted;
    case Sim::Puk: return Str::SimAsksPuk;
    case Sim::Pin: return Str::SimAsksPin;
    case Sim::OtherLock: return Str::PhoneLocked;
    case Sim::Ready:
    case Sim::Unknown: break;
    }
    if (code >= 111 && code <= 113)
        return Str::RoamingNotAllowed;
    const int states[] = {facts.circuitRegistration, facts.packetRegistration};
    auto any = [&states](int wanted) { return states[0] == wanted || states[1] == wanted; };
    if (!Registered(facts)) {
        if (any(kDenied))
            return Str::RegistrationDenied;
        if (facts.rssi == 99 || facts.rssi == 0)
            return Str::NoSignal;
        if (any(kSearching))
            return Str::PhoneSearching;
        if (any(kNotRegistered))
            return Str::PhoneNotRegistered;
        if (code == 30)
            return Str::PhoneNotRegistered;
        return 0;
    }
    if (facts.attached == 0)
        return Str::NotAttached;
    return 0;
}

bool ValidPin(const QString& pin)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{4,8}$"));
    return form.match(pin).hasMatch();
}

} // namespace PhoneStatus
