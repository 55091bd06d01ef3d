// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/DataStore.h"

#include "core/entries/CountryList.h"
#include "core/entries/DatabaseConnection.h"
#include "core/entries/EntryChecks.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"

#include <QAtomicInt>
#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QString DataStore::kSystemDatabase = QStringLiteral("BXSYS.mdb");
const QString DataStore::kUserDatabase = QStringLiteral("BXUSER.mdb");
const QString DataStore::kCreateQuestion =
    QStringLiteral("Cannot open data(BXUSER.MDB) files, Do you create a new data file?");
const QString DataStore::kSystemMissingMessage =
    QStringLiteral("Cannot find data(BXSYS.MDB) files!. Can not run this program!");

namespace {

using Connection = DatabaseConnection;

// The record-set classes: which file and table each reads. Statements quote
// names in brackets: SQLite reads a double-quoted name that matches no column
// as a text, which would turn a missing column into its own name as data.
const QStringList kEntryColumns = {"ID", "ConnectName", "Country", "ProviderName", "APNName",
                                   "PhoneNumber", "UserName", "Password", "PrimaryDNS", "SecondDNS",
                                   "QoSMin", "QoSRequest", "CheckPasswd", "UserIPAddr"};
const QStringList kPresetColumns = {"ID", "Country", "ConnectName", "Provider Name", "APNName", "UserName",
                                    "Password", "PrimaryDNS", "SecondDNS", "PhoneNumber", "QoSMin",
                                    "QoSRequest"};

QString Bracketed(const QStringList& names)
{
    return QLatin1Char('[') + names.join(QStringLiteral("], [")) + QLatin1Char(']');
}

struct CMorrowEntryDataSet : Connection
{
    explicit CMorrowEntryDataSet(const QString& path) : Connection(path, false)
    {
        RequireColumns(QFileInfo(path).fileName(), QStringLiteral("EntryInfo"), kEntryColumns);
    }
    // For the creation, which makes the table.
    struct Bare
    {
    };
    CMorrowEntryDataSet(const QString& path, Bare) : Connection(path, false) {}
    static QString Columns() { return Bracketed(kEntryColumns); }
};

struct MorrowAPNDataSet : Connection
{
    explicit MorrowAPNDataSet(const QString& path) : Connection(path, true)
    {
        RequireColumns(QFileInfo(path).fileName(), QStringLiteral("APN Info"), kPresetColumns);
    }
    static QString Columns() { return Bracketed(kPresetColumns); }

