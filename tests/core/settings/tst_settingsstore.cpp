// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/RegistryFormat.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace

class TestSettingsStore : public QObject
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

    void valuesKeepTheirTypesOnDisk()
    {
        {
            SettingsStore store(dir_->path());
            QVERIFY(!store.FamilyKeyExists());
            QVERIFY(store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 3));
            QVERIFY(store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("IRPort"), -1));
            QVERIFY(store.WriteString(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed"),
                                      QStringLiteral("115200")));
            QVERIFY(store.WriteDefault(QStringLiteral("Braxlow/DBCreated"), QStringLiteral("1")));
            QVERIFY(store.FamilyKeyExists());
        }
        const QString text = ReadAll(dir_->filePath(QStringLiteral("KORVANE/Korvane Tessaly II.reg")));
        QVERIFY2(text.contains(QStringLiteral("[Braxlow\\Config]")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\"Port\"=dword:00000003")));
        QVERIFY(text.contains(QStringLiteral("\"IRPort\"=dword:ffffffff")));
        QVERIFY(text.contains(QStringLiteral("\"Speed\"=\"115200\"")));
        QVERIFY(text.contains(QStringLiteral("[Braxlow\\DBCreated]\n@=\"1\"")));

        // A fresh store (a new run) reads the same values with the same types.
        SettingsStore again(dir_->path());
        QCOMPARE(again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 3);
        QCOMPARE(again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("IRPort")), -1);
        QCOMPARE(again.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed")),
                 QStringLiteral("115200"));
        QCOMPARE(again.ReadDefault(QStringLiteral("Braxlow/DBCreated")), QStringLiteral("1"));
        // An integer is not a string and a string is not an integer.
        QVERIFY(!again.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")));
        QVERIFY(!again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed")));
        QVERIFY(!again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Absent")));
    }

    void namesAreCaseInsensitiveLikeTheRegistry()
    {
        SettingsStore store(dir_->path());
        QVERIFY(store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 4));
        QCOMPARE(store.ReadDword(QStringLiteral("braxlow/config"), QStringLiteral("PORT")), 4);
        QVERIFY(store.WriteDword(QStringLiteral("BRAXLOW/Config"), QStringLiteral("port"), 5));
        SettingsStore again(dir_->path());
        QCOMPARE(again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 5);
    }

    void awkwardStringsRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quotes and backslashes") << QStringLiteral("a \"quoted\" C:\\path\\");
        QTest::newRow("line breaks") << QStringLiteral("first\nsecond\r\n[Braxlow\\Config]");
        QTest::newRow("section lookalike") << QStringLiteral("]\n\"Port\"=dword:00000009");
        QTest::newRow("unicode") << QStringLiteral("Zürich – 東京 – 😀");
        QTest::newRow("control characters") << QString::fromUtf16(u"tab\there\x01\x7f");
        QTest::newRow("empty") << QString();
        QTest::newRow("semicolon start") << QStringLiteral("; not a comment");
    }

    void awkwardStringsRoundTrip()
    {
        QFETCH(QString, value);
        {
            SettingsStore store(dir_->path());
            QVERIFY(store.WriteString(QStringLiteral("Braxlow/ConnectInfo"),
                                      QStringLiteral("Password"), value));
            QVERIFY(store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 2));
        }
        SettingsStore again(dir_->path());
        QCOMPARE(again.ReadString(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("Password")),
                 value);
        // Nothing the value held leaked into another value.
        QCOMPARE(again.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 2);
    }

    void damagedLinesCostOnlyThemselves()
    {
        const QString path = dir_->filePath(QStringLiteral("KORVANE/Korvane Tessaly II.reg"));
        WriteAll(path, "garbage line\n"
                       "[Braxlow\\Config]\n"
                       "\"Port\"=dword:zz\n"
                       "\"IRPort\"=dword:123456789\n"
                       "\"Speed\"=\"57600\n"
                       "\"Language\"=\"German\"\n"
                       "=\"no name\"\n"
                       "\"Bad\\x4\"=\"x\"\n"
                       "[unterminated\n"
                       "\xff\xfe binary\n"
                       "[Braxlow\\ConnectInfo]\n"
                       "\"CID\"=dword:0000000c\n");
        SettingsStore store(path.left(path.indexOf(QStringLiteral("/KORVANE"))));
        QVERIFY(!store.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")));
        QVERIFY(!store.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("IRPort")));
        QVERIFY(!store.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed")));
        QCOMPARE(store.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Language")),
                 QStringLiteral("German"));
        QCOMPARE(store.ReadDword(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("CID")), 12);

        // Writing keeps what could be read.
        QVERIFY(store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 1));
        SettingsStore again(dir_->path());
        QCOMPARE(again.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Language")),
                 QStringLiteral("German"));
        QCOMPARE(again.ReadDword(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("CID")), 12);
    }

    void formatReaderToleratesArbitraryBytes()
    {
        // A cheap fuzz pass: whatever the file holds, reading never fails or crashes.
        QRandomGenerator rng(1234);
        const QByteArray alphabet = "[]\\\"@=:dword0123456789abcdefxXn \n\r;#\xc3\xa9";
        for (int round = 0; round < 2000; ++round) {
            QByteArray data;
            const int length = int(rng.bounded(200));
            for (int i = 0; i < length; ++i)
                data += alphabet.at(int(rng.bounded(alphabet.size())));
            QBuffer buffer(&data);
            buffer.open(QIODevice::ReadOnly);
            QSettings::SettingsMap map;
            QVERIFY(RegistryFormat::Read(buffer, map));
            // What was read writes back and reads again to the same values.
            QByteArray rewritten;
            QBuffer out(&rewritten);
            out.open(QIODevice::WriteOnly);
            QVERIFY(RegistryFormat::Write(out, map));
            QBuffer in(&rewritten);
            in.open(QIODevice::ReadOnly);
            QSettings::SettingsMap again;
            QVERIFY(RegistryFormat::Read(in, again));
            QCOMPARE(again.keys(), map.keys());
        }
    }

    void fileIsReadableByItsOwnerOnly()
    {
        SettingsStore store(dir_->path());
        for (int i = 0; i < 3; ++i) // every rewrite keeps the mode
            QVERIFY(store.WriteString(QStringLiteral("Braxlow/ConnectInfo"),
                                      QStringLiteral("Password"), QStringLiteral("secret%1").arg(i)));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(store.FilePath()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(store.FilePath()).absolutePath()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0077, mode_t(0));
    }

    void writeSurvivesAnImmediateKill()
    {
        // The child writes and kills itself before any orderly shutdown could flush.
        const QString root = dir_->path();
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            SettingsStore store(root);
            store.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 7);
            store.WriteString(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed"),
                              QStringLiteral("57600"));
            ::raise(SIGKILL);
            _exit(1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        SettingsStore store(root);
        QCOMPARE(store.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 7);
        QCOMPARE(store.ReadString(QStringLiteral("Braxlow/Config"), QStringLiteral("Speed")),
                 QStringLiteral("57600"));
    }

    void onlyTheDefaultValueIsWrittenAsAt()
    {
        QSettings::SettingsMap map{{QStringLiteral("Braxlow/Default"), QStringLiteral("x")},
                                   {QStringLiteral("Braxlow/default"), QStringLiteral("y")}};
        QByteArray text;
        QBuffer out(&text);
        QVERIFY(out.open(QIODevice::WriteOnly) && RegistryFormat::Write(out, map));
        out.close();
        QVERIFY(text.contains("@=\"x\"") && text.contains("\"default\"=\"y\""));
        QBuffer in(&text);
        QSettings::SettingsMap back;
        QVERIFY(in.open(QIODevice::ReadOnly) && RegistryFormat::Read(in, back));
        QCOMPARE(back, map); // neither renamed nor lost
    }

    void leftoversOfCutOffSavesAreRemoved()
    {
        const QString settingsFile = SettingsStore(dir_->path()).FilePath();
        QVERIFY(SettingsStore(dir_->path()).WriteString(QStringLiteral("Braxlow/ConnectInfo"),
                                                        QStringLiteral("Password"), QStringLiteral("secret")));
        QFile real(settingsFile);
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray copy = real.readAll();
        const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
        auto leave = [&](const QString& suffix, const QByteArray& data, bool stale) {
            WriteAll(settingsFile + suffix, data);
            QFile f(settingsFile + suffix);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (stale)
                QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        };
        leave(QStringLiteral(".~bxsave-aB3dE9"), copy, true);       // a cut-off save: ours
        leave(QStringLiteral(".~bxsave-Xy12z0"), QByteArray(), true); // cut off before any byte
        leave(QStringLiteral(".~bxsave-qW7eR5"), copy, false);      // perhaps a save running now
        // The user's own copies, whatever their names: a backup is a copy too.
        for (const char* name : {".backup", ".old1234", ".aB3dE9"})
            leave(QLatin1String(name), copy, true);
        leave(QStringLiteral(".lock"), QByteArray(), true);

        SettingsStore store(dir_->path());
        QCOMPARE(store.ReadString(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("Password")),
                 QStringLiteral("secret"));
        QVERIFY(!QFileInfo::exists(settingsFile + QStringLiteral(".~bxsave-aB3dE9")));
        QVERIFY(!QFileInfo::exists(settingsFile + QStringLiteral(".~bxsave-Xy12z0")));
        for (const char* kept : {".~bxsave-qW7eR5", ".backup", ".old1234", ".aB3dE9", ".lock"})
            QVERIFY2(QFileInfo::exists(settingsFile + QLatin1String(kept)), kept);
    }

    // A settings file and folder made wider by hand or by a restore are made
    // the owner's again; only what was widened is named, and only once.
    void widerModesAreTightenedOnce()
    {
        SettingsStore store(dir_->path());
        QVERIFY(store.WriteString(QStringLiteral("Braxlow/ConnectInfo"), QStringLiteral("Password"),
                                  QStringLiteral("secret")));
        const QByteArray file = QFile::encodeName(store.FilePath());
        const QByteArray folder = QFile::encodeName(QFileInfo(store.FilePath()).absolutePath());
        QCOMPARE(store.TightenPermissions(), QStringList());
        QVERIFY(::chmod(file.constData(), 0644) == 0 && ::chmod(folder.constData(), 0755) == 0);
        QCOMPARE(SettingsStore(dir_->path()).TightenPermissions(), QStringList{store.FilePath()});
        struct stat st {};
        QCOMPARE(::stat(file.constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(::stat(folder.constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0700));
        QCOMPARE(store.TightenPermissions(), QStringList());
    }

    void seesChangesMadeByAnotherStore()
    {
        SettingsStore first(dir_->path());
        SettingsStore second(dir_->path());
        QVERIFY(first.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 2));
        QCOMPARE(second.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 2);
        QVERIFY(second.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("IRPort"), 4));
        QVERIFY(first.WriteDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port"), 3));
        // The second store's value was not lost when the first one rewrote the file.
        SettingsStore third(dir_->path());
        QCOMPARE(third.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("IRPort")), 4);
        QCOMPARE(third.ReadDword(QStringLiteral("Braxlow/Config"), QStringLiteral("Port")), 3);
    }

    void defaultRootChoices()
    {
        QTemporaryDir program;
        qputenv("BRAXLOW_CONFIG_HOME", QFile::encodeName(dir_->path()));
        QCOMPARE(SettingsStore::DefaultRoot(program.path()), dir_->path());
        qunsetenv("BRAXLOW_CONFIG_HOME");
        QCOMPARE(SettingsStore::DefaultRoot(program.path()),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        WriteAll(QDir(program.path()).filePath(QStringLiteral("portable")), "");
        QCOMPARE(SettingsStore::DefaultRoot(program.path()),
                 QDir(program.path()).filePath(QStringLiteral("settings")));
        // The user's folder resolves into the test's own temporary home, never the
        // real one.
        QVERIFY(QDir::homePath().contains(QStringLiteral("braxlow-test")));
        QVERIFY(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    .startsWith(QDir::homePath()));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
