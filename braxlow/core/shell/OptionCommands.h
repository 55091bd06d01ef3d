// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;
class Prompter;
struct ProductTexts;

// The commands of the entry list window's menu bar and what the option commands
// mean, apart from any window.
namespace OptionCommands {

constexpr int kNew = 32975;
constexpr int kSelect = 32976;
constexpr int kDelete = 32977;
constexpr int kProperties = 32978;
constexpr int kShortcut = 32979;
constexpr int kFirstSpeed = 32983;
constexpr int kLastSpeed = 32990;
constexpr int kHelp = 32991;
constexpr int kAbout = 32992;
constexpr int kUpdate = 32993;
constexpr int kSetup = 32994;
// Checkable: dial again when the line drops.
constexpr int kAutoReconnect = 33011;
// Checkable: Braxlow starts with the desktop and connects.
constexpr int kAutostart = 33012;
// The connection history window.
constexpr int kHistory = 33013;

// The eight port speeds in menu order.
const QStringList& Speeds();
// 1 to 8 for a speed of the menu (exact text), 0 for any other.
int SpeedPosition(const QString& speed);
// The speed of a command, empty when the command is not one.
QString SpeedForCommand(int command);

// The About box's texts: its caption and its two lines. The table's strings are
// loaded with the warning variant, so a missing one is told once and left empty.
struct AboutTexts
{
    QString caption;
    QString product;
    QString description;
};
AboutTexts About(const QTranslator* module, const ProductTexts& product, Prompter& prompter);

} // namespace OptionCommands
