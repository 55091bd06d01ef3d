// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/CRasDialer.h"
#include "core/phone/AtSession.h"
#include "core/phone/PhoneStatus.h"
#include "core/phone/Ussd.h"
#include "core/phone/UssdSession.h"
#include "core/settings/AppSettings.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>

// What phones and networks send about themselves, read defensively, and the
// balance codes' exchange with a phone.
class TestPhoneTexts : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void statusAnswers()
    {
        using namespace PhoneStatus;
        QCOMPARE(ParseSim("\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n"), Sim::Pin);
        QCOMPARE(ParseSim("\r\n+CPIN: \"READY\"\r\nOK\r\n"), Sim::Ready);
        QCOMPARE(ParseSim("\r\n+CPIN: PH-SIM PIN\r\nOK\r\n"), Sim::OtherLock);
        QCOMPARE(ParseSim("\r\n+CME ERROR: SIM not inserted\r\n"), Sim::Absent);
        QCOMPARE(ParseSim("\r\nERROR\r\n"), Sim::Unknown);
        QCOMPARE(CmeError("+CME ERROR: 99999\r\n"), 0); // no number we know, but an error
        // The answer to the question and the unsolicited form.
        QCOMPARE(ParseRegistration("+CREG: 2,5,\"1A2B\",\"00C3\"\r\nOK", QStringLiteral("+CREG")), 5);
        QCOMPARE(ParseRegistration("+CGREG: 3,\"1A2B\",\"00C3\"\r\n", QStringLiteral("+CGREG")), 3);
        QCOMPARE(ParseRegistration("+CREG: 0,77\r\nOK", QStringLiteral("+CREG")), -1);
        QCOMPARE(ParseSignal("+CSQ: 31,99\r\nOK"), 31);
        QCOMPARE(ParseSignal("+CSQ: 45,0\r\nOK"), -1);
        QCOMPARE(SignalDbm(20), -73);
        QCOMPARE(SignalBars(99), 0);
        QCOMPARE(ParsePinAttempts("+CPINR: \"SIM PIN\",2,3\r\nOK"), 2);
        QCOMPARE(ParsePinAttempts("+CPINR: SIM PUK,10,10\r\nOK"), -1);
        QCOMPARE(ParseImsi("AT+CIMI\r\r\n262019876543210\r\n\r\nOK\r\n"), QStringLiteral("262019876543210"));
        QCOMPARE(ParseImsi("\r\n2620198765432101234\r\nOK\r\n"), QString());
        // A name from the network goes on screen: no control characters, bounded.
        QCOMPARE(ParseOperator(QString::fromUtf8("+COPS: 0,0,\"Net\x1b[2J\u202Ex\",2\r\n")), QStringLiteral("Net[2Jx"));
        QCOMPARE(ParseText("AT+CGMM\r\r\n+CGMM: \"K800\"\r\n\r\nOK\r\n", QStringLiteral("AT+CGMM")), QStringLiteral("K800"));
        QVERIFY(ValidPin(QStringLiteral("0000")) && ValidPin(QStringLiteral("12345678")));
        QVERIFY(!ValidPin(QStringLiteral("123")) && !ValidPin(QStringLiteral("1234\"")) && !ValidPin(QStringLiteral("١٢٣٤")));
    }

    void ussdTexts()
    {
        QCOMPARE(Ussd::DecodeGsm7Packed(QByteArray::fromHex("E8329BFD4697D9EC37")), QStringLiteral("hellohello"));
        // Seven spare bits are padding, not an '@'; the escape gives the euro sign.
        QCOMPARE(Ussd::Decode(QStringLiteral("31D98C56B3DD00"), 15), QStringLiteral("1234567"));
        QCOMPARE(Ussd::Decode(QStringLiteral("9B32"), 15), QString(QChar(0x20AC)));
        QCOMPARE(Ussd::Decode(QStringLiteral("00480069"), 72), QStringLiteral("Hi"));
        QCOMPARE(Ussd::Decode(QStringLiteral("Balance 5 EUR"), 15), QStringLiteral("Balance 5 EUR"));
        QCOMPARE(Ussd::Decode(QString::fromLatin1("g\xC3\xBCltig"), 15), QString::fromUtf8("gültig"));
        QCOMPARE(Ussd::Decode(QStringLiteral("00410007000A0042"), 72), QStringLiteral("A\nB")); // a bell never reaches the screen
        QVERIFY(!Ussd::Parse("\r\n+CUSD: 0,\"half a te"));
        const auto a = Ussd::Parse("\r\nOK\r\n\r\n+CUSD: 1,\"1 One\n2 Two\",15\r\n");
        QVERIFY(a);
        QCOMPARE(a->status, int(Ussd::kReplyWanted));
        QCOMPARE(a->text, QStringLiteral("1 One\n2 Two"));
        QCOMPARE(Ussd::Parse("+CUSD: 4\r\n")->status, int(Ussd::kNotSupported));
        QVERIFY(Ussd::ValidCode(QStringLiteral("*100#")) && !Ussd::ValidCode(QStringLiteral("*100#\",15\rATD1")));
    }

    // The same balance in both codings reads the same, and a menu can be answered.
    void balanceFromThePhone()
    {
        TestSupport::Settings fixture;
        QTemporaryDir locks;
        CComm::SetLockDirectory(locks.path());
        CRasDialer dialer(fixture.dir.filePath(QStringLiteral("pbk")), &fixture.settings);
        CComm link;
        CIrDASock irda;
        RecordingPrompter prompter;
        AtSession at(fixture.settings, link, irda, dialer, prompter);
        QStringList texts;
        for (const char* scheme : {"gsm7", "ucs2"}) {
            VirtualPhone phone({QStringLiteral("--ussd"), QLatin1String(scheme)});
            QVERIFY(phone.Start());
            QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone.Path()));
            fixture.settings.SavePort(7);
            UssdSession ussd(at);
            const UssdSession::Step balance = ussd.Send(QStringLiteral("*100#"));
            QCOMPARE(int(balance.kind), int(UssdSession::Step::Kind::Answer));
            QVERIFY(!ussd.PortOpen());
            texts << balance.text;

            if (QLatin1String(scheme) == QLatin1String("ucs2")) {
                const UssdSession::Step menu = ussd.Send(QStringLiteral("*101#"));
                QCOMPARE(int(menu.kind), int(UssdSession::Step::Kind::Menu));
                QCOMPARE(menu.text, QStringLiteral("1 Balance\n2 Bonus"));
                QVERIFY(ussd.PortOpen());
                const UssdSession::Step bonus = ussd.Send(QStringLiteral("2"));
                QCOMPARE(bonus.text, QStringLiteral("Bonus: 100 MB"));
                QVERIFY(!ussd.PortOpen());
            } else {
                QCOMPARE(int(ussd.Send(QStringLiteral("*101#")).kind), int(UssdSession::Step::Kind::Menu));
                ussd.Cancel();
                QVERIFY(phone.Received().endsWith("AT+CUSD=2\r"));
            }
            QCOMPARE(ussd.Send(QStringLiteral("*555#")).messageId, int(Str::BalanceNotSupported));
            Quarrin::CurrentPortMap().Remove(7);
        }
        QCOMPARE(texts.at(0), QString::fromUtf8("Guthaben: 12,34 EUR, gültig bis 31.12."));
        QCOMPARE(texts.at(1), texts.at(0));
        QVERIFY(prompter.Messages().isEmpty());
    }
};

QTEST_MAIN(TestPhoneTexts)
#include "tst_phonetexts.moc"
