// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTexts.h"

#include "StringIds.h"

namespace {

// Never ends between the two halves of a character outside the basic plane.
QString Cut(const QString& text, int length)
{
    if (text.size() <= length)
        return text;
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

} // namespace

namespace ShellTexts {

QString EntryCaption(const QString& connectName)
{
    if (connectName.isEmpty())
        return QString();
    constexpr int kShown = 25;
    const QString name =
        connectName.size() > kShown ? Cut(connectName, kShown) + QStringLiteral("...") : connectName;
    return QStringLiteral("[ ") + name + QStringLiteral(" ]");
}

QString TrayTip(const QString& title)
{
    return Cut(title, 63);
}

QList<MenuItem> TrayMenu()
{
    return {{Str::MenuRestore, ShellCommand::ShowWindow},
            {Str::Disconnect, ShellCommand::Disconnect},
            {0, 0},
            {Str::MenuAbout, ShellCommand::About},
            {Str::Exit, ShellCommand::Exit}};
}

QList<MenuItem> WindowMenu()
{
    return {{Str::BalanceCommand, ShellCommand::CheckBalance}, {0, 0}, {Str::MenuAbout, ShellCommand::About}};
}

} // namespace ShellTexts
