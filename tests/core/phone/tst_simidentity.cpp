// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/SimIdentity.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>

using Outcome = SimIdentity::Reading::Outcome;

class TestSimIdentity : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(lockDir_.isValid());
        CComm::SetLockDirectory(lockDir_.path());
    }
    void cleanup() { Quarrin::CurrentPortMap().Remove(7); }

    void imsiIsTheFirstLineOfDigits()
    {
        using SimIdentity::ImsiOf;
        QCOMPARE(ImsiOf(QStringLiteral("AT+CIMI\r\r\n262019876543210\r\n\r\nOK\r\n")),
                 QStringLiteral("262019876543210"));
        QCOMPARE(
            ImsiOf(QStringLiteral("\r\n+CIMI: 1\r\n 234101234567 \r\n310410123456789\r\nOK\r\n")),
            QStringLiteral("234101234567"));
        for (const char* none :
             {"", "\r\nOK\r\n", "\r\n12345\r\n", "\r\n2620198765432101\r\n", "\r\n26201 98765\r\n"})
            QVERIFY2(ImsiOf(QString::fromLatin1(none)).isEmpty(), none);
    }

    void readFromThePhone_data()
    {
        QTest::addColumn<QStringList>("phone");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("imsi");
        QTest::newRow("ready") << QStringList{"--imsi", "310410123456789"} << int(Outcome::Read)
                               << "310410123456789";
        QTest::newRow("pin") << QStringList{"--sim", "pin"} << int(Outcome::PinRequired) << "";
        QTest::newRow("puk") << QStringList{"--sim", "puk"} << int(Outcome::PukRequired) << "";
        QTest::newRow("absent") << QStringList{"--sim", "absent"} << int(Outcome::NoSim) << "";
        QTest::newRow("junk") << QStringList{"--imsi", "26201;ATD1"} << int(Outcome::NoIdentity)
                              << "";
    }
    void readFromThePhone()
    {
        QFETCH(QStringList, phone);
        QFETCH(int, outcome);
        QFETCH(QString, imsi);
        TestSupport::Settings fixture;
        RecordingPrompter prompter;
        VirtualPhone device(phone);
        QVERIFY(device.Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, device.Path()));
        fixture.settings.SavePort(7);
        const SimIdentity::Reading reading = SimIdentity::ReadImsi(fixture.settings, prompter);
        QCOMPARE(int(reading.outcome), outcome);
        QCOMPARE(reading.imsi, imsi);
        QVERIFY(device.Received().contains("AT+CIMI\r"));
        QVERIFY(prompter.Messages().isEmpty());
        // The port is free again for the dial-up service.
        QCOMPARE(QDir(lockDir_.path()).entryList(QDir::Files), QStringList());
    }

    void portThatCannotBeOpened()
    {
        TestSupport::Settings fixture;
        RecordingPrompter prompter;
        fixture.settings.SavePort(7); // not mapped to any device
        QCOMPARE(SimIdentity::ReadImsi(fixture.settings, prompter).outcome, Outcome::PortNotOpened);
        QCOMPARE(SimIdentity::MessageOf(Outcome::PortNotOpened), Str::SimPortNotOpened);
        QCOMPARE(SimIdentity::MessageOf(Outcome::Read), 0);
    }

    void quietReadingForADefault()
    {
        // For the opening of a new entry: the answer of a prompt phone, and
        // nothing else, within its bound and without a word.
        TestSupport::Settings fixture;
        const auto read = [&fixture](const QStringList& phone, qint64& ms) {
            VirtualPhone device(phone);
            if (!device.Start() || !Quarrin::CurrentPortMap().AddExplicit(7, device.Path()))
                return QStringLiteral("no phone");
            fixture.settings.SavePort(7);
            QElapsedTimer took;
            took.start();
            const QString imsi = SimIdentity::ReadImsiQuietly(fixture.settings, 700);
            ms = took.elapsed();
            Quarrin::CurrentPortMap().Remove(7);
            return imsi;
        };
        qint64 ms = 0;
        QCOMPARE(read({"--imsi", "262019876543210"}, ms), QStringLiteral("262019876543210"));
        QCOMPARE(read({"--silent"}, ms), QString());
        QVERIFY2(ms >= 600 && ms < 4000, qPrintable(QString::number(ms)));
        QCOMPARE(read({"--sim", "pin"}, ms), QString());
        fixture.settings.SavePort(7); // mapped to nothing
        QCOMPARE(SimIdentity::ReadImsiQuietly(fixture.settings, 700), QString());
        fixture.settings.SavePort(0);
        QCOMPARE(SimIdentity::ReadImsiQuietly(fixture.settings, 700), QString());
        QCOMPARE(QDir(lockDir_.path()).entryList(QDir::Files), QStringList());
    }

private:
    QTemporaryDir lockDir_;
};

QTEST_GUILESS_MAIN(TestSimIdentity)
#include "tst_simidentity.moc"
