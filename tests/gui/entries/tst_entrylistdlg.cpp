// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/CRasDialer.h"
#include "core/entries/AllowanceStore.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "core/shell/Autostart.h"
#include "core/shell/BraxlowApp.h"
#include "gui/entries/CEntryEditDlg.h"
#include "gui/entries/CEntryListDlg.h"
#include "support/Screenshots.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

ConnectionEntry Entry(const QString& name)
{
    ConnectionEntry e;
    e.ConnectName = name;
    e.Country = QStringLiteral("Germany");
    e.ProviderName = QStringLiteral("[Others]");
    e.APNName = QStringLiteral("web");
    e.PhoneNumber = QStringLiteral("*99#");
    e.QoSMin = e.QoSRequest = QStringLiteral("1,0,0,3,0,0");
    return e;
}

void Rename(CEntryEditDlg* editor, const QString& name)
{
    auto* edit = editor->findChild<QLineEdit*>(QStringLiteral("edit1121"));
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("button1")), Qt::LeftButton);
}

} // namespace

class TestEntryListDlg : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<TestSupport::ProgramFolder>();
        settingsDir_ = std::make_unique<QTemporaryDir>();
        BraxlowApp::Options options;
        options.programFilePath = folder_->ProgramFile();
        options.settingsRoot = settingsDir_->filePath(QStringLiteral("config"));
        app_ = std::make_unique<BraxlowApp>(options, prompter_);
        LanguageLoader(app_->Settings(), prompter_).LoadStartupLanguage();
        app_->Settings().LoadAll();
        QVERIFY(app_->Data().CreateUserDatabase());
        dialer_ = std::make_unique<CRasDialer>(settingsDir_->filePath(QStringLiteral("braxlow.pbk")), &app_->Settings());
        prompter_.Clear();
    }
    void cleanup()
    {
        window_.reset();
        dialer_.reset();
        app_.reset();
    }

    void emptyListStartsWithNewAndCancelClearsTheCurrentEntry()
    {
        ConnectInfo stale;
        stale.ConnectName = QStringLiteral("Long gone");
        stale.CID = 5;
        app_->Settings().SaveConnectInfo(stale);
        TestSupport::WhenModal<CEntryEditDlg>(this, [](CEntryEditDlg* editor) { editor->reject(); });
        Open();
        QTRY_COMPARE(app_->Settings().LoadConnectInfo(), ConnectInfo());
        // Nothing to open, delete or put on the desktop: those commands rest.
        for (const char* name : {"button5054", "button5057", "button5055"})
            QVERIFY2(!Button(name)->isEnabled(), name);
        QVERIFY(Button("button5058")->isEnabled());

        // Nothing was ever taken: closing asks, and No keeps the window.
        prompter_.QueueAnswer(Prompter::Answer::No);
        QTest::mouseClick(Button("button2"), Qt::LeftButton);
        QCOMPARE(prompter_.Messages().size(), 1);
        QVERIFY(window_->isVisible());
        QTest::mouseClick(Button("button2"), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
    }

    void storedNameMissingTakesTheFirstRow()
    {
        Add({"Work", "Home"});
        ConnectInfo gone;
        gone.ConnectName = QStringLiteral("Gone");
        app_->Settings().SaveConnectInfo(gone);
        Open();
        QTRY_COMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Work"));
        QCOMPARE(window_->CurrentRow(), 0);
        QCOMPARE(EntryList::MarkedRow(), 0);
    }

    void newEntryIsFoundByItsNamesBeginning()
    {
        Add({"Home Office"});
        Open();
        TestSupport::WhenModal<CEntryEditDlg>(this, [](CEntryEditDlg* editor) { Rename(editor, QStringLiteral("Home")); });
        QTest::mouseClick(Button("button5058"), Qt::LeftButton);
        QCOMPARE(window_->Rows().Count(), 2);
        QCOMPARE(window_->CurrentRow(), 0);
        QCOMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Home Office"));
    }

    void deleteKeyOnAButtonRemovesTheStoredEntry()
    {
        Add({"Work", "Workshop", "Home"});
        Open();
        QTRY_COMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Work"));
        Button("button5055")->setFocus();
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        QTest::keyClick(Button("button5055"), Qt::Key_Delete);
        // The question names the entry, and Enter answers no.
        QCOMPARE(prompter_.Messages().last().text,
                 LoadLanguageString(app_->Settings().LanguageModule(), Str::ConfirmDeleteEntry) + QStringLiteral("\n\nWork"));
        QCOMPARE(prompter_.Messages().last().buttons, Prompter::Buttons::YesNoDefaultNo);
        QCOMPARE(window_->Rows().Count(), 2);
        QCOMPARE(app_->Data().LoadEntries().size(), 2);
        // "Work" is gone; the search for its name finds "Workshop".
        QCOMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Workshop"));
        QCOMPARE(window_->CurrentRow(), 0);
    }

    void renamingMovesTheShortcut()
    {
        Add({"Work"});
        Open();
        QTRY_COMPARE(window_->CurrentRow(), 0);
        QTest::mouseClick(Button("button5055"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(desktop_.filePath(QStringLiteral("Work.desktop"))));
        TestSupport::WhenModal<CEntryEditDlg>(this, [](CEntryEditDlg* editor) { Rename(editor, QStringLiteral("Office")); });
        QTest::mouseClick(Button("button5054"), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(desktop_.filePath(QStringLiteral("Work.desktop"))));
        QVERIFY(QFileInfo::exists(desktop_.filePath(QStringLiteral("Office.desktop"))));
        QCOMPARE(app_->Data().LoadEntries().first().ConnectName, QStringLiteral("Office"));
    }

    void unreadableDatabaseKeepsTheCurrentEntry()
    {
        Add({"Work"});
        ConnectInfo work;
        work.ConnectName = QStringLiteral("Work");
        work.CID = 1;
        app_->Settings().SaveConnectInfo(work);
        QFile file(app_->Data().UserDatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
        file.close();
        Open();
        QTRY_COMPARE(prompter_.Messages().size(), 1); // told, and no editor for a "first" entry
        QCOMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Work"));
    }

    void editingAnotherEntryLeavesTheCurrentOne()
    {
        Add({"Work", "Home"});
        Open();
        QTRY_COMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Work"));
        auto* list = window_->findChild<QListView*>(QStringLiteral("list1117"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(window_->CurrentRow(), 1);
        TestSupport::WhenModal<CEntryEditDlg>(this, [](CEntryEditDlg* editor) { Rename(editor, QStringLiteral("Holiday")); });
        QTest::mouseClick(Button("button5054"), Qt::LeftButton);
        QCOMPARE(window_->Rows().Columns(1).first(), QStringLiteral("Holiday"));
        QCOMPARE(app_->Settings().LoadConnectInfo().ConnectName, QStringLiteral("Work"));
    }

    void speedAndLanguageCommands()
    {
        Add({"Work"});
        app_->Settings().SaveSpeed(QStringLiteral("12345"));
        Open();
        QTRY_VERIFY(Action(32995)->isChecked()); // English
        for (int command = 32983; command <= 32990; ++command)
            QVERIFY(!Action(command)->isChecked());
        QVERIFY(!Action(33006) && !Action(33007));

        Action(32988)->trigger();
        QCOMPARE(app_->Settings().Store().ReadString(AppSettings::kConfigKey, QStringLiteral("Speed")),
                 QStringLiteral("57600"));
        QVERIFY(Action(32988)->isChecked() && !Action(32989)->isChecked());
        QVERIFY(Action(32995)->isChecked());

        Action(32996)->trigger(); // German
        QCOMPARE(Button("button1")->text(), QStringLiteral("Auswählen"));
        QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Verbindungseinträge")));
        QVERIFY(Action(32996)->isChecked() && Action(32988)->isChecked());
    }

    // The allowance is kept with its entry and goes with it; dialing again is
    // an option of the menu, kept across a reload in another language.
    void allowanceFollowsItsEntryAndReconnectIsAnOption()
    {
        Add({"Work"});
        Open();
        QTRY_COMPARE(window_->CurrentRow(), 0);
        const int id = app_->Data().LoadEntries().first().ID;
        TestSupport::WhenModal<CEntryEditDlg>(this, [](CEntryEditDlg* editor) {
            auto* day = editor->findChild<QSpinBox*>(QStringLiteral("spin5018"));
            QVERIFY(!day->isEnabled());
            editor->findChild<QSpinBox*>(QStringLiteral("spin5016"))->setValue(500);
            QVERIFY(day->isEnabled());
            day->setValue(15);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("button1")), Qt::LeftButton);
        });
        QTest::mouseClick(Button("button5054"), Qt::LeftButton);
        QCOMPARE(AllowanceStore::LoadCap(app_->Settings().Store(), id), (DataCap{500, 15}));
        prompter_.QueueAnswer(Prompter::Answer::Yes);
        Action(32977)->trigger(); // Delete
        QVERIFY(app_->Data().LoadEntries().isEmpty());
        QCOMPARE(AllowanceStore::LoadCap(app_->Settings().Store(), id), DataCap());

        QVERIFY(!Action(33011)->isChecked());
        Action(33011)->trigger();
        QVERIFY(app_->Settings().LoadAutoReconnect() && Action(33011)->isChecked());
        Action(32996)->trigger(); // German
        QCOMPARE(Action(33011)->text(), QStringLiteral("Automatisch neu verbinden"));
        QVERIFY(Action(33011)->isChecked());
        Action(33011)->trigger();
        QVERIFY(!app_->Settings().LoadAutoReconnect() && !Action(33011)->isChecked());

        // Start with the desktop: the user's autostart entry starts this
        // program to connect, and goes again.
        const QString entry = Autostart::EntryPath();
        QVERIFY(entry.startsWith(QDir::homePath())); // the test's own home
        QVERIFY(!Action(33012)->isChecked());
        Action(33012)->trigger();
        QVERIFY(Action(33012)->isChecked());
        QFile written(entry);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(written.readAll());
        QVERIFY2(text.contains(QStringLiteral("Exec=\"/bin/true\" --autostart\n")),
                 qPrintable(text));
        Action(33012)->trigger();
        QVERIFY(!QFileInfo::exists(entry) && !Action(33012)->isChecked());
    }

    // Not a check: pictures of the window for a person to look at (scripts/screenshots).
    void screenshots()
    {
        const QString dir = Screenshots::Folder();
        if (dir.isEmpty())
            QSKIP("BRAXLOW_SCREENSHOTS names no folder");
        QVERIFY(Screenshots::UseLanguage(app_->Settings()));
        Add({"Home Office", "Work GPRS", "Holiday roaming", "Backup SIM"});
        Open();
        QTest::qWait(300);
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/entrylist.png"), window_.get()));
        window_->findChild<QMenuBar*>()->actions().at(1)->menu()->popup(window_->mapToGlobal(QPoint(60, 24)));
        QTest::qWait(300);
        auto* options = window_->findChild<QMenuBar*>()->actions().at(1)->menu();
        options->setActiveAction(options->actions().at(2));
        options->actions().at(2)->menu()->popup(options->mapToGlobal(QPoint(options->width(), 40)));
        QTest::qWait(300);
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/entrylist-menu.png"), window_.get(), 220));
        QApplication::closeAllWindows();
        QTimer::singleShot(300, this, [dir] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/about.png"), about));
            about->close();
        });
        Action(32992)->trigger();
    }

private:
    void Add(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            QVERIFY(app_->Data().AddEntry(Entry(QLatin1String(name))));
    }
    void Open()
    {
        window_ = std::make_unique<CEntryListDlg>(
            CEntryListDlg::Services{*app_, *dialer_, help_, desktop_.path(), QStringLiteral("/bin/true")});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    QPushButton* Button(const char* name) { return window_->findChild<QPushButton*>(QLatin1String(name)); }
    // The action as the visible menu bar offers it.
    QAction* Action(int command)
    {
        std::function<QAction*(const QList<QAction*>&)> find = [&](const QList<QAction*>& actions) -> QAction* {
            for (QAction* a : actions) {
                if (a->data().toInt() == command)
                    return a;
                if (a->menu())
                    if (QAction* inner = find(a->menu()->actions()))
                        return inner;
            }
            return nullptr;
        };
        return find(window_->findChild<QMenuBar*>()->actions());
    }

    RecordingPrompter prompter_;
    TestSupport::NoHelp help_;
    QTemporaryDir desktop_;
    std::unique_ptr<TestSupport::ProgramFolder> folder_;
    std::unique_ptr<QTemporaryDir> settingsDir_;
    std::unique_ptr<BraxlowApp> app_;
    std::unique_ptr<CRasDialer> dialer_;
    std::unique_ptr<CEntryListDlg> window_;
};

QTEST_MAIN(TestEntryListDlg)
#include "tst_entrylistdlg.moc"
