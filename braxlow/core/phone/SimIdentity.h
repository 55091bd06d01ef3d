// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AppSettings;
class AtSession;
class Prompter;

// The SIM's identity (IMSI), asked of the phone on the configured port with
// AT+CIMI, so that the entry editor can pick the SIM's own network.
namespace SimIdentity {

struct Reading
{
    enum class Outcome
    {
        Read,          // imsi holds 6 to 15 digits
        PortNotOpened, // no port configured, or it cannot be opened
        PinRequired,
        PukRequired,
        NoSim,
        NoIdentity, // no answer, an error, or nothing that is an IMSI
        Reported,   // the line could not be written; the session has said so
    };
    Outcome outcome = Outcome::NoIdentity;
    QString imsi;
};

// The first line of a +CIMI answer that is 6 to 15 digits; empty when none is.
QString ImsiOf(const QString& answer);
// Opens the link, asks, closes it again.
Reading ReadImsi(AtSession& session);
// The same with a link of its own on the port of `settings`.
Reading ReadImsi(AppSettings& settings, Prompter& prompter);
// The IMSI for a default, asked so that nobody notices: only of a phone on the
// cable port (an infrared phone is a search of its own), never one that
// ModemManager may hold (asking it to let go could want a password), without
// any message, and given up after `boundMs`. Empty when there is none.
QString ReadImsiQuietly(AppSettings& settings, int boundMs);
// The string number of the message for an outcome; 0 for Read and Reported.
int MessageOf(Reading::Outcome outcome);

} // namespace SimIdentity
