// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

namespace Quarrin {

// The system version in the shape the platform code branches on: the platform
// id (0 Win32s, 1 Windows 95 family, 2 NT) and the major and minor versions.
struct OsVersion
{
    bool ok = false;
    int platformId = 0;
    int major = 0;
    int minor = 0;
};

enum PlatformId { kPlatformWin32s = 0, kPlatformWindows9x = 1, kPlatformNT = 2 };

// The running Linux system: the NT platform id with uname's release numbers.
QUARRIN_EXPORT OsVersion QuerySystemVersion();

// The version whose registry layout the machine registry (MachineRegistry.h) is
// built in: NT 5. Code that walks the machine registry branches on this, not on
// the kernel's release number.
QUARRIN_EXPORT OsVersion MachineRegistryVersion();

} // namespace Quarrin
