// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/UsageMeter.h"

#include <QList>
#include <QString>

// The main window's commands, as its buttons and the tray menu send them.
namespace ShellCommand {
constexpr int Exit = 2;
constexpr int EntrySetup = 3;
constexpr int Close = 1157;
constexpr int Minimize = 1158;
constexpr int Connect = 4464;
constexpr int Disconnect = 4478;
constexpr int About = 32992;
// Not a button: the tray menu's "show the window" item.
constexpr int ShowWindow = 32993;
// The window menu's prepaid balance.
constexpr int CheckBalance = 33010;
// The connection history.
constexpr int History = 33013;
} // namespace ShellCommand

namespace ShellTexts {

// "[ name ]" with the name cut to 25 characters and "..."; empty for no name.
QString EntryCaption(const QString& connectName);
// A tray tip holds at most 63 characters.
QString TrayTip(const QString& title);
// "1:02:03   ↓ 12.3 MB   ↑ 1.2 MB": time online, received and sent.
QString TrafficLine(qint64 seconds, quint64 received, quint64 sent,
                    const UsageFormat::ByteUnits& units = UsageFormat::ByteUnits());
// The connected tip: the title with the time online, the traffic, and the
// month's line when all of it fits the tip's 63 characters.
QString TrafficTip(const QString& title, qint64 seconds, quint64 received, quint64 sent, const QString& month,
                   const UsageFormat::ByteUnits& units = UsageFormat::ByteUnits());

struct MenuItem
{
    int stringId;  // 0: a separator
    int command;
};
// The tray icon's menu. Connect is left out: while the icon shows, the phone's
// port belongs to the running link.
QList<MenuItem> TrayMenu();
// The window's own menu (right button on its face).
QList<MenuItem> WindowMenu();

} // namespace ShellTexts
