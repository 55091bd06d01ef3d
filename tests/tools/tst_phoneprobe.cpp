// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/NetworkCode.h"
#include "core/phone/AtSession.h"
#include "core/phone/PhoneReport.h"
#include "support/PhoneFixtures.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <optional>

// braxlow-phone as a script runs it, against the virtual phone mapped to COM7
// in a settings folder of the test's own.
class TestPhoneProbe : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init() { QVERIFY(config_.emplace().isValid()); }
    void cleanup()
    {
        phone_.reset();
        config_.reset();
    }

    void readyPhoneReportsEveryField()
    {
        StartPhone({QStringLiteral("--signal"), QStringLiteral("20"), QStringLiteral("--imsi"),
                    QStringLiteral("262019876543210"), QStringLiteral("--operator"), QStringLiteral("Test Net"),
                    QStringLiteral("--manufacturer"), QStringLiteral("Acme"), QStringLiteral("--model"),
                    QStringLiteral("A1")});
        QString output;
        QCOMPARE(Run({QStringLiteral("--port"), QStringLiteral("COM7"), QStringLiteral("--json")}, &output), 0);
        const QJsonArray ports = QJsonDocument::fromJson(output.toUtf8()).array();
        QCOMPARE(ports.size(), 1);
        const QJsonObject p = ports.at(0).toObject();
        for (const char* key : {"port", "device", "maker", "model", "firmware", "mcc", "mnc", "country", "provider",
                                "sim", "pinAttempts", "circuitRegistration", "packetRegistration", "operator",
                                "signalDbm", "signalBars", "attached", "heldBy", "result", "diagnosis"})
            QVERIFY2(p.contains(QLatin1String(key)), key);
        QCOMPARE(p.value(QLatin1String("port")).toString(), QStringLiteral("COM7"));
        QCOMPARE(p.value(QLatin1String("maker")).toString(), QStringLiteral("Acme"));
        QCOMPARE(p.value(QLatin1String("model")).toString(), QStringLiteral("A1"));
        QCOMPARE(p.value(QLatin1String("signalDbm")).toInt(), -73);
        QCOMPARE(p.value(QLatin1String("circuitRegistration")).toString(), QStringLiteral("home"));
        QCOMPARE(p.value(QLatin1String("operator")).toString(), QStringLiteral("Test Net"));
        QCOMPARE(p.value(QLatin1String("mcc")).toString(), QStringLiteral("262"));
        QCOMPARE(p.value(QLatin1String("mnc")).toString(), QStringLiteral("01"));
        QCOMPARE(p.value(QLatin1String("country")).toString(), QStringLiteral("Germany"));
        QVERIFY2(p.value(QLatin1String("provider")).toString().startsWith(QLatin1String("T-Mobile(Telekom), ")),
                 qPrintable(p.value(QLatin1String("provider")).toString()));
        QCOMPARE(p.value(QLatin1String("attached")).toBool(), true);
        QCOMPARE(p.value(QLatin1String("result")).toString(), QStringLiteral("ready"));
        // The subscriber's own number never leaves the phone.
        QVERIFY(!output.contains(QLatin1String("9876543210")));

        // The session's transcript, line by line with the time.
        QCOMPARE(Run({QStringLiteral("--port"), QStringLiteral("COM7"), QStringLiteral("--session")}, &output), 0);
        QVERIFY2(output.contains(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d:\\d\\d\\.\\d{3} > AT\\+CGDCONT=1"))), qPrintable(output));
        QVERIFY(output.contains(QLatin1String("AT session: all commands accepted")));
        // The identity's answer shows the network, not the subscriber.
        QVERIFY2(output.contains(QLatin1String("< 26201**********")), qPrintable(output));
        QVERIFY(!output.contains(QLatin1String("9876543210")));
    }

    void problemsAndSilenceHaveTheirExitCodes()
    {
        StartPhone({QStringLiteral("--sim"), QStringLiteral("pin")});
        QString output;
        QCOMPARE(Run({QStringLiteral("--port"), QStringLiteral("COM7")}, &output), 1);
        QVERIFY2(output.contains(QLatin1String("The SIM card asks for its PIN.")), qPrintable(output));

        // A silent phone costs one time-out, not one per question.
        StartPhone({QStringLiteral("--silent")});
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Run({QStringLiteral("--port"), QStringLiteral("COM7"), QStringLiteral("--json")}, &output), 4);
        QVERIFY2(clock.elapsed() < 25000, qPrintable(QString::number(clock.elapsed()))); // five would take 40 s
        QCOMPARE(QJsonDocument::fromJson(output.toUtf8()).array().at(0)[QLatin1String("result")].toString(),
                 QStringLiteral("no answer"));

        QCOMPARE(Run({QStringLiteral("--port"), QStringLiteral("/nonexistent/tty")}, &output), 2);
        QCOMPARE(Run({QStringLiteral("--bogus")}, &output), 2);
    }

    void portHeldByAnotherProgramIsNamed()
    {
        StartPhone({});
        // What minicom and pppd do: a UUCP lock with their process number.
        QProcess holder;
        holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(holder.waitForStarted());
        QFile lock(QStringLiteral("/run/lock/LCK..") + QFileInfo(link_).fileName());
        if (!lock.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            QSKIP("the lock folder /run/lock is not writable here");
        lock.write(QByteArray::number(holder.processId()).rightJustified(10, ' ') + '\n');
        lock.close();

        const qint64 pid = holder.processId();
        QString output;
        const int code = Run({QStringLiteral("--port"), QStringLiteral("COM7")}, &output);
        lock.remove();
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(code, 3);
        QVERIFY2(output.contains(QStringLiteral("COM7 (%1) is in use by sleep (process %2).").arg(link_).arg(pid)),
                 qPrintable(output));
    }

    void reportPieces_data()
    {
        QTest::addColumn<QString>("imsi");
        QTest::addColumn<QString>("mcc");
        QTest::addColumn<QString>("mnc");
        QTest::newRow("two-digit network") << "262019876543210" << "262" << "01";
        QTest::newRow("three-digit network") << "310260123456789" << "310" << "260";
        QTest::newRow("not digits") << "26201987654321x" << "" << "";
        QTest::newRow("too short") << "26201" << "" << "";
    }

    void reportPieces()
    {
        QFETCH(QString, imsi);
        QFETCH(QString, mcc);
        QFETCH(QString, mnc);
        const QPair<QString, QString> codes = NetworkCode::MccMnc(imsi);
        QCOMPARE(codes.first, mcc);
        QCOMPARE(codes.second, mnc);

        // A phone that echoes repeats the PIN: neither the line nor the echo shows it.
        QCOMPARE(AtSession::MaskPin(QStringLiteral("AT+CPIN=\"1234\"\r")), QStringLiteral("AT+CPIN=\"****\"\r"));
        QCOMPARE(AtSession::MaskPin(QStringLiteral("at+cpin=4321\r\r\nOK\r\n")), QStringLiteral("at+cpin=\"****\"\r\r\nOK\r\n"));
    }

private:
    void StartPhone(const QStringList& arguments)
    {
        phone_.reset();
        phone_ = std::make_unique<VirtualPhone>(arguments);
        QVERIFY(phone_->Start());
        // A name of its own, so a lock file for it can name no other test's device.
        link_ = config_->filePath(QStringLiteral("phone-probe-%1").arg(QCoreApplication::applicationPid()));
        QFile::remove(link_);
        QVERIFY(QFile::link(phone_->Path(), link_));
        QCOMPARE(RunTool(QStringLiteral("braxlow-ports"),
                         {QStringLiteral("add"), QStringLiteral("COM7"), link_, QStringLiteral("Korvane GPRS MODEM")},
                         nullptr),
                 0);
    }

    int Run(const QStringList& arguments, QString* output)
    {
        return RunTool(QStringLiteral("braxlow-phone"), arguments, output);
    }

    int RunTool(const QString& tool, const QStringList& arguments, QString* output)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRAXLOW_CONFIG_HOME"), config_->path());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(output != nullptr && !arguments.contains(QStringLiteral("--json"))
                                          ? QProcess::MergedChannels
                                          : QProcess::SeparateChannels);
        process.start(TestSupport::ProgramDirectory() + QLatin1Char('/') + tool, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (output != nullptr)
            *output = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitCode();
    }

    std::optional<QTemporaryDir> config_;
    std::unique_ptr<VirtualPhone> phone_;
    QString link_;
};

QTEST_GUILESS_MAIN(TestPhoneProbe)
#include "tst_phoneprobe.moc"
