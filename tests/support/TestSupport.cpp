// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestSupport.h"

#include "core/settings/LanguageLoader.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <QStandardPaths>

#include <cstdlib>

namespace TestSupport {

void IsolateUserDirectories()
{
    // Lives for the whole process; removed at exit.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/braxlow-test-XXXXXX"));
    const QByteArray base = QFile::encodeName(home.path());
    setenv("HOME", base.constData(), 1);
    setenv("XDG_CONFIG_HOME", (base + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (base + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (base + "/cache").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (base + "/runtime").constData(), 1);
    unsetenv("BRAXLOW_CONFIG_HOME");
    QDir().mkpath(QString::fromLocal8Bit(base + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(base + "/runtime"), QFile::ReadOwner |
                                                                         QFile::WriteOwner |
                                                                         QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
    // The machine's locale decides nothing a test looks at, such as the
    // country a new entry opens on.
    QLocale::setDefault(QLocale::c());
}

bool WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

BraxlowApp::Options AppOptions(const QString& programFile, const QString& home)
{
    BraxlowApp::Options options;
    options.programFilePath = programFile;
    options.settingsRoot = home + QStringLiteral("/config");
    options.lockDirectory = home;
    return options;
}

QString ProgramDirectory()
{
    return QStringLiteral(BRAXLOW_PROGRAM_DIR);
}

ProgramFolder::ProgramFolder(bool withSystemDatabase)
{
    const QString build = ProgramDirectory();
    QFile::link(build + QStringLiteral("/Lang"), dir_.filePath(QStringLiteral("Lang")));
    if (withSystemDatabase)
        QFile::copy(build + QStringLiteral("/BXSYS.mdb"), dir_.filePath(QStringLiteral("BXSYS.mdb")));
}

Settings::Settings() : store(dir.filePath(QStringLiteral("config"))), settings(store)
{
    settings.SetProgramDirectory(ProgramDirectory());
    settings.LoadAll();
    RecordingPrompter silent;
    LanguageLoader(settings, silent).LoadStartupLanguage();
}

PrivateBus::PrivateBus()
{
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (daemon_.waitForStarted() && daemon_.waitForReadyRead(10000))
        address_ = QString::fromLocal8Bit(daemon_.readLine().trimmed());
}

PrivateBus::~PrivateBus()
{
    daemon_.kill();
    daemon_.waitForFinished();
}

QDBusConnection PrivateBus::Connect(const QString& name) const
{
    return QDBusConnection::connectToBus(address_, name);
}

} // namespace TestSupport

Prompter::Answer RecordingPrompter::ShowFailure(const QString& text, const QString& caption, const QString& details)
{
    const Answer answer = Show(text, caption, Buttons::Ok, Icon::None);
    shown_.last().details = details;
    return answer;
}

Prompter::Answer RecordingPrompter::Show(const QString& text, const QString& caption,
                                         Buttons buttons, Icon icon)
{
    shown_.append({text, caption, buttons, icon, QString()});
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        return Answer::Yes;
    default:
        return Answer::Ok;
    }
}

namespace TestSupport {

EntryData::EntryData(const QList<ApnPreset>& presets)
    : store(settingsDir.filePath(QStringLiteral("config")))
    , settings(store)
    , data(settings, prompter)
{
    settings.SetProgramDirectory(folder.Path() + QLatin1Char('/'));
    settings.LoadAll();
    LanguageLoader(settings, prompter).LoadStartupLanguage();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("presets"));
        db.setDatabaseName(data.SystemDatabasePath());
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE [APN Info] (ID INTEGER PRIMARY KEY, Country TEXT, ConnectName TEXT, "
                              "[Provider Name] TEXT, APNName TEXT, UserName TEXT, Password TEXT, "
                              "PrimaryDNS TEXT, SecondDNS TEXT, PhoneNumber TEXT, QoSMin TEXT, QoSRequest TEXT)"));
        for (const ApnPreset& p : presets) {
            q.prepare(QStringLiteral("INSERT INTO [APN Info] (Country, ConnectName, [Provider Name], APNName, "
                                     "UserName, Password, PrimaryDNS, SecondDNS, PhoneNumber, QoSMin, QoSRequest) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QString& v : {p.Country, p.ConnectName, p.ProviderName, p.APNName, p.UserName, p.Password,
                                     p.PrimaryDNS, p.SecondDNS, p.PhoneNumber, p.QoSMin, p.QoSRequest})
                q.addBindValue(v.isNull() ? QString(QLatin1String("")) : v);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("presets"));
    QVERIFY(data.CreateUserDatabase());
}

ApnPreset Preset(const QString& country, const QString& provider, const QString& connectName,
                 const QString& apn, const QString& dial, const QStringList& more)
{
    ApnPreset p;
    p.Country = country;
    p.ProviderName = provider;
    p.ConnectName = connectName;
    p.APNName = apn;
    p.PhoneNumber = dial;
    QString* rest[] = {&p.UserName, &p.Password, &p.PrimaryDNS, &p.SecondDNS, &p.QoSMin, &p.QoSRequest};
    for (qsizetype i = 0; i < more.size() && i < 6; ++i)
        *rest[i] = more.at(i);
    return p;
}

} // namespace TestSupport

void TestSupport::AddNetworkCodes(const QString& systemDatabase, const QList<QStringList>& rows)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("codes"));
        db.setDatabaseName(systemDatabase);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE [Network Codes] (Country TEXT, [Provider Name] TEXT, MCC TEXT, MNC TEXT)"));
        for (const QStringList& row : rows) {
            q.prepare(QStringLiteral("INSERT INTO [Network Codes] VALUES (?, ?, ?, ?)"));
            for (const QString& v : row)
                q.addBindValue(v);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("codes"));
}
