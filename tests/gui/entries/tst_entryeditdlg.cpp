// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CEntryEditDlg.h"
#include "core/settings/LanguageLoader.h"
#include "gui/entries/CEntrySheet.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/Screenshots.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolTip>
#include <QTimer>
#include <QSpinBox>
#include <QtTest>

using TestSupport::EntryData;
using TestSupport::Preset;

namespace {

QList<ApnPreset> Presets()
{
    return {Preset("Austria", "Drei", "Drei Internet", "drei.at", "*99#"),
            Preset("Austria", "A1", "A1 Internet", "a1.net", "*99***2#", {"ppp@a1plus.at", "ppp"}),
            Preset("Austria", "[Others]", "", "web", "*99#"),
            Preset("Germany", "E-Plus", "E-Plus", "internet.eplus.de", "*99#"),
            Preset("Germany", "Telekom", "Telekom", "internet.telekom", "*99#"),
            Preset("Germany", "Congstar", "Congstar", "internet.t-mobile", "*99#")};
}

ConnectionEntry Stored(const QString& name)
{
    ConnectionEntry e;
    e.ConnectName = name;
    e.Country = QStringLiteral("Austria");
    e.ProviderName = QStringLiteral("[Others]");
    e.APNName = QStringLiteral("web");
    e.PhoneNumber = QStringLiteral("*99***3#");
    return e;
}

} // namespace

