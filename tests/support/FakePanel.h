// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

// A panel's StatusNotifierWatcher, for the tray icon's tests: the items that
// register with it are kept in `items`.
class FakePanel : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)

public:
    QStringList items;

    // Takes the watcher's name on `bus`; false when it could not.
    bool Start(QDBusConnection bus);
    void Stop(QDBusConnection bus);
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { items << service; }
    void RegisterStatusNotifierHost(const QString&) {}
};
