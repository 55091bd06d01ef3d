// SPDX-License-Identifier: GPL-3.0-or-later
//
// Borrowing a phone from ModemManager, against a stand-in for the daemon on a
// bus of the test's own and devices in a sysfs tree the test invents. The real
// daemon and a real USB phone are met in the guest scenarios.
#include "core/dialup/ModemManager.h"
#include "support/FakeSysfs.h"
#include "support/TestSupport.h"

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QtTest>

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

// The daemon's manager object: its modems by their devices, and what it was asked.
class FakeModemManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ModemManager1")

public:
    QStringList devices;
    QList<QPair<QString, bool>> asked;
    QString refusal; // an error name to answer InhibitDevice with

    ManagedObjects Objects() const
    {
        ManagedObjects objects;
        for (int i = 0; i < devices.size(); ++i)
            objects.insert(QDBusObjectPath(QStringLiteral("/org/freedesktop/ModemManager1/Modem/%1").arg(i)),
                           {{QStringLiteral("org.freedesktop.ModemManager1.Modem"),
                             {{QStringLiteral("Device"), devices.at(i)}}}});
        return objects;
    }

public Q_SLOTS:
    void InhibitDevice(const QString& uid, bool inhibit)
    {
        asked.append({uid, inhibit});
        if (!refusal.isEmpty())
            sendErrorReply(refusal, QStringLiteral("Rejected send message"));
        else if (inhibit)
            devices.removeAll(uid);
    }
};

class FakeObjectManager : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.DBus.ObjectManager")

public:
    explicit FakeObjectManager(FakeModemManager* manager) : QDBusAbstractAdaptor(manager), manager_(manager) {}

public Q_SLOTS:
    ManagedObjects GetManagedObjects() { return manager_->Objects(); }

private:
    FakeModemManager* manager_;
};

