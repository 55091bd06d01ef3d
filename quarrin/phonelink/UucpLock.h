// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <sys/types.h>

// The UUCP lock that pppd, minicom and ModemManager honour: LCK..<node name>
// in the lock folder, holding the owner's PID as ten ASCII digits. The folder
// is writable by every user, so whatever lies there under a lock's name is
// read without waiting (a FIFO), without following links, and only when it is
// a small regular file; a lock that is not ours is never removed, but for one
// whose owner has died.
class UucpLock
{
public:
    UucpLock() = default;
    ~UucpLock() { Release(); }
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // False when another process holds the device (or something that is no
    // lock of ours lies in its place); true, holding nothing, when locks cannot
    // be written here at all, since the exclusive open still protects the port.
    bool Acquire(const QString& device, const QString& directory);
    // Removes the lock, if it is still the one this object wrote.
    void Release();
    QString Path() const { return path_; }

private:
    QString path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};
