// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ConnectionEntry Entry(const QString& name)
{
    ConnectionEntry e;
    e.ConnectName = name;
    e.Country = QStringLiteral("Germany");
    e.ProviderName = QStringLiteral("E-Plus");
    e.APNName = QStringLiteral("internet.eplus.de");
    e.PhoneNumber = QStringLiteral("*99#");
    e.UserName = QStringLiteral("eplus");
    e.Password = QStringLiteral("gprs");
    e.PrimaryDNS = QStringLiteral("212.23.97.2");
    e.SecondDNS = QStringLiteral("212.23.97.3");
    e.QoSMin = QStringLiteral("1,0,0,3,0,0");
    e.QoSRequest = QStringLiteral("1,0,0,3,0,0");
    e.CheckPasswd = 1;
    return e;
}

// Runs SQL on a database file directly, as another program would.
QVariantList Sql(const QString& path, const QString& statement)
{
    QVariantList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(statement))
                while (q.next())
                    rows << q.value(0);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return rows;
}

} // namespace

class TestDataStore : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        programDir_ = std::make_unique<QTemporaryDir>();
        settingsDir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<SettingsStore>(settingsDir_->path());
        settings_ = std::make_unique<AppSettings>(*store_);
        settings_->SetProgramDirectory(programDir_->path());
        settings_->LoadAll(); // the family key exists, so markers can be written
        prompter_ = std::make_unique<RecordingPrompter>();
        data_ = std::make_unique<DataStore>(*settings_, *prompter_);
    }

    void cleanup()
    {
        data_.reset();
        settings_.reset();
        store_.reset();
    }

    void firstStartAsksThenMissesTheSystemDatabase()
    {
        prompter_->QueueAnswer(Prompter::Answer::Yes);
        QVERIFY(!data_->CheckDataFiles());
        QCOMPARE(prompter_->Messages().size(), 2);
        QCOMPARE(prompter_->Messages().at(0).text,
                 QStringLiteral("Cannot open data(BXUSER.MDB) files, Do you create a new data file?"));
        QCOMPARE(prompter_->Messages().at(0).buttons, Prompter::Buttons::YesNo);
        QCOMPARE(prompter_->Messages().at(1).text,
                 QStringLiteral("Cannot find data(BXSYS.MDB) files!. Can not run this program!"));
        QVERIFY(QFileInfo::exists(data_->UserDatabasePath()));
        QVERIFY(settings_->ReadDatabaseMarker());

        // The created file: fourteen columns in order, the index, no rows, owner only.
        const QVariantList columns = Sql(data_->UserDatabasePath(),
                                         QStringLiteral("SELECT name FROM pragma_table_info('EntryInfo')"));
        QStringList names;
        for (const QVariant& c : columns)
            names << c.toString();
        QCOMPARE(names, (QStringList{"ID", "ConnectName", "Country", "ProviderName", "APNName",
                                     "PhoneNumber", "UserName", "Password", "PrimaryDNS", "SecondDNS",
                                     "QoSMin", "QoSRequest", "CheckPasswd", "UserIPAddr"}));
        QCOMPARE(Sql(data_->UserDatabasePath(),
                      QStringLiteral("SELECT \"unique\" FROM pragma_index_list('EntryInfo') WHERE name = 'armId'")),
                 QVariantList{1});
        QVERIFY(data_->LoadEntries().isEmpty());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(data_->UserDatabasePath()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
    }

    void declinedCreationStillChecksTheSystemDatabase()
    {
        QVERIFY(QFile::copy(TestSupport::ProgramDirectory() + QStringLiteral("/BXSYS.mdb"),
                            data_->SystemDatabasePath()));
        prompter_->QueueAnswer(Prompter::Answer::No);
        QVERIFY(data_->CheckDataFiles());
        QCOMPARE(prompter_->Messages().size(), 1);
        QVERIFY(!QFileInfo::exists(data_->UserDatabasePath()));
        // Without the file every entry operation fails cleanly.
        QVERIFY(data_->LoadEntries().isEmpty());
        QVERIFY(!data_->AddEntry(Entry(QStringLiteral("x"))));
        QVERIFY(data_->LastError().contains(QLatin1String("BXUSER.mdb")));
        QVERIFY(!QFileInfo::exists(data_->UserDatabasePath())); // not created behind the user's back

        // A later start finds it and asks nothing.
        QVERIFY(data_->CreateUserDatabase());
        prompter_->Clear();
        QVERIFY(data_->InitializeDataStore());
        QVERIFY(prompter_->Messages().isEmpty());
        QVERIFY(settings_->LanguageModule() == nullptr); // no Lang folder in this program directory
    }

    void creationFailureIsReported()
    {
        // A program directory that cannot hold files (here: it is a file).
        const QString notADirectory = programDir_->filePath(QStringLiteral("file"));
        QFile(notADirectory).open(QIODevice::WriteOnly);
        settings_->SetProgramDirectory(notADirectory);
        prompter_->QueueAnswer(Prompter::Answer::Yes);
        QVERIFY(!data_->CheckDataFiles());
        QVERIFY(prompter_->Messages().last().text.contains(QLatin1String("cannot be created")));
    }

    void identifiersIncreaseAndAreNotReused()
    {
        QVERIFY(data_->CreateUserDatabase());
        const auto first = data_->AddEntry(Entry(QStringLiteral("one")));
        const auto second = data_->AddEntry(Entry(QStringLiteral("two")));
        QVERIFY(first && second);
        QVERIFY(*second > *first);
        QVERIFY(data_->DeleteEntry(*second));
        const auto third = data_->AddEntry(Entry(QStringLiteral("three")));
        QVERIFY(third && *third > *second);

        const QList<ConnectionEntry> all = data_->LoadEntries();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).ConnectName, QStringLiteral("one"));
        QCOMPARE(all.at(1).ID, *third);
        ConnectionEntry expected = Entry(QStringLiteral("three"));
        expected.ID = *third;
        QCOMPARE(data_->FindEntryById(*third), std::optional<ConnectionEntry>(expected));
        QVERIFY(!data_->FindEntryById(*second));
        QVERIFY(data_->DeleteEntry(9999)); // nothing to delete is no error
    }

    void namesAreStoredAndFoundVerbatim_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien's phone");
        QTest::newRow("quotes") << QStringLiteral("\"work\" line");
        QTest::newRow("percent and underscore") << QStringLiteral("100% _net_");
        QTest::newRow("sql") << QStringLiteral("x'); DROP TABLE EntryInfo; --");
        QTest::newRow("unicode") << QStringLiteral("Zürich – 東京");
    }

    void namesAreStoredAndFoundVerbatim()
    {
        QFETCH(QString, name);
        QVERIFY(data_->CreateUserDatabase());
        const auto id = data_->AddEntry(Entry(name));
        QVERIFY2(id, qPrintable(data_->LastError()));
        QVERIFY(data_->IsConnectNameTaken(name));
        QCOMPARE(data_->FindEntryById(*id)->ConnectName, name);
        ConnectionEntry e = *data_->FindEntryById(*id);
        e.Country = QStringLiteral("Côte d'Ivoire");
        QVERIFY(data_->UpdateEntry(e));
        QCOMPARE(data_->LoadEntries().value(0).Country, QStringLiteral("Côte d'Ivoire"));
        QVERIFY(!data_->IsConnectNameTaken(name + QStringLiteral("%")));
    }

    void nameComparisonIsExact()
    {
        QVERIFY(data_->CreateUserDatabase());
        QVERIFY(data_->AddEntry(Entry(QStringLiteral("Office"))));
        QVERIFY(data_->IsConnectNameTaken(QStringLiteral("Office")));
        QVERIFY(!data_->IsConnectNameTaken(QStringLiteral("office")));
        QVERIFY(!data_->IsConnectNameTaken(QStringLiteral("OFFICE")));
        QVERIFY(!data_->IsConnectNameTaken(QStringLiteral("Office ")));
        QVERIFY(!data_->IsConnectNameTaken(QString()));
    }

    void rememberFlagIsReadAsItsLeadingNumber()
    {
        QVERIFY(data_->CreateUserDatabase());
        const auto id = data_->AddEntry(Entry(QStringLiteral("flag")));
        const QString path = data_->UserDatabasePath();
        const QList<QPair<QString, int>> cases = {
            {"1", 1}, {"0", 0}, {"", 0}, {"abc", 0}, {"12x", 12}, {" 1", 1}, {"99999999999", 0}};
        for (const auto& [text, value] : cases) {
            Sql(path, QStringLiteral("UPDATE EntryInfo SET CheckPasswd = '%1' WHERE ID = %2").arg(text).arg(*id));
            QCOMPARE(data_->LoadEntries().value(0).CheckPasswd, value);
        }
        Sql(path, QStringLiteral("UPDATE EntryInfo SET CheckPasswd = NULL"));
        QCOMPARE(data_->LoadEntries().value(0).CheckPasswd, 0);
        ConnectionEntry e = data_->LoadEntries().value(0);
        e.CheckPasswd = 0;
        QVERIFY(data_->UpdateEntry(e));
        QCOMPARE(Sql(path, QStringLiteral("SELECT CheckPasswd FROM EntryInfo")), QVariantList{QStringLiteral("0")});
    }

    void oversizeValuesAreRefused()
    {
        QVERIFY(data_->CreateUserDatabase());
        ConnectionEntry e = Entry(QStringLiteral("sizes"));
        e.PhoneNumber = QString(20, QLatin1Char('9'));
        e.Country = QString(30, QLatin1Char('c'));
        e.ConnectName = QString(50, QLatin1Char('n'));
        const auto id = data_->AddEntry(e); // the three sized fields at their largest
        QVERIFY2(id, qPrintable(data_->LastError()));

        ConnectionEntry longer = e;
        longer.PhoneNumber += QLatin1Char('9');
        QVERIFY(!data_->AddEntry(longer));
        QVERIFY(data_->LastError().contains(QLatin1String("longer")));
        QCOMPARE(data_->LoadEntries().size(), 1);

        longer.ID = *id;
        QVERIFY(!data_->UpdateEntry(longer)); // reported, not claimed as saved
        QCOMPARE(prompter_->Messages().size(), 1);
        QCOMPARE(prompter_->Messages().at(0).icon, Prompter::Icon::Warning);
        QCOMPARE(data_->FindEntryById(*id)->PhoneNumber, e.PhoneNumber);
        ConnectionEntry country = e;
        country.ID = *id;
        country.Country += QLatin1Char('c');
        QVERIFY(!data_->UpdateEntry(country));
    }

    // An edit that does not reach the file is never passed over in silence:
    // the row gone, or the file that cannot be opened.
    void vanishedEntryIsNotUpdated()
    {
        QVERIFY(data_->CreateUserDatabase());
        ConnectionEntry e = Entry(QStringLiteral("gone"));
        e.ID = 4711;
        QVERIFY(!data_->UpdateEntry(e));
        QCOMPARE(prompter_->Messages().size(), 1);
        QCOMPARE(prompter_->Messages().at(0).text, data_->LastError());
        QVERIFY(data_->LoadEntries().isEmpty());

        const auto id = data_->AddEntry(Entry(QStringLiteral("kept")));
        QVERIFY(id);
        const QString path = data_->UserDatabasePath();
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
        e.ID = *id;
        QVERIFY(!data_->UpdateEntry(e));
        QCOMPARE(prompter_->Messages().size(), 2);
        QVERIFY(!data_->LastError().isEmpty());
        QCOMPARE(prompter_->Messages().at(1).text, data_->LastError());
    }

    void aFileThatIsNoDatabase()
    {
        QFile junk(data_->UserDatabasePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(data_->EnsureUserDatabase()); // exists: passes the start-up check
        QVERIFY(data_->LoadEntries().isEmpty());
        QVERIFY2(data_->LastError().contains(QLatin1String("not a Braxlow database")),
                 qPrintable(data_->LastError()));
        QVERIFY(!data_->AddEntry(Entry(QStringLiteral("x"))));
        QVERIFY(!data_->IsConnectNameTaken(QStringLiteral("x")));
        QVERIFY(!data_->DeleteEntry(1));
        QCOMPARE(QFileInfo(data_->UserDatabasePath()).size(), 4096); // left as it was
    }

    void aDatabaseOfAnotherShapeIsRefused()
    {
        // An older copy or another program's file: the table lacks columns.
        Sql(data_->UserDatabasePath(), QStringLiteral(
            "CREATE TABLE \"EntryInfo\" (\"ID\" INTEGER PRIMARY KEY, \"ConnectName\" TEXT, \"Country\" TEXT, "
            "\"ProviderName\" TEXT, \"APNName\" TEXT, \"PhoneNumber\" TEXT, \"PrimaryDNS\" TEXT, "
            "\"SecondDNS\" TEXT, \"QoSMin\" TEXT, \"QoSRequest\" TEXT, \"CheckPasswd\" TEXT)"));
        Sql(data_->UserDatabasePath(), QStringLiteral("INSERT INTO \"EntryInfo\" (\"ID\", \"ConnectName\") VALUES (1, 'old')"));
        QCOMPARE(data_->UserDatabaseState(), DataStore::FileState::Damaged);
        QVERIFY(data_->EnsureUserDatabase());
        QCOMPARE(prompter_->Messages().size(), 1); // said, not asked: the file stays
        QVERIFY(prompter_->Messages().at(0).text.contains(QLatin1String("UserName, Password, UserIPAddr")));
        QVERIFY(data_->LoadEntries().isEmpty());
        QVERIFY(data_->LastError().contains(QLatin1String("lacks UserName, Password, UserIPAddr")));
        QVERIFY(!data_->FindEntryById(1)); // never an entry whose fields hold column names
        QVERIFY(!data_->LastError().isEmpty());
        QCOMPARE(Sql(data_->UserDatabasePath(), QStringLiteral("SELECT \"ConnectName\" FROM \"EntryInfo\"")),
                 QVariantList{QStringLiteral("old")});
    }

    void aCreationCutOffIsOfferedAgainAndKeptAside()
    {
        const QDir dir(programDir_->path());
        for (const bool withOtherTable : {false, true}) {
            QFile::remove(data_->UserDatabasePath());
            QFile empty(data_->UserDatabasePath());
            QVERIFY(empty.open(QIODevice::WriteOnly));
            empty.close();
            if (withOtherTable) // a database, but not of entries
                Sql(data_->UserDatabasePath(), QStringLiteral("CREATE TABLE t (x)"));
            const qsizetype aside = dir.entryList({QStringLiteral("BXUSER.mdb.unusable-*")}).size();
            prompter_->Clear();
            prompter_->QueueAnswer(Prompter::Answer::No);
            QVERIFY(data_->EnsureUserDatabase());
            QCOMPARE(prompter_->Messages().at(0).text, DataStore::kCreateQuestion);
            QCOMPARE(dir.entryList({QStringLiteral("BXUSER.mdb.unusable-*")}).size(), aside); // declined: untouched
            prompter_->QueueAnswer(Prompter::Answer::Yes);
            QVERIFY(data_->EnsureUserDatabase());
            QCOMPARE(data_->UserDatabaseState(), DataStore::FileState::Usable);
            QVERIFY(data_->AddEntry(Entry(QStringLiteral("new"))));
            QCOMPARE(dir.entryList({QStringLiteral("BXUSER.mdb.unusable-*")}).size(), aside + 1); // kept aside
        }

        // A creation killed at any moment leaves no BXUSER.mdb or a whole one.
        for (int round = 0; round < 20; ++round) {
            QFile::remove(data_->UserDatabasePath());
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (;;) {
                    data_->CreateUserDatabase();
                    QFile::remove(data_->UserDatabasePath());
                }
            }
            QThread::usleep(2000 + round * 1500);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const DataStore::FileState state = data_->UserDatabaseState();
            QVERIFY2(state == DataStore::FileState::Missing || state == DataStore::FileState::Usable,
                     qPrintable(QString::number(int(state))));
        }
        // What the kills left of their own is removed once it is a minute old.
        QFile::remove(data_->UserDatabasePath());
        QFile fresh(dir.filePath(QStringLiteral("BXUSER.mdb.new-Fresh1")));
        QFile stale(dir.filePath(QStringLiteral("BXUSER.mdb.new-Stale1")));
        QVERIFY(fresh.open(QIODevice::WriteOnly) && stale.open(QIODevice::WriteOnly));
        QVERIFY(stale.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        fresh.close();
        stale.close();
        prompter_->QueueAnswer(Prompter::Answer::No);
        data_->CheckDataFiles();
        QVERIFY(fresh.exists()); // perhaps a creation still running
        QVERIFY(!stale.exists());
    }

    void lastErrorTellsNoEntriesFromCannotRead()
    {
        QVERIFY(data_->LoadEntries().isEmpty());
        QVERIFY(!data_->LastError().isEmpty()); // no file: cannot read
        QVERIFY(data_->CreateUserDatabase());
        QVERIFY(data_->LoadEntries().isEmpty());
        QCOMPARE(data_->LastError(), QString()); // readable, and empty
        QVERIFY(!data_->FindEntryById(99));
        QCOMPARE(data_->LastError(), QString()); // not there, not an error
        QVERIFY(!data_->AddEntry(Entry(QString(51, QLatin1Char('n')))));
        QVERIFY(!data_->LastError().isEmpty());
        QVERIFY(data_->AddEntry(Entry(QStringLiteral("fine"))));
        QCOMPARE(data_->LastError(), QString()); // cleared by the success
    }

    void killDuringABurstLosesNothingAcknowledged()
    {
        QVERIFY(data_->CreateUserDatabase());
        int pipeFds[2];
        QCOMPARE(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            for (int i = 0; i < 100000; ++i) {
                const auto id = data_->AddEntry(Entry(QStringLiteral("burst %1").arg(i)));
                if (!id)
                    ::_exit(1);
                const int value = *id;
                if (::write(pipeFds[1], &value, sizeof value) != sizeof value)
                    ::_exit(1);
            }
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        QList<int> acknowledged;
        int value = 0;
        while (acknowledged.size() < 40 && ::read(pipeFds[0], &value, sizeof value) == sizeof value)
            acknowledged << value;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        while (::read(pipeFds[0], &value, sizeof value) == sizeof value)
            acknowledged << value; // written before the kill
        ::close(pipeFds[0]);
        QVERIFY(acknowledged.size() >= 40);

        QCOMPARE(Sql(data_->UserDatabasePath(), QStringLiteral("PRAGMA integrity_check")),
                 QVariantList{QStringLiteral("ok")});
        QSet<int> stored;
        for (const ConnectionEntry& e : data_->LoadEntries())
            stored.insert(e.ID);
        for (int id : acknowledged)
            QVERIFY2(stored.contains(id), qPrintable(QString::number(id)));
        // Still usable afterwards.
        QVERIFY(data_->AddEntry(Entry(QStringLiteral("after"))));
    }

    void presetsFromTheDeliveredDatabase()
    {
        QVERIFY(QFile::copy(TestSupport::ProgramDirectory() + QStringLiteral("/BXSYS.mdb"),
                            data_->SystemDatabasePath()));
        const auto countries = data_->LoadPresetCountries();
        QVERIFY(countries);
        QVERIFY(countries->size() >= 100);
        QVERIFY(countries->contains(QStringLiteral("Germany")));
        QVERIFY(countries->contains(QStringLiteral("United States")));
        QVERIFY(!countries->contains(QStringLiteral("[Others]")));
        for (int i = 1; i < countries->size(); ++i)
            QVERIFY(countries->at(i - 1).compare(countries->at(i), Qt::CaseInsensitive) < 0);
        for (const QString& c : *countries)
            QVERIFY(c.size() <= DataStore::kCountrySize);

        const auto providers = data_->LoadProviders(QStringLiteral("germany"));
        QVERIFY(providers && providers->size() >= 5);
        QVERIFY(!providers->contains(QStringLiteral("[Others]")));
        QVERIFY(data_->LoadProviders(QStringLiteral("Atlantis"))->isEmpty());

        const DataStore::PresetLookup eplus = data_->FindPreset(QStringLiteral("E-Plus"), QStringLiteral("Germany"));
        QVERIFY(!eplus.emptyTable && eplus.preset);
        QCOMPARE(eplus.preset->APNName, QStringLiteral("internet.eplus.de"));
        QCOMPARE(eplus.preset->PhoneNumber, QStringLiteral("*99#"));
        const DataStore::PresetLookup others = data_->FindPreset(QStringLiteral("[others]"), QStringLiteral("Germany"));
        QVERIFY(others.preset);
        QVERIFY(!data_->FindPreset(QStringLiteral("E-Plus"), QStringLiteral("France")).preset);

        // Long names give way at a word and keep their brackets closed; every
        // preset has a name of its own in its country; an APN that gives
        // IPv6 addresses only is left out, since the phone asks for IPv4.
        const QString path = data_->SystemDatabasePath();
        QVERIFY(data_->FindPreset(QStringLiteral("T-Mobile(Telekom) (Dualstack with MMS and fixed\u2026)"),
                                  QStringLiteral("Germany")).preset);
        const QVariantList names = Sql(path, QStringLiteral("SELECT [Provider Name] FROM [APN Info]"));
        QVERIFY(names.size() > 1000);
        for (const QVariant& v : names) {
            const QString name = v.toString();
            const bool shortened = name.contains(QChar(0x2026));
            QVERIFY2(name.size() <= DataStore::kNameSize &&
                         (!shortened || name.count(QLatin1Char('(')) == name.count(QLatin1Char(')'))),
                     qPrintable(name));
        }
        QCOMPARE(Sql(path, QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM [APN Info] GROUP BY Country, "
                                          "[Provider Name] COLLATE NOCASE HAVING count(*) > 1)")),
                 QVariantList{0});
        QCOMPARE(Sql(path, QStringLiteral("SELECT count(*) FROM [APN Info] WHERE APNName IN "
                                          "('internet.v6.telekom', 'internetipv6')")),
                 QVariantList{0});
        QVERIFY(data_->FindPreset(QStringLiteral("Orange (Standard access)"), QStringLiteral("Poland")).preset);
        // The provider list in the reader's order, accents and all.
        const QStringList spain = data_->LoadProviders(QStringLiteral("Spain")).value_or(QStringList());
        QVERIFY(spain.contains(QStringLiteral("Másmovil")) && spain.contains(QStringLiteral("móbil R (Mundo-R)")));
        QVERIFY(spain.indexOf(QStringLiteral("Másmovil")) < spain.indexOf(QStringLiteral("Movistar (Telefónica) (Telefónica)")));
        QVERIFY(spain.indexOf(QStringLiteral("móbil R (Mundo-R)")) < spain.indexOf(QStringLiteral("Orange")));
    }

    void presetQueriesKeepTheirRules()
    {
        const QString path = data_->SystemDatabasePath();
        Sql(path, QStringLiteral("CREATE TABLE \"APN Info\" (\"ID\" INTEGER PRIMARY KEY, \"Country\" TEXT, "
                                 "\"ConnectName\" TEXT, \"Provider Name\" TEXT, \"APNName\" TEXT, "
                                 "\"UserName\" TEXT, \"Password\" TEXT, \"PrimaryDNS\" TEXT, "
                                 "\"SecondDNS\" TEXT, \"PhoneNumber\" TEXT, \"QoSMin\" TEXT, \"QoSRequest\" TEXT)"));
        QVERIFY(!data_->LoadPresetCountries()); // the empty-table result
        QVERIFY(!data_->LoadProviders(QStringLiteral("x")));
        QVERIFY(data_->FindPreset(QStringLiteral("a"), QStringLiteral("b")).emptyTable);

        const char* rows[][3] = {{"", "Nobody", "x"},
                                 {"Côte d'Ivoire", "Orange", "orangeciweb"},
                                 {"côte d'ivoire", "orange", "second"},
                                 {"Côte d'Ivoire", "[Others]", ""},
                                 {"Côte d'Ivoire", "MTN", "web.mtn.ci"},
                                 {"belgium", "Proximus", "internet.proximus.be"},
                                 {"Belgium", "Base", "gprs.base.be"}};
        for (const auto& r : rows)
            Sql(path, QStringLiteral("INSERT INTO \"APN Info\" (Country, \"Provider Name\", APNName) "
                                     "VALUES ('%1', '%2', '%3')")
                          .arg(QString::fromUtf8(r[0]).replace(QLatin1Char('\''), QStringLiteral("''")),
                               QLatin1String(r[1]), QLatin1String(r[2])));
        const auto countries = data_->LoadPresetCountries();
        QVERIFY(countries);
        QCOMPARE(countries->size(), 2); // the empty country is not listed; case twins once
        QCOMPARE(countries->at(0).toLower(), QStringLiteral("belgium"));
        QCOMPARE(countries->at(1).toLower(), QStringLiteral("côte d'ivoire"));
        QCOMPARE(*data_->LoadProviders(QStringLiteral("Côte d'Ivoire")),
                 (QStringList{"MTN", "Orange"}));
        QCOMPARE(data_->FindPreset(QStringLiteral("Orange"), QStringLiteral("Côte d'Ivoire")).preset->APNName,
                 QStringLiteral("orangeciweb"));
    }

    void networkCodesFindTheirPresets_data()
    {
        QTest::addColumn<QString>("imsi");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("provider");
        QTest::newRow("262/01") << "262019876543210" << "Germany" << "Telekom";
        QTest::newRow("234/10") << "234101234567" << "United Kingdom" << "O2";
        QTest::newRow("310/410 before 310/41") << "310410123456789" << "United States" << "AT&T";
    }
    void networkCodesFindTheirPresets()
    {
        QVERIFY(QFile::copy(TestSupport::ProgramDirectory() + QStringLiteral("/BXSYS.mdb"),
                            data_->SystemDatabasePath()));
        QFETCH(QString, imsi);
        QFETCH(QString, country);
        QFETCH(QString, provider);
        const QList<DataStore::NetworkProvider> found = data_->FindProvidersByImsi(imsi);
        QVERIFY(!found.isEmpty());
        bool named = false;
        for (const DataStore::NetworkProvider& p : found) {
            QCOMPARE(p.country, country);
            named = named || p.provider.contains(provider);
            // Every match is a preset the editor's lists can select.
            QVERIFY2(data_->FindPreset(p.provider, p.country).preset, qPrintable(p.provider));
        }
        QVERIFY(named);
        QCOMPARE(Sql(data_->SystemDatabasePath(),
                     QStringLiteral("SELECT group_concat(name) FROM pragma_index_info("
                                    "(SELECT name FROM pragma_index_list('Network Codes')))")),
                 QVariantList{QStringLiteral("MCC,MNC")});
    }

    void networkCodesOfJunkOrOldFilesMatchNothing()
    {
        const QString path = data_->SystemDatabasePath();
        QVERIFY(QFile::copy(TestSupport::ProgramDirectory() + QStringLiteral("/BXSYS.mdb"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        for (const char* junk : {"", "26201", "2620198765432101", "26201987654321x", " 26201987654",
                                 "262-01-987654", "262019876\n54", "99999123456"})
            QVERIFY2(data_->FindProvidersByImsi(QString::fromLatin1(junk)).isEmpty(), junk);
        QVERIFY(data_->FindProvidersByImsi(QStringLiteral("٢٦٢٠١٩٨٧٦٥٤٣")).isEmpty()); // Arabic-Indic digits

        Sql(path, QStringLiteral("DROP TABLE \"Network Codes\""));
        QVERIFY(data_->FindProvidersByImsi(QStringLiteral("262019876543210")).isEmpty());
        QCOMPARE(data_->LastError(), QString());
        QVERIFY(prompter_->Messages().isEmpty());
        // Presets still read as before.
        QVERIFY(data_->FindPreset(QStringLiteral("E-Plus"), QStringLiteral("Germany")).preset);
    }

    void extrasLiveBesideTheirEntry()
    {
        QVERIFY(data_->CreateUserDatabase());
        const QString path = data_->UserDatabasePath();
        const int id = *data_->AddEntry(Entry(QStringLiteral("one")));
        const int other = *data_->AddEntry(Entry(QStringLiteral("two")));

        // A file from before the table: defaults, and clearing creates nothing.
        QVERIFY(data_->LoadExtras(id) && data_->LoadExtras(id)->balanceCode.isEmpty());
        QVERIFY(data_->SaveSimPin(id, QString()));
        QVERIFY(Sql(path, QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'EntryExtra'")).isEmpty());

        QVERIFY(data_->SaveBalanceCode(id, QStringLiteral("*100#")));
        QVERIFY(data_->SaveSimPin(id, QStringLiteral("1234")));
        QVERIFY(data_->SaveBalanceCode(other, QStringLiteral("*#101#")));
        auto extras = data_->LoadExtras(id);
        QVERIFY(extras);
        QCOMPARE(extras->balanceCode, QStringLiteral("*100#"));
        QCOMPARE(extras->simPin, QStringLiteral("1234"));
        QVERIFY(data_->SaveSimPin(id, QString()));
        QCOMPARE(data_->LoadExtras(id)->simPin, QString());
        QCOMPARE(data_->LoadExtras(id)->balanceCode, QStringLiteral("*100#"));

        // Refused: values that are no code or PIN, an entry that does not exist.
        QVERIFY(!data_->SaveBalanceCode(id, QStringLiteral("*100#\rATD123")));
        QVERIFY(!data_->SaveBalanceCode(id, QString(33, QLatin1Char('1'))));
        QVERIFY(!data_->SaveSimPin(id, QStringLiteral("12a4")));
        QVERIFY(!data_->SaveBalanceCode(9999, QStringLiteral("*100#")));
        QCOMPARE(data_->LoadExtras(id)->balanceCode, QStringLiteral("*100#"));

        // What another program wrote into the file is not passed on.
        Sql(path, QStringLiteral("UPDATE EntryExtra SET BalanceCode = '*100#;AT+CGATT=0', SimPin = '12' "
                                 "WHERE EntryID = %1").arg(other));
        QCOMPARE(data_->LoadExtras(other)->balanceCode, QString());
        QCOMPARE(data_->LoadExtras(other)->simPin, QString());

        // Deleting the entry deletes its extras; "EntryInfo" keeps its shape and
        // the file its owner-only mode.
        QVERIFY(data_->SaveSimPin(id, QStringLiteral("4321")));
        QVERIFY(data_->DeleteEntry(id));
        QVERIFY(Sql(path, QStringLiteral("SELECT EntryID FROM EntryExtra WHERE EntryID = %1").arg(id)).isEmpty());
        QCOMPARE(Sql(path, QStringLiteral("SELECT count(*) FROM pragma_table_info('EntryInfo')")), QVariantList{14});
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));

        // A file that cannot be read gives nothing rather than defaults.
        QVERIFY(QFile::remove(path));
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(!data_->LoadExtras(other));
        QVERIFY(!data_->LastError().isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> programDir_;
    std::unique_ptr<QTemporaryDir> settingsDir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<RecordingPrompter> prompter_;
    std::unique_ptr<DataStore> data_;
};

QTEST_GUILESS_MAIN(TestDataStore)
#include "tst_datastore.moc"
