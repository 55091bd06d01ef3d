// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/PlatformInfo.h"
#include "core/settings/ProductInfo.h"

#include <QtTest>

#include <sys/utsname.h>

class TestProductInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void derivedTexts()
    {
        const ProductTexts t = ProductTexts::From(ProductRecord::Braxlow());
        QCOMPARE(t.UpdateProductId, QStringLiteral("KTS2BX10"));
        QCOMPARE(t.UpdateVersionId, QStringLiteral("03FH1"));
        QCOMPARE(t.ProductDisplayName, QStringLiteral("Korvane Tessaly II Braxlow"));
        QCOMPARE(t.VersionPrefix, QStringLiteral("Korvane Tessaly II Braxlow 1.0."));
        QCOMPARE(t.CurrentVersionText, QStringLiteral("Korvane Tessaly II Braxlow 1.0.0.3 FH1"));
    }

    void classify_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("platformId");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("kind");
        QTest::newRow("query failed") << false << 2 << 5 << 0;
        QTest::newRow("Win32s") << true << 0 << 3 << 1;
        QTest::newRow("Windows 98") << true << 1 << 4 << 3;
        QTest::newRow("NT 4.0") << true << 2 << 4 << 4;
        QTest::newRow("Windows 2000") << true << 2 << 5 << 5;
        QTest::newRow("Windows 10") << true << 2 << 10 << 5;
        QTest::newRow("unknown id") << true << 3 << 10 << 6;
    }

    void classify()
    {
        QFETCH(bool, ok);
        QFETCH(int, platformId);
        QFETCH(int, major);
        QFETCH(int, kind);
        const PlatformInfo info(PlatformInfo::Version{ok, platformId, major, 1});
        QCOMPARE(info.Kind(), kind);
        // The version numbers are only reported when the query worked.
        QCOMPARE(info.Major(), ok ? major : 0);
        QCOMPARE(info.Minor(), ok ? 1 : 0);
    }

    void runningLinuxIsKindFiveWithKernelVersion()
    {
        struct utsname name {};
        QCOMPARE(uname(&name), 0);
        const QStringList parts = QString::fromLatin1(name.release).split(QLatin1Char('.'));
        const PlatformInfo info;
        QCOMPARE(info.Kind(), 5);
        QCOMPARE(info.Major(), parts.at(0).toInt());
        QVERIFY(info.Major() >= 3);
    }
};

QTEST_GUILESS_MAIN(TestProductInfo)
#include "tst_productinfo.moc"
