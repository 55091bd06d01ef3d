// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformInfo.h"

#include <QString>
#include <QStringList>

#include <sys/utsname.h>

PlatformInfo::PlatformInfo() : version_(QuerySystem()), runningSystem_(true) {}

PlatformInfo::PlatformInfo(const Version& version) : version_(version) {}

int PlatformInfo::Kind() const
{
    if (runningSystem_ && version_.ok)
        return 5;
    return Classify(version_);
}

int PlatformInfo::Classify(const Version& v)
{
    if (!v.ok)
        return 0;
    switch (v.platformId) {
    case Win32s:
        return 1;
    case Windows9x:
        return 3;
    case WindowsNT:
        return v.major < 5 ? 4 : 5;
    default:
        return 6;
    }
}

PlatformInfo::Version PlatformInfo::QuerySystem()
{
    Version v;
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
    v.platformId = WindowsNT;
    v.major = parts.isEmpty() ? 0 : leadingNumber(parts.at(0));
    v.minor = parts.size() < 2 ? 0 : leadingNumber(parts.at(1));
    return v;
}