    // Whether the table has rows; false (with the error kept) when it cannot be read.
    bool HasRows()
    {
        if (!Ok())
            return false;
        QSqlQuery q(Db());
        return Prepare(q, QStringLiteral("SELECT 1 FROM [APN Info] LIMIT 1")) && Exec(q) && q.next();
    }
};

QString Text(const QSqlQuery& q, int column)
{
    return q.value(column).toString();
}

ConnectionEntry EntryFrom(const QSqlQuery& q)
{
    ConnectionEntry e;
    e.ID = q.value(0).toInt();
    e.ConnectName = Text(q, 1);
    e.Country = Text(q, 2);
    e.ProviderName = Text(q, 3);
    e.APNName = Text(q, 4);
    e.PhoneNumber = Text(q, 5);
    e.UserName = Text(q, 6);
    e.Password = Text(q, 7);
    e.PrimaryDNS = Text(q, 8);
    e.SecondDNS = Text(q, 9);
    e.QoSMin = Text(q, 10);
    e.QoSRequest = Text(q, 11);
    e.CheckPasswd = DecimalPrefix(Text(q, 12));
    e.UserIPAddr = Text(q, 13);
    return e;
}

ApnPreset PresetFrom(const QSqlQuery& q)
{
    ApnPreset p;
    p.ID = q.value(0).toInt();
    p.Country = Text(q, 1);
    p.ConnectName = Text(q, 2);
    p.ProviderName = Text(q, 3);
    p.APNName = Text(q, 4);
    p.UserName = Text(q, 5);
    p.Password = Text(q, 6);
    p.PrimaryDNS = Text(q, 7);
    p.SecondDNS = Text(q, 8);
    p.PhoneNumber = Text(q, 9);
    p.QoSMin = Text(q, 10);
    p.QoSRequest = Text(q, 11);
    return p;
}

// The thirteen columns every write sets, in the order of the statements below.
void BindEntry(QSqlQuery& q, const ConnectionEntry& e)
{
    // Empty texts are stored as empty texts, never as NULL.
    auto text = [](const QString& s) { return s.isNull() ? QStringLiteral("") : s; };
    q.addBindValue(text(e.ConnectName));
    q.addBindValue(text(e.Country));
    q.addBindValue(text(e.ProviderName));
    q.addBindValue(text(e.APNName));
    q.addBindValue(text(e.PhoneNumber));
    q.addBindValue(text(e.UserName));
    q.addBindValue(text(e.Password));
    q.addBindValue(QString::number(e.CheckPasswd));
    q.addBindValue(text(e.UserIPAddr));
    q.addBindValue(text(e.PrimaryDNS));
    q.addBindValue(text(e.SecondDNS));
    q.addBindValue(text(e.QoSMin));
    q.addBindValue(text(e.QoSRequest));
}

QString Friendly(const QString& file, const QString& error)
{
    if (error.contains(QLatin1String("not a database")) || error.contains(QLatin1String("malformed")))
        return QStringLiteral("%1 is damaged or is not a Braxlow database (%2).").arg(file, error);
    if (error.contains(QLatin1String("CHECK constraint")))
        return QStringLiteral("A value is longer than its field allows (%1).").arg(error);
    if (error.contains(QLatin1String("readonly")) || error.contains(QLatin1String("read-only")))
        return QStringLiteral("%1 cannot be written (%2).").arg(file, error);
    return QStringLiteral("%1: %2").arg(file, error);
}

// Whether the connection is open; else keeps the reason in `error`.
bool Usable(const Connection& set, const QString& file, QString& error)
{
    if (set.Ok())
        return true;
    error = Friendly(file, set.Error());
    return false;
}

// Opens a write: the connection and its transaction.
bool BeginWrite(Connection& set, const QString& file, QString& error)
{
    if (!Usable(set, file, error))
        return false;
    if (set.Db().transaction())
        return true;
    error = Friendly(file, set.Db().lastError().text());
    return false;
}

} // namespace

DataStore::DataStore(AppSettings& settings, Prompter& prompter)
    : settings_(settings), prompter_(prompter)
{
}

QString DataStore::UserDatabasePath() const
{
    return settings_.UserDirectory() + kUserDatabase;
}

QString DataStore::SystemDatabasePath() const
{
    return settings_.DataDirectory() + kSystemDatabase;
}

QStringList DataStore::EntryInfoSchema()
{
    auto text = [](const char* name, int size) {
        return QStringLiteral("\"%1\" TEXT CHECK (length(\"%1\") <= %2)")
            .arg(QLatin1String(name))
            .arg(size);
    };
    const QString table =
        QStringLiteral("CREATE TABLE \"EntryInfo\" (\n"
                       "  \"ID\" INTEGER CONSTRAINT \"armId\" PRIMARY KEY AUTOINCREMENT,\n  ") +
        QStringList{text("ConnectName", kNameSize),  text("Country", kCountrySize),
                    text("ProviderName", kNameSize), text("APNName", kNameSize),
                    text("PhoneNumber", kShortSize), text("UserName", kNameSize),
                    text("Password", kNameSize),     text("PrimaryDNS", kShortSize),
                    text("SecondDNS", kShortSize),   text("QoSMin", kShortSize),
                    text("QoSRequest", kShortSize),  text("CheckPasswd", kShortSize),
                    text("UserIPAddr", kShortSize)}
            .join(QStringLiteral(",\n  ")) +
        QStringLiteral("\n)");
    return {table, QStringLiteral("CREATE UNIQUE INDEX \"armId\" ON \"EntryInfo\" (\"ID\" ASC)")};
}

bool DataStore::CheckDataFiles()
{
    if (!settings_.ReadDatabaseMarker())
        settings_.WriteDatabaseMarker();
    RemoveCreationLeftovers();
    if (!EnsureUserDatabase())
        return false;
    return SystemDatabaseExists();
}

bool DataStore::InitializeDataStore()
{
    if (!CheckDataFiles())
        return false;
    LanguageLoader(settings_, prompter_).LoadStartupLanguage();
    settings_.LoadAll();
    return true;
}

