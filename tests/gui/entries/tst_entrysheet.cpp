// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CEntrySheet.h"
#include "gui/entries/CPageTCPIP.h"
#include "gui/entries/QosPage.h"
#include "gui/widgets/IpAddressEdit.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The sheet as the entry editor builds it.
struct Sheet
{
    explicit Sheet(const QTranslator* module)
        : sheet(QStringLiteral("Advanced"), module), tcpip(new CPageTCPIP(module)),
          qosMin(new CPageQoSMin(module)), qosRequest(new CPageQoSRequest(module))
    {
        sheet.AddPage(tcpip);
        sheet.AddPage(qosMin);
        sheet.AddPage(qosRequest);
    }

    void Open()
    {
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
    }
    void OpenTab(int index)
    {
        auto* bar = sheet.findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(bar->currentIndex(), index);
    }
    void PressOk()
    {
        QTest::mouseClick(sheet.findChild<QPushButton*>(QStringLiteral("okButton")),
                          Qt::LeftButton);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
    }
    template <typename T> T* Find(const char* name)
    {
        T* w = sheet.findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    // On the radio's circle: the rest of its row is not part of it.
    void Click(const char* name)
    {
        QWidget* w = Find<QWidget>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }
    // Keys go wherever the focus is, as they would for a person typing.
    void Type(const QString& keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QLineEdit* Field(const char* ip, int i)
    {
        return Find<IpAddressEdit>(ip)->findChild<QLineEdit*>(QStringLiteral("field%1").arg(i));
    }

    CEntrySheet sheet;
    CPageTCPIP* tcpip;
    CPageQoSMin* qosMin;
    CPageQoSRequest* qosRequest;
};

} // namespace

class TestEntrySheet : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void untouchedSheetHandsBackItsTexts()
    {
        Sheet s(settings_.settings.LanguageModule());
        s.Open();
        QCOMPARE(s.sheet.windowTitle(), QStringLiteral("Advanced"));
        QCOMPARE(s.sheet.findChild<QTabBar*>()->tabText(1), QStringLiteral("Minimum QoS"));
        QCOMPARE(s.Find<QPushButton>("cancelButton")->text(), QStringLiteral("Cancel"));
        // Never opened, yet filled: the owner may read any page after OK.
        QCOMPARE(s.Find<QComboBox>("combo1144")->count(), 20);
        s.PressOk();
        QCOMPARE(s.qosMin->QosText, QString());
        QCOMPARE(s.qosRequest->QosText, QString());
        QCOMPARE(s.tcpip->IpAddress, QString());
        QCOMPARE(s.tcpip->PreferredDns, QString());
    }

    void qosSelectionRebuildsTheText()
    {
        Sheet s(settings_.settings.LanguageModule());
        s.qosMin->QosText = QStringLiteral("1,0,0,3,0,31");
        s.qosRequest->QosText = QStringLiteral("2,3,4,5,9,18");
        s.Open();
        s.OpenTab(1);
        QCOMPARE(s.Find<QComboBox>("combo1139")->currentText(), QStringLiteral("Best effort"));
        QTest::keyClick(s.Find<QComboBox>("combo1135"), Qt::Key_Down);
        QCOMPARE(s.Find<QComboBox>("combo1135")->currentText(), QStringLiteral("High priority"));
        QCOMPARE(s.qosMin->QosText, QStringLiteral("1,1,0,3,0,31"));

        s.OpenTab(2);
        QCOMPARE(s.Find<QComboBox>("combo1144")->currentIndex(), 18);
        QTest::keyClick(s.Find<QComboBox>("combo1140"), Qt::Key_Up);
        QCOMPARE(s.qosRequest->QosText, QStringLiteral("2,2,4,5,9,18"));
    }

    void bestEffortDoesNotDependOnTheTable()
    {
        // Without a table every item reads the same error text.
        Sheet s(nullptr);
        s.qosMin->QosText = QStringLiteral("1,0,0,3,0,0");
        s.Open();
        s.OpenTab(1);
        QTest::keyClick(s.Find<QComboBox>("combo1135"), Qt::Key_Down);
        QCOMPARE(s.qosMin->QosText, QStringLiteral("1,1,0,3,0,0"));
    }

    void choicesSetTheTextsAtOnce()
    {
        Sheet s(settings_.settings.LanguageModule());
        s.tcpip->IpAddress = QStringLiteral("10.0.0.5");
        s.Open();
        QVERIFY(s.Find<QRadioButton>("radio1132")->isChecked());
        s.Click("radio1131");
        QCOMPARE(s.tcpip->IpAddress, QString());
        QVERIFY(!s.Find<IpAddressEdit>("ip1133")->isEnabled());

        QVERIFY(!s.Find<IpAddressEdit>("ip1129")->isEnabled());
        s.Click("radio1128");
        QVERIFY(s.Find<IpAddressEdit>("ip1129")->IsBlank());
        QCOMPARE(s.tcpip->PreferredDns, QStringLiteral("0.0.0.0"));
        QCOMPARE(s.tcpip->AlternateDns, QStringLiteral("0.0.0.0"));
    }

    void editingAnAddress()
    {
        Sheet s(settings_.settings.LanguageModule());
        s.tcpip->PreferredDns = QStringLiteral("10.1.2.3");
        s.tcpip->AlternateDns = QStringLiteral("10.1.2.4");
        s.Open();
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(s.Field("ip1129", i), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        }
        QVERIFY(s.Find<IpAddressEdit>("ip1129")->IsBlank());
        QCOMPARE(s.tcpip->PreferredDns, QString());

        // Dots and full fields move on; a value over 255 is refused; Backspace
        // in an empty field goes back.
        QTest::mouseClick(s.Field("ip1129", 0), Qt::LeftButton);
        s.Type(QStringLiteral("192.1682"));
        QCOMPARE(s.tcpip->PreferredDns, QStringLiteral("192.168.2.0"));
        s.Type(QStringLiteral("56"));
        QCOMPARE(s.Field("ip1129", 2)->text(), QStringLiteral("25"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(s.tcpip->PreferredDns, QStringLiteral("192.16.0.0"));

        QGuiApplication::clipboard()->setText(QStringLiteral(" 10.20.30.40\n"));
        QTest::mouseClick(s.Field("ip1130", 2), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.tcpip->AlternateDns, QStringLiteral("10.20.30.40"));
    }

    void m1InSingaporeAssignsItsOwnDns()
    {
        Sheet s(settings_.settings.LanguageModule());
        s.tcpip->Country = QStringLiteral("SINGAPORE");
        s.tcpip->Provider = QStringLiteral("m1");
        s.tcpip->PreferredDns = QStringLiteral("10.0.0.1");
        s.tcpip->AlternateDns = QStringLiteral("10.0.0.2");
        s.Open();
        QVERIFY(s.Find<QRadioButton>("radio1127")->isChecked());
        s.PressOk();
        QCOMPARE(s.tcpip->PreferredDns, QString());
        QCOMPARE(s.tcpip->AlternateDns, QString());
    }

private:
    TestSupport::Settings settings_;
};

QTEST_MAIN(TestEntrySheet)
#include "tst_entrysheet.moc"
