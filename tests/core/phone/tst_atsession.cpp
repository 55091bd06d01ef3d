// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/CRasDialer.h"
#include "core/phone/AtSession.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QtTest>

// Answers the PIN prompt from a script and records what the session did.
class ScriptedPin : public SimPinSource
{
public:
    QString remembered;
    std::optional<Entered> answer;
    int asked = 0;
    int lastAttempts = -2;
    QStringList remember;
    int forgotten = 0;

    QString Remembered() override { return remembered; }
    std::optional<Entered> Ask(int attemptsLeft) override
    {
        ++asked;
        lastAttempts = attemptsLeft;
        return answer;
    }
    void Remember(const QString& pin) override { remember << pin; }
    void Forget() override { ++forgotten; }
};

class TestAtSession : public QObject
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

    void init()
    {
        fixture_ = std::make_unique<TestSupport::Settings>();
        dir_ = &fixture_->dir;
        settings_ = &fixture_->settings;
        dialer_ = std::make_unique<CRasDialer>(dir_->filePath(QStringLiteral("pbk")), settings_);
        dialer_->CreateEntry(QStringLiteral("Braxlow"), QStringLiteral("modem"),
                             QStringLiteral("Korvane GPRS MODEM"), 4, 1, QString(), QString());
        link_ = std::make_unique<CComm>();
        prompter_ = std::make_unique<RecordingPrompter>();
        session_ = std::make_unique<AtSession>(*settings_, *link_, irda_, *dialer_, *prompter_);
    }

    void cleanup()
    {
        session_.reset();
        link_.reset();
        phone_.reset();
        Quarrin::CurrentPortMap().Remove(7);
    }

    void commandLines_data()
    {
        QTest::addColumn<QString>("apn");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("qosMin");
        QTest::addColumn<QString>("context");
        QTest::newRow("apn, no address") << "internet" << "" << "1,0,0,3,0,0"
                                         << "AT+CGDCONT=1,\"IP\",\"internet\",,0,0\r";
        QTest::newRow("apn and address") << "internet" << "10.0.0.2" << "1,0,0,3,0,0"
                                         << "AT+CGDCONT=1,\"IP\",\"internet\",\"10.0.0.2\",0,0\r";
        QTest::newRow("no apn") << "" << "" << "1,0,0,3,0,0" << "AT+CGDCONT=1,\"IP\",,,0,0\r";
        QTest::newRow("address without apn is not sent") << "" << "10.0.0.2" << "1,0,0,3,0,0"
                                                         << "AT+CGDCONT=1,\"IP\",,,0,0\r";
        QTest::newRow("cid 3") << "web" << "" << "3,0,0,3,0,0" << "AT+CGDCONT=3,\"IP\",\"web\",,0,0\r";
        QTest::newRow("cid 0 is 1") << "web" << "" << "0,0,0,3,0,0" << "AT+CGDCONT=1,\"IP\",\"web\",,0,0\r";
        QTest::newRow("empty qos") << "web" << "" << "" << "AT+CGDCONT=1,\"IP\",\"web\",,0,0\r";
        QTest::newRow("cid not a number") << "web" << "" << "x,0" << "AT+CGDCONT=1,\"IP\",\"web\",,0,0\r";
    }

    void commandLines()
    {
        QFETCH(QString, apn);
        QFETCH(QString, ip);
        QFETCH(QString, qosMin);
        QFETCH(QString, context);
        const QStringList lines = AtSession::BuildCommands(apn, ip, qosMin, QStringLiteral("1,2,4,5,9,31"),
                                                           QStringLiteral("*99***1#"));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(0), QStringLiteral("ATZ\r"));
        QCOMPARE(lines.at(1), QStringLiteral("AT+CGMI\r"));
        QCOMPARE(lines.at(2), context);
        QCOMPARE(lines.at(3), QStringLiteral("AT+CGQMIN=") + qosMin + QLatin1Char('\r'));
        QCOMPARE(lines.at(4), QStringLiteral("AT+CGQREQ=1,2,4,5,9,31\r"));
        QCOMPARE(lines.at(5), QStringLiteral("ATD*99***1#\r"));
    }

    void prepareConnectionSetsCredentialsAndDns()
    {
        ConnectInfo c;
        c.PhoneNumber = QStringLiteral("*99#");
        c.Username = QStringLiteral("web");
        c.Password = QStringLiteral("secret");
        c.PrimaryDNS = QStringLiteral("193.189.244.225");
        settings_->SaveConnectInfo(c);
        session_->PrepareConnection();
        QCOMPARE(session_->PhoneNumber(), QStringLiteral("*99#"));
        QCOMPARE(session_->UserName(), QStringLiteral("web"));
        QCOMPARE(session_->Password(), QStringLiteral("secret"));
        Ras::Entry e;
        QCOMPARE(dialer_->GetEntry(QStringLiteral("Braxlow"), e, QString()), 0);
        QVERIFY(e.options & Ras::kSpecificNameServers);
        QCOMPARE(e.ipaddrDns.Text(), QStringLiteral("193.189.244.225"));
        QCOMPARE(e.ipaddrDnsAlt.Text(), QStringLiteral("0.0.0.0"));

        c.PrimaryDNS.clear();
        settings_->SaveConnectInfo(c);
        session_->PrepareConnection();
        dialer_->GetEntry(QStringLiteral("Braxlow"), e, QString());
        QVERIFY(!(e.options & Ras::kSpecificNameServers));
    }

    void noPortMeansNoLink()
    {
        settings_->SavePort(0);
        settings_->SaveIrPort(0);
        QCOMPARE(session_->RunAtSession(), 1);
        settings_->SaveIrPort(5); // infrared, but nothing found on this machine
        QCOMPARE(session_->RunAtSession(), 1);
        settings_->SavePort(9); // not mapped
        QCOMPARE(session_->RunAtSession(), 1);
        QVERIFY(prompter_->Messages().isEmpty());
    }

    void fullSessionSendsExactlyTheLines()
    {
        StartPhone({});
        ConnectInfo c;
        c.APNName = QStringLiteral("internet.eplus.de");
        c.UserIPAddr = QStringLiteral("10.0.0.2");
        c.PhoneNumber = QStringLiteral("*99***3#");
        c.QoSMin = QStringLiteral("3,0,0,3,0,0");
        c.QoSRequest = QStringLiteral("3,1,4,5,9,31");
        settings_->SaveConnectInfo(c);
        session_->PrepareConnection();
        int busy = 0;
        connect(session_.get(), &AtSession::busyChanged, this, [&busy](bool b) { busy += b ? 1 : -1; });
        QCOMPARE(session_->RunAtSession(), -1);
        QCOMPARE(busy, 0); // every wait cursor ended
        QVERIFY(prompter_->Messages().isEmpty());
        const QByteArray wire = phone_->Received();
        QCOMPARE(wire, QByteArray("AATZ\r"
                                  "AT+CPFC?\r"
                                  "AT+CPFC=?\r"
                                  "ATZ\r"
                                  "AT+CGMI\r"
                                  "AT+CGDCONT=3,\"IP\",\"internet.eplus.de\",\"10.0.0.2\",0,0\r"
                                  "AT+CGQMIN=3,0,0,3,0,0\r"
                                  "AT+CGQREQ=3,1,4,5,9,31\r"));
        QVERIFY(!wire.contains("ATD")); // the dial is pppd's
        ExpectLinkClosed();
    }

    void valuesThatWouldInjectCommandsAreNeverSent()
    {
        StartPhone({});
        struct Case
        {
            const char* apn;
            const char* ip;
            const char* qos;
            int field;
        } cases[] = {
            {"inter\"net\rATD0123456789;", "", "", Str::ApnLabel},
            {"web\nATH", "", "", Str::ApnLabel},
            {"web\\22", "", "", Str::ApnLabel},
            {"web", "10.0.0.2\"", "", Str::IpAddressLabel},
            {"web", "", "1,0,0,3,0,0\rATD1", Str::TabQoSMin},
        };
        for (const Case& c : cases) {
            QCOMPARE(AtSession::UnsafeField(QString::fromUtf8(c.apn), QString::fromUtf8(c.ip),
                                            QString::fromUtf8(c.qos), QString()), c.field);
            ConnectInfo info;
            info.APNName = QString::fromUtf8(c.apn);
            info.UserIPAddr = QString::fromUtf8(c.ip);
            info.QoSMin = QString::fromUtf8(c.qos);
            settings_->SaveConnectInfo(info);
            session_->PrepareConnection();
            prompter_->Clear();
            QCOMPARE(session_->RunAtSession(), 0);
            QCOMPARE(prompter_->Messages().size(), 1);
            const QString label = LoadLanguageString(settings_->LanguageModule(), c.field).remove(QLatin1Char(':'));
            QVERIFY2(prompter_->Messages().at(0).text.contains(QLatin1Char('"') + label + QLatin1Char('"')),
                     qPrintable(prompter_->Messages().at(0).text));
        }
        QVERIFY(phone_->Received().isEmpty()); // the port was never even opened
        QCOMPARE(AtSession::UnsafeField(QStringLiteral("internet.t-d1.de"), QStringLiteral("10.0.0.2"),
                                        QStringLiteral("1,0,0,3,0,0"), QString()), 0);
    }

    void noiseOnTheLineHidesNoAnswer()
    {
        StartPhone({QStringLiteral("--noise")}); // a NUL before every answer
        session_->PrepareConnection();
        QCOMPARE(session_->RunAtSession(), -1);
        QVERIFY(prompter_->Messages().isEmpty());
    }

    void capabilityCheck_data()
    {
        QTest::addColumn<QStringList>("phoneArgs");
        QTest::addColumn<int>("result");
        QTest::newRow("query ERROR passes") << QStringList{"--cpfc", "ERROR"} << -1;
        QTest::newRow("(0-1) fails") << QStringList{"--cpfc-test", "(0-1)"} << 0;
        QTest::newRow("(0-1,6) passes") << QStringList{"--cpfc-test", "(0-1,6)"} << -1;
    }

    void capabilityCheck()
    {
        QFETCH(QStringList, phoneArgs);
        QFETCH(int, result);
        StartPhone(phoneArgs);
        session_->PrepareConnection();
        QCOMPARE(session_->RunAtSession(), result);
        if (result == 0) {
            QCOMPARE(prompter_->Messages().size(), 1);
            QCOMPARE(prompter_->Messages().at(0).text,
                     LoadLanguageString(settings_->LanguageModule(), Str::PhoneNotSuitable));
            QVERIFY(!phone_->Received().contains("ATZ\rAT+CGMI"));
        }
        ExpectLinkClosed();
    }

    void errorLineThatEndsFailsAtOnce()
    {
        StartPhone({QStringLiteral("--cme-late-on"), QStringLiteral("AT+CGMI:3")});
        session_->PrepareConnection();
        QStringList statuses;
        connect(session_.get(), &AtSession::statusTextChanged, this, [&](const QString& s) { statuses << s; });
        QElapsedTimer t;
        t.start();
        QCOMPARE(session_->RunAtSession(), 0);
        // The link's first hold plus a little, not that and the 8-second time-out.
        QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(statuses.last(), LoadLanguageString(settings_->LanguageModule(), Str::PhoneRejectedCommand));
        QCOMPARE(prompter_->Messages().size(), 1);
        ExpectLinkClosed();
    }

    void errorLineThatNeverEndsTimesOut()
    {
        StartPhone({QStringLiteral("--cme-unterminated-on"), QStringLiteral("AT+CGMI:3")});
        QVERIFY(session_->OpenPhoneLink());
        session_->SendAtCommand(QStringLiteral("AT\r")); // past the link's first hold
        QElapsedTimer t;
        t.start();
        QCOMPARE(session_->SendAtCommand(QStringLiteral("AT+CGMI\r")), QString());
        // The 8-second time-out, not the 31 seconds of a long-running command.
        QVERIFY2(t.elapsed() > 7000 && t.elapsed() < 12000, qPrintable(QString::number(t.elapsed())));
        session_->ClosePhoneLink();
        ExpectLinkClosed();
    }

    void silentPhoneStillGetsTheCheckAndTheCommands()
    {
        StartPhone({QStringLiteral("--silent-for"), QStringLiteral("2500")});
        session_->PrepareConnection();
        QCOMPARE(session_->RunAtSession(), -1);
        const QByteArray wire = phone_->Received();
        // Two wake-up cycles, then the check and the commands.
        QVERIFY(wire.startsWith("AATZ\rAATZ\rAT+CPFC?\r"));
        QVERIFY(wire.contains("AT+CGQREQ="));
        ExpectLinkClosed();
    }

    void phoneHangingUpEndsTheSession()
    {
        StartPhone({QStringLiteral("--hangup-on"), QStringLiteral("AT+CGDCONT")});
        session_->PrepareConnection();
        QElapsedTimer t;
        t.start();
        QCOMPARE(session_->RunAtSession(), 0);
        QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed()))); // not after a time-out
        ExpectLinkClosed();
    }

    // A failed command is explained by what the phone says about itself; the
    // Part's generic message only stays when the phone tells nothing.
    void failureIsExplained_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<int>("message");
        QTest::newRow("puk") << "--sim puk" << int(Str::SimAsksPuk);
        QTest::newRow("no sim") << "--sim absent" << int(Str::SimNotInserted);
        QTest::newRow("radio off") << "--registration 0" << int(Str::PhoneNotRegistered);
        QTest::newRow("searching") << "--registration 2" << int(Str::PhoneSearching);
        QTest::newRow("denied") << "--registration 3" << int(Str::RegistrationDenied);
        QTest::newRow("no signal") << "--signal 99" << int(Str::NoSignal);
        QTest::newRow("roaming") << "--cme-error-on AT+CGDCONT:113" << int(Str::RoamingNotAllowed);
        QTest::newRow("detached") << "--detached --error-on AT+CGDCONT" << int(Str::NotAttached);
        QTest::newRow("tells nothing") << "--error-on AT+C" << int(Str::PhoneRejectedCommand);
        QTest::newRow("knows QoS, refuses values") << "--cme-error-on AT+CGQMIN=:3" << int(Str::PhoneRejectedCommand);
    }

    void failureIsExplained()
    {
        QFETCH(QString, phone);
        QFETCH(int, message);
        StartPhone(phone.split(QLatin1Char(' ')));
        ScriptedPin pin;
        pin.remembered = QStringLiteral("1234");
        session_->SetPinSource(&pin);
        session_->PrepareConnection();
        QStringList statuses;
        connect(session_.get(), &AtSession::statusTextChanged, this, [&statuses](const QString& t) { statuses << t; });
        QCOMPARE(session_->RunAtSession(), 0);
        const QString text = LoadLanguageString(settings_->LanguageModule(), message);
        QCOMPARE(prompter_->Messages().size(), 1);
        QCOMPARE(prompter_->Messages().at(0).text, text);
        QCOMPARE(statuses.last(), text);
        QCOMPARE(pin.asked, 0);
        QVERIFY(!phone_->Received().contains("AT+CPIN=")); // neither a PIN nor a PUK
        ExpectLinkClosed();
    }

    void pinUnlocksTheSimOnce()
    {
        StartPhone({QStringLiteral("--sim"), QStringLiteral("pin"), QStringLiteral("--pin"), QStringLiteral("4711")});
        ScriptedPin pin;
        pin.answer = SimPinSource::Entered{QStringLiteral("4711"), true};
        session_->SetPinSource(&pin);
        session_->PrepareConnection();
        QCOMPARE(session_->RunAtSession(), -1);
        QCOMPARE(pin.asked, 1);
        QCOMPARE(pin.lastAttempts, 3);
        QCOMPARE(pin.remember, QStringList{QStringLiteral("4711")});
        QVERIFY(prompter_->Messages().isEmpty());
        // After the PIN, the unchanged lines again from the reset.
        const QByteArray wire = phone_->Received();
        QCOMPARE(wire.count("AT+CPIN=\"4711\"\r"), 1);
        QVERIFY(wire.endsWith("AT+CPIN?\rATZ\rAT+CGMI\rAT+CGDCONT=1,\"IP\",,,0,0\r"
                              "AT+CGQMIN=\rAT+CGQREQ=\r"));
        ExpectLinkClosed();
    }

    // A SIM must never be locked by the program: one wrong PIN ends the
    // session, and a remembered PIN that was refused is forgotten.
    void wrongPinIsNeverRetried()
    {
        StartPhone({QStringLiteral("--sim"), QStringLiteral("pin")});
        ScriptedPin pin;
        pin.answer = SimPinSource::Entered{QStringLiteral("1111"), true};
        session_->SetPinSource(&pin);
        session_->PrepareConnection();
        QCOMPARE(session_->RunAtSession(), 0);
        QCOMPARE(prompter_->Messages().size(), 1);
        QCOMPARE(prompter_->Messages().at(0).text, LoadLanguageString(settings_->LanguageModule(), Str::PinRefused));
        QVERIFY(pin.remember.isEmpty());

        pin.remembered = QStringLiteral("2222");
        QCOMPARE(session_->RunAtSession(), 0);
        QCOMPARE(pin.asked, 1); // the remembered one was used, not the prompt
        QCOMPARE(pin.forgotten, 1);
        QCOMPARE(phone_->Received().count("AT+CPIN=\""), 2);

        // One attempt left: the remembered PIN is not risked; a cancel sends nothing.
        pin.answer.reset();
        QCOMPARE(session_->RunAtSession(), 0);
        QCOMPARE(pin.asked, 2);
        QCOMPARE(pin.lastAttempts, 1);
        QCOMPARE(phone_->Received().count("AT+CPIN=\""), 2);
        QCOMPARE(prompter_->Messages().size(), 2); // a cancel shows no box
        ExpectLinkClosed();
    }

    // A phone that does not tell the attempts left: after a refused PIN the
    // SIM may be at its last one, so a remembered PIN (perhaps outdated) is
    // not risked until a PIN has been accepted again.
    void unknownAttemptsRiskNoRememberedPinAfterARefusal()
    {
        StartPhone({QStringLiteral("--sim"), QStringLiteral("pin"), QStringLiteral("--error-on"), QStringLiteral("AT+CPINR")});
        ScriptedPin pin;
        session_->SetPinSource(&pin);
        session_->PrepareConnection();
        pin.answer = SimPinSource::Entered{QStringLiteral("1111"), false};
        QCOMPARE(session_->RunAtSession(), 0);
        QCOMPARE(pin.lastAttempts, -1);

        pin.remembered = QStringLiteral("9999");
        pin.answer = SimPinSource::Entered{QStringLiteral("1234"), false};
        QCOMPARE(session_->RunAtSession(), -1);
        QCOMPARE(pin.asked, 2);
        QVERIFY(!phone_->Received().contains("9999"));

        // Accepted since: the remembered PIN goes again without a question.
        StartPhone({QStringLiteral("--sim"), QStringLiteral("pin"), QStringLiteral("--error-on"), QStringLiteral("AT+CPINR")});
        pin.remembered = QStringLiteral("1234");
        QCOMPARE(session_->RunAtSession(), -1);
        QCOMPARE(pin.asked, 2);
        ExpectLinkClosed();
    }

    void phoneWithoutQosCommandsGoesOn()
    {
        StartPhone({QStringLiteral("--no-qos")});
        session_->PrepareConnection();
        QStringList statuses;
        connect(session_.get(), &AtSession::statusTextChanged, this, [&statuses](const QString& t) { statuses << t; });
        QCOMPARE(session_->RunAtSession(), -1);
        QCOMPARE(statuses, QStringList{LoadLanguageString(settings_->LanguageModule(), Str::QosSkipped)});
        QVERIFY(phone_->Received().endsWith("AT+CGQMIN=\rAT+CGQMIN=?\rAT+CGQREQ=\rAT+CGQREQ=?\r"));
        QVERIFY(prompter_->Messages().isEmpty());
    }