DataStore::FileState DataStore::UserDatabaseState()
{
    lastError_.clear();
    const QFileInfo file(UserDatabasePath());
    if (!file.exists())
        return FileState::Missing;
    if (file.isFile() && file.size() == 0)
        return FileState::Empty;
    Connection set(UserDatabasePath(), true);
    if (!set.Ok()) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return set.Error().contains(QLatin1String("not a database")) ? FileState::Damaged
                                                                      : FileState::Unreadable;
    }
    if (set.Columns(QStringLiteral("EntryInfo")).isEmpty()) {
        lastError_ = set.Ok() ? QStringLiteral("%1 has no connection entries table.").arg(kUserDatabase)
                              : Friendly(kUserDatabase, set.Error());
        return set.Ok() ? FileState::NoTable : FileState::Damaged;
    }
    if (!set.RequireColumns(kUserDatabase, QStringLiteral("EntryInfo"), kEntryColumns)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return FileState::Damaged;
    }
    return FileState::Usable;
}

bool DataStore::EnsureUserDatabase()
{
    const FileState state = UserDatabaseState();
    if (state == FileState::Damaged) {
        // Another program's file, or a damaged one: left as it is, and said so,
        // rather than read as if it were right.
        prompter_.Show(lastError_ + QStringLiteral(" Braxlow leaves it as it is; connection entries "
                                                   "cannot be read or saved until it is replaced."),
                       QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
        return true;
    }
    if (state == FileState::Usable || state == FileState::Unreadable) {
        settings_.WriteDatabaseMarker();
        return true;
    }
    // Missing, or an empty or table-less file (a creation that was cut off): the
    // question to make a new one; an old file is kept aside, never deleted.
    if (prompter_.Show(kCreateQuestion, QString(), Prompter::Buttons::YesNo,
                       Prompter::Icon::None) != Prompter::Answer::Yes)
        return true;
    if (state != FileState::Missing && !MoveAside(UserDatabasePath())) {
        prompter_.Show(lastError_, QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
        return false;
    }
    if (CreateUserDatabase())
        return true;
    prompter_.Show(lastError_, QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
    return false;
}

bool DataStore::MoveAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".unusable-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".unusable-%1-%2").arg(stamp).arg(n);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
        return true;
    lastError_ = QStringLiteral("%1 cannot be moved aside: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

void DataStore::RemoveCreationLeftovers()
{
    // A creation that was cut off leaves its temporary file (and journal); one
    // that is a minute old is no creation still running.
    const QFileInfo user(UserDatabasePath());
    const QFileInfoList leftovers = user.dir().entryInfoList(
        {kUserDatabase + QStringLiteral(".new-*")},
        QDir::Files | QDir::Hidden);
    static const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kUserDatabase) + QStringLiteral("\\.new-[A-Za-z0-9]{6}(-journal)?")));
    for (const QFileInfo& f : leftovers)
        if (ours.match(f.fileName()).hasMatch() && f.lastModified().secsTo(QDateTime::currentDateTime()) > 60)
            QFile::remove(f.absoluteFilePath());
}

bool DataStore::SystemDatabaseExists()
{
    if (QFileInfo::exists(SystemDatabasePath()))
        return true;
    prompter_.Show(kSystemMissingMessage, QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
    return false;
}

bool DataStore::CreateUserDatabase()
{
    lastError_.clear();
    const QString path = UserDatabasePath();
    // Made complete under a temporary name and only then put in place, so that
    // a crash never leaves a half-made BXUSER.mdb. The file holds passwords: it
    // is owner-only before anything is written, and SQLite's journals inherit it.
    QByteArray temp = QFile::encodeName(path + QStringLiteral(".new-XXXXXX"));
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        lastError_ = QStringLiteral("%1 cannot be created: %2")
                         .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::fchmod(fd, 0600);
    ::close(fd);
    const QString tempPath = QFile::decodeName(temp);
    bool ok = false;
    {
        CMorrowEntryDataSet set(tempPath, CMorrowEntryDataSet::Bare{});
        ok = set.Ok() && set.Db().transaction();
        for (const QString& sql : EntryInfoSchema())
            ok = ok && set.Check(sql);
        ok = ok && set.Db().commit();
        if (!ok)
            lastError_ = Friendly(kUserDatabase, set.Error().isEmpty() ? set.Db().lastError().text() : set.Error());
    }
    // Put in place without ever replacing a file that appeared meanwhile:
    // link() refuses to, and where the file system has no hard links (FAT and
    // exFAT, the portable copy's stick) a rename that refuses to as well.
    const QByteArray target = QFile::encodeName(path);
    if (ok && ::link(temp.constData(), target.constData()) != 0) {
        const bool noLinks = errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS;
        if (!noLinks || ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) != 0) {
            lastError_ = QStringLiteral("%1 cannot be created: %2")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            ok = false;
        }
    }
    ::unlink(temp.constData());
    if (!ok)
        return false;
    settings_.WriteDatabaseMarker();
    return true;
}

QList<ConnectionEntry> DataStore::LoadEntries()
{
    lastError_.clear();
    QList<ConnectionEntry> entries;
    CMorrowEntryDataSet set(UserDatabasePath());
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT %1 FROM [EntryInfo]").arg(CMorrowEntryDataSet::Columns())) ||
        !set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return entries;
    }
    while (q.next())
        entries << EntryFrom(q);
    return entries;
}

