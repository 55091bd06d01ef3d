// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/NamedLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder only this user can change: anyone else who could write there could
// plant a lock that keeps the program from starting, or remove ours.
bool PrivateFolder(const QByteArray& path, bool followLink)
{
    struct stat st = {};
    if ((followLink ? ::stat(path.constData(), &st) : ::lstat(path.constData(), &st)) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 && ::access(path.constData(), W_OK | X_OK) == 0;
}

} // namespace

NamedLock::NamedLock(const QString& name, const QString& directory)
{
    const QString folder = directory.isEmpty() ? DefaultDirectory() : directory;
    if (folder.isEmpty())
        return;
    file_ = std::make_unique<QLockFile>(QDir(folder).filePath(FileName(name)));
    file_->setStaleLockTime(0);
}

NamedLock::~NamedLock()
{
    if (file_)
        file_->unlock();
}

bool NamedLock::Create()
{
    if (!file_) {
        error_ = QLockFile::UnknownError;
        return false;
    }
    if (file_->isLocked())
        return true;
    const bool taken = file_->tryLock(0);
    error_ = file_->error();
    return taken;
}

bool NamedLock::Held() const
{
    return file_ && file_->isLocked();
}

QString NamedLock::DefaultDirectory()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    // The runtime folder is usually a link-free /run/user/<uid>, but a session
    // may point it anywhere: follow a link, the target is what is checked.
    if (runtime.startsWith('/') && PrivateFolder(runtime, true))
        return QFile::decodeName(runtime);

    const QByteArray own = "/tmp/braxlow-" + QByteArray::number(::geteuid());
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // /tmp is shared: a link or a folder someone else made first is not ours.
    if (!PrivateFolder(own, false))
        return QString();
    return QFile::decodeName(own);
}

bool NamedLock::Exists(const QString& name, const QString& directory)
{
    // Taking the lock is the only test QLockFile offers that removes a dead
    // owner's file on the way; it is held for no longer than the test.
    NamedLock probe(name, directory);
    if (probe.Create())
        return false;
    return probe.error_ == QLockFile::LockFailedError;
}

QString NamedLock::FileName(const QString& name)
{
    // Percent-encoding keeps '/', control characters and '%' itself out of the
    // file name and gives every name a file of its own.
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(name, " "));
    // A name past what a file name may hold keeps a readable start and a hash
    // of the whole.
    if (encoded.size() > 200) {
        const QByteArray hash =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex();
        encoded = encoded.left(160) + QLatin1Char('-') + QString::fromLatin1(hash.left(32));
    }
    return encoded + QStringLiteral(".lock");
}
