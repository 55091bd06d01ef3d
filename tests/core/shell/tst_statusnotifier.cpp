// SPDX-License-Identifier: GPL-3.0-or-later
//
// The tray icon as today's panels host it, against a panel's watcher of the
// test's own on a bus of its own: the item waits for a panel that starts
// late, registers, shows its picture and tip, and answers the panel's clicks.
#include "core/shell/StatusNotifierItem.h"
#include "support/FakePanel.h"
#include "support/TestSupport.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QSignalSpy>
#include <QtTest>

class TestStatusNotifier : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void itemWaitsForAPanelAndAnswersIt()
    {
        TestSupport::PrivateBus bus;
        if (bus.Address().isEmpty())
            QSKIP("no dbus-daemon (Debian package dbus-daemon)");
        StatusNotifierItem item(bus.Connect(QStringLiteral("program")));
        item.SetIcon({SniImage{2, 1, QByteArray("\xff\x10\x20\x30\xff\x40\x50\x60", 8)}});
        item.SetToolTip(QStringLiteral("Braxlow"), QStringLiteral("0:12:05"));
        QVERIFY(!item.HostPresent());
        item.Show();
        QVERIFY(!item.Registered()); // no panel yet

        // The panel starts late: the icon goes to it.
        QDBusConnection panel = bus.Connect(QStringLiteral("panel"));
        FakePanel watcher;
        QVERIFY(watcher.Start(panel));
        QTRY_COMPARE_WITH_TIMEOUT(watcher.items, QStringList{item.ServiceName()}, 10000);
        QVERIFY(item.Registered() && item.HostPresent());

        // What the panel reads and what it does.
        auto call = [&](const QString& interface, const QString& method, const QVariantList& args) -> QDBusMessage {
            QDBusMessage message = QDBusMessage::createMethodCall(item.ServiceName(), StatusNotifierItem::kItemPath,
                                                                  interface, method);
            message.setArguments(args);
            // The item answers on this thread: wait with events running.
            QDBusPendingCall pending = panel.asyncCall(message);
            if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000))
                return QDBusMessage();
            return pending.reply();
        };
        const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
        const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
        QDBusMessage reply = call(properties, QStringLiteral("Get"), {sni, QStringLiteral("IconPixmap")});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        const QDBusArgument pictures = reply.arguments().at(0).value<QDBusVariant>().variant().value<QDBusArgument>();
        QCOMPARE(pictures.currentSignature(), QStringLiteral("a(iiay)"));
        int width = 0, height = 0;
        QByteArray data;
        pictures.beginArray();
        pictures.beginStructure();
        pictures >> width >> height >> data;
        pictures.endStructure();
        pictures.endArray();
        QCOMPARE(width, 2);
        QCOMPARE(height, 1);
        QCOMPARE(data.size(), 8);
        reply = call(properties, QStringLiteral("Get"), {sni, QStringLiteral("ToolTip")});
        QCOMPARE(reply.arguments().at(0).value<QDBusVariant>().variant().value<QDBusArgument>().currentSignature(),
                 QStringLiteral("(sa(iiay)ss)"));

        QSignalSpy clicks(&item, &StatusNotifierItem::activated);
        QSignalSpy menus(&item, &StatusNotifierItem::contextMenuRequested);
        call(sni, QStringLiteral("Activate"), {3, 4});
        call(sni, QStringLiteral("ContextMenu"), {5, 6});
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.at(0), (QVariantList{3, 4}));
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus.at(0), (QVariantList{5, 6}));

        // Gone from the tray: its name goes, which is how a panel learns it.
        item.Hide();
        QTRY_VERIFY_WITH_TIMEOUT(!panel.interface()->isServiceRegistered(item.ServiceName()).value(), 10000);
        // A panel that restarts while the icon is not wanted gets nothing.
        watcher.items.clear();
        watcher.Stop(panel);
        QVERIFY(watcher.Start(panel));
        QTest::qWait(500);
        QVERIFY(watcher.items.isEmpty());
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    }
};

QTEST_GUILESS_MAIN(TestStatusNotifier)
#include "tst_statusnotifier.moc"
