// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// "Start with the desktop": an XDG autostart entry that starts Braxlow when
// the user logs in, with --autostart, to connect the current entry and wait
// in the tray.
namespace Autostart {

// The program's argument that says it was started so.
constexpr const char* kArgument = "--autostart";

// ~/.config/autostart/braxlow.desktop, or under $XDG_CONFIG_HOME.
QString EntryPath();
bool Enabled();
// Writes the entry for `programFile`; false with the reason in `problem`.
bool Enable(const QString& programFile, QString* problem = nullptr);
bool Disable();

} // namespace Autostart