private:
    void StartPhone(const QStringList& args)
    {
        phone_ = std::make_unique<VirtualPhone>(args);
        QVERIFY(phone_->Start());
        QVERIFY(Quarrin::CurrentPortMap().AddExplicit(7, phone_->Path()));
        settings_->SavePort(7);
    }

    // Every path closes the link: the port is free for the dial-up service.
    void ExpectLinkClosed()
    {
        QCOMPARE(link_->GetConnectStatus(), 0);
        QCOMPARE(QDir(lockDir_.path()).entryList(QDir::Files), QStringList());
        if (phone_ && phone_->Running()) {
            CComm other;
            StInitCommInfo info;
            info.portNumber = 7;
            info.baudRate = 115200;
            QCOMPARE(other.CreateComm(&info), 1);
            QVERIFY(other.OpenConnection() != 0);
            other.DestroyComm();
        }
    }

    QTemporaryDir lockDir_;
    std::unique_ptr<TestSupport::Settings> fixture_;
    QTemporaryDir* dir_ = nullptr;
    AppSettings* settings_ = nullptr;
    std::unique_ptr<CRasDialer> dialer_;
    std::unique_ptr<CComm> link_;
    CIrDASock irda_;
    std::unique_ptr<RecordingPrompter> prompter_;
    std::unique_ptr<AtSession> session_;
    std::unique_ptr<VirtualPhone> phone_;
};

QTEST_MAIN(TestAtSession)
#include "tst_atsession.moc"
