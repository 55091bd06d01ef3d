// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/phone/CAddModemDlg.h"
#include "gui/phone/CSetupDlg.h"
#include "phonelink/CComm.h"
#include "support/PhoneFixtures.h"
#include "support/Screenshots.h"
#include "support/SetupFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class TestSetupDlg : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init() { machine_ = std::make_unique<SetupMachine>(); }
    void cleanup()
    {
        dialog_.reset();
        machine_.reset();
    }

    void storedPortOpensSelected()
    {
        machine_->Settings().SavePort(3);
        machine_->Settings().SaveIrPort(0);
        Open();
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Phone Setup - Braxlow"));
        QCOMPARE(Selected(), 2);
        QCOMPARE(List()->item(2, 1)->text(), QStringLiteral("COM3"));
        QVERIFY(List()->item(2, 2)->text().endsWith(QLatin1String("/ttyUSB0 (main AT port)")));
        QVERIFY(List()->item(3, 2)->text().endsWith(QLatin1String("/ttyUSB1 (diagnostics)")));
        auto* timer = dialog_->findChild<QTimer*>(QStringLiteral("timer0"));
        QVERIFY(timer && timer->isActive() && timer->interval() == 2000);

        // A stored port with no modem now: the first row.
        machine_->Settings().SavePort(12);
        Open();
        QCOMPARE(Selected(), 0);
    }

    void okStoresTheChosenRow()
    {
        machine_->Settings().SaveIrPort(5);
        Open();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM10")));
        QTest::mouseClick(Button("button1"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(machine_->Settings().LoadPort(), 10);
        QCOMPARE(machine_->Settings().LoadIrPort(), 0);
        QCOMPARE(machine_->EntryDevice(), QStringLiteral("Korvane GPRS MODEM"));

        // A double click on a row is OK at once; Cancel stores nothing.
        Open();
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM2")));
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(machine_->EntryDevice(), QStringLiteral("Siemens S55"));
        Open();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM1")));
        QTest::mouseClick(Button("button2"), Qt::LeftButton);
        QCOMPARE(machine_->Settings().LoadPort(), 2);
    }

    void clicksBesideTheRowsChangeNothing()
    {
        machine_->Settings().SavePort(3);
        Open();
        const QPoint empty(20, List()->viewport()->height() - 4);
        QVERIFY(!List()->indexAt(empty).isValid());
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, empty);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(Selected(), 2);
        QTest::mouseClick(List()->viewport(), Qt::RightButton, {}, Centre(4));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(Selected(), 4);
        QCOMPARE(machine_->Settings().LoadPort(), 3);
    }

    void refreshShowsAPhonePluggedInMeanwhile()
    {
        Open();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM5")));
        machine_->PlugPhone(QStringLiteral("ttyACM1"));
        dialog_->OnTimer();
        QCOMPARE(List()->rowCount(), 8);
        QCOMPARE(List()->item(RowOf("COM8"), 0)->text(), QStringLiteral("Korvane GPRS MODEM"));
        QCOMPARE(List()->item(Selected(), 1)->text(), QStringLiteral("COM5")); // the user's pick stays

        machine_->sys.Remove(QStringLiteral("ttyUSB2"));
        dialog_->OnTimer();
        QCOMPARE(RowOf("COM5"), -1);
        QCOMPARE(Selected(), 0);
    }

    void addModemItemMarksACableAsThePhone()
    {
        Open();
        const QString cable = machine_->sys.Roots().dev + QStringLiteral("/ttyUSB3");
        bool answered = false;
        QTimer::singleShot(0, this, [&] {
            auto* add = qobject_cast<CAddModemDlg*>(QApplication::activeModalWidget());
            QVERIFY(add);
            auto* device = add->findChild<QComboBox*>(QStringLiteral("comboDevice"));
            QCOMPARE(device->count(), 1);
            device->setEditText(QStringLiteral("/dev/null"));
            auto* ok = add->findChild<QPushButton*>(QStringLiteral("button1"));
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(add->isVisible());
            QCOMPARE(machine_->prompter.Messages().size(), 1);
            device->setCurrentIndex(0);
            QCOMPARE(device->currentText(), cable);
            QVERIFY(add->findChild<QLabel*>(QStringLiteral("labelMarks"))->text().contains(QLatin1String("COM6")));
            QTest::mouseClick(ok, Qt::LeftButton);
            answered = true;
        });
        CSetupTree* tree = dialog_->findChild<CSetupTree*>(QStringLiteral("tree1158"));
        QTreeWidgetItem* child = tree->topLevelItem(0)->child(0);
        QCOMPARE(child->text(0), QStringLiteral("Add Modem..."));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(child).center());
        QVERIFY(answered);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QVERIFY(!child->isSelected());
        QCOMPARE(List()->item(Selected(), 1)->text(), QStringLiteral("COM6"));
        QCOMPARE(List()->item(Selected(), 2)->text(), cable);
    }

    void testPhoneShowsWhatThePhoneSaid()
    {
        VirtualPhone phone({QStringLiteral("--sim"), QStringLiteral("pin")});
        QVERIFY(phone.Start());
        CComm::SetLockDirectory(machine_->dir.path());
        QVERIFY(machine_->Ports().AddExplicit(11, phone.Path(), QStringLiteral("Korvane GPRS MODEM")));
        Open();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM11")));
        QStringList shown;
        WhenReportShows([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Test the Phone"));
            auto* table = window->findChild<QTableWidget*>(QStringLiteral("tableReport"));
            for (int i = 0; i < table->rowCount(); ++i)
                shown << table->item(i, 0)->text() + QLatin1Char(' ') + table->item(i, 1)->text();
            shown << window->findChild<QLabel*>(QStringLiteral("labelResult"))->text();
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("buttonClose")), Qt::LeftButton);
        });
        QTest::mouseClick(Button("buttonTestPhone"), Qt::LeftButton);
        QVERIFY2(shown.contains(QStringLiteral("Port number: COM11")), qPrintable(shown.join(QLatin1Char('\n'))));
        QVERIFY(shown.contains(QStringLiteral("Maker: Korvane")));
        QVERIFY(shown.contains(QStringLiteral("SIM card: PIN required")));
        QVERIFY(shown.last().startsWith(QLatin1String("The SIM card asks for its PIN.")));
        QVERIFY(dialog_->isEnabled() && dialog_->isVisible());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        CComm::SetLockDirectory(QString());
    }

    // Not a check: pictures of the window for a person to look at
    // (scripts/screenshots runs it on a virtual display).
    void screenshots()
    {
        const QString dir = Screenshots::Folder();
        if (dir.isEmpty())
            QSKIP("BRAXLOW_SCREENSHOTS names no folder");
        QVERIFY(Screenshots::UseLanguage(machine_->Settings()));
        machine_->Settings().SavePort(3);
        Open();
        QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/setup.png"), dialog_.get()));
        QTimer::singleShot(0, this, [this, dir] {
            auto* add = qobject_cast<CAddModemDlg*>(QApplication::activeModalWidget());
            QVERIFY(add);
            add->findChild<QComboBox*>(QStringLiteral("comboDevice"))->setCurrentIndex(0);
            QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/setup-add.png"), add));
            add->reject();
        });
        dialog_->OnAddModem();

        VirtualPhone phone;
        QVERIFY(phone.Start());
        CComm::SetLockDirectory(machine_->dir.path());
        QVERIFY(machine_->Ports().AddExplicit(11, phone.Path(), QStringLiteral("Korvane GPRS MODEM")));
        Open();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, Centre(RowOf("COM11")));
        WhenReportShows([dir](QWidget* report) {
            QVERIFY(Screenshots::Shoot(dir + QStringLiteral("/setup-test-phone.png"), report));
        });
        QTest::mouseClick(Button("buttonTestPhone"), Qt::LeftButton);
        CComm::SetLockDirectory(QString());
    }

