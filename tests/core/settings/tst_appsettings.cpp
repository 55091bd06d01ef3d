// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/AppSettings.h"
#include "core/settings/DataLocations.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "support/TestSupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
const QString kConfig = QStringLiteral("Braxlow/Config");

BraxlowApp::Options Options(const QString& programFile, const QString& settingsRoot)
{
    BraxlowApp::Options o;
    o.programFilePath = programFile;
    o.settingsRoot = settingsRoot;
    return o;
}
} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void firstStartWithEmptyProfileWritesTheDefaults()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program;
        {
            BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
            QVERIFY(app.Startup());
            QCOMPARE(app.Settings().Port(), 0);
            QCOMPARE(app.Settings().IrPort(), 0);
            QCOMPARE(app.Settings().Speed(), QStringLiteral("115200"));
            QCOMPARE(app.Settings().Language(), QStringLiteral("English"));
            QVERIFY(app.Settings().LanguageModule() != nullptr);
            QCOMPARE(app.CurrentVersionText(), QStringLiteral("Korvane Tessaly II Braxlow 1.0.0.3 FH1"));
        }
        // The only question: whether to create the user database.
        QCOMPARE(prompter.Messages().size(), 1);
        QVERIFY(QFileInfo::exists(program.Path() + QStringLiteral("/BXUSER.mdb")));
        SettingsStore store(dir_->path());
        QCOMPARE(store.ReadDword(kConfig, QStringLiteral("Port")), 0);
        QCOMPARE(store.ReadDword(kConfig, QStringLiteral("IRPort")), 0);
        QCOMPARE(store.ReadString(kConfig, QStringLiteral("Speed")), QStringLiteral("115200"));
        QCOMPARE(store.ReadString(kConfig, QStringLiteral("Language")), QStringLiteral("English"));
    }

    void storedPlaceholdersAreReplaced_data()
    {
        QTest::addColumn<QString>("storedSpeed");
        QTest::addColumn<QString>("storedLanguage");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("language");
        QTest::newRow("placeholders") << "0" << "Lang" << "115200" << "English";
        // Unknown values stay: the link gets 12345, the language table falls back.
        QTest::newRow("unknown speed stays") << "12345" << "Klingon" << "12345" << "Klingon";
        QTest::newRow("real values") << "57600" << "German" << "57600" << "German";
    }

    void storedPlaceholdersAreReplaced()
    {
        QFETCH(QString, storedSpeed);
        QFETCH(QString, storedLanguage);
        QFETCH(QString, speed);
        QFETCH(QString, language);
        SettingsStore store(dir_->path());
        store.WriteString(kConfig, QStringLiteral("Speed"), storedSpeed);
        store.WriteString(kConfig, QStringLiteral("Language"), storedLanguage);
        AppSettings settings(store);
        QCOMPARE(settings.LoadLanguage(), language);
        settings.LoadAll();
        QCOMPARE(settings.Speed(), speed);
        QCOMPARE(store.ReadString(kConfig, QStringLiteral("Speed")), speed);
        QCOMPARE(store.ReadString(kConfig, QStringLiteral("Language")), language);
    }

    void portsReadAndWriteBack()
    {
        SettingsStore store(dir_->path());
        AppSettings settings(store);
        QCOMPARE(settings.Port(), 1); // the record's value before loading
        store.WriteDword(kConfig, QStringLiteral("Port"), 0);
        store.WriteDword(kConfig, QStringLiteral("IRPort"), 5);
        settings.LoadAll();
        QCOMPARE(settings.Port(), 0);
        QCOMPARE(settings.IrPort(), 5);

        settings.SavePort(3);
        settings.SaveIrPort(-1); // an infrared port that was not found
        QCOMPARE(settings.Port(), 3);
        AppSettings reread(store);
        reread.LoadAll();
        QCOMPARE(reread.Port(), 3);
        QCOMPARE(reread.IrPort(), -1);

        // A port stored with the wrong type reads as absent and is repaired.
        store.WriteString(kConfig, QStringLiteral("Port"), QStringLiteral("4"));
        QCOMPARE(reread.LoadPort(), 0);
        QCOMPARE(store.ReadDword(kConfig, QStringLiteral("Port")), 0);
    }

    void databaseMarker()
    {
        SettingsStore store(dir_->path());
        AppSettings settings(store);
        // Without the family key neither the marker nor the record is written.
        QVERIFY(!settings.ReadDatabaseMarker());
        QVERIFY(!settings.WriteDatabaseMarker());
        QVERIFY(!store.FamilyKeyExists());

        settings.LoadAll(); // creates the key
        QVERIFY(!settings.ReadDatabaseMarker());
        QVERIFY(settings.WriteDatabaseMarker());
        QVERIFY(settings.ReadDatabaseMarker());
        QCOMPARE(store.ReadDefault(QStringLiteral("Braxlow/DBCreated")), QStringLiteral("1"));

        // A value that does not fit the two-byte buffer counts as absent.
        store.WriteDefault(QStringLiteral("Braxlow/DBCreated"), QStringLiteral("12"));
        QVERIFY(!settings.ReadDatabaseMarker());
        QVERIFY(settings.WriteDatabaseMarker());
        QVERIFY(settings.ReadDatabaseMarker());
    }

    void installationRecordAppearsAtSecondStartAndFollowsTheProgram()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder one, moved;
        const QString first = one.ProgramFile();
        {
            BraxlowApp app(Options(first, dir_->path()), prompter);
            QVERIFY(app.Startup());
        }
        SettingsStore store(dir_->path());
        QVERIFY(!store.ReadString(QStringLiteral("Information"), QStringLiteral("BraxlowPathName")));
        {
            BraxlowApp app(Options(first, dir_->path()), prompter);
            QVERIFY(app.Startup());
        }
        QCOMPARE(store.ReadString(QStringLiteral("Information"), QStringLiteral("BraxlowPathName")),
                 first);
        {
            BraxlowApp app(Options(moved.ProgramFile(), dir_->path()), prompter);
            QVERIFY(app.Startup());
            QCOMPARE(app.Settings().ProgramDirectory(), moved.Path() + QLatin1Char('/'));
        }
        QCOMPARE(store.ReadString(QStringLiteral("Information"), QStringLiteral("BraxlowPathName")),
                 moved.ProgramFile());
    }

    void connectInfoRoundTripsAsOneWrite()
    {
        SettingsStore store(dir_->path());
        AppSettings settings(store);
        const ConnectInfo empty = settings.LoadConnectInfo();
        QVERIFY(empty.ConnectName.isEmpty());
        QCOMPARE(empty.CID, 0);

        ConnectInfo c;
        c.ConnectName = QStringLiteral("O'Brien's \"work\" line");
        c.Country = QStringLiteral("Germany");
        c.Provider = QStringLiteral("T-Mobile");
        c.APNName = QStringLiteral("internet.t-mobile");
        c.PhoneNumber = QStringLiteral("*99***1#");
        c.Username = QStringLiteral("t-mobile");
        c.Password = QStringLiteral("p\\a\"ss\nword");
        c.CheckPassword = QStringLiteral("1");
        c.UserIPAddr = QStringLiteral("10.0.0.2");
        c.PrimaryDNS = QStringLiteral("193.254.160.1");
        c.QoSMin = QStringLiteral("1,0,0,3,0,0");
        c.QoSRequest = QStringLiteral("1,2,4,5,9,31");
        c.CID = 42;
        settings.SaveConnectInfo(c);

        SettingsStore other(dir_->path());
        QCOMPARE(AppSettings(other).LoadConnectInfo(), c);
        QCOMPARE(other.ReadDword(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("CID")), 42);
        QCOMPARE(other.ReadString(QStringLiteral("Braxlow/ConnectInfo"),
                                  QStringLiteral("Check Password")),
                 QStringLiteral("1"));

        // An edited file gets no more into the copy than an entry can hold.
        c.Password = QString(100000, QLatin1Char('p'));
        c.ConnectName = QString(49, QLatin1Char('n')) + QString::fromUtf8("\xF0\x9F\x93\xB1"); // a surrogate pair at 50
        c.QoSMin = QStringLiteral("1,0,0,3,0,0,1,0,0,3,0,0");
        settings.SaveConnectInfo(c);
        const ConnectInfo cut = AppSettings(other).LoadConnectInfo();
        QCOMPARE(cut.Password, QString(50, QLatin1Char('p')));
        QCOMPARE(cut.ConnectName, QString(49, QLatin1Char('n')));
        QCOMPARE(cut.QoSMin.size(), 20);
    }

    void settingsRootKeepsTestsAwayFromTheUser()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program;
        BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
        QVERIFY(app.Startup());
        QVERIFY(app.Settings().Store().FilePath().startsWith(dir_->path()));
        QVERIFY(!QFileInfo::exists(QDir::homePath() + QStringLiteral("/.config/KORVANE")));
    }

    void missingSystemDatabaseEndsTheStartup()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program(false);
        prompter.QueueAnswer(Prompter::Answer::No);
        BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
        QVERIFY(!app.Startup());
        QCOMPARE(prompter.Messages().size(), 2); // the creation question first, then the end
        QCOMPARE(prompter.Messages().at(1).text, DataStore::kSystemMissingMessage);
    }

    // A settings file and an entries file made readable by others (a restore,
    // a copy by hand) are the user's again at the next start, which says so once.
    void widerFilesAreMadeTheUsersAndSaidOnce()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program;
        const QString entries = program.Path() + QStringLiteral("/BXUSER.mdb");
        QString settingsFile;
        {
            BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
            QVERIFY(app.Startup());
            settingsFile = app.Settings().Store().FilePath();
        }
        for (const QString& path : {settingsFile, entries})
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadGroup | QFileDevice::ReadOther));
        prompter.Clear();
        for (int start = 0; start < 2; ++start) {
            BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
            QVERIFY(app.Startup());
        }
        QCOMPARE(prompter.Messages().size(), 1);
        const QString said = prompter.Messages().at(0).text;
        QVERIFY2(said.contains(settingsFile) && said.contains(entries), qPrintable(said));
        for (const QString& path : {settingsFile, entries})
            QCOMPARE(int(QFileInfo(path).permissions() & 0x0077), 0);
    }

    // Installed (bin beside share/braxlow), the delivered data comes from the
    // share folder and the user's files go to the user's own folder; a build
    // folder, a portable copy or an incomplete install keep everything beside
    // the program.
    void installedProgramSplitsItsFolders()
    {
        const QString prefix = dir_->filePath(QStringLiteral("prefix"));
        const QString home = dir_->filePath(QStringLiteral("home/.local/share"));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        QCOMPARE(int(DataLocations::For(prefix + QStringLiteral("/bin"), home).mode), int(DataLocations::Mode::BesideProgram));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/share/braxlow")));
        const DataLocations installed = DataLocations::For(prefix + QStringLiteral("/bin/"), home);
        QCOMPARE(int(installed.mode), int(DataLocations::Mode::Installed));
        QCOMPARE(installed.dataDirectory, prefix + QStringLiteral("/share/braxlow/"));
        QCOMPARE(installed.userDirectory, home + QStringLiteral("/braxlow/"));
        QVERIFY(installed.EnsureUserDirectory());
        const QFileDevice::Permissions folder = QFileInfo(installed.userDirectory).permissions();
        QVERIFY((folder & 0x0077) == 0 && (folder & QFileDevice::ExeOwner)); // nothing for group and others
        QFile portable(prefix + QStringLiteral("/bin/portable"));
        QVERIFY(portable.open(QIODevice::WriteOnly));
        portable.close();
        const DataLocations beside = DataLocations::For(prefix + QStringLiteral("/bin"), home);
        QCOMPARE(int(beside.mode), int(DataLocations::Mode::BesideProgram));
        QCOMPARE(beside.userDirectory, prefix + QStringLiteral("/bin/"));
    }

    // An entries file beside a program that has become installed is offered
    // once, copied (readable by the user only) and never removed.
    void oldEntriesAreOfferedOnceForImport()
    {
        const QString prefix = dir_->filePath(QStringLiteral("prefix"));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")) && QDir().mkpath(prefix + QStringLiteral("/share/braxlow")));
        const QString old = prefix + QStringLiteral("/bin/BXUSER.mdb");
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("entries");
        file.close();
        RecordingPrompter prompter;
        BraxlowApp::Options options = Options(prefix + QStringLiteral("/bin/braxlow"), dir_->filePath(QStringLiteral("config")));
        options.userDataHome = dir_->filePath(QStringLiteral("data"));
        const QString copied = options.userDataHome + QStringLiteral("/braxlow/BXUSER.mdb");
        {
            BraxlowApp app(options, prompter);
            QVERIFY(app.Locations().EnsureUserDirectory());
            QVERIFY(app.OfferEntriesImport());
            QCOMPARE(app.Data().UserDatabasePath(), copied);
        }
        QCOMPARE(prompter.Messages().size(), 1);
        QVERIFY(prompter.Messages().at(0).text.contains(old));
        QFile result(copied);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("entries"));
        QCOMPARE(int(result.permissions() & 0x0077), 0);
        QVERIFY(QFileInfo::exists(old));
        // Asked once, whatever was answered: not again once the copy is gone.
        QVERIFY(QFile::remove(copied));
        BraxlowApp again(options, prompter);
        QVERIFY(!again.OfferEntriesImport());
        QCOMPARE(prompter.Messages().size(), 1);
    }

    // A user database of another shape (an older copy, another program's file)
    // is said so, and /ID: takes nothing from it.
    void databaseOfAnotherShapeLeavesTheSelectionAlone()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(program.Path() + QStringLiteral("/BXUSER.mdb"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE EntryInfo (ID INTEGER PRIMARY KEY, ConnectName TEXT)")));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO EntryInfo VALUES (1, 'old')")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        // Owner-only, as Braxlow's own would be: only the shape is told.
        QVERIFY(QFile::setPermissions(program.Path() + QStringLiteral("/BXUSER.mdb"),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
        ConnectInfo mine;
        mine.ConnectName = QStringLiteral("mine");
        mine.Password = QStringLiteral("kept");
        app.Settings().SaveConnectInfo(mine);
        QVERIFY(app.Startup(QStringLiteral("/ID:1")));
        QCOMPARE(app.Settings().LoadConnectInfo(), mine);
        QCOMPARE(prompter.Messages().size(), 1);
        QVERIFY(prompter.Messages().at(0).text.contains(QLatin1String("not a Braxlow database")));
    }

    void commandLineSelectsAnEntry()
    {
        RecordingPrompter prompter;
        TestSupport::ProgramFolder program;
        BraxlowApp app(Options(program.ProgramFile(), dir_->path()), prompter);
        QVERIFY(app.Startup());
        ConnectionEntry e;
        e.ConnectName = QStringLiteral("first");
        const int first = app.Data().AddEntry(e).value();
        e.ConnectName = QStringLiteral("second");
        e.APNName = QStringLiteral("internet");
        e.Password = QStringLiteral("secret");
        e.CheckPasswd = 0;
        const int second = app.Data().AddEntry(e).value();

        QVERIFY(app.SelectEntryFromArgument(QStringLiteral("/ID:%1").arg(second)));
        ConnectInfo current = app.Settings().LoadConnectInfo();
        QCOMPARE(current.ConnectName, QStringLiteral("second"));
        QCOMPARE(current.CID, second);
        QCOMPARE(current.Password, QStringLiteral("secret"));
        QCOMPARE(current.CheckPassword, QStringLiteral("0"));

        // Only the text after the colon counts.
        QVERIFY(app.SelectEntryFromArgument(QStringLiteral("/XY:%1").arg(first)));
        QCOMPARE(app.Settings().LoadConnectInfo().ConnectName, QStringLiteral("first"));
        for (const QString& ignored : {QStringLiteral("/ID:999"), QStringLiteral("/ID:abc"),
                                       QStringLiteral("/ID:1 OR 1=1"), QStringLiteral("/ID:"),
                                       QStringLiteral("/home/user/file.txt"), QStringLiteral("/ID:-1")})
            QVERIFY2(!app.SelectEntryFromArgument(ignored), qPrintable(ignored));
        QCOMPARE(app.Settings().LoadConnectInfo().ConnectName, QStringLiteral("first"));

        // A second start with /ID: changes the entry as part of its start-up,
        // before it finds the first one running.
        BraxlowApp again(Options(program.ProgramFile(), dir_->path()), prompter);
        QVERIFY(!again.Startup(QStringLiteral("/ID:%1").arg(second)));
        QCOMPARE(again.Settings().LoadConnectInfo().CID, second);

        // A shortcut of an entry that is gone says so, and changes nothing.
        prompter.Clear();
        BraxlowApp gone(Options(program.ProgramFile(), dir_->path()), prompter);
        QVERIFY(!gone.Startup(QStringLiteral("/ID:999")));
        QCOMPARE(gone.Settings().LoadConnectInfo().CID, second);
        QCOMPARE(prompter.Messages().first().text,
                 LoadLanguageString(gone.Settings().LanguageModule(), Str::NoSuchEntry).arg(999));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
