// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimIdentity.h"

#include "AtAnswer.h"
#include "AtSession.h"
#include "CComm.h"
#include "CIrDASock.h"
#include "CRasDialer.h"
#include "DataStore.h"
#include "StringIds.h"

#include <QRegularExpression>
#include <QStringList>

namespace SimIdentity {

namespace {

using Outcome = Reading::Outcome;

// 27.007 reports a SIM that is not ready with +CME ERROR: 10, 11 or 12, or
// with the texts of those codes when verbose errors are on.
Outcome ErrorOutcome(const QString& answer)
{
    const qsizetype at = answer.indexOf(QLatin1String("+CME ERROR:"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return Outcome::NoIdentity;
    const QString error = answer.mid(at + 11)
                              .section(QLatin1Char('\r'), 0, 0)
                              .section(QLatin1Char('\n'), 0, 0)
                              .trimmed();
    if (error == QLatin1String("10") ||
        error.compare(QLatin1String("SIM not inserted"), Qt::CaseInsensitive) == 0)
        return Outcome::NoSim;
    if (error == QLatin1String("11") ||
        error.compare(QLatin1String("SIM PIN required"), Qt::CaseInsensitive) == 0)
        return Outcome::PinRequired;
    if (error == QLatin1String("12") ||
        error.compare(QLatin1String("SIM PUK required"), Qt::CaseInsensitive) == 0)
        return Outcome::PukRequired;
    return Outcome::NoIdentity;
}

} // namespace

QString ImsiOf(const QString& answer)
{
    const QStringList lines =
        answer.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QString candidate = line.trimmed();
        if (DataStore::IsImsi(candidate))
            return candidate;
    }
    return QString();
}

Reading ReadImsi(AtSession& session)
{
    Reading reading;
    if (!session.OpenPhoneLink()) {
        // A link half made (created, not opened) is freed as well.
        session.ClosePhoneLink();
        reading.outcome = Outcome::PortNotOpened;
        return reading;
    }
    const QString answer = session.SendAtCommand(QStringLiteral("AT+CIMI\r"));
    session.ClosePhoneLink();
    if (answer == AtSession::kWriteError) {
        reading.outcome = Outcome::Reported;
        return reading;
    }
    const Outcome error = ErrorOutcome(answer);
    if (error != Outcome::NoIdentity) {
        reading.outcome = error;
        return reading;
    }
    // Only an accepted answer: digits in a cut-off or refused one are no identity.
    reading.imsi = AtAnswer::Accepted(answer) ? ImsiOf(answer) : QString();
    reading.outcome = reading.imsi.isEmpty() ? Outcome::NoIdentity : Outcome::Read;
    return reading;
}

Reading ReadImsi(AppSettings& settings, Prompter& prompter)
{
    CComm link;
    CIrDASock irda;
    CRasDialer dialer(QString(), &settings); // never dials: the session only talks to the phone
    AtSession session(settings, link, irda, dialer, prompter);
    return ReadImsi(session);
}

int MessageOf(Reading::Outcome outcome)
{
    switch (outcome) {
    case Outcome::PortNotOpened:
        return Str::SimPortNotOpened;
    case Outcome::PinRequired:
        return Str::SimPinRequired;
    case Outcome::PukRequired:
        return Str::SimPukRequired;
    case Outcome::NoSim:
        return Str::SimMissing;
    case Outcome::NoIdentity:
        return Str::SimNoIdentity;
    case Outcome::Read:
    case Outcome::Reported:
        break;
    }
    return 0;
}

} // namespace SimIdentity
