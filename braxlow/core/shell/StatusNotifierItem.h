// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>

class QDBusServiceWatcher;

// One picture of the icon: width and height, then ARGB32 pixels in network
// byte order, the way panels read them.
struct SniImage
{
    int width = 0;
    int height = 0;
    QByteArray data;
};
using SniImages = QList<SniImage>;

struct SniToolTip
{
    QString iconName;
    SniImages images;
    QString title;
    QString text;
};

// The tray icon where today's panels host them (KDE Plasma, GNOME with its
// AppIndicator extension, most others): a StatusNotifierItem on the session
// bus, registered with the panel's StatusNotifierWatcher. It is shown once a
// watcher is there, also one that starts after the program: a panel that
// comes up late still gets the icon.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    static const QString kWatcherService;
    static const QString kItemPath;

    // The session bus; tests pass one of their own.
    explicit StatusNotifierItem(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                                QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a panel that shows such items is running now.
    bool HostPresent() const;
    // The icon is wanted on the panel: registered now, or as soon as a panel
    // starts. Hide() takes it away.
    void Show();
    void Hide();
    bool Wanted() const { return wanted_; }
    // Registered with a running watcher, so a panel shows it.
    bool Registered() const { return registered_; }
    // The bus name the item is known by ("org.kde.StatusNotifierItem-<pid>-1").
    QString ServiceName() const { return service_; }

    void SetIcon(const SniImages& images);
    void SetToolTip(const QString& title, const QString& text);

    // What a panel reads (the D-Bus interface is a thin adaptor over these).
    const SniImages& Images() const { return images_; }
    const SniToolTip& ToolTip() const { return toolTip_; }

Q_SIGNALS:
    // The user clicked the icon (Activate); x, y where the panel says.
    void activated(int x, int y);
    // The user asked for the icon's menu (ContextMenu, usually the right button).
    void contextMenuRequested(int x, int y);
    // Re-emitted as the interface's own signals.
    void iconChanged();
    void toolTipChanged();
    // The item went to a panel's watcher (a panel that started late, too).
    void registeredWithHost();

private:
    void Register();

    QDBusConnection bus_;
    QString service_;
    QDBusServiceWatcher* watcher_ = nullptr;
    bool exported_ = false;
    bool wanted_ = false;
    bool registered_ = false;
    SniImages images_;
    SniToolTip toolTip_;
};
