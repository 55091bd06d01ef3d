// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/DownloadSink.h"

#include "update/UpdateProtocol.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

namespace {

qint64 VolumeFreeSpace(const QString& folder)
{
    const QStorageInfo volume(folder);
    return volume.isValid() ? volume.bytesAvailable() : -1;
}

} // namespace

DownloadSink::DownloadSink(const QString& folder, FreeSpaceQuery freeSpace)
    : folder_(folder)
    , freeSpace_(freeSpace ? std::move(freeSpace) : FreeSpaceQuery(VolumeFreeSpace))
{
}

DownloadSink::~DownloadSink()
{
    Discard();
}

DownloadSink::Status DownloadSink::Open(const QByteArray& name, qint64 size)
{
    Discard();
    if (!UpdateProtocol::IsPlainFileName(name))
        return Status::UnsafeName;
    const QString fileName = QString::fromLatin1(name);
    if (!QDir().mkpath(folder_))
        return Status::CannotWrite;
    const qint64 free = freeSpace_(folder_);
    if (size < 0 || (free >= 0 && size > free))
        return Status::NoSpace;
    const QString path = QDir(folder_).absoluteFilePath(fileName);
    // The check above is on bytes; this one is on what the file system made of them.
    if (QFileInfo(path).absolutePath() != QDir(folder_).absolutePath())
        return Status::UnsafeName;
    auto file = std::make_unique<QSaveFile>(path);
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly))
        return Status::CannotWrite;
    file_ = std::move(file);
    path_ = path;
    return Status::Ok;
}

bool DownloadSink::Write(const char* data, qint64 size)
{
    if (!file_)
        return false;
    return file_->write(data, size) == size;
}

bool DownloadSink::Finish()
{
    if (!file_)
        return false;
    const bool done = file_->commit();
    file_.reset();
    return done;
}

void DownloadSink::Discard()
{
    if (!file_)
        return;
    file_->cancelWriting();
    file_.reset();
}

bool DownloadSink::IsInstallablePackage(const QString& path)
{
    if (!path.endsWith(QLatin1String(".deb"), Qt::CaseInsensitive))
        return false;
    // An ar archive whose first member is "debian-binary".
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(21) == QByteArrayLiteral("!<arch>\ndebian-binary");
}
