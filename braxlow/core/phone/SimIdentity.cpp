// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/SimIdentity.h"

#include "core/dialup/CRasDialer.h"
#include "core/dialup/ModemManager.h"
#include "core/phone/AtAnswer.h"
#include "core/phone/AtSession.h"
#include "core/phone/PhoneStatus.h"
#include "core/settings/AppSettings.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"

#include <QFileInfo>
#include <QTimer>


namespace SimIdentity {

namespace {

using Outcome = Reading::Outcome;

// A SIM that is not ready refuses with its +CME ERROR code (or the code's
// text when verbose errors are on).
Outcome ErrorOutcome(const QString& answer)
{
    switch (PhoneStatus::ParseSim(answer)) {
    case PhoneStatus::Sim::Absent: return Outcome::NoSim;
    case PhoneStatus::Sim::Pin: return Outcome::PinRequired;
    case PhoneStatus::Sim::Puk: return Outcome::PukRequired;
    default: return Outcome::NoIdentity;
    }
}

} // namespace

QString ImsiOf(const QString& answer)
{
    return PhoneStatus::ParseImsi(answer);
}

Reading ReadImsi(AtSession& session)
{
    Reading reading;
    if (!session.OpenPhoneLink(true)) {
        // A link half made (created, not opened) is freed as well.
        session.ClosePhoneLink();
        reading.outcome = session.PortFailureExplained() ? Outcome::Reported : Outcome::PortNotOpened;
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

QString ReadImsiQuietly(AppSettings& settings, int boundMs)
{
    const int port = settings.Port();
    if (port < 1 || port > 255)
        return QString();
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    const QString device = map.DeviceForPort(port);
    if (device.isEmpty() || !QFileInfo::exists(device) || ModemManagerClient().MayHold(device))
        return QString();
    // Asked of nobody: what goes wrong here is for From SIM to tell.
    class Silent : public Prompter
    {
    public:
        Answer Show(const QString&, const QString&, Buttons, Icon) override { return Answer::Cancel; }
    } silent;
    CComm link;
    CIrDASock irda;
    CRasDialer dialer(QString(), &settings);
    AtSession session(settings, link, irda, dialer, silent);
    // The session's waits pass events on, so the timer cuts them short.
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &session, &AtSession::RequestCancel);
    bound.start(boundMs);
    const Reading reading = ReadImsi(session);
    return reading.outcome == Reading::Outcome::Read ? reading.imsi : QString();
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
