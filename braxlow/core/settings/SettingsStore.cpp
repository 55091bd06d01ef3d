// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/RegistryFormat.h"

#include <QDir>
#include <QFile>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kDefaultValueName = QStringLiteral("Default");
} // namespace

SettingsStore::SettingsStore(const QString& root, const QString& fileName)
    : root_(root), filePath_(QDir(root).filePath(fileName))
{
    settings_ = std::make_unique<QSettings>(filePath_, RegistryFormat::Format());
    settings_->setFallbacksEnabled(false);
    RemoveLeftovers();
}

void SettingsStore::RemoveLeftovers()
{
    // A save cut off by a crash can leave its temporary file: a whole copy of
    // the settings, passwords included. Ours are named "<file>.XXXXXX" and
    // begin with the format's first line; one a minute old is no save still
    // running in another instance.
    const QFileInfo file(filePath_);
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QFileInfoList candidates =
        file.dir().entryInfoList({file.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& f : candidates) {
        if (!ours.match(f.fileName()).hasMatch() || f.lastModified().secsTo(QDateTime::currentDateTime()) <= 60)
            continue;
        QFile copy(f.absoluteFilePath());
        if (copy.open(QIODevice::ReadOnly) &&
            (copy.size() == 0 || copy.read(RegistryFormat::kFirstLine.size()) == RegistryFormat::kFirstLine)) {
            copy.close();
            copy.remove();
        }
    }
}

SettingsStore::~SettingsStore() = default;

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

QString SettingsStore::Join(const QString& key, const QString& name) const
{
    // Registry names are case-insensitive but keep the case they were created
    // with: find the stored spelling, else use the one given.
    const QString wanted = key.isEmpty() ? name : key + QLatin1Char('/') + name;
    const QStringList keys = settings_->allKeys();
    for (const QString& existing : keys)
        if (existing.compare(wanted, Qt::CaseInsensitive) == 0)
            return existing;
    return wanted;
}

std::optional<qint32> SettingsStore::ReadDword(const QString& key, const QString& name) const
{
    settings_->sync(); // pick up changes made by another process
    const QVariant v = settings_->value(Join(key, name));
    // A registry value of another type does not read as an integer.
    if (v.typeId() != QMetaType::UInt && v.typeId() != QMetaType::Int)
        return std::nullopt;
    return static_cast<qint32>(v.toUInt());
}

std::optional<QString> SettingsStore::ReadString(const QString& key, const QString& name) const
{
    settings_->sync();
    const QVariant v = settings_->value(Join(key, name));
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    return v.toString();
}

QList<QPair<QString, QString>> SettingsStore::ReadStrings(const QString& key) const
{
    settings_->sync();
    QList<QPair<QString, QString>> values;
    const QString prefix = key + QLatin1Char('/');
    const QStringList keys = settings_->allKeys();
    for (const QString& k : keys) {
        if (!k.startsWith(prefix, Qt::CaseInsensitive) || k.indexOf(QLatin1Char('/'), prefix.size()) >= 0)
            continue;
        const QVariant v = settings_->value(k);
        if (v.typeId() == QMetaType::QString)
            values.append({k.mid(prefix.size()), v.toString()});
    }
    return values;
}

bool SettingsStore::ReplaceValues(const QString& key, const QList<QPair<QString, QVariant>>& values)
{
    if (!PrepareFile())
        return false;
    settings_->sync();
    const QString prefix = key + QLatin1Char('/');
    const QStringList keys = settings_->allKeys();
    for (const QString& k : keys)
        if (k.startsWith(prefix, Qt::CaseInsensitive) && k.indexOf(QLatin1Char('/'), prefix.size()) < 0)
            settings_->remove(k);
    for (const auto& [name, value] : values)
        settings_->setValue(prefix + name, value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
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

bool SettingsStore::WriteValues(const QString& key,
                                const QList<QPair<QString, QVariant>>& values)
{
    if (!PrepareFile())
        return false;
    settings_->sync();
    // Every save rewrites the whole file and waits for the disk: values that
    // are already stored (the start-up writes its defaults back every time)
    // cost nothing.
    const bool unchanged = std::all_of(values.cbegin(), values.cend(), [this, &key](const auto& value) {
        const QVariant stored = settings_->value(Join(key, value.first));
        return stored.typeId() == value.second.typeId() && stored == value.second;
    });
    if (unchanged && settings_->status() == QSettings::NoError)
        return true;
    for (const auto& [name, value] : values)
        settings_->setValue(Join(key, name), value);
    // QSettings writes the whole file to a temporary and renames it over the old
    // one, so a crash leaves either the old values or all of the new ones.
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

// Creates the folder (owner only) and an empty file (owner read/write) before
// QSettings first writes, so the file never exists with wider permissions; the
// atomic rewrites that follow keep the mode of the file they replace.
bool SettingsStore::PrepareFile()
{
    if (QFileInfo::exists(filePath_))
        return true;
    const QString dir = QFileInfo(filePath_).absolutePath();
    if (!QDir().mkpath(dir))
        return false;
    ::chmod(QFile::encodeName(dir).constData(), 0700);
    const int fd = ::open(QFile::encodeName(filePath_).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    return QFileInfo::exists(filePath_);
}
