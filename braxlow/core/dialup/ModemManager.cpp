// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/ModemManager.h"

#include "core/settings/MessagePump.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sys/stat.h>

const QString ModemManagerClient::kService = QStringLiteral("org.freedesktop.ModemManager1");

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/ModemManager1");
const QString kModemInterface = QStringLiteral("org.freedesktop.ModemManager1.Modem");

// Waits for an answer, dispatching events meanwhile; false after `ms`.
bool Wait(const QDBusPendingCall& call, qint64 ms)
{
    QElapsedTimer waited;
    waited.start();
    while (!call.isFinished()) {
        if (waited.elapsed() > ms)
            return false;
        PumpOneMessage();
        QThread::msleep(5);
    }
    return true;
}

void Nap(int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) {
        PumpOneMessage();
        QThread::msleep(10);
    }
}

// "Ports": a(su), the port names and their kinds.
QStringList PortNames(const QVariant& value)
{
    QStringList names;
    if (!value.canConvert<QDBusArgument>())
        return names;
    const QDBusArgument ports = value.value<QDBusArgument>();
    if (ports.currentType() != QDBusArgument::ArrayType)
        return names;
    ports.beginArray();
    while (!ports.atEnd()) {
        if (ports.currentType() != QDBusArgument::StructureType)
            break;
        QString name;
        uint kind = 0;
        ports.beginStructure();
        ports >> name >> kind;
        ports.endStructure();
        names << name;
    }
    ports.endArray();
    return names;
}

} // namespace

ModemManagerClient::ModemManagerClient() = default;

ModemManagerClient::ModemManagerClient(const QDBusConnection& bus, const QString& sys) : bus_(bus), sys_(sys)
{
}

ModemManagerClient::~ModemManagerClient()
{
    GiveBack();
}

QDBusConnection& ModemManagerClient::Bus()
{
    if (!bus_)
        bus_ = QDBusConnection::systemBus();
    return *bus_;
}

void ModemManagerClient::SetWaits(int probeMs, int answerMs)
{
    probeMs_ = probeMs;
    answerMs_ = answerMs;
}

QString ModemManagerClient::PhysicalDevice(const QString& node, const QString& sys)
{
    const QString resolved = QFileInfo(node).canonicalFilePath();
    const QString name = QFileInfo(resolved.isEmpty() ? node : resolved).fileName();
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return QString();
    // The tty's device, then up through its interface to the USB device,
    // the first folder that names a vendor and a product.
    QString dir = QFileInfo(sys + QStringLiteral("/class/tty/") + name + QStringLiteral("/device")).canonicalFilePath();
    const QString devices = QFileInfo(sys + QStringLiteral("/devices")).canonicalFilePath();
    while (!dir.isEmpty() && !devices.isEmpty() && dir.startsWith(devices + QLatin1Char('/'))) {
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor")) && QFileInfo::exists(dir + QStringLiteral("/idProduct")))
            return dir;
        dir = QFileInfo(dir).path();
    }
    return QString();
}

bool ModemManagerClient::Running()
{
    QDBusConnection& bus = Bus();
    if (!bus.isConnected() || bus.interface() == nullptr)
        return false;
    // Asked of the bus, which never starts a daemon that is not running.
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(kService);
    return owned.isValid() && owned.value();
}

std::optional<QList<ModemManagerClient::Modem>> ModemManagerClient::Modems()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    const QDBusPendingCall pending = Bus().asyncCall(call, 10000);
    if (!Wait(pending, 11000))
        return std::nullopt;
    const QDBusMessage reply = pending.reply();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
        !reply.arguments().at(0).canConvert<QDBusArgument>())
        return std::nullopt;
    // a{oa{sa{sv}}}: object, its interfaces, their properties. What the daemon
    // sends is read as far as it has the expected shape.
    QList<Modem> modems;
    const QDBusArgument objects = reply.arguments().at(0).value<QDBusArgument>();
    if (objects.currentType() != QDBusArgument::MapType)
        return modems;
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        objects.beginMapEntry();
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            QString interface;
            QVariantMap properties;
            objects.beginMapEntry();
            objects >> interface >> properties;
            objects.endMapEntry();
            if (interface == kModemInterface)
                modems.append({properties.value(QStringLiteral("Device")).toString(),
                               PortNames(properties.value(QStringLiteral("Ports")))});
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    return modems;
}

QString ModemManagerClient::ManagedDevice(const QString& node, const QString& physical)
{
    const std::optional<QList<Modem>> modems = Modems();
    if (!modems)
        return QString();
    const QString resolved = QFileInfo(node).canonicalFilePath();
    const QString name = QFileInfo(resolved.isEmpty() ? node : resolved).fileName();
    for (const Modem& modem : *modems)
        if (!modem.device.isEmpty() && (modem.device == physical || modem.ports.contains(name)))
            return modem.device;
    return QString();
}

bool ModemManagerClient::Young(const QString& node) const
{
    struct stat st = {};
    if (::stat(QFile::encodeName(node).constData(), &st) != 0)
        return false;
    const qint64 age = QDateTime::currentSecsSinceEpoch() - qint64(st.st_ctime);
    return age >= 0 && age * 1000 < probeMs_;
}

bool ModemManagerClient::MayHold(const QString& node)
{
    return !PhysicalDevice(node, sys_.isEmpty() ? QStringLiteral("/sys") : sys_).isEmpty() && Running();
}

ModemManagerClient::Result ModemManagerClient::Release(const QString& node, const std::function<void()>& asking)
{
    error_.clear();
    const QString physical = PhysicalDevice(node, sys_.isEmpty() ? QStringLiteral("/sys") : sys_);
    if (physical.isEmpty())
        return Result::NotManaged;
    if (!held_.isEmpty()) {
        if (physical == heldPhysical_)
            return Result::Released;
        GiveBack();
    }
    if (!Running())
        return Result::NotManaged;
    // A phone that has just been plugged in is probed by the daemon for a few
    // seconds before it shows up as a modem; meanwhile it holds the port.
    QElapsedTimer waited;
    waited.start();
    bool told = false;
    auto tell = [&] {
        if (!std::exchange(told, true) && asking)
            asking();
    };
    QString device;
    for (;;) {
        device = ManagedDevice(node, physical);
        if (!device.isEmpty())
            break;
        if (!Young(node) || waited.elapsed() > probeMs_)
            return Result::NotManaged;
        tell();
        Nap(300);
    }
    tell();

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("InhibitDevice"));
    call << device << true;
    const QDBusPendingCall pending = Bus().asyncCall(call, answerMs_);
    if (!Wait(pending, qint64(answerMs_) + 1000)) {
        error_ = QStringLiteral("no answer");
        return Result::Failed;
    }
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage) {
        error_ = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
        const QString name = reply.errorName();
        // The bus's policy, or polkit behind the daemon.
        if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
            name.endsWith(QLatin1String(".Unauthorized")))
            return Result::Refused;
        return Result::Failed;
    }
    held_ = device;
    heldPhysical_ = physical;
    return Result::Released;
}

void ModemManagerClient::GiveBack()
{
    if (held_.isEmpty())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("InhibitDevice"));
    call << held_ << false;
    held_.clear();
    heldPhysical_.clear();
    // A phone that went away meanwhile is no longer known: nothing to undo.
    Wait(Bus().asyncCall(call, 5000), 6000);
}
