// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/OsVersion.h"

#include <QString>
#include <QStringList>

#include <sys/utsname.h>

namespace Quarrin {

OsVersion QuerySystemVersion()
{
    OsVersion v;
    struct utsname name {};
    if (uname(&name) != 0)
        return v;
    // "6.1.0-13-amd64": the leading digits of the first two dot-separated fields.
    const QStringList parts = QString::fromLatin1(name.release).split(QLatin1Char('.'));
    auto leadingNumber = [](const QString& s) {
        int n = 0;
        for (QChar c : s) {
            if (!c.isDigit() || n > 100000)
                break;
            n = n * 10 + c.digitValue();
        }
        return n;
    };
    v.ok = true;
    v.platformId = kPlatformNT;
    v.major = parts.isEmpty() ? 0 : leadingNumber(parts.at(0));
    v.minor = parts.size() < 2 ? 0 : leadingNumber(parts.at(1));
    return v;
}

OsVersion MachineRegistryVersion()
{
    return OsVersion{true, kPlatformNT, 5, 0};
}

} // namespace Quarrin
