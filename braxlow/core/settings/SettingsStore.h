// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

// The per-user hierarchical key/value store that plays the registry's part: one
// file, <root>/KORVANE/Korvane Tessaly II.reg, holding the keys below
// Software\KORVANE\Korvane Tessaly II (the program key "Braxlow" and the family's
// "Information" key). Values keep their registry types.
//
// Every write reaches the disk before it returns, because the program keeps no
// other copy: a process killed right after a change has lost nothing. The file
// holds a password in plain text, so it is created readable by its owner only.
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
    // Removes the temporary files of saves that a crash cut off.
    void RemoveLeftovers();

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
    bool PrepareFile();
    QString Join(const QString& key, const QString& name) const;

    QString root_;
    QString filePath_;
    std::unique_ptr<QSettings> settings_;
};