std::optional<int> DataStore::AddEntry(const ConnectionEntry& entry)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    if (!BeginWrite(set, kUserDatabase, lastError_))
        return std::nullopt;
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("INSERT INTO [EntryInfo] ([ConnectName], [Country], [ProviderName], "
                                       "[APNName], [PhoneNumber], [UserName], [Password], [CheckPasswd], "
                                       "[UserIPAddr], [PrimaryDNS], [SecondDNS], [QoSMin], [QoSRequest]) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        set.Db().rollback();
        return std::nullopt;
    }
    BindEntry(q, entry);
    if (!set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        set.Db().rollback();
        return std::nullopt;
    }
    const int id = q.lastInsertId().toInt();
    if (!set.Db().commit()) {
        lastError_ = Friendly(kUserDatabase, set.Db().lastError().text());
        return std::nullopt;
    }
    return id;
}

bool DataStore::UpdateEntry(const ConnectionEntry& entry)
{
    lastError_.clear();
    // The editor has closed by now: whatever kept the edit from the file is
    // said, and the failure is reported so that the list keeps showing what
    // the file holds.
    auto fail = [this] {
        prompter_.Show(lastError_, QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
        return false;
    };
    CMorrowEntryDataSet set(UserDatabasePath());
    if (!BeginWrite(set, kUserDatabase, lastError_))
        return fail();
    QSqlQuery q(set.Db());
    const bool prepared = set.Prepare(
        q, QStringLiteral("UPDATE [EntryInfo] SET [ConnectName] = ?, [Country] = ?, [ProviderName] = ?, "
                          "[APNName] = ?, [PhoneNumber] = ?, [UserName] = ?, [Password] = ?, "
                          "[CheckPasswd] = ?, [UserIPAddr] = ?, [PrimaryDNS] = ?, [SecondDNS] = ?, "
                          "[QoSMin] = ?, [QoSRequest] = ? WHERE [ID] = ?"));
    if (prepared) {
        BindEntry(q, entry);
        q.addBindValue(entry.ID);
    }
    if (!prepared || !set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        set.Db().rollback();
        return fail();
    }
    const bool found = q.numRowsAffected() > 0;
    if (!set.Db().commit()) {
        lastError_ = Friendly(kUserDatabase, set.Db().lastError().text());
        set.Db().rollback();
        return fail();
    }
    if (!found) {
        lastError_ = QStringLiteral("The connection entry %1 no longer exists.").arg(entry.ID);
        return fail();
    }
    return true;
}

bool DataStore::DeleteEntry(int id)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    if (!BeginWrite(set, kUserDatabase, lastError_))
        return false;
    // The entry's extras go with it, in the same transaction: a SIM PIN must not
    // outlive the entry it was given for.
    const bool extras = !set.Connection::Columns(QStringLiteral("EntryExtra")).isEmpty();
    QStringList statements{QStringLiteral("DELETE FROM [EntryInfo] WHERE [ID] = ?")};
    if (extras)
        statements << QStringLiteral("DELETE FROM [EntryExtra] WHERE [EntryID] = ?");
    for (const QString& sql : std::as_const(statements)) {
        QSqlQuery q(set.Db());
        if (set.Prepare(q, sql)) {
            q.addBindValue(id);
            set.Exec(q);
        }
        if (!set.Ok())
            break;
    }
    if (!set.Ok() || !set.Db().commit()) {
        lastError_ = Friendly(kUserDatabase, set.Ok() ? set.Db().lastError().text() : set.Error());
        set.Db().rollback();
        return false;
    }
    return true;
}

