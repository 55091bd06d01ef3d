// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonelink/UucpLock.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLockSizeLimit = 64;
// A lock file is created empty and written a moment later: an empty one this
// young is another program's lock on its way.
constexpr int kFreshSeconds = 10;

bool ProcessAlive(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

struct Existing
{
    enum class Kind { Gone, Held, Stale } kind = Kind::Held;
    dev_t device = 0;
    ino_t inode = 0;
    pid_t owner = 0;
};

// What lies under the lock's name. Anything but a small regular file that
// names no live owner (or is empty and old) counts as held.
Existing Inspect(const QByteArray& path)
{
    Existing e;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            e.kind = Existing::Kind::Gone;
        return e;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLockSizeLimit) {
        ::close(fd);
        return e;
    }
    e.device = st.st_dev;
    e.inode = st.st_ino;
    char text[kLockSizeLimit + 1] = {};
    ssize_t n = 0;
    while ((n = ::read(fd, text, kLockSizeLimit)) < 0 && errno == EINTR) {
    }
    ::close(fd);
    if (n < 0)
        return e;
    if (n == 0) {
        if (std::time(nullptr) - st.st_mtime > kFreshSeconds)
            e.kind = Existing::Kind::Stale;
        return e;
    }
    const QByteArray content(text, int(n));
    bool ok = false;
    e.owner = content.trimmed().toInt(&ok);
    if (!ok && n == 4) // the old binary form
        std::memcpy(&e.owner, text, 4);
    if (!ProcessAlive(e.owner))
        e.kind = Existing::Kind::Stale;
    return e;
}

} // namespace

bool UucpLock::Acquire(const QString& device, const QString& directory)
{
    Release();
    if (directory.isEmpty())
        return true;
    const QString path = directory + QStringLiteral("/LCK..") + QFileInfo(device).fileName();
    const QByteArray native = QFile::encodeName(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            const int n = std::snprintf(text, sizeof text, "%10d\n", int(::getpid()));
            struct stat st = {};
            const bool written = ::write(fd, text, size_t(n)) == n && ::fstat(fd, &st) == 0;
            ::close(fd);
            if (!written) {
                ::unlink(native.constData());
                return true;
            }
            path_ = path;
            device_ = st.st_dev;
            inode_ = st.st_ino;
            return true;
        }
        if (errno != EEXIST)
            return true; // no permission to lock here
        const Existing existing = Inspect(native);
        if (existing.kind == Existing::Kind::Held)
            return false;
        if (existing.kind == Existing::Kind::Stale) {
            // Only the file that was judged stale goes: one that took its
            // place meanwhile is somebody's new lock.
            struct stat now = {};
            if (::lstat(native.constData(), &now) == 0 && now.st_dev == existing.device &&
                now.st_ino == existing.inode)
                ::unlink(native.constData());
        }
    }
    return false;
}

void UucpLock::Release()
{
    if (path_.isEmpty())
        return;
    const QByteArray native = QFile::encodeName(path_);
    path_.clear();
    // Removed only while it is still the file we wrote, naming us.
    const Existing existing = Inspect(native);
    if (existing.device == device_ && existing.inode == inode_ && existing.owner == ::getpid())
        ::unlink(native.constData());
}
