// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>

// Where a downloaded file goes: a temporary file in the download folder that
// takes the final name only once it is complete, so an interrupted download
// never leaves a partial file under the name the user would start.
class QUARRIN_EXPORT DownloadSink
{
public:
    enum class Status { Ok, UnsafeName, NoSpace, CannotWrite };
    // Free bytes on the volume that holds a folder; -1 when unknown.
    using FreeSpaceQuery = std::function<qint64(const QString& folder)>;

    explicit DownloadSink(const QString& folder, FreeSpaceQuery freeSpace = {});
    ~DownloadSink();

    DownloadSink(const DownloadSink&) = delete;
    DownloadSink& operator=(const DownloadSink&) = delete;

    // Starts a file `name` (as the server sent it) of `size` bytes. Refuses a
    // name that is not a plain file name and a file the folder's volume has no
    // room for; the folder is created when missing.
    Status Open(const QByteArray& name, qint64 size);
    bool Write(const char* data, qint64 size);
    // Gives the file its final name, replacing an older file of that name.
    bool Finish();
    // Throws away what was written so far.
    void Discard();

    bool IsOpen() const { return file_ != nullptr; }
    // Whether a downloaded file is an installation package for this system (a
    // Debian package by its name and its first bytes), which the package
    // installer may open. Anything else a server sends could be a program in
    // disguise (a launcher, an archive that runs): it is only ever shown.
    static bool IsInstallablePackage(const QString& path);
    // The final path of the current (or last finished) file.
    QString Path() const { return path_; }

private:
    QString folder_;
    FreeSpaceQuery freeSpace_;
    std::unique_ptr<QSaveFile> file_;
    QString path_;
};
