// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// A lock known by name to every process of the user, the part a named mutex
// plays on Windows: the program's single-instance lock is "Braxlow", and the
// sibling suite announces itself as running with "Korvane Tessaly II 2.0".
//
// It is a lock file <directory>/<name>.lock holding its owner's PID. Only a
// dead owner makes a lock stale, never its age: a program that runs for weeks
// keeps its lock. Within one process a second lock of the same name is refused
// as well, since the file names this process as the live owner.
class NamedLock
{
public:
    // directory: where the user's locks live; empty: DefaultDirectory().
    explicit NamedLock(const QString& name, const QString& directory = QString());
    ~NamedLock(); // releases the lock when held

    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Takes the lock ("create initially owned"). False when another live process
    // holds it (the "already exists" case), and when the lock cannot be made at
    // all (no usable folder). A lock left by a dead process is taken over.
    bool Create();
    bool Held() const;
    // After a failed Create(): whether another live process holds the lock, as
    // opposed to the lock not being possible here at all.
    bool HeldElsewhere() const { return error_ == QLockFile::LockFailedError; }

    // $XDG_RUNTIME_DIR when set and usable, else a folder /tmp/braxlow-<uid> made
    // with mode 0700. A folder owned by another user or writable by others is
    // refused: whoever can write there could fake or remove the locks. Empty
    // when neither can be had.
    static QString DefaultDirectory();

    // Whether another live process holds the lock of that name: probes by taking
    // it and releasing at once. False when it cannot be told (no usable folder).
    static bool Exists(const QString& name, const QString& directory = QString());

    // The lock file's name for a lock name: one file inside the folder whatever
    // the name holds.
    static QString FileName(const QString& name);

private:
    std::unique_ptr<QLockFile> file_;
    QLockFile::LockError error_ = QLockFile::NoError;
};
