// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/CBitmapTextButton.h"
#include "gui/widgets/SkinButton.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SkinPictures.h"
#include "gui/widgets/WidgetPrompter.h"
#include "support/TestSupport.h"
#include "support/WindowTests.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

class TestSkin : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void everyPictureTheWindowsUseIsThere()
    {
        const int pictures[] = {214, 425, 440, 441, 443, 445, 462, 467, 513, 514, 515, 516, 517, 518,
                                899, 932, 933, 934, 935, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1032};
        for (int number : pictures) {
            QVERIFY2(!Skin::PictureSize(number).isEmpty(), qPrintable(QString::number(number)));
            const QImage image = Skin::Picture(number, QSize(24, 24), 2.0).toImage();
            QCOMPARE(image.size(), QSize(48, 48)); // drawn for the pixel ratio, not scaled up
            QVERIFY(image.pixelColor(24, 24).alpha() > 0 || image.pixelColor(12, 24).alpha() > 0);
        }
        QVERIFY(Skin::Picture(4242, QSize(10, 10), 1.0).isNull());
        QVERIFY(!Skin::Icon(214).availableSizes().isEmpty());
    }

    // The desktop's way: a picture for every kind of message, words on the
    // buttons in the user's language, and Enter keeps what a delete would lose.
    void messageBoxesAsTheDesktopDrawsThem()
    {
        QTranslator german;
        QVERIFY(german.load(TestSupport::ProgramDirectory() + QStringLiteral("/Lang/LANG0407.qm")));
        WidgetPrompter prompter;
        prompter.SetLanguage([&german] { return &german; });
        QStringList words;
        bool pictured = false;
        QString defaultWord;
        TestSupport::WhenModal<QMessageBox>(this, [&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                words << button->text();
                QVERIFY(button->icon().isNull());
            }
            pictured = !box->iconPixmap().isNull();
            defaultWord = box->defaultButton() ? box->defaultButton()->text() : QString();
            box->reject();
        });
        QCOMPARE(prompter.Show(QStringLiteral("Delete?"), QString(), Prompter::Buttons::YesNoDefaultNo,
                               Prompter::Icon::Warning),
                 Prompter::Answer::No);
        std::sort(words.begin(), words.end());
        QCOMPARE(words, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QCOMPARE(defaultWord, QStringLiteral("&Nein"));
        QVERIFY(pictured);
        QCOMPARE(WidgetPrompter::IconFor(Prompter::Buttons::Ok, Prompter::Icon::None), Prompter::Icon::Warning);
        QCOMPARE(WidgetPrompter::IconFor(Prompter::Buttons::YesNo, Prompter::Icon::None), Prompter::Icon::Question);
    }

    // A window taller than the screen scrolls, all but its buttons; one that
    // fits squeezed is squeezed; one that fits is left alone.
    void windowsFitTheScreen()
    {
        QDialog dialog;
        auto* column = new QVBoxLayout(&dialog);
        for (int i = 0; i < 12; ++i)
            column->addWidget(new QLineEdit(&dialog));
        auto* buttons = new QHBoxLayout;
        auto* save = new QPushButton(QStringLiteral("Save"), &dialog);
        buttons->addWidget(save);
        column->addLayout(buttons);
        FitToScreen(&dialog, dialog.sizeHint() + QSize(10, 10));
        QVERIFY(!dialog.findChild<QScrollArea*>());
        FitToScreen(&dialog, QSize(400, 160));
        auto* area = dialog.findChild<QScrollArea*>(QStringLiteral("screenFitArea"));
        QVERIFY(area);
        QVERIFY(!area->isAncestorOf(save));
        QVERIFY(area->isAncestorOf(dialog.findChild<QLineEdit*>()));
        QCOMPARE(dialog.size().height(), 160);
        FitToScreen(&dialog, QSize(400, 160)); // once is enough
        QCOMPARE(dialog.findChildren<QScrollArea*>().size(), 1);
    }

    void bitmapButtonShowsItsPressedPictureAndStillClicks()
    {
        CBitmapTextButton button;
        button.resize(120, 32);
        button.SetBitmaps(1015, 1016);
        button.SetLabel(20, 7, QStringLiteral("Connect & go"), Qt::white);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy clicks(&button, &QAbstractButton::clicked);

        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.CurrentBitmap(), 1016);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.CurrentBitmap(), 1015);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(button.accessibleName(), QStringLiteral("Connect & go")); // a label, not a mnemonic

        // The label has no background: beside and between the letters the picture shows.
        button.clearFocus();
        button.setAttribute(Qt::WA_UnderMouse, false);
        const QImage shot = button.grab().toImage();
        const QImage face = Skin::Picture(1015, button.size(), shot.devicePixelRatio()).toImage();
        QCOMPARE(shot.pixelColor(4, 16), face.pixelColor(4, 16));
        QCOMPARE(shot.pixelColor(60, 28), face.pixelColor(60, 28));
        bool labelDrawn = false;
        for (int x = 20; x < 60 && !labelDrawn; ++x)
            labelDrawn = shot.pixelColor(x, 14) != face.pixelColor(x, 14);
        QVERIFY(labelDrawn);

        // Without a pressed picture the normal one stays.
        button.SetBitmaps(1032, 0);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.CurrentBitmap(), 1032);
        QTest::mouseRelease(&button, Qt::LeftButton);
    }

    void skinButtonMakesRoomForPictureAndText()
    {
        SkinButton plain;
        plain.setText(QStringLiteral("Abbrechen und schließen"));
        SkinButton pictured;
        pictured.setText(plain.text());
        pictured.SetBitmaps(516);
        QVERIFY(pictured.sizeHint().width() >= plain.sizeHint().width() + 20);
        QVERIFY(plain.sizeHint().width() > plain.fontMetrics().horizontalAdvance(plain.text()));
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
