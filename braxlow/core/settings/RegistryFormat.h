// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// A QSettings file format that keeps registry value types: 32-bit integers are
// written as dword:xxxxxxxx and read back as integers, strings stay strings, and a
// key's default value is the name "Default" (written "@"), as on Windows. The file
// is a plain-text hierarchy in the layout of a .reg export:
//
//   [Braxlow\Config]
//   "Port"=dword:00000003
//   "Speed"="115200"
//
namespace RegistryFormat {

// The first line of every file the format writes.
inline const QByteArray kFirstLine = QByteArrayLiteral("; Braxlow settings: registry layout, typed values\n");

// Registers the format once and returns it.
QSettings::Format Format();

// The two halves of the format, exposed for tests. Reading never fails: lines it
// does not understand are skipped, so a damaged line costs that value only and the
// next write does not throw the rest of the file away.
bool Read(QIODevice& device, QSettings::SettingsMap& map);
bool Write(QIODevice& device, const QSettings::SettingsMap& map);

} // namespace RegistryFormat