class TestModemManager : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        qDBusRegisterMetaType<Interfaces>();
        qDBusRegisterMetaType<ManagedObjects>();
        if (bus_.Address().isEmpty())
            QSKIP("no dbus-daemon (Debian package dbus-daemon)");
        FakeSysfs::Usb phone;
        phone.vendorId = QStringLiteral("f00d");
        phone.interfaceClass = QStringLiteral("02");
        sysfs_.AddUsb(QStringLiteral("ttyACM0"), phone);
        sysfs_.AddUart(QStringLiteral("ttyS0"), true);
        physical_ = ModemManagerClient::PhysicalDevice(Node(QStringLiteral("ttyACM0")), sysfs_.Roots().sys);
    }

    void init()
    {
        fake_ = std::make_unique<FakeModemManager>();
        new FakeObjectManager(fake_.get());
        daemon_ = bus_.Connect(QStringLiteral("daemon"));
        QVERIFY(daemon_.registerObject(QStringLiteral("/org/freedesktop/ModemManager1"), fake_.get(),
                                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAdaptors));
        QVERIFY(daemon_.registerService(ModemManagerClient::kService));
    }

    void cleanup()
    {
        daemon_.unregisterService(ModemManagerClient::kService);
        daemon_.unregisterObject(QStringLiteral("/org/freedesktop/ModemManager1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("daemon"));
        fake_.reset();
    }

    // Only a USB device can be the daemon's: a built-in port or a
    // pseudo-terminal is opened without a word to it.
    void portsWithoutAUsbDeviceAreNeverAsked()
    {
        QVERIFY2(physical_.endsWith(QLatin1String("/usb1/1-1")), qPrintable(physical_));
        QVERIFY(ModemManagerClient::PhysicalDevice(Node(QStringLiteral("ttyS0")), sysfs_.Roots().sys).isEmpty());
        QVERIFY(ModemManagerClient::PhysicalDevice(QStringLiteral("/dev/ptmx")).isEmpty());
        fake_->devices = {physical_};
        const std::unique_ptr<ModemManagerClient> owner = Client();
        ModemManagerClient& client = *owner;
        QCOMPARE(client.Release(Node(QStringLiteral("ttyS0"))), ModemManagerClient::Result::NotManaged);
        QVERIFY(fake_->asked.isEmpty());
    }

    // Asked once, kept through every later open, given back once.
    void theManagedPhoneIsBorrowedAndGivenBack()
    {
        fake_->devices = {QStringLiteral("/sys/devices/other"), physical_};
        {
            const std::unique_ptr<ModemManagerClient> owner = Client();
            ModemManagerClient& client = *owner;
            QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::Released);
            QCOMPARE(client.HeldDevice(), physical_);
            QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::Released);
            QCOMPARE(fake_->asked, (QList<QPair<QString, bool>>{{physical_, true}}));
            client.GiveBack();
            QVERIFY(!client.Holding());
            client.GiveBack();
            QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::NotManaged);
            fake_->devices << physical_;
            QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::Released);
        }
        // The client that goes gives back what it held.
        QCOMPARE(fake_->asked, (QList<QPair<QString, bool>>{
                                   {physical_, true}, {physical_, false}, {physical_, true}, {physical_, false}}));
    }

    // A refusal is told with the daemon's words; an unknown device, or no
    // daemon at all, is no reason to wait.
    void refusalsAndStrangers()
    {
        fake_->devices = {physical_};
        fake_->refusal = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
        const std::unique_ptr<ModemManagerClient> owner = Client();
        ModemManagerClient& client = *owner;
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::Refused);
        QVERIFY2(client.Error().contains(QLatin1String("Rejected")), qPrintable(client.Error()));
        QVERIFY(!client.Holding());
        fake_->refusal = QStringLiteral("org.freedesktop.ModemManager1.Error.Core.Failed");
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::Failed);

        fake_->refusal.clear();
        fake_->devices = {QStringLiteral("/sys/devices/other")};
        QElapsedTimer took;
        took.start();
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::NotManaged);
        daemon_.unregisterService(ModemManagerClient::kService);
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::NotManaged);
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
    }

    // A phone plugged in a moment ago is still being probed: the client waits
    // for it to show up rather than race the daemon for the port.
    void aNewPhoneIsWaitedForWhileTheDaemonProbesIt()
    {
        // A new node: its status changed a moment ago.
        QVERIFY(QFile::setPermissions(Node(QStringLiteral("ttyACM0")), QFile::ReadOwner | QFile::WriteOwner));
        const std::unique_ptr<ModemManagerClient> owner = Client(3000);
        ModemManagerClient& client = *owner;
        QTimer::singleShot(800, fake_.get(), [this] { fake_->devices = {physical_}; });
        int told = 0;
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0")), [&told] { ++told; }),
                 ModemManagerClient::Result::Released);
        QCOMPARE(told, 1);
        client.GiveBack();
        fake_->devices.clear();
        QElapsedTimer took;
        took.start();
        QCOMPARE(client.Release(Node(QStringLiteral("ttyACM0"))), ModemManagerClient::Result::NotManaged);
        QVERIFY(took.elapsed() >= 1000);
    }

private:
    QString Node(const QString& name) const { return sysfs_.Roots().dev + QLatin1Char('/') + name; }
    // Every node counts as old unless the probing wait says otherwise.
    std::unique_ptr<ModemManagerClient> Client(int probeMs = 0) const
    {
        auto client = std::make_unique<ModemManagerClient>(bus_.Connect(QStringLiteral("client")), sysfs_.Roots().sys);
        client->SetWaits(probeMs, 5000);
        return client;
    }

    TestSupport::PrivateBus bus_;
    FakeSysfs sysfs_;
    QString physical_;
    QDBusConnection daemon_{QString()};
    std::unique_ptr<FakeModemManager> fake_;
};

QTEST_GUILESS_MAIN(TestModemManager)
#include "tst_modemmanager.moc"
