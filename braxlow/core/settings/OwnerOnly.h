// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Files that hold passwords, and their folders, are the user's only. One made
// wider (by hand, a restore, an older copy) is narrowed again when the program
// finds it; only what the user owns is changed, and links are not followed.
namespace OwnerOnly {

// True when the file was readable or writable by others and no longer is.
bool TightenFile(const QString& path);
void TightenFolder(const QString& path);

} // namespace OwnerOnly
