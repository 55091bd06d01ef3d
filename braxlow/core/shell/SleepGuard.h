// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

// Sleep and resume as logind announces them. While a connection is up the
// guard holds a delay inhibitor, so that the machine waits for the hang-up
// before it sleeps; PrepareForSleep(true) asks for that hang-up, and the
// inhibitor goes once it is done. Without logind (no system bus, another init
// system) nothing happens.
class SleepGuard : public QObject
{
    Q_OBJECT

public:
    // The system bus, reached at the first Hold() or signal; tests point
    // DBUS_SYSTEM_BUS_ADDRESS at one of their own.
    explicit SleepGuard(QObject* parent = nullptr);

    // Listens for logind's announcements from now on.
    void Watch();
    // Takes the delay inhibitor, if not held already.
    void Hold(const QString& why);
    // Lets the machine sleep: the inhibitor goes.
    void Release();
    bool Holding() const { return fd_.isValid(); }

Q_SIGNALS:
    // The machine is about to sleep (true) or has woken (false).
    void prepareForSleep(bool sleeping);

private Q_SLOTS:
    void OnPrepareForSleep(bool sleeping);

private:
    bool watching_ = false;
    QDBusUnixFileDescriptor fd_;
};