std::optional<ConnectionEntry> DataStore::FindEntryById(int id)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("SELECT %1 FROM [EntryInfo] WHERE [ID] = ?").arg(CMorrowEntryDataSet::Columns()))) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return std::nullopt;
    }
    q.addBindValue(id);
    if (!set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return EntryFrom(q);
}

bool DataStore::IsConnectNameTaken(const QString& name)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    QSqlQuery q(set.Db());
    // The database matches without regard to case; only an exact match counts.
    if (!set.Prepare(q, QStringLiteral("SELECT [ConnectName] FROM [EntryInfo] WHERE [ConnectName] = ? COLLATE NOCASE"))) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return false;
    }
    q.addBindValue(name);
    if (!set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return false;
    }
    while (q.next())
        if (q.value(0).toString() == name)
            return true;
    return false;
}

std::optional<QStringList> DataStore::LoadPresetCountries()
{
    lastError_.clear();
    MorrowAPNDataSet set(SystemDatabasePath());
    if (!set.HasRows()) {
        if (!set.Ok())
            lastError_ = Friendly(kSystemDatabase, set.Error());
        return std::nullopt;
    }
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT [Country] FROM [APN Info] ORDER BY [Country] COLLATE NOCASE")) ||
        !set.Exec(q)) {
        lastError_ = Friendly(kSystemDatabase, set.Error());
        return std::nullopt;
    }
    QStringList countries;
    QString previous;
    while (q.next()) {
        const QString country = q.value(0).toString();
        if (country.compare(previous, Qt::CaseInsensitive) != 0)
            countries << country;
        previous = country;
    }
    return countries;
}

