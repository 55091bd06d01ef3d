// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/PppLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

QStringList CommandLine(const QString& procDir)
{
    QFile f(procDir + QStringLiteral("/cmdline"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    for (const QByteArray& part : f.read(65536).split('\0'))
        if (!part.isEmpty())
            args << QString::fromLocal8Bit(part);
    return args;
}

// The real user of a process (a setuid pppd keeps its caller's); nothing
// when its status cannot be read.
std::optional<uid_t> RealUser(const QString& procDir)
{
    QFile f(procDir + QStringLiteral("/status"));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : f.read(8192).split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        bool ok = false;
        const uint uid = line.mid(4).simplified().split(' ').value(0).toUInt(&ok);
        return ok ? std::optional<uid_t>(uid_t(uid)) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString PppLinks::LinkNameOf(const QStringList& args)
{
    if (args.isEmpty() || QFileInfo(args.at(0)).fileName() != QLatin1String("pppd"))
        return QString();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("linkname"))
            return args.at(i + 1);
        if (args.at(i) == QLatin1String("call") && args.at(i + 1).startsWith(QLatin1String("braxlow.")))
            return QStringLiteral("Braxlow");
    }
    return QString();
}

bool PppLinks::IsLink(quint32 pid, const QString& name, bool namedByPidFile) const
{
    if (pid == 0)
        return false;
    const QString dir = paths_.proc + QLatin1Char('/') + QString::number(pid);
    const QStringList commandLine = CommandLine(dir);
    if (commandLine.isEmpty() || QFileInfo(commandLine.at(0)).fileName() != QLatin1String("pppd"))
        return false;
    // A pid file names its link; a pppd that got its link name from an options
    // file does not show it on its command line.
    const QString link = LinkNameOf(commandLine);
    if (link.isEmpty() ? !namedByPidFile : link.compare(name, Qt::CaseInsensitive) != 0)
        return false;
    if (paths_.user != 0 && RealUser(dir) != paths_.user)
        return false;
    // A command line can be anything a program likes; what the kernel says of
    // the program must agree. Both may be unreadable (a setuid pppd of another
    // user); what can be read is checked.
    const QString pppdName = QFileInfo(paths_.pppd).fileName();
    const QString exe = QFileInfo(dir + QStringLiteral("/exe")).symLinkTarget();
    if (!exe.isEmpty() && QFileInfo(exe).fileName() != pppdName)
        return false;
    QFile comm(dir + QStringLiteral("/comm"));
    if (comm.open(QIODevice::ReadOnly) &&
        QString::fromLocal8Bit(comm.readAll().trimmed()) != pppdName.left(15))
        return false;
    return true;
}

QList<quint32> PppLinks::Find(const QString& name) const
{
    QList<quint32> order;
    // Links that are up have a pid file named after them.
    for (const QString& dir : paths_.runDirs) {
        const QFileInfoList files =
            QDir(dir).entryInfoList({QStringLiteral("ppp-*.pid")}, QDir::Files, QDir::Name);
        for (const QFileInfo& f : files) {
            if (f.completeBaseName().mid(4).compare(name, Qt::CaseInsensitive) != 0)
                continue;
            QFile pidFile(f.absoluteFilePath());
            if (!pidFile.open(QIODevice::ReadOnly))
                continue;
            const quint32 pid = pidFile.readLine(32).trimmed().toUInt();
            if (IsLink(pid, name, true) && !order.contains(pid))
                order << pid;
        }
    }
    // Links still dialing are found by their command line.
    QStringList pids = QDir(paths_.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(pids.begin(), pids.end(),
              [](const QString& a, const QString& b) { return a.toUInt() < b.toUInt(); });
    for (const QString& entry : pids) {
        bool numeric = false;
        const quint32 pid = entry.toUInt(&numeric);
        if (numeric && IsLink(pid, name, false)) {
            order.removeAll(pid);
            order << pid;
        }
    }
    return order;
}
