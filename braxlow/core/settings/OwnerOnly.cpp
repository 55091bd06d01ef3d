// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/OwnerOnly.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Tighten(const QString& path, bool folder)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    if (::lstat(native.constData(), &st) != 0 || st.st_uid != ::geteuid() || (st.st_mode & 077) == 0)
        return false;
    if (folder ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode))
        return false;
    return ::chmod(native.constData(), st.st_mode & 0700) == 0;
}

} // namespace

namespace OwnerOnly {

bool TightenFile(const QString& path)
{
    return Tighten(path, false);
}

void TightenFolder(const QString& path)
{
    Tighten(path, true);
}

} // namespace OwnerOnly