std::optional<QStringList> DataStore::LoadProviders(const QString& country)
{
    lastError_.clear();
    MorrowAPNDataSet set(SystemDatabasePath());
    if (!set.HasRows()) {
        if (!set.Ok())
            lastError_ = Friendly(kSystemDatabase, set.Error());
        return std::nullopt;
    }
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT [Provider Name] FROM [APN Info] WHERE [Country] = ? COLLATE NOCASE "
                                       "ORDER BY [Provider Name] COLLATE NOCASE"))) {
        lastError_ = Friendly(kSystemDatabase, set.Error());
        return std::nullopt;
    }
    q.addBindValue(country);
    if (!set.Exec(q)) {
        lastError_ = Friendly(kSystemDatabase, set.Error());
        return std::nullopt;
    }
    QStringList providers;
    QString previous;
    while (q.next()) {
        const QString provider = q.value(0).toString();
        if (provider.compare(previous, Qt::CaseInsensitive) != 0 &&
            provider.compare(kOthers, Qt::CaseInsensitive) != 0)
            providers << provider;
        previous = provider;
    }
    // The engine's NOCASE folds and orders ASCII only: "Másmovil" would follow
    // "Movistar" and "móbil R" every ASCII name.
    QCollator collator(ModuleLocale(Settings().LanguageModule()));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(providers.begin(), providers.end(),
                     [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return providers;
}

DataStore::PresetLookup DataStore::FindPreset(const QString& provider, const QString& country)
{
    lastError_.clear();
    PresetLookup result;
    MorrowAPNDataSet set(SystemDatabasePath());
    if (!set.HasRows()) {
        if (!set.Ok())
            lastError_ = Friendly(kSystemDatabase, set.Error());
        result.emptyTable = true;
        return result;
    }
    QSqlQuery q(set.Db());
    if (set.Prepare(q, QStringLiteral("SELECT %1 FROM [APN Info] WHERE [Provider Name] = ? COLLATE NOCASE "
                                      "AND [Country] = ? COLLATE NOCASE ORDER BY rowid LIMIT 1")
                           .arg(MorrowAPNDataSet::Columns()))) {
        q.addBindValue(provider);
        q.addBindValue(country);
        if (set.Exec(q) && q.next())
            result.preset = PresetFrom(q);
    }
    if (!set.Ok())
        lastError_ = Friendly(kSystemDatabase, set.Error());
    return result;
}

bool DataStore::IsImsi(const QString& text)
{
    return text.size() >= 6 && text.size() <= 15 && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

namespace {

// Files built before the table existed, or of another shape, know no codes.
bool KnowsNetworkCodes(Connection& set)
{
    const QStringList codeColumns = set.Columns(QStringLiteral("Network Codes"));
    const QStringList presetColumns = set.Columns(QStringLiteral("APN Info"));
    for (const QString& column : {QStringLiteral("Country"), QStringLiteral("Provider Name"), QStringLiteral("MCC"),
                                  QStringLiteral("MNC")}) {
        if (!codeColumns.contains(column, Qt::CaseInsensitive))
            return false;
    }
    return presetColumns.contains(QStringLiteral("Country"), Qt::CaseInsensitive) &&
           presetColumns.contains(QStringLiteral("Provider Name"), Qt::CaseInsensitive);
}

} // namespace

QList<DataStore::NetworkProvider> DataStore::FindProvidersByImsi(const QString& imsi)
{
    lastError_.clear();
    QList<NetworkProvider> found;
    if (!IsImsi(imsi))
        return found;
    Connection set(SystemDatabasePath(), true);
    if (!set.Ok()) {
        lastError_ = Friendly(kSystemDatabase, set.Error());
        return found;
    }
    if (!KnowsNetworkCodes(set))
        return found;
    // Only names the preset lists really have: anything else could not be selected.
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT n.[Country], n.[Provider Name] FROM [Network Codes] n "
                                       "WHERE n.[MCC] = ? AND n.[MNC] = ? AND EXISTS (SELECT 1 FROM [APN Info] a "
                                       "WHERE a.[Country] = n.[Country] COLLATE NOCASE "
                                       "AND a.[Provider Name] = n.[Provider Name] COLLATE NOCASE) "
                                       "GROUP BY n.[Country], n.[Provider Name] ORDER BY MIN(n.rowid)"))) {
        lastError_ = Friendly(kSystemDatabase, set.Error());
        return found;
    }
    for (const int mncLength : {3, 2}) {
        q.addBindValue(imsi.left(3));
        q.addBindValue(imsi.mid(3, mncLength));
        if (!set.Exec(q)) {
            lastError_ = Friendly(kSystemDatabase, set.Error());
            return {};
        }
        while (q.next()) {
            const NetworkProvider match{q.value(0).toString(), q.value(1).toString()};
            if (!match.country.isEmpty() && !match.provider.isEmpty())
                found << match;
        }
        if (!found.isEmpty())
            break;
    }
    return found;
}

QString DataStore::CountryOfImsi(const QString& imsi)
{
    QStringList countries;
    for (const NetworkProvider& p : FindProvidersByImsi(imsi))
        if (!countries.contains(p.country, Qt::CaseInsensitive))
            countries << p.country;
    if (countries.size() == 1)
        return countries.first();
    if (!countries.isEmpty() || !IsImsi(imsi))
        return QString();
    // A network the presets do not list: the country of its MCC, when the
    // code belongs to one country only.
    Connection set(SystemDatabasePath(), true);
    if (!set.Ok() || !KnowsNetworkCodes(set))
        return QString();
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT DISTINCT n.[Country] FROM [Network Codes] n WHERE n.[MCC] = ? "
                                       "AND EXISTS (SELECT 1 FROM [APN Info] a WHERE a.[Country] = n.[Country] "
                                       "COLLATE NOCASE) LIMIT 2")))
        return QString();
    q.addBindValue(imsi.left(3));
    if (!set.Exec(q))
        return QString();
    QStringList byCode;
    while (q.next())
        byCode << q.value(0).toString();
    return byCode.size() == 1 ? byCode.first() : QString();
}

