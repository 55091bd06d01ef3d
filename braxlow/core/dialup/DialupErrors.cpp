// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/DialupErrors.h"

#include "core/dialup/RasTypes.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

#include <pwd.h>
#include <unistd.h>

namespace {

// Who the command in the text is for: the one who reads it.
QString UserName()
{
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("$USER");
}

int StringIdOf(int code)
{
    switch (code) {
    case Ras::kNoPermission: return Str::DialupNoPermission;
    case Ras::kInvalidParameter: return Str::DialupInvalidParameter;
    case Ras::kPortAlreadyOpen: return Str::DialupPortAlreadyOpen;
    case Ras::kPortDisconnected: return Str::DialupPortDisconnected;
    case Ras::kCannotOpenPhoneBook: return Str::DialupCannotOpenPhoneBook;
    case Ras::kCannotFindEntry:
    case Ras::kCannotFindEntryInBook: return Str::DialupCannotFindEntry;
    case Ras::kRemoteDisconnection: return Str::DialupRemoteDisconnection;
    case Ras::kPortNotAvailable: return Str::DialupPortNotAvailable;
    case Ras::kLineBusy: return Str::DialupLineBusy;
    case Ras::kNoAnswer: return Str::DialupNoAnswer;
    case Ras::kNoCarrier: return Str::DialupNoCarrier;
    case Ras::kNoDialtone: return Str::DialupNoDialtone;
    case Ras::kAuthenticationFailure: return Str::DialupAuthenticationFailure;
    case Ras::kHardwareFailure: return Str::DialupHardwareFailure;
    case Ras::kServiceCannotStart: return Str::DialupServiceCannotStart;
    case Ras::kPppFatalError: return Str::DialupPppFatalError;
    case Ras::kPppOptionError: return Str::DialupPppOptionError;
    case Ras::kPppInitScriptFailed: return Str::DialupPppInitScriptFailed;
    case Ras::kDnsHookMissing: return Str::DialupDnsHookMissing;
    case Ras::kPppTimeout: return Str::DialupPppTimeout;
    case Ras::kPppLcpTerminated: return Str::DialupPppLcpTerminated;
    default: return 0;
    }
}

} // namespace

QString DialupErrorText(const QTranslator* module, int code)
{
    const int id = StringIdOf(code);
    if (id == 0)
        return QString();
    QString text = LoadLanguageString(module, id);
    // The two that name the command to run name the user it is for.
    if ((id == Str::DialupNoPermission || id == Str::DialupDnsHookMissing) && text.contains(QLatin1String("%1")))
        text = text.arg(UserName());
    // Two strings: one would outgrow the string loader's 255 characters.
    if (id == Str::DialupDnsHookMissing)
        text += QLatin1Char('\n') + LoadLanguageString(module, Str::DialupDnsHookAlternative);
    return text;
}
