// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program on a Wayland display (tests/wayland-run gives it a headless
// weston): the real program starts and paints its window, and the main
// window, the entry list and the editor come up there, each in a picture.
#include "core/dialup/CRasDialer.h"
#include "core/entries/EntryEditor.h"
#include "core/shell/BraxlowApp.h"
#include "gui/entries/CEntryEditDlg.h"
#include "gui/entries/CEntryListDlg.h"
#include "gui/shell/CMainDlg.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QGuiApplication>
#include <QtTest>

class TestWayland : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        shots_ = qEnvironmentVariable("BRAXLOW_SCREENSHOTS", QStringLiteral(BRAXLOW_BINARY_DIR "/wayland"));
        QVERIFY(QDir().mkpath(shots_));
    }

    // The installed way: the program itself, with its user database made,
    // starts and paints its window on the compositor.
    void realProgramStartsAndPaints()
    {
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QVERIFY(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), TestSupport::ProgramDirectory(), bin}) == 0);
        QFile::remove(bin + QStringLiteral("/BXUSER.mdb"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(bin + QStringLiteral("/braxlow"), {QStringLiteral("--quit-after-startup")});
        QVERIFY(program.waitForFinished(60000) && program.exitCode() == 0);
        // An entry is chosen, as on every start but the first: the list stays shut.
        QFile settings(dir.filePath(QStringLiteral("config/KORVANE/Korvane Tessaly II.reg")));
        QVERIFY(settings.open(QIODevice::Append | QIODevice::Text));
        settings.write("\n[Braxlow\\ConnectInfo]\n\"ConnectName\"=\"Wayland\"\n");
        settings.close();
        program.start(bin + QStringLiteral("/braxlow"), {QStringLiteral("--quit-when-shown")});
        QVERIFY2(QTest::qWaitFor([&program] { return program.canReadLine(); }, 60000), program.readAllStandardError().constData());
        QCOMPARE(program.readLine().trimmed(), QByteArray("shown"));
        // It leaves by itself once shown, perhaps before this line.
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    }

    void windowsComeUp()
    {
        TestSupport::ProgramFolder folder;
        QTemporaryDir dir;
        RecordingPrompter prompter;
        BraxlowApp app(TestSupport::AppOptions(folder.ProgramFile(), dir.path()), prompter);
        QVERIFY(app.Startup());
        ConnectInfo info;
        info.ConnectName = QStringLiteral("Vodafone DE Web");
        app.Settings().SaveConnectInfo(info);
        TestSupport::NoHelp help;
        CMainDlg window(CMainDlg::Services{app, help, dir.filePath(QStringLiteral("braxlow.pbk")),
                                           StandInPppd(dir.path()), 5, PortConflictSources()});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(408, 240));
        // Dragged by its face, the frameless window asks the compositor to move it.
        QVERIFY(window.windowHandle() != nullptr);
        Shoot(&window, QStringLiteral("main"));

        CRasDialer dialer(dir.filePath(QStringLiteral("list.pbk")), &app.Settings());
        CEntryListDlg list(CEntryListDlg::Services{app, dialer, help, dir.path(), QStringLiteral("/bin/true")}, &window);
        TestSupport::WhenModal<CEntryEditDlg>(this, [this](CEntryEditDlg* editor) {
            QVERIFY(QTest::qWaitForWindowExposed(editor));
            Shoot(editor, QStringLiteral("editor"));
            editor->reject();
        });
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        Shoot(&list, QStringLiteral("entrylist"));
        list.reject();
    }

private:
    void Shoot(QWidget* window, const QString& name)
    {
        QTest::qWait(300);
        QVERIFY(window->grab().save(shots_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    QString shots_;
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
