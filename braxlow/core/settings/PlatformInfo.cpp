// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/PlatformInfo.h"

PlatformInfo::PlatformInfo() : version_(Quarrin::QuerySystemVersion()), runningSystem_(true) {}

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
    case Quarrin::kPlatformWin32s:
        return 1;
    case Quarrin::kPlatformWindows9x:
        return 3;
    case Quarrin::kPlatformNT:
        return v.major < 5 ? 4 : 5;
    default:
        return 6;
    }
}
