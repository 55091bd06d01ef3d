// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/ConnectionEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AppSettings;
class Prompter;

// The two database files beside the program: "BXSYS.mdb" (the access-point
// presets, delivered, read only) and "BXUSER.mdb" (the user's connection entries,
// created on demand). Both are SQLite files. Nothing is cached: every operation
// opens its file, works in one transaction and closes it again.
//
// Failures never throw: operations report them by their result, and LastError()
// says what went wrong in words a user can act on.
class DataStore
{
public:
    static const QString kSystemDatabase; // "BXSYS.mdb"
    static const QString kUserDatabase;   // "BXUSER.mdb"
    static const QString kCreateQuestion;
    static const QString kSystemMissingMessage;

    // Column sizes of "EntryInfo"; longer values are refused by the database.
    static constexpr int kNameSize = EntryFieldSize::kName;
    static constexpr int kCountrySize = EntryFieldSize::kCountry;
    static constexpr int kShortSize = EntryFieldSize::kShort;

    DataStore(AppSettings& settings, Prompter& prompter);

    // Start-up checks: the database marker, the user database (offering to create
    // it), then the system database. False ends the start-up.
    bool CheckDataFiles();
    // The checks, then the language and the settings.
    bool InitializeDataStore();
    // False only when the user agreed to create the file and that failed.
    bool EnsureUserDatabase();
    bool SystemDatabaseExists();
    bool CreateUserDatabase();

    // What the user database file is: missing, empty or without its table (a
    // creation cut off: offered to be made anew), damaged or of another shape
    // (refused), unreadable now (busy, no rights), or usable.
    enum class FileState { Missing, Empty, NoTable, Damaged, Unreadable, Usable };
    FileState UserDatabaseState();

    QList<ConnectionEntry> LoadEntries();
    // The new entry's ID, or nothing when the database refused the row.
    std::optional<int> AddEntry(const ConnectionEntry& entry);
    // False when the row is gone or the database refused the new values.
    bool UpdateEntry(const ConnectionEntry& entry);
    bool DeleteEntry(int id);
    std::optional<ConnectionEntry> FindEntryById(int id);
    // Whether another entry has exactly this name (letter case counts).
    bool IsConnectNameTaken(const QString& name);

    // The preset queries. Nothing (the empty-table result) when "APN Info" has no
    // rows or cannot be read.
    std::optional<QStringList> LoadPresetCountries();
    std::optional<QStringList> LoadProviders(const QString& country);
    struct PresetLookup
    {
        bool emptyTable = false;
        std::optional<ApnPreset> preset;
    };
    PresetLookup FindPreset(const QString& provider, const QString& country);

    // The presets a SIM's network belongs to, from its IMSI (the SIM's identity:
    // country code MCC, network code MNC of two or three digits, subscriber
    // number). Three-digit network codes are tried first. Empty for anything but
    // 6 to 15 digits, for an unknown network and for a file without the table.
    struct NetworkProvider
    {
        QString country;
        QString provider;
        bool operator==(const NetworkProvider& o) const { return country == o.country && provider == o.provider; }
    };
    QList<NetworkProvider> FindProvidersByImsi(const QString& imsi);
    // The country of the SIM with this IMSI, as the presets name it: that of
    // its network, or of its country code where the presets do not list the
    // network; empty when that tells no single country.
    QString CountryOfImsi(const QString& imsi);
    static bool IsImsi(const QString& text);

    // What an entry keeps beside its "EntryInfo" row, in table "EntryExtra".
    struct EntryExtras
    {
        QString balanceCode; // the USSD code that asks for the balance
        QString simPin;
    };
    // Defaults (empty) when the entry has no row; nothing when the file cannot be read.
    std::optional<EntryExtras> LoadExtras(int entryId);
    bool SaveBalanceCode(int entryId, const QString& code); // empty clears it
    bool SaveSimPin(int entryId, const QString& pin);       // empty forgets it

    // The settings part, for the windows that reach the phone on the configured port.
    AppSettings& Settings() { return settings_; }

    QString UserDatabasePath() const;
    QString SystemDatabasePath() const;
    // Why the last operation failed; empty after one that succeeded, so that
    // "no entries" can be told from "cannot read them".
    QString LastError() const { return lastError_; }

    // The schema of "EntryInfo", for the tests and the preset builder.
    static QStringList EntryInfoSchema();

private:
    bool SaveExtra(int entryId, const QString& column, const QString& value);
    bool MoveAside(const QString& path);
    void RemoveCreationLeftovers();

    AppSettings& settings_;
    Prompter& prompter_;
    QString lastError_;
};
