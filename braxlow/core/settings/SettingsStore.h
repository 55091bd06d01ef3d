// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>
#include <sys/types.h>

// The per-user hierarchical key/value store that plays the registry's part: one
// file, <root>/KORVANE/Korvane Tessaly II.reg, holding the keys below
// Software\KORVANE\Korvane Tessaly II (the program key "Braxlow" and the family's
// "Information" key). Values keep their registry types.
//
// Every write reaches the disk before it returns, because the program keeps no
// other copy: a process killed right after a change has lost nothing. The file
// holds a password in plain text, so it is created readable by its owner only.
//
// A write goes to a temporary file beside the store's, named with a marker no
// person would choose ("<file>.~bxsave-XXXXXX"), which then replaces the file
// whole; other processes are kept out meanwhile by "<file>.lock". One store
// may be used from several threads.
class SettingsStore
{
public:
    // root is the folder that holds "KORVANE"; tests and the portable mode pass
    // their own, the program passes DefaultRoot(). fileName, relative to root,
    // names another store of the same format (a sibling program's settings).
    explicit SettingsStore(
        const QString& root,
        const QString& fileName = QStringLiteral("KORVANE/Korvane Tessaly II.reg"));
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // $BRAXLOW_CONFIG_HOME when set, else "settings" beside the program when the
    // program directory holds a file named "portable", else the user's
    // configuration folder ($XDG_CONFIG_HOME or ~/.config).
    static QString DefaultRoot(const QString& programDirectory);

    QString FilePath() const { return filePath_; }
    QString Root() const { return root_; }
    // Removes the temporary files of saves that a crash cut off: only those
    // the store names itself, a minute old.
    void RemoveLeftovers();
    // A file made with a wider mode (by hand, a restore, an older copy) is
    // made the owner's only, and its folder too. The paths that were widened.
    QStringList TightenPermissions();

    // Whether the family key (Software\KORVANE) exists at all, i.e. whether the
    // store has ever been written.
    bool FamilyKeyExists() const;

    // Reads give nothing when the value is absent or has another type; they never
    // create the file or its folder. An empty key names the file's top level.
    std::optional<qint32> ReadDword(const QString& key, const QString& name) const;
    std::optional<QString> ReadString(const QString& key, const QString& name) const;
    // True when the value is on disk.
    bool WriteDword(const QString& key, const QString& name, qint32 value);
    bool WriteString(const QString& key, const QString& name, const QString& value);
    // Several values of one key in one write: all of them reach the disk, or none.
    bool WriteValues(const QString& key, const QList<QPair<QString, QVariant>>& values);

    // Every string value of a key, by name; and a write that makes the key hold
    // exactly the given values.
    QList<QPair<QString, QString>> ReadStrings(const QString& key) const;
    bool ReplaceValues(const QString& key, const QList<QPair<QString, QVariant>>& values);

    // The key's default (unnamed) value, a string.
    std::optional<QString> ReadDefault(const QString& key) const;
    bool WriteDefault(const QString& key, const QString& value);

private:
    using Map = QSettings::SettingsMap;
    // Reads the file again when it has changed since it was last read.
    void Refresh() const;
    // Under the lock file: the values on disk, changed by `change`, written
    // back when they differ.
    bool Update(const std::function<void(Map&)>& change);
    bool Save(const Map& values);
    QString Join(const Map& values, const QString& key, const QString& name) const;

    QString root_;
    QString filePath_;
    mutable std::recursive_mutex mutex_;
    mutable Map values_;
    struct Stamp
    {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        qint64 size = 0;
        qint64 modified = 0;
        bool operator==(const Stamp& o) const
        {
            return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
                   modified == o.modified;
        }
    };
    mutable std::optional<Stamp> read_;
};
