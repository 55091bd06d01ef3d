// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

// A short message the user sees wherever they are working: the line dropped,
// the allowance is nearly used.
class DesktopNotifier
{
public:
    virtual ~DesktopNotifier();
    virtual void Notify(const QString& summary, const QString& body) = 0;
};

// The desktop's notification service on the session bus. Never waits for it:
// the call is sent and its answer read later; when there is no bus or no
// service, the fallback shows the message (the tray icon's balloon).
class SessionBusNotifier : public QObject, public DesktopNotifier
{
    Q_OBJECT

public:
    using Fallback = std::function<void(const QString& summary, const QString& body)>;
    explicit SessionBusNotifier(Fallback fallback, QObject* parent = nullptr);

    void Notify(const QString& summary, const QString& body) override;

    static const QString kService; // org.freedesktop.Notifications

private:
    Fallback fallback_;
};
