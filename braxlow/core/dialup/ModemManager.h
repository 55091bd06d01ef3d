// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// ModemManager, the modem daemon of every NetworkManager desktop, takes the
// USB phones it recognises and keeps their ports open. While Braxlow uses a
// phone it asks ModemManager to let go of the device behind the port
// (InhibitDevice) and gives it back afterwards. ModemManager ties the
// inhibition to this program's bus connection, so a program that dies gives
// the phone back as well.
//
// Runs on the user-interface thread: every wait dispatches pending events, so
// the windows stay painted while ModemManager answers (or asks an
// administrator's password through the desktop's agent).
class ModemManagerClient
{
public:
    enum class Result {
        NotManaged, // no ModemManager, or it does not manage this device: go on
        Released,   // it let go; the port is ours until GiveBack()
        Refused,    // not allowed (bus policy or polkit): Error() says what it said
        Failed,     // it did not let go in time or answered with an error
    };

    static const QString kService;

    // The system bus, reached only when a port has a USB device behind it, so
    // the bus sees the user the program runs as when it is first asked.
    ModemManagerClient();
    // A bus and a sysfs of the caller's own (tests).
    ModemManagerClient(const QDBusConnection& bus, const QString& sys);
    // Gives the phone back when still held.
    ~ModemManagerClient();
    ModemManagerClient(const ModemManagerClient&) = delete;
    ModemManagerClient& operator=(const ModemManagerClient&) = delete;

    // The sysfs folder of the physical device behind a serial node, the way
    // ModemManager names its modems' devices ("/sys/devices/.../usb1/1-1").
    // Empty for nodes with no USB device behind them (built-in UARTs,
    // pseudo-terminals), which ModemManager leaves alone.
    static QString PhysicalDevice(const QString& node, const QString& sys = QStringLiteral("/sys"));

    // Asks ModemManager to let go of the phone on `node`. A phone plugged in a
    // moment ago may still be probed: that is waited out, up to a bound.
    // Called again for the device already held, it returns Released at once.
    // `asking` is called once, before the first wait for the daemon.
    Result Release(const QString& node, const std::function<void()>& asking = {});
    // Whether ModemManager may be holding the phone on `node`: it runs, and a
    // USB device is behind the node. Asks only the bus, never the daemon.
    bool MayHold(const QString& node);
    // Ends the inhibition, when there is one; never waits long.
    void GiveBack();
    bool Holding() const { return !held_.isEmpty(); }
    // The device ModemManager let go of; empty when none.
    QString HeldDevice() const { return held_; }
    // What ModemManager or the bus said with the last Refused or Failed.
    QString Error() const { return error_; }

    // How long a new device may still be probed, and how long an answer may
    // take (an administrator may be typing a password).
    void SetWaits(int probeMs, int answerMs);

private:
    struct Modem
    {
        QString device;
        QStringList ports;
    };
    bool Running();
    std::optional<QList<Modem>> Modems();
    // The device ModemManager knows the node by; empty when it does not.
    QString ManagedDevice(const QString& node, const QString& physical);
    bool Young(const QString& node) const;

    QDBusConnection& Bus();

    std::optional<QDBusConnection> bus_;
    QString sys_;
    QString held_;         // ModemManager's name of the device
    QString heldPhysical_; // the device's sysfs folder
    QString error_;
    int probeMs_ = 20000;
    int answerMs_ = 120000;
};
