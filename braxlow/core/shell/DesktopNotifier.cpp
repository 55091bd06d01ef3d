// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

DesktopNotifier::~DesktopNotifier() = default;

const QString SessionBusNotifier::kService = QStringLiteral("org.freedesktop.Notifications");

SessionBusNotifier::SessionBusNotifier(Fallback fallback, QObject* parent)
    : QObject(parent), fallback_(std::move(fallback))
{
}

void SessionBusNotifier::Notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (fallback_)
            fallback_(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                                       kService, QStringLiteral("Notify"));
    // app name, id to replace, icon, summary, body, actions, hints, timeout (-1: the server's)
    call << QStringLiteral("Braxlow") << quint32(0) << QStringLiteral("braxlow") << summary << body
         << QStringList() << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("braxlow")}}
         << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        watcher->deleteLater();
        if (watcher->isError() && fallback_)
            fallback_(summary, body);
    });
}
