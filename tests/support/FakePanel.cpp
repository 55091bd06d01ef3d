// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakePanel.h"

bool FakePanel::Start(QDBusConnection bus)
{
    return bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
           bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void FakePanel::Stop(QDBusConnection bus)
{
    bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
}
