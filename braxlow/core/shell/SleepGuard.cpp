// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/SleepGuard.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

SleepGuard::SleepGuard(QObject* parent) : QObject(parent)
{
}

void SleepGuard::Watch()
{
    if (watching_)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    watching_ = bus.isConnected() && bus.connect(kLogin, kManagerPath, kManager, QStringLiteral("PrepareForSleep"),
                                                 this, SLOT(OnPrepareForSleep(bool)));
}

void SleepGuard::Hold(const QString& why)
{
    if (fd_.isValid())
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kLogin, kManagerPath, kManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Braxlow") << why << QStringLiteral("delay");
    // Asked without waiting: a connect never waits for logind.
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
        pending->deleteLater();
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *pending;
        if (reply.isValid() && !fd_.isValid())
            fd_ = reply.value();
    });
}

void SleepGuard::Release()
{
    // Closing our copy of the descriptor is what ends the inhibitor.
    fd_ = QDBusUnixFileDescriptor();
}

void SleepGuard::OnPrepareForSleep(bool sleeping)
{
    Q_EMIT prepareForSleep(sleeping);
}
