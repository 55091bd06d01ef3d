// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

QString EntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/braxlow.desktop");
}

bool Enabled()
{
    return QFileInfo(EntryPath()).isFile();
}

bool Enable(const QString& programFile, QString* problem)
{
    const QString path = EntryPath();
    QSaveFile file(path);
    // The Exec line quotes the path the way desktop entries unquote it.
    QString exec = programFile;
    for (const char* special : {"\\", "\"", "`", "$"})
        exec.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Braxlow\n"
                                        "Exec=\"%1\" %2\n"
                                        "Icon=braxlow\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(exec, QLatin1String(kArgument));
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text.toUtf8()) < 0 || !file.commit()) {
        if (problem != nullptr)
            *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool Disable()
{
    return !QFileInfo::exists(EntryPath()) || QFile::remove(EntryPath());
}

} // namespace Autostart
