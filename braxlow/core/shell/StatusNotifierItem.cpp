// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>

Q_DECLARE_METATYPE(SniImage)
Q_DECLARE_METATYPE(SniToolTip)

const QString StatusNotifierItem::kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString StatusNotifierItem::kItemPath = QStringLiteral("/StatusNotifierItem");

QDBusArgument& operator<<(QDBusArgument& argument, const SniImage& image)
{
    argument.beginStructure();
    argument << image.width << image.height << image.data;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SniImage& image)
{
    argument.beginStructure();
    argument >> image.width >> image.height >> image.data;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const SniToolTip& tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.images << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SniToolTip& tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.images >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

namespace {

// The interface as panels call it; what it shows comes from the item.
class ItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)
    Q_PROPERTY(QString IconName READ IconName)
    Q_PROPERTY(SniImages IconPixmap READ IconPixmap)
    Q_PROPERTY(QString OverlayIconName READ Empty)
    Q_PROPERTY(SniImages OverlayIconPixmap READ NoImages)
    Q_PROPERTY(QString AttentionIconName READ Empty)
    Q_PROPERTY(SniImages AttentionIconPixmap READ NoImages)
    Q_PROPERTY(QString AttentionMovieName READ Empty)
    Q_PROPERTY(SniToolTip ToolTip READ ToolTip)

public:
    explicit ItemAdaptor(StatusNotifierItem* item) : QDBusAbstractAdaptor(item), item_(item)
    {
        setAutoRelaySignals(false);
        connect(item, &StatusNotifierItem::iconChanged, this, &ItemAdaptor::NewIcon);
        connect(item, &StatusNotifierItem::toolTipChanged, this, &ItemAdaptor::NewToolTip);
    }

    QString Category() const { return QStringLiteral("Communications"); }
    QString Id() const { return QStringLiteral("braxlow"); }
    QString Title() const { return QStringLiteral("Braxlow"); }
    QString Status() const { return QStringLiteral("Active"); }
    int WindowId() const { return 0; }
    // No menu of its own over the bus: the panel asks for it (ContextMenu)
    // and the program opens the one it always shows.
    bool ItemIsMenu() const { return false; }
    QDBusObjectPath Menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }
    QString IconName() const { return QString(); }
    SniImages IconPixmap() const { return item_->Images(); }
    QString Empty() const { return QString(); }
    SniImages NoImages() const { return {}; }
    SniToolTip ToolTip() const { return item_->ToolTip(); }

public Q_SLOTS:
    void Activate(int x, int y) { Q_EMIT item_->activated(x, y); }
    void SecondaryActivate(int x, int y) { Q_EMIT item_->activated(x, y); }
    void ContextMenu(int x, int y) { Q_EMIT item_->contextMenuRequested(x, y); }
    void Scroll(int, const QString&) {}

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem* item_;
};

} // namespace

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus),
      service_(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
{
    qDBusRegisterMetaType<SniImage>();
    qDBusRegisterMetaType<SniImages>();
    qDBusRegisterMetaType<SniToolTip>();
    new ItemAdaptor(this);
    toolTip_.title = QStringLiteral("Braxlow");
    if (!bus_.isConnected())
        return;
    // A panel that starts (or restarts) later gets the icon then.
    watcher_ = new QDBusServiceWatcher(kWatcherService, bus_, QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        registered_ = false;
        if (wanted_)
            Register();
    });
}

StatusNotifierItem::~StatusNotifierItem()
{
    Hide();
}

bool StatusNotifierItem::HostPresent() const
{
    if (!bus_.isConnected() || bus_.interface() == nullptr)
        return false;
    const QDBusReply<bool> owned = bus_.interface()->isServiceRegistered(kWatcherService);
    return owned.isValid() && owned.value();
}

void StatusNotifierItem::Show()
{
    wanted_ = true;
    if (!registered_ && HostPresent())
        Register();
}

void StatusNotifierItem::Register()
{
    if (!exported_) {
        exported_ = bus_.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors) &&
                    bus_.registerService(service_);
        if (!exported_)
            return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                                       kWatcherService, QStringLiteral("RegisterStatusNotifierItem"));
    call << service_;
    // Not waited for: a panel that is slow to answer never holds the window.
    bus_.asyncCall(call, 5000);
    registered_ = true;
    Q_EMIT registeredWithHost();
}

void StatusNotifierItem::Hide()
{
    wanted_ = false;
    registered_ = false;
    if (!exported_)
        return;
    // The name going away is how a watcher learns that the item is gone.
    bus_.unregisterService(service_);
    bus_.unregisterObject(kItemPath);
    exported_ = false;
}

void StatusNotifierItem::SetIcon(const SniImages& images)
{
    images_ = images;
    toolTip_.images = images;
    Q_EMIT iconChanged();
}

void StatusNotifierItem::SetToolTip(const QString& title, const QString& text)
{
    if (toolTip_.title == title && toolTip_.text == text)
        return;
    toolTip_.title = title;
    toolTip_.text = text;
    Q_EMIT toolTipChanged();
}

#include "StatusNotifierItem.moc"
