// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/DesktopLauncher.h"
#include "core/entries/EntryList.h"
#include "core/shell/OptionCommands.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QtTest>

namespace {

QString ExecLine(const QString& launcher)
{
    QFile file(launcher);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5));
    }
    return QString();
}

} // namespace

class TestEntryList : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void launcherStartsTheProgramWithTheEntrysId()
    {
        QTemporaryDir desktop;
        QTemporaryDir programs;
        // A program whose path needs every kind of quoting the launcher does.
        const QString program = programs.filePath(QStringLiteral("my $prog \"100%\""));
        const QString record = programs.filePath(QStringLiteral("args"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(record).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        const DesktopLauncher launcher(desktop.path());
        QVERIFY(launcher.Create(QStringLiteral("Work \\ GPRS"), program, programs.path(), QStringLiteral("7")));
        const QString path = desktop.filePath(QStringLiteral("Work \\ GPRS.desktop"));
        QVERIFY(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
        const QStringList words = DesktopLauncher::ExecArguments(ExecLine(path));
        QCOMPARE(words, (QStringList{program, QStringLiteral("/ID:7")}));
        QCOMPARE(QProcess::execute(words.first(), words.mid(1)), 0);
        QFile args(record);
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), QByteArray("/ID:7\n"));

        // Names that cannot be file names. A fresh account's desktop folder is
        // made; one that cannot be says why.
        for (const char* bad : {"", ".", "..", "a/b", "tab\there"})
            QVERIFY2(!launcher.Create(QString::fromLatin1(bad), program, programs.path(), QStringLiteral("1")), bad);
        QVERIFY(DesktopLauncher(desktop.filePath(QStringLiteral("new/Desktop")))
                    .Create(QStringLiteral("x"), program, programs.path(), QStringLiteral("1")));
        QVERIFY(QFileInfo::exists(desktop.filePath(QStringLiteral("new/Desktop/x.desktop"))));
        QString problem;
        QVERIFY(!DesktopLauncher(path + QStringLiteral("/Desktop"))
                     .Create(QStringLiteral("x"), program, programs.path(), QStringLiteral("1"), &problem));
        QVERIFY2(problem.startsWith(path + QStringLiteral("/Desktop: ")), qPrintable(problem));
    }

    void launcherFollowsRenameAndDelete()
    {
        QTemporaryDir desktop;
        const DesktopLauncher launcher(desktop.path());
        QVERIFY(launcher.Create(QStringLiteral("Home"), QStringLiteral("/bin/true"), QStringLiteral("/"),
                                QStringLiteral("3")));
        launcher.Rename(QStringLiteral("Home"), QStringLiteral("Holiday"));
        QVERIFY(!QFileInfo::exists(launcher.PathFor(QStringLiteral("Home"))));
        QFile moved(launcher.PathFor(QStringLiteral("Holiday")));
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QVERIFY(moved.readAll().contains("\nName=Holiday\n"));

        // Someone else's file under the new name is left alone.
        QFile other(launcher.PathFor(QStringLiteral("Taken")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("mine");
        other.close();
        launcher.Rename(QStringLiteral("Holiday"), QStringLiteral("Taken"));
        QVERIFY(QFileInfo::exists(launcher.PathFor(QStringLiteral("Holiday"))));
        QCOMPARE(QFileInfo(other).size(), 4);

        launcher.Recycle(QStringLiteral("Holiday"));
        QVERIFY(!QFileInfo::exists(launcher.PathFor(QStringLiteral("Holiday"))));
        launcher.Recycle(QStringLiteral("Never there")); // silently nothing
    }

    void rowsCarryWholeEntries()
    {
        ConnectionEntry e;
        e.ID = 42;
        e.ConnectName = QStringLiteral("Home Office");
        e.Password = QStringLiteral("secret");
        e.CheckPasswd = 0;
        e.QoSMin = QStringLiteral("2,0,0,3,0,0");
        QCOMPARE(EntryList::EntryOf(EntryList::ColumnsOf(e)), e);
        const QStringList columns = EntryList::ColumnsOf(e);
        const ConnectInfo info = EntryList::InfoOf(&columns);
        QCOMPARE(info.CID, 42);
        QCOMPARE(info.CheckPassword, QStringLiteral("0"));
        QCOMPARE(EntryList::InfoOf(nullptr), ConnectInfo());

        EntryList list;
        for (const char* name : {"Work", "home office", "Home"}) {
            e.ConnectName = QLatin1String(name);
            list.Append(e);
        }
        QCOMPARE(list.FindExact(QStringLiteral("Home")), 2);
        QCOMPARE(list.FindPrefix(QStringLiteral("Home")), 1);
        QCOMPARE(list.FindPrefix(QStringLiteral("Gone")), -1);
        list.MarkRow(2);
        list.Remove(0);
        QCOMPARE(EntryList::MarkedRow(), 1); // the mark stays on "Home"
        list.Remove(1);
        QCOMPARE(EntryList::MarkedRow(), -1);
    }

    void speedCommands()
    {
        QCOMPARE(OptionCommands::SpeedPosition(QStringLiteral("57600")), 6);
        QCOMPARE(OptionCommands::SpeedPosition(QStringLiteral("12345")), 0);
        QCOMPARE(OptionCommands::SpeedForCommand(32988), QStringLiteral("57600"));
        QVERIFY(OptionCommands::SpeedForCommand(32991).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEntryList)
#include "tst_entrylist.moc"
