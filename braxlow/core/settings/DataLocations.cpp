// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/DataLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString Folder(QString path)
{
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

DataLocations DataLocations::For(const QString& programDirectory, const QString& userDataHome)
{
    DataLocations where;
    where.programDirectory = Folder(programDirectory);
    where.dataDirectory = where.userDirectory = where.programDirectory;
    if (programDirectory.isEmpty() || QFileInfo::exists(where.programDirectory + QStringLiteral("portable")))
        return where;
    const QDir bin(where.programDirectory);
    if (bin.dirName() != QLatin1String("bin"))
        return where;
    // Only a complete install counts: without its share folder the program
    // stays with its own folder, where the usual start-up messages tell what
    // is missing.
    const QString share = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/braxlow")));
    if (!QFileInfo(share).isDir())
        return where;
    QString home = userDataHome;
    if (home.isEmpty())
        home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty())
        return where;
    where.mode = Mode::Installed;
    where.dataDirectory = Folder(share);
    where.userDirectory = Folder(QDir::cleanPath(home + QStringLiteral("/braxlow")));
    return where;
}

bool DataLocations::EnsureUserDirectory() const
{
    if (mode != Mode::Installed)
        return true;
    if (!QDir().mkpath(userDirectory))
        return false;
    return QFile::setPermissions(userDirectory, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
}
