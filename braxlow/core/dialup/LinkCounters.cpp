// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/LinkCounters.h"

#include "core/dialup/PppLinks.h"

#include <QFile>

#include <algorithm>

namespace {

std::optional<quint64> ReadNumber(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const quint64 value = f.read(32).trimmed().toULongLong(&ok);
    return ok ? std::optional<quint64>(value) : std::nullopt;
}

} // namespace

namespace LinkCounterReader {

bool IsInterfaceName(const QString& name)
{
    if (name.isEmpty() || name.size() > 15 || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') ||
                                     c == QLatin1Char('.'));
    });
}

std::optional<LinkCounters> Read(const DialerPaths& paths, const QString& linkName, quint32 ownPid)
{
    for (const QString& dir : paths.runDirs) {
        QFile pidFile(dir + QStringLiteral("/ppp-") + linkName + QStringLiteral(".pid"));
        if (!pidFile.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = pidFile.read(128).split('\n');
        const quint32 pid = lines.value(0).trimmed().toUInt();
        const QString name = QString::fromLatin1(lines.value(1).trimmed());
        // A pid file outlives a killed pppd; its interface may since belong to
        // another link.
        if (!IsInterfaceName(name) || (pid != ownPid && !PppLinks(paths).IsLink(pid, linkName, true)))
            continue;
        const QString statistics = paths.netClass + QLatin1Char('/') + name + QStringLiteral("/statistics/");
        const std::optional<quint64> received = ReadNumber(statistics + QStringLiteral("rx_bytes"));
        const std::optional<quint64> sent = ReadNumber(statistics + QStringLiteral("tx_bytes"));
        if (received && sent)
            return LinkCounters{name, *received, *sent};
    }
    return std::nullopt;
}

} // namespace LinkCounterReader
