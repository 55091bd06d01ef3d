// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/ShellTexts.h"

#include "core/settings/StringIds.h"
#include "core/shell/UsageMeter.h"

#include <algorithm>

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

QString TrafficLine(qint64 seconds, quint64 received, quint64 sent, const UsageFormat::ByteUnits& units)
{
    return UsageFormat::Duration(seconds) + QStringLiteral("   \u2193 ") + UsageFormat::Bytes(received, units) +
           QStringLiteral("   \u2191 ") + UsageFormat::Bytes(sent, units);
}

QString TrafficTip(const QString& title, qint64 seconds, quint64 received, quint64 sent, const QString& month,
                   const UsageFormat::ByteUnits& units)
{
    // The units are short already; a long title or month line gives way first.
    const QString traffic = QStringLiteral("\u2193 ") + UsageFormat::Bytes(received, units) +
                            QStringLiteral(" \u2191 ") + UsageFormat::Bytes(sent, units);
    const QString time = UsageFormat::Duration(seconds);
    QString tip = Cut(title, std::max<int>(0, 63 - 2 - int(time.size()) - int(traffic.size()))) +
                  QLatin1Char(' ') + time + QLatin1Char('\n') + traffic;
    if (!month.isEmpty() && tip.size() + 1 + month.size() <= 63)
        tip += QLatin1Char('\n') + month;
    return Cut(tip, 63);
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
    return {{Str::BalanceCommand, ShellCommand::CheckBalance},
            {Str::HistoryCommand, ShellCommand::History},
            {0, 0},
            {Str::MenuAbout, ShellCommand::About}};
}

} // namespace ShellTexts