private:
    // The test's waits dispatch events, so the window is looked for until it
    // is there; a test that never gets it fails at the end.
    void WhenReportShows(const std::function<void(QWidget*)>& act)
    {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, act] {
            QWidget* window = QApplication::activeModalWidget();
            if (window == nullptr || window->objectName() != QStringLiteral("phoneReport"))
                return;
            poll->deleteLater();
            poll->stop();
            act(window);
            window->close();
        });
        poll->start(50);
    }

    void Open()
    {
        machine_->prompter.Clear();
        dialog_ = std::make_unique<CSetupDlg>(machine_->Settings(), machine_->Ports(), *machine_->dialer,
                                              machine_->prompter, QStringLiteral("Braxlow"));
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
        dialog_->activateWindow();
    }
    QTableWidget* List() { return dialog_->findChild<QTableWidget*>(QStringLiteral("list1156")); }
    QPushButton* Button(const char* name) { return dialog_->findChild<QPushButton*>(QLatin1String(name)); }
    int Selected()
    {
        const QList<QTableWidgetItem*> items = List()->selectedItems();
        return items.isEmpty() ? -1 : items.first()->row();
    }
    int RowOf(const char* port)
    {
        const QList<QTableWidgetItem*> found = List()->findItems(QLatin1String(port), Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->row();
    }
    QPoint Centre(int row) { return List()->visualItemRect(List()->item(row, 1)).center(); }

    std::unique_ptr<SetupMachine> machine_;
    std::unique_ptr<CSetupDlg> dialog_;
};

QTEST_MAIN(TestSetupDlg)
#include "tst_setupdlg.moc"
