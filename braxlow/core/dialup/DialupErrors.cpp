// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/DialupErrors.h"

#include "core/dialup/RasTypes.h"

#include <pwd.h>
#include <unistd.h>

namespace {

// Who the command in the text is for: the one who reads it.
QString UserName()
{
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("$USER");
}

} // namespace

QString DialupErrorText(int code)
{
    switch (code) {
    case Ras::kNoPermission:
        return QStringLiteral("You are not allowed to start the dial-up service (pppd) on this "
                              "phone's port. An administrator sets it up once, from Braxlow's source folder: "
                              "sudo scripts/install-ppp-access %1 (then log in again; for a phone on an "
                              "unusual port, add --device and the port).")
            .arg(UserName());
    case Ras::kInvalidParameter:
        return QStringLiteral("The dial string, user name or password cannot be used: it contains "
                              "characters that cannot be dialed, or it is too long.");
    case Ras::kPortAlreadyOpen:
        return QStringLiteral("The port is already open: another program is using the phone.");
    case Ras::kPortDisconnected:
        return QStringLiteral("The phone hung up before the connection was complete.");
    case Ras::kCannotOpenPhoneBook:
        return QStringLiteral("The phone book could not be opened.");
    case Ras::kCannotFindEntry:
    case Ras::kCannotFindEntryInBook:
        return QStringLiteral("The phone book entry for this connection could not be found.");
    case Ras::kRemoteDisconnection:
        return QStringLiteral("The connection was closed by the network before it was complete.");
    case Ras::kPortNotAvailable:
        return QStringLiteral("The phone is not available: it is not connected, not set up for "
                              "dialing out, or in use by another program.");
    case Ras::kLineBusy:
        return QStringLiteral("The line is busy.");
    case Ras::kNoAnswer:
        return QStringLiteral("The phone did not answer the dial command.");
    case Ras::kNoCarrier:
        return QStringLiteral("The network did not accept the call (no carrier). Check the dial "
                              "string and the access point name.");
    case Ras::kNoDialtone:
        return QStringLiteral("There is no dial tone: the phone has no network.");
    case Ras::kAuthenticationFailure:
        return QStringLiteral("Access was denied because the user name or password is not valid.");
    case Ras::kHardwareFailure:
        return QStringLiteral("The phone reported an error while dialing.");
    case Ras::kServiceCannotStart:
        return QStringLiteral("The dial-up service (pppd) could not start. This system may lack "
                              "PPP support in its kernel (the /dev/ppp device).");
    case Ras::kPppFatalError:
        return QStringLiteral("The dial-up service (pppd) stopped with a fatal error, for example "
                              "when it could not open the phone's port or lock it.");
    case Ras::kPppOptionError:
        return QStringLiteral("The dial-up service (pppd) refused its options. Check the system's "
                              "/etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.<device>.");
    case Ras::kPppInitScriptFailed:
        return QStringLiteral("The dial-up service's init script failed (an \"init\" option in "
                              "/etc/ppp/options or /etc/ppp/peers/braxlow.<device>).");
    case Ras::kDnsHookMissing:
        return QStringLiteral("This connection entry has its own DNS servers, but Braxlow's DNS hook "
                              "is not installed, so they would not be used. Install it from Braxlow's "
                              "source folder with: sudo scripts/install-ppp-access %1\nOr let the network "
                              "give the DNS servers: Properties, Advanced, obtain the DNS server "
                              "address automatically.")
            .arg(UserName());
    case Ras::kPppTimeout:
        return QStringLiteral("The connection was ended because the network did not respond in time.");
    case Ras::kPppLcpTerminated:
        return QStringLiteral("The PPP link control protocol was terminated.");
    default:
        return QString();
    }
}
