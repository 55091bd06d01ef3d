// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/PortConflict.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/NamedLock.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using TestSupport::WriteFile;

QString Message(const QString& name)
{
    return QStringLiteral("The phone's port is in use by %1. Close %1 and try again.").arg(name);
}

// A NamedLock held by a child process until it is killed: the test program runs
// itself with --hold-lock.
struct LockHolder : QProcess
{
    bool Start(const QString& directory, const QString& name)
    {
        start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--hold-lock"), directory, name});
        return waitForReadyRead(10000);
    }
};

// Our settings on `port`; every other source is an empty folder of the test's own.
struct Fixture
{
    explicit Fixture(int port) { s.settings.SavePort(port); }
    TestSupport::Settings s;
    QTemporaryDir locks, machine, proc, uucp;
    RecordingPrompter prompter;
    PortConflictSources Sources() const
    {
        return {{}, machine.path(), locks.path(), proc.path(), uucp.path()};
    }
};

} // namespace

class TestPortConflict : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private slots:
    void namedLock()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("Braxlow");
        {
            NamedLock first(name, dir.path()), second(name, dir.path());
            QVERIFY(!NamedLock::Exists(name, dir.path()) && first.Create() && first.Held());
            QVERIFY(!second.Create() && !second.Held() && NamedLock::Exists(name, dir.path()));
        }
        LockHolder other;
        QVERIFY(other.Start(dir.path(), name));
        QVERIFY(NamedLock::Exists(name, dir.path()));
        other.kill(); // its lock file stays behind
        QVERIFY(other.waitForFinished(10000) && !QDir(dir.path()).isEmpty());
        NamedLock takeOver(name, dir.path());
        QVERIFY(takeOver.Create());

        const QString inner = dir.filePath(QStringLiteral("in"));
        QVERIFY(QDir().mkpath(inner));
        const QStringList hostile{QStringLiteral("../../x"), QStringLiteral("a/b\n\x01"),
                                  QStringLiteral("a%2Fb\n\x01"), QString(1000, QLatin1Char('/'))};
        std::vector<std::unique_ptr<NamedLock>> held;
        for (const QString& n : hostile) {
            held.push_back(std::make_unique<NamedLock>(n, inner));
            QVERIFY(held.back()->Create());
        }
        QCOMPARE(QDir(inner).entryList(QDir::Files | QDir::Hidden).size(), hostile.size());

        // A runtime folder others can write to is not used.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QFile::setPermissions(inner, QFile::Permissions(0x7777));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(inner));
        const QString fallback = NamedLock::DefaultDirectory();
        qputenv("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(fallback, QStringLiteral("/tmp/braxlow-%1").arg(::geteuid()));
        QVERIFY(!(QFileInfo(fallback).permissions() & (QFile::WriteGroup | QFile::WriteOther)));
    }

    void suite()
    {
        QTemporaryDir locks;
        LockHolder suite;
        QVERIFY(suite.Start(locks.path(), PortConflict::kSuiteName));
        const QString port = QStringLiteral("Port"), ir = QStringLiteral("IrPort");
        const struct
        {
            QList<QPair<QString, QVariant>> values;
            int ours;
            bool conflict;
        } cases[] = {
            {{{port, 3u}}, 3, true},
            {{{port, 4u}, {ir, 3u}}, 3, false},
            {{{port, 0u}, {ir, 3u}}, 3, true},
            {{{port, 0u}, {ir, 5u}}, 3, false},
            {{{port, 0u}, {ir, 0u}}, 0, false}, // neither has a port
            {{{port, QStringLiteral("3")}}, 3, false},
            {{}, 3, false},
        };
        for (const auto& c : cases) {
            Fixture f(c.ours);
            SettingsStore store(f.s.store.Root(),
                                QStringLiteral("KORVANE/Korvane Tessaly II 2.0.reg"));
            QVERIFY(c.values.isEmpty() ||
                    store.WriteValues(QStringLiteral("Cardamel/Config"), c.values));
            PortConflictSources sources = f.Sources();
            sources.lockDirectory = locks.path();
            PortConflict check(f.s.settings, f.prompter, sources);
            QCOMPARE(check.CheckPortConflict(), int(c.conflict));
            QCOMPARE(f.prompter.Messages().size(), int(c.conflict));
            if (c.conflict)
                QCOMPARE(f.prompter.Messages().at(0).text, Message(PortConflict::kSuiteName));
            QCOMPARE(store.FamilyKeyExists(), !c.values.isEmpty()); // reading made no file

            // Settings of a suite that does not run do not count.
            QTemporaryDir noSuite;
            sources.lockDirectory = noSuite.path();
            QCOMPARE(PortConflict(f.s.settings, f.prompter, sources).Explanation(), QString());
        }
    }

    void synchroniser()
    {
        const struct
        {
            QByteArray comm;
            quint32 status, connected;
            bool conflict;
        } cases[] = {
            {"OUTLOOK.EXE\n", 1, 4, true},
            {"thunderbird\n", 1, 4, false},
            {"OUTLOOK.EXE\n", 0, 4, false},
            {"OUTLOOK.EXE\n", 1, 5, false},
        };
        for (const auto& c : cases) {
            Fixture f(4);
            QVERIFY(
                SettingsStore(f.machine.path(), QStringLiteral("Korvane/OrlimbOutlook.reg"))
                    .WriteValues(QString(), {{QStringLiteral("OrlimbStatus"), c.status},
                                             {QStringLiteral("ConnectedCOMPort"), c.connected}}));
            QVERIFY(WriteFile(f.proc.filePath(QStringLiteral("4242/comm")), c.comm));
            QCOMPARE(PortConflict(f.s.settings, f.prompter, f.Sources()).Explanation(),
                     c.conflict ? Message(QStringLiteral("Outlook(Orlimb)")) : QString());
        }
    }

    void portHolder()
    {
        Fixture f(7);
        PtyPair pty;
        QVERIFY(pty.Valid() && Quarrin::CurrentPortMap().AddExplicit(7, pty.SlavePath()));
        PortConflictSources sources = f.Sources();
        sources.proc = QStringLiteral("/proc");
        PortConflict check(f.s.settings, f.prompter, sources);
        // The child opens the terminal itself, so it never becomes ours.
        QProcess child;
        child.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"), QStringLiteral("exec sleep 60 <\"$1\""),
                     QStringLiteral("sh"), pty.SlavePath()});
        QVERIFY(child.waitForStarted(10000));
        const qint64 pid = child.processId();
        QTRY_COMPARE_WITH_TIMEOUT(check.Explanation(),
                                  Message(QStringLiteral("sleep (process %1)").arg(pid)), 10000);

        // A UUCP lock names its live owner in either form, whatever the owner
        // has open; the name comes out as one short line.
        const QString lock =
            f.uucp.filePath(QStringLiteral("LCK..") + QFileInfo(pty.SlavePath()).fileName());
        QVERIFY(WriteFile(f.proc.filePath(QStringLiteral("1/comm")),
                          "\x1b[31mevil\r\nname\xe2\x80\xae" + QByteArray(100, 'x')));
        const qint32 binary = 1;
        for (const QByteArray& owner :
             {QByteArray("         1\n"), QByteArray(reinterpret_cast<const char*>(&binary), 4)}) {
            QVERIFY(WriteFile(lock, owner));
            const auto holder =
                PortConflict::PortHolder(pty.SlavePath(), f.proc.path(), f.uucp.path());
            QVERIFY(holder && holder->pid == 1);
            QCOMPARE(holder->name, QStringLiteral("[31mevilname") + QString(20, QLatin1Char('x')));
        }

        // A stale lock names nobody; this process's own descriptor on the device
        // does not count; a FIFO in the lock's place does not hang the search.
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        QVERIFY(WriteFile(lock, QByteArray::number(pid).rightJustified(10, ' ') + '\n'));
        QCOMPARE(check.Explanation(), QString());
        QVERIFY(QFile::remove(lock) && ::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0);
        QCOMPARE(check.Explanation(), QString());
    }

    void holderInTheUsersLanguage()
    {
        const auto chinese = LanguageLoader::LoadModule(TestSupport::ProgramDirectory() +
                                                        QStringLiteral("/Lang/LANG0804.qm"));
        QVERIFY(chinese);
        QCOMPARE(PortConflict::HolderText(chinese.get(), {42, QStringLiteral("%2")}),
                 QStringLiteral("手机端口正被 %2（进程 42） 占用。请关闭 %2（进程 42） 后重试。"));
        QCOMPARE(PortConflict::HolderText(chinese.get(), {42, QString()}),
                 QStringLiteral("手机端口正被 进程 42 占用。请关闭 进程 42 后重试。"));
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--hold-lock") == 0) {
        NamedLock lock(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]));
        if (!lock.Create())
            return 1;
        std::fputs("held\n", stdout);
        std::fflush(stdout);
        for (char c; ::read(0, &c, 1) > 0;)
            continue;
        return 0;
    }
    TestPortConflict::initMain();
    QCoreApplication app(argc, argv);
    TestPortConflict test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_portconflict.moc"
