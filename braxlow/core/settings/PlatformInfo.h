// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/OsVersion.h"

// Classifies the running system into the platform kind that decides how modems
// are discovered and how the dial-up entry is bound:
//   0 query failed, 1 Win32s, 3 Windows 95 family, 4 NT below 5, 5 NT 5 or later,
//   6 any other platform id.
class PlatformInfo
{
public:
    using Version = Quarrin::OsVersion;

    // Reads the version of the running system.
    PlatformInfo();
    // Uses the given version instead, for tests and for callers that already know it.
    explicit PlatformInfo(const Version& version);

    int Kind() const;
    int Major() const { return version_.ok ? version_.major : 0; }
    int Minor() const { return version_.ok ? version_.minor : 0; }

    static int Classify(const Version& version);

private:
    Version version_;
    // Every Linux kernel the program runs on offers what the kind-5 code paths use
    // (sysfs tty classes, pppd), whatever its release number, so the running system
    // is always kind 5 once uname answers; Major()/Minor() still tell the kernel.
    bool runningSystem_ = false;
};
