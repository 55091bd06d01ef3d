// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Which string table and help file belong to a language name, and where the
// language menu puts its check mark. The name is the English display name kept in
// the "Language" setting. Module and help files are named by the language's LCID.
namespace LanguageTable {

constexpr int kFirstLanguageCommand = 32995; // "English"
constexpr int kLastLanguageCommand = 33007;  // "Swedish"
// Offered by the table but removed from every menu that is loaded.
constexpr int kHiddenLanguageCommands[] = {33006, 33007};

// Module files relative to the program directory, e.g. "Lang/LANG0409.qm".
// Names are compared exactly; unknown names get the English module.
QString StartupModuleFile(const QString& name);
QString SwitchModuleFile(const QString& name);

// The help file in the program directory, e.g. "0407Braxlow.html"; compared
// without regard to case; empty when the language has none.
QString HelpFile(const QString& name);

// The language of a menu command, empty when the command is not one.
QString LanguageForCommand(int command);

// The position (1 to 11) whose item carries the check mark, and that item's command.
int CheckPosition(const QString& name);
int CheckedCommand(const QString& name);

// Every name of the table, in menu order.
QStringList Names();

// Whether the windows read right to left in this language.
bool IsRightToLeft(const QString& name);

} // namespace LanguageTable
