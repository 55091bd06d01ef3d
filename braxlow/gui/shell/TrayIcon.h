// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/StatusNotifierItem.h"

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

// The window's icon in the desktop's tray, on the kind of tray the desktop
// has: a StatusNotifierItem where a panel hosts those (most desktops today,
// Wayland ones included), else the older system tray (XEmbed), which the Qt
// tray icon serves. A panel that starts after the program gets the icon too.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject* parent = nullptr);

    // Whether the icon will be seen: a panel for items, or a system tray.
    bool Available() const;
    void Show(const QIcon& icon, const QString& tip);
    void Hide();
    bool Visible() const;
    void SetToolTip(const QString& tip);
    // A balloon; only the older tray has them (the items' panels show the
    // desktop's notifications).
    void ShowMessage(const QString& title, const QString& body);
    StatusNotifierItem& Item() { return item_; }

Q_SIGNALS:
    // The older tray's clicks, with the meanings the window gives them.
    void activated(QSystemTrayIcon::ActivationReason reason);
    // A panel's click on the item: the window comes to the front, or goes
    // when it is in front.
    void itemClicked();
    // A panel asks for the menu at `at` (a null point: where the mouse is).
    void menuRequested(const QPoint& at);

private:
    StatusNotifierItem item_;
    QSystemTrayIcon* legacy_ = nullptr;
    QIcon icon_;
    QString tip_;
    bool shown_ = false;
};
