// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/OwnerOnly.h"
#include "core/settings/RegistryFormat.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDefaultValueName = QStringLiteral("Default");
// What the store's own temporary files carry after the file's name.
const QString kSaveMarker = QStringLiteral(".~bxsave-");
// How long another process's save may hold the lock file.
constexpr int kLockWaitMs = 10000;

bool WriteAll(int fd, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

SettingsStore::SettingsStore(const QString& root, const QString& fileName)
    : root_(root), filePath_(QDir(root).filePath(fileName))
{
    RemoveLeftovers();
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::RemoveLeftovers()
{
    // A save cut off by a crash can leave its temporary file: a whole copy of
    // the settings, passwords included. Only files named the way the store
    // names them are its own (a user's "<file>.backup" is not); one a minute
    // old is no save still running in another instance.
    const QFileInfo file(filePath_);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName() + kSaveMarker) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QFileInfoList candidates =
        file.dir().entryInfoList({file.fileName() + kSaveMarker + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& f : candidates)
        if (ours.match(f.fileName()).hasMatch() && f.lastModified().secsTo(QDateTime::currentDateTime()) > 60)
            QFile::remove(f.absoluteFilePath());
}

QStringList SettingsStore::TightenPermissions()
{
    OwnerOnly::TightenFolder(QFileInfo(filePath_).absolutePath());
    return OwnerOnly::TightenFile(filePath_) ? QStringList{filePath_} : QStringList();
}

QString SettingsStore::DefaultRoot(const QString& programDirectory)
{
    const QByteArray env = qgetenv("BRAXLOW_CONFIG_HOME");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    if (!programDirectory.isEmpty() &&
        QFileInfo::exists(QDir(programDirectory).filePath(QStringLiteral("portable"))))
        return QDir(programDirectory).filePath(QStringLiteral("settings"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool SettingsStore::FamilyKeyExists() const
{
    return QFileInfo::exists(filePath_);
}

void SettingsStore::Refresh() const
{
    // Every save puts a new file in place, so a new inode tells a change that
    // the same size and time within a tick would hide.
    Stamp now;
    struct stat st = {};
    if (::stat(QFile::encodeName(filePath_).constData(), &st) == 0) {
        now.exists = true;
        now.device = st.st_dev;
        now.inode = st.st_ino;
        now.size = st.st_size;
        now.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    if (read_ && *read_ == now)
        return;
    values_.clear();
    QFile f(filePath_);
    if (now.exists && f.open(QIODevice::ReadOnly))
        RegistryFormat::Read(f, values_);
    read_ = now;
}

QString SettingsStore::Join(const Map& values, const QString& key, const QString& name) const
{
    // Registry names are case-insensitive but keep the case they were created
    // with: find the stored spelling, else use the one given.
    const QString wanted = key.isEmpty() ? name : key + QLatin1Char('/') + name;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (it.key().compare(wanted, Qt::CaseInsensitive) == 0)
            return it.key();
    return wanted;
}

std::optional<qint32> SettingsStore::ReadDword(const QString& key, const QString& name) const
{
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Refresh(); // picks up changes made by another process
    const QVariant v = values_.value(Join(values_, key, name));
    // A registry value of another type does not read as an integer.
    if (v.typeId() != QMetaType::UInt && v.typeId() != QMetaType::Int)
        return std::nullopt;
    return static_cast<qint32>(v.toUInt());
}

std::optional<QString> SettingsStore::ReadString(const QString& key, const QString& name) const
{
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Refresh();
    const QVariant v = values_.value(Join(values_, key, name));
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    return v.toString();
}

QList<QPair<QString, QString>> SettingsStore::ReadStrings(const QString& key) const
{
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Refresh();
    QList<QPair<QString, QString>> values;
    const QString prefix = key + QLatin1Char('/');
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const QString& k = it.key();
        if (!k.startsWith(prefix, Qt::CaseInsensitive) || k.indexOf(QLatin1Char('/'), prefix.size()) >= 0)
            continue;
        if (it.value().typeId() == QMetaType::QString)
            values.append({k.mid(prefix.size()), it.value().toString()});
    }
    return values;
}

bool SettingsStore::ReplaceValues(const QString& key, const QList<QPair<QString, QVariant>>& values)
{
    return Update([&key, &values](Map& map) {
        const QString prefix = key + QLatin1Char('/');
        for (auto it = map.begin(); it != map.end();) {
            if (it.key().startsWith(prefix, Qt::CaseInsensitive) && it.key().indexOf(QLatin1Char('/'), prefix.size()) < 0)
                it = map.erase(it);
            else
                ++it;
        }
        for (const auto& [name, value] : values)
            map.insert(prefix + name, value);
    });
}

std::optional<QString> SettingsStore::ReadDefault(const QString& key) const
{
    return ReadString(key, kDefaultValueName);
}

bool SettingsStore::WriteDword(const QString& key, const QString& name, qint32 value)
{
    return WriteValues(key, {{name, QVariant::fromValue<quint32>(static_cast<quint32>(value))}});
}

bool SettingsStore::WriteString(const QString& key, const QString& name, const QString& value)
{
    return WriteValues(key, {{name, value}});
}

bool SettingsStore::WriteDefault(const QString& key, const QString& value)
{
    return WriteValues(key, {{kDefaultValueName, value}});
}

bool SettingsStore::WriteValues(const QString& key, const QList<QPair<QString, QVariant>>& values)
{
    return Update([this, &key, &values](Map& map) {
        for (const auto& [name, value] : values)
            map.insert(Join(map, key, name), value);
    });
}

bool SettingsStore::Update(const std::function<void(Map&)>& change)
{
    // The folder is the owner's only: made so before the first file is in it.
    const QString dir = QFileInfo(filePath_).absolutePath();
    if (!QFileInfo::exists(dir)) {
        if (!QDir().mkpath(dir))
            return false;
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    // Another process's save in the meantime is read first, so none is lost.
    // The lock file is waited for before the values are taken: a reader on
    // another thread is not kept waiting by another process's save.
    QLockFile fileLock(filePath_ + QStringLiteral(".lock"));
    if (!fileLock.tryLock(kLockWaitMs))
        return false;
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Refresh();
    Map changed = values_;
    change(changed);
    // Every save rewrites the whole file and waits for the disk: values that
    // are already stored (the start-up writes its defaults back every time)
    // cost nothing.
    bool same = read_ && read_->exists && changed.size() == values_.size();
    for (auto a = changed.cbegin(), b = values_.cbegin(); same && a != changed.cend(); ++a, ++b)
        same = a.key() == b.key() && a.value().typeId() == b.value().typeId() && a.value() == b.value();
    if (same)
        return true;
    if (!Save(changed))
        return false;
    values_ = changed;
    return true;
}

// The values go to a temporary file of the owner's only, which reaches the
// disk and then takes the file's place: a crash leaves either the old values
// or all of the new ones, and the file never exists with a wider mode.
bool SettingsStore::Save(const Map& values)
{
    QByteArray text;
    QBuffer buffer(&text);
    if (!buffer.open(QIODevice::WriteOnly) || !RegistryFormat::Write(buffer, values))
        return false;
    QByteArray temp = QFile::encodeName(filePath_ + kSaveMarker + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st = {};
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0 && ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!written || ::rename(temp.constData(), QFile::encodeName(filePath_).constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    const int dirFd = ::open(QFile::encodeName(QFileInfo(filePath_).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    Stamp stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    read_ = stamp;
    return true;
}