class TestEntryEditDlg : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        fixture_ = std::make_unique<EntryData>(Presets());
        QVERIFY(fixture_->data.AddEntry(Stored(QStringLiteral("Work"))));
    }
    void cleanup()
    {
        dialog_.reset();
        phone_.reset();
        Quarrin::CurrentPortMap().Remove(7);
        fixture_.reset();
    }

    void newEntrySavedUntouchedTakesTheFirstPreset()
    {
        Open(EntryEditor::Mode::New);
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("New  - Braxlow"));
        QCOMPARE(Combo("combo1119")->currentText(), QStringLiteral("Austria"));
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("A1"));
        QVERIFY(Edit("edit1124")->isReadOnly() && Edit("edit4475")->isReadOnly());
        QCOMPARE(Edit("edit1121")->maxLength(), 50);
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        const ConnectionEntry& f = dialog_->Fields();
        QCOMPARE(f.ConnectName, QStringLiteral("A1 Internet"));
        QCOMPARE(f.APNName, QStringLiteral("a1.net"));
        QCOMPARE(f.UserName, QStringLiteral("ppp@a1plus.at"));
        QCOMPARE(f.QoSMin, QStringLiteral("2,0,0,3,0,0"));
        QCOMPARE(f.QoSRequest, QStringLiteral("2,0,0,3,0,0"));
    }

    void dialStringDecidesTheQosTexts()
    {
        // Saved untouched: the completions take the dial string's context.
        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Work")));
        QVERIFY(!Edit("edit4475")->isReadOnly());
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->Fields().QoSMin, QStringLiteral("3,0,0,3,0,0"));
        QCOMPARE(dialog_->Fields().QoSRequest, QStringLiteral("3,0,0,3,0,0"));

        // Profiles chosen in the advanced sheet give way to the opening ones, under
        // the new context, once the user types a dial string.
        ConnectionEntry profiled = Stored(QStringLiteral("Work"));
        profiled.QoSMin = QStringLiteral("3,2,0,3,0,0");
        profiled.QoSRequest = QStringLiteral("3,1,1,3,0,31");
        Open(EntryEditor::Mode::Edit, profiled);
        QTimer::singleShot(0, this, [] {
            auto* sheet = qobject_cast<CEntrySheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet);
            sheet->findChild<QComboBox*>(QStringLiteral("combo1135"))->setCurrentIndex(3);
            QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        });
        QTest::mouseClick(Button("button5011"), Qt::LeftButton);
        QCOMPARE(dialog_->Fields().QoSMin, QStringLiteral("3,3,0,3,0,0"));
        Edit("edit4475")->selectAll();
        QTest::keyClicks(Edit("edit4475"), QStringLiteral("*99***2#"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->Fields().QoSMin, QStringLiteral("2,2,0,3,0,0"));
        QCOMPARE(dialog_->Fields().QoSRequest, QStringLiteral("2,1,1,3,0,31"));
    }

    void renamingOntoAnotherEntry()
    {
        QVERIFY(fixture_->data.AddEntry(Stored(QStringLiteral("Home"))));
        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Home")));
        Edit("edit1121")->selectAll();
        QTest::keyClicks(Edit("edit1121"), QStringLiteral("Work"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(fixture_->prompter.Messages().size(), 1);
        QCOMPARE(fixture_->prompter.Messages().first().text,
                 QStringLiteral("A connection entry with this name already exists. Please choose another name."));
        QVERIFY(Edit("edit1121")->hasSelectedText());

        Edit("edit1121")->selectAll();
        QTest::keyClicks(Edit("edit1121"), QStringLiteral("WORK"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->Fields().ConnectName, QStringLiteral("WORK"));
    }

    void othersCountryAndBack()
    {
        Open(EntryEditor::Mode::New);
        QComboBox* countries = Combo("combo1119");
        countries->setCurrentIndex(countries->findText(QStringLiteral("[Others]")));
        QVERIFY(countries->view()->isVisible()); // opened for the choice
        countries->hidePopup();
        QCOMPARE(countries->count(), 114);
        QCOMPARE(countries->currentText(), QStringLiteral("Albania"));
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("[Others]"));
        QVERIFY(!Edit("edit1124")->isReadOnly());

        countries->setCurrentIndex(countries->findText(QStringLiteral("..")));
        countries->hidePopup();
        QCOMPARE(countries->count(), 3); // Austria, Germany, [Others]
        QCOMPARE(countries->currentIndex(), 0);
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("A1"));
        QVERIFY(Edit("edit1124")->isReadOnly());
    }

    void unsafeAccessPointNameIsRefused()
    {
        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Work")));
        Edit("edit1124")->selectAll();
        QTest::keyClicks(Edit("edit1124"), QStringLiteral("web\"+CGATT=0"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(fixture_->prompter.Messages().size(), 1);
        QVERIFY(fixture_->prompter.Messages().first().text.startsWith(QLatin1String("The field \"Access point name (APN)\"")));
        QCOMPARE(dialog_->Fields().QoSMin, QString()); // not completed behind a refused save
        QCOMPARE(QApplication::focusWidget(), Edit("edit1124"));
    }

    void fromSimChoosesTheProvider()
    {
        QTemporaryDir locks;
        CComm::SetLockDirectory(locks.path());
        TestSupport::AddNetworkCodes(fixture_->data.SystemDatabasePath(),
                                     {{"Germany", "Telekom", "262", "01"}, {"Germany", "Congstar", "262", "01"}});
        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Work")));
        QPushButton* fromSim = Button("button5014");
        QCOMPARE(fromSim->text(), QStringLiteral("From SIM"));

        // A SIM that wants its PIN: said so, nothing changed.
        UsePhone({"--sim", "pin"});
        QTest::mouseClick(fromSim, Qt::LeftButton);
        QCOMPARE(fixture_->prompter.Messages().size(), 1);
        QCOMPARE(fixture_->prompter.Messages().first().text,
                 QStringLiteral("The SIM asks for its PIN. Enter the PIN on the phone, then try again."));
        QCOMPARE(Combo("combo1119")->currentText(), QStringLiteral("Austria"));
        QCOMPARE(Edit("edit1124")->text(), QStringLiteral("web"));

        // Two presets for the network, offered by name: the user picks one.
        UsePhone({"--imsi", "262019876543210"});
        QStringList offered;
        TestSupport::WhenModal<QInputDialog>(this, [&offered](QInputDialog* choice) {
            offered = choice->comboBoxItems();
            choice->setTextValue(QStringLiteral("Congstar (Germany)"));
            choice->accept();
        });
        QTest::mouseClick(fromSim, Qt::LeftButton);
        QCOMPARE(offered, (QStringList{"Congstar (Germany)", "Telekom (Germany)"}));
        QCOMPARE(Combo("combo1119")->currentText(), QStringLiteral("Germany"));
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("Congstar"));
        QCOMPARE(Edit("edit1124")->text(), QStringLiteral("internet.t-mobile"));
        QVERIFY(Edit("edit1124")->isReadOnly());
        // Locked by the preset, and it looks so: the tip says how to type one's own.
        QVERIFY(Edit("edit1124")->toolTip().contains(QLatin1String("[Others]")));
        QCOMPARE(Edit("edit1124")->palette().color(QPalette::Base), Edit("edit1124")->palette().color(QPalette::Window));

        // An unknown network: said so, the choice stays.
        fixture_->prompter.Clear();
        UsePhone({"--imsi", "99999123456"});
        QTest::mouseClick(fromSim, Qt::LeftButton);
        QCOMPARE(fixture_->prompter.Messages().size(), 1);
        QVERIFY(fixture_->prompter.Messages().first().text.startsWith(
            QLatin1String("The SIM's network code 999 99 is not in the provider list.")));
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("Congstar"));
        phone_.reset();
        Quarrin::CurrentPortMap().Remove(7);
    }

    void newEntryOnTheSimsCountryInTheUsersLanguage()
    {
        QTemporaryDir locks;
        CComm::SetLockDirectory(locks.path());
        TestSupport::AddNetworkCodes(fixture_->data.SystemDatabasePath(), {{"Germany", "Telekom", "262", "01"}});
        RecordingPrompter quiet;
        QVERIFY(LanguageLoader(fixture_->settings, quiet).SwitchLanguage(QStringLiteral("German")));
        UsePhone({"--imsi", "262019876543210"});
        QElapsedTimer opening;
        opening.start();
        Open(EntryEditor::Mode::New);
        QVERIFY2(opening.elapsed() < 3000, qPrintable(QString::number(opening.elapsed())));
        QVERIFY(phone_->Received().contains("AT+CIMI\r"));
        QComboBox* countries = Combo("combo1119");
        QCOMPARE(countries->currentText(), QStringLiteral("Deutschland"));
        QCOMPARE(countries->itemText(0), QStringLiteral("Deutschland"));
        QCOMPARE(countries->itemText(1), QStringLiteral("Österreich"));
        QCOMPARE(Combo("combo1120")->currentText(), QStringLiteral("Telekom"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->Fields().Country, QStringLiteral("Germany"));
        QVERIFY(fixture_->prompter.Messages().isEmpty());

        // A phone that does not answer holds the opening for a moment only,
        // and the user's locale tells the country.
        UsePhone({"--silent"});
        const QLocale before;
        QLocale::setDefault(QLocale(QStringLiteral("de_AT")));
        opening.start();
        Open(EntryEditor::Mode::New);
        QLocale::setDefault(before);
        QVERIFY2(opening.elapsed() < 3000, qPrintable(QString::number(opening.elapsed())));
        QCOMPARE(Combo("combo1119")->currentText(), QStringLiteral("Österreich"));
        QVERIFY(fixture_->prompter.Messages().isEmpty());
        phone_.reset();
        Quarrin::CurrentPortMap().Remove(7);
    }

    void balanceCodeIsShownCheckedAndTakenBack()
    {
        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Work")), QStringLiteral("*100#"));
        QLineEdit* code = Edit("edit5013");
        QCOMPARE(code->text(), QStringLiteral("*100#"));
        code->selectAll();
        QTest::keyClicks(code, QStringLiteral("*100#;x"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QVERIFY(fixture_->prompter.Messages().first().text.startsWith(QLatin1String("The field \"Balance code\"")));
        QCOMPARE(QApplication::focusWidget(), code);
        code->selectAll();
        QTest::keyClicks(code, QStringLiteral("*101#"));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->BalanceCode(), QStringLiteral("*101#"));
    }

    // Not a check: pictures of the editor and its sheet as a user sees them, for a
    // person to look at (scripts/screenshots runs it on a virtual display).
    void screenshots()
    {
        const QString dir = Screenshots::Folder();
        if (dir.isEmpty())
            QSKIP("BRAXLOW_SCREENSHOTS names no folder");
        QVERIFY(Screenshots::UseLanguage(fixture_->settings));
        Open(EntryEditor::Mode::New);
        dialog_->findChild<QSpinBox*>(QStringLiteral("spin5016"))->setValue(5000);
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/editor-new.png"), dialog_.get()));
        QLineEdit* dial = Edit("edit4475");
        QTest::mouseMove(dial, QPoint(12, 12));
        QHelpEvent tip(QEvent::ToolTip, QPoint(12, 12), dial->mapToGlobal(QPoint(12, 12)));
        QApplication::sendEvent(dial, &tip);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/editor-tooltip.png"), dialog_.get(), 40));
        QToolTip::hideText();

        Open(EntryEditor::Mode::Edit, Stored(QStringLiteral("Work")));
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/editor-edit-others.png"), dialog_.get()));
        QTimer::singleShot(0, this, [this, dir] {
            auto* sheet = qobject_cast<CEntrySheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet);
            auto* tabs = sheet->findChild<QTabWidget*>();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QTest::qWait(200);
                QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/sheet-page%1.png").arg(i), sheet));
            }
            sheet->reject();
        });
        QTest::mouseClick(Button("button5011"), Qt::LeftButton);
    }

private:
    void Open(EntryEditor::Mode mode, const ConnectionEntry& entry = ConnectionEntry(),
              const QString& balanceCode = QString())
    {
        fixture_->prompter.Clear();
        dialog_ = std::make_unique<CEntryEditDlg>(fixture_->data, fixture_->settings.LanguageModule(),
                                                  fixture_->prompter, QStringLiteral("Braxlow"));
        if (mode == EntryEditor::Mode::Edit)
            dialog_->Fields() = entry;
        dialog_->BalanceCode() = balanceCode;
        dialog_->SetEditMode(mode);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        dialog_->activateWindow();
    }
    // A virtual phone on COM7, the configured port.
    void UsePhone(const QStringList& arguments)
    {
        phone_ = std::make_unique<VirtualPhone>(arguments);
        QVERIFY(phone_->Start());
        Quarrin::CurrentPortMap().Remove(7);
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path()));
        fixture_->settings.SavePort(7);
    }
    QComboBox* Combo(const char* name) { return dialog_->findChild<QComboBox*>(QLatin1String(name)); }
    QLineEdit* Edit(const char* name) { return dialog_->findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* Button(const char* name) { return dialog_->findChild<QPushButton*>(QLatin1String(name)); }

    std::unique_ptr<EntryData> fixture_;
    std::unique_ptr<CEntryEditDlg> dialog_;
    std::unique_ptr<VirtualPhone> phone_;
};

QTEST_MAIN(TestEntryEditDlg)
#include "tst_entryeditdlg.moc"