std::optional<DataStore::EntryExtras> DataStore::LoadExtras(int entryId)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    if (!Usable(set, kUserDatabase, lastError_))
        return std::nullopt;
    EntryExtras extras;
    const QStringList columns = set.Connection::Columns(QStringLiteral("EntryExtra"));
    if (!set.Ok()) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return std::nullopt;
    }
    if (columns.isEmpty())
        return extras; // a file from before the table: nothing kept yet
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("SELECT [BalanceCode], [SimPin] FROM [EntryExtra] WHERE [EntryID] = ?"))) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return std::nullopt;
    }
    q.addBindValue(entryId);
    if (!set.Exec(q)) {
        lastError_ = Friendly(kUserDatabase, set.Error());
        return std::nullopt;
    }
    if (q.next()) {
        // The code goes to the phone and the PIN unlocks the SIM: anything else
        // in the file is not passed on.
        const QString code = q.value(0).toString();
        const QString pin = q.value(1).toString();
        if (EntryChecks::IsBalanceCode(code))
            extras.balanceCode = code;
        if (EntryChecks::IsSimPin(pin))
            extras.simPin = pin;
    }
    return extras;
}

bool DataStore::SaveBalanceCode(int entryId, const QString& code)
{
    if (!EntryChecks::IsBalanceCode(code)) {
        lastError_ = QStringLiteral("\"%1\" is not a balance code.").arg(code);
        return false;
    }
    return SaveExtra(entryId, QStringLiteral("BalanceCode"), code);
}

bool DataStore::SaveSimPin(int entryId, const QString& pin)
{
    if (!pin.isEmpty() && !EntryChecks::IsSimPin(pin)) {
        lastError_ = QStringLiteral("A SIM PIN has 4 to 8 digits.");
        return false;
    }
    return SaveExtra(entryId, QStringLiteral("SimPin"), pin);
}

bool DataStore::SaveExtra(int entryId, const QString& column, const QString& value)
{
    lastError_.clear();
    CMorrowEntryDataSet set(UserDatabasePath());
    if (!BeginWrite(set, kUserDatabase, lastError_))
        return false;
    auto fail = [&] {
        lastError_ = Friendly(kUserDatabase, set.Ok() ? set.Db().lastError().text() : set.Error());
        set.Db().rollback();
        return false;
    };
    const bool hasTable = !set.Connection::Columns(QStringLiteral("EntryExtra")).isEmpty();
    if (!set.Ok())
        return fail();
    if (value.isEmpty() && !hasTable) {
        set.Db().rollback();
        return true; // nothing kept, nothing to clear
    }
    if (!value.isEmpty()) {
        QSqlQuery exists(set.Db());
        if (!set.Prepare(exists, QStringLiteral("SELECT 1 FROM [EntryInfo] WHERE [ID] = ?")))
            return fail();
        exists.addBindValue(entryId);
        if (!set.Exec(exists))
            return fail();
        if (!exists.next()) {
            set.Db().rollback();
            lastError_ = QStringLiteral("The connection entry %1 no longer exists.").arg(entryId);
            return false;
        }
    }
    // The file is the user's existing one: the table is made in it the first time
    // something is kept (the file keeps its owner-only mode).
    if (!hasTable && !set.Check(QStringLiteral("CREATE TABLE [EntryExtra] ([EntryID] INTEGER PRIMARY KEY, "
                                               "[BalanceCode] TEXT, [SimPin] TEXT)")))
        return fail();
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("INSERT INTO [EntryExtra] ([EntryID], [%1]) VALUES (?, ?) "
                                       "ON CONFLICT ([EntryID]) DO UPDATE SET [%1] = excluded.[%1]")
                            .arg(column)))
        return fail();
    q.addBindValue(entryId);
    q.addBindValue(value.isNull() ? QStringLiteral("") : value);
    if (!set.Exec(q))
        return fail();
    // A row with nothing left in it is removed, so that a forgotten PIN leaves no trace.
    QSqlQuery empty(set.Db());
    if (!set.Prepare(empty, QStringLiteral("DELETE FROM [EntryExtra] WHERE [EntryID] = ? AND "
                                           "COALESCE([BalanceCode], '') = '' AND COALESCE([SimPin], '') = ''")))
        return fail();
    empty.addBindValue(entryId);
    if (!set.Exec(empty) || !set.Db().commit())
        return fail();
    return true;
}
