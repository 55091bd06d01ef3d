// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/EntryTexts.h"

#include <QtTest>

namespace {

QosProfile Profile(quint32 cid, quint8 precedence, quint8 delay, quint8 reliability, quint8 peak,
                   quint8 mean)
{
    QosProfile p;
    p.cid = cid;
    p.precedence = precedence;
    p.delay = delay;
    p.reliability = reliability;
    p.peak = peak;
    p.mean = mean;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(QosProfile)

class TestEntryTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qosTextReadsAndWritesBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QosProfile>("profile");
        QTest::addColumn<QString>("written");
        QTest::newRow("best effort is the last item")
            << "1,0,0,3,0,31" << Profile(1, 0, 0, 3, 0, 19) << "1,0,0,3,0,31";
        QTest::newRow("cid and top classes")
            << "2,3,4,5,9,18" << Profile(2, 3, 4, 5, 9, 18) << "2,3,4,5,9,18";
        QTest::newRow("junk, digits first, missing")
            << "x,2a,,b7,5" << Profile(0, 2, 0, 0, 5, 0) << "0,2,0,0,5,0";
        QTest::newRow("classes keep low 8 bits")
            << "1,257,0,3,0,287" << Profile(1, 1, 0, 3, 0, 19) << "1,1,0,3,0,31";
        QTest::newRow("extra fields ignored")
            << "3,1,1,1,1,1,9" << Profile(3, 1, 1, 1, 1, 1) << "3,1,1,1,1,1";
        QTest::newRow("cid is unsigned")
            << "4294967295,0,0,3,0,0" << Profile(4294967295u, 0, 0, 3, 0, 0)
            << "4294967295,0,0,3,0,0";
    }
    void qosTextReadsAndWritesBack()
    {
        QFETCH(QString, text);
        QFETCH(QosProfile, profile);
        QFETCH(QString, written);
        const QosProfile read = ParseQosText(text);
        QVERIFY2(read == profile, qPrintable(QosText(read)));
        QCOMPARE(QosText(read), written);
    }

    void changedClassKeepsTheRest()
    {
        QosProfile p = ParseQosText(QStringLiteral("1,0,0,3,0,31"));
        p.precedence = 1;
        QCOMPARE(QosText(p), QStringLiteral("1,1,0,3,0,31"));
        QCOMPARE(QosText(QosProfile()), QStringLiteral("1,0,0,3,0,0"));
    }

    void ipAddressTexts()
    {
        const Ras::IpAddr zero;
        const Ras::IpAddr some{10, 0, 0, 1};
        QCOMPARE(IpAddressText(some), QStringLiteral("10.0.0.1"));
        QCOMPARE(EditedIpAddressText(zero), QString());
        QCOMPARE(ChosenIpAddressText(0, some), QString());
        QCOMPARE(ChosenIpAddressText(1, zero), QStringLiteral("0.0.0.0"));
        QCOMPARE(IpChoice(QString()), 0);
        QCOMPARE(IpChoice(QStringLiteral("0.0.0.0")), 1);
    }

    void dnsChoice_data()
    {
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("alternate");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<int>("choice");
        QTest::newRow("none") << ""
                              << ""
                              << "Germany"
                              << "T-Mobile" << 0;
        QTest::newRow("alternate only") << ""
                                        << "10.0.0.2"
                                        << "Germany"
                                        << "T-Mobile" << 1;
        QTest::newRow("M1 Singapore") << "10.0.0.1"
                                      << ""
                                      << "Singapore"
                                      << "M1" << 0;
        QTest::newRow("m1 SINGAPORE") << "10.0.0.1"
                                      << "10.0.0.2"
                                      << "SINGAPORE"
                                      << "m1" << 0;
        QTest::newRow("M1 elsewhere") << "10.0.0.1"
                                      << ""
                                      << "Malaysia"
                                      << "M1" << 1;
        QTest::newRow("other in Singapore") << "10.0.0.1"
                                            << ""
                                            << "Singapore"
                                            << "M11" << 1;
    }
    void dnsChoice()
    {
        QFETCH(QString, preferred);
        QFETCH(QString, alternate);
        QFETCH(QString, country);
        QFETCH(QString, provider);
        QFETCH(int, choice);
        QCOMPARE(DnsChoice(preferred, alternate, country, provider), choice);
    }
};

QTEST_GUILESS_MAIN(TestEntryTexts)
#include "tst_entrytexts.moc"
