// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/ModemRegistry.h"

#include "core/settings/PlatformInfo.h"
#include "phonelink/DeviceTreeWalk.h"
#include "phonelink/MachineRegistry.h"
#include "phonelink/SerialDevices.h"

#include <QMutex>

namespace {

const QString kUnimodemKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Unimodem\\DeviceSpecific");
const QString kWin9xModemKey = QStringLiteral("System\\CurrentControlSet\\Services\\Class\\Modem\\0006");
const QString kWin9xClassPrefix = QStringLiteral("SYSTEM\\CURRENTCONTROLSET\\SERVICES\\CLASS\\");
const QString kNt4ModemClassKey =
    QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}");

// Listings share one table; the lock keeps two from interleaving.
QRecursiveMutex g_tableMutex;

} // namespace

ModemPortTable& ModemPortTable::Instance()
{
    static ModemPortTable table;
    return table;
}

void ModemPortTable::Clear()
{
    for (ModemPort& e : entries_)
        e = ModemPort{};
    count_ = 0;
}

void ModemPortTable::ResetCount()
{
    count_ = 0;
}

void ModemPortTable::Append(const ModemPort& pair)
{
    if (count_ >= kSize)
        return;
    entries_.at(size_t(count_++)) = pair;
}

ModemRegistry::ModemRegistry()
    : ModemRegistry(Quarrin::MachineRegistry(), Quarrin::MachineRegistryVersion(),
                    PlatformInfo().Kind())
{
}

ModemRegistry::ModemRegistry(std::shared_ptr<RegistryTree> tree,
                             const Quarrin::OsVersion& version, int platformKind)
    : tree_(std::move(tree)), version_(version), kind_(platformKind)
{
}

ModemRegistry::~ModemRegistry() = default;

bool ModemRegistry::CollectModemPort(void* /*user*/, const ModemRecord& record)
{
    ModemPortTable::Instance().Append({record.port, record.name});
    return true;
}

int ModemRegistry::EnumerateModems(const ModemCallback& callback, void* user)
{
    if (!callback) {
        lastError_ = Quarrin::kErrorInvalidParameter;
        return 0;
    }
    if (!version_.ok) {
        lastError_ = Quarrin::kErrorOldWinVersion;
        return 0;
    }
    int error = Quarrin::kErrorSuccess;
    if (version_.platformId == Quarrin::kPlatformWindows9x) {
        error = Quarrin::WalkDeviceTree(*tree_, QStringLiteral("ENUM"),
                                        [&](const Quarrin::PortRecord& r) {
                                            return callback(user, {r[1], r[2]});
                                        });
        RootModemPass(); // its own result does not count
    } else if (version_.platformId == Quarrin::kPlatformNT && version_.major < 4) {
        error = Quarrin::kErrorOldWinVersion;
    } else if (version_.platformId == Quarrin::kPlatformNT && version_.major == 4) {
        error = UnimodemCheck(callback, user);
    } else if (version_.platformId == Quarrin::kPlatformNT) {
        error = ModemClassWalk(callback, user);
    } else {
        error = Quarrin::kErrorOldWinVersion;
    }
    lastError_ = error;
    return error == Quarrin::kErrorSuccess ? 1 : 0;
}

// Windows 95 family: names every port that has a modem installed on it after
// the modem, marked " (IrDA)" on an infrared port.
void ModemRegistry::RootModemPass()
{
    const QString root = QStringLiteral("ENUM\\ROOT\\MODEM");
    const std::optional<QStringList> instances = tree_->SubKeys(root);
    if (!instances)
        return;
    ModemPortTable& table = ModemPortTable::Instance();
    for (const QString& instance : *instances) {
        const QString key = root + QLatin1Char('\\') + instance;
        const std::optional<QString> driver = tree_->Value(key, QStringLiteral("Driver"));
        const std::optional<QString> friendly = tree_->Value(key, QStringLiteral("FriendlyName"));
        if (!driver || !friendly)
            continue;
        const QString classKey = kWin9xClassPrefix + *driver;
        if (!tree_->KeyExists(classKey))
            return;
        const std::optional<QString> attached = tree_->Value(classKey, QStringLiteral("AttachedTo"));
        if (!attached)
            continue;
        for (int i = 0; i < table.Count(); ++i) {
            ModemPort& entry = table.At(i);
            if (entry.port != *attached)
                continue;
            static const char* const kInfrared[] = {"Standard Modem over IR link",
                                                    "Infrared serial port", "Infrared",
                                                    "infrared", "IR"};
            bool infrared = false;
            for (const char* marker : kInfrared)
                infrared = infrared || entry.name.contains(QLatin1String(marker));
            entry.name = infrared ? *friendly + QStringLiteral(" (IrDA)") : *friendly;
        }
    }
}

int ModemRegistry::ModemClassWalk(const ModemCallback& callback, void* user)
{
    const std::optional<QStringList> modems = tree_->SubKeys(Quarrin::kModemClassKey);
    if (!modems)
        return Quarrin::kErrorFileNotFound;
    for (const QString& modem : *modems) {
        const QString key = Quarrin::kModemClassKey + QLatin1Char('\\') + modem;
        const std::optional<QString> attached = tree_->Value(key, QStringLiteral("AttachedTo"));
        const std::optional<QString> friendly = tree_->Value(key, QStringLiteral("FriendlyName"));
        if (!attached || !friendly)
            continue;
        if (!callback(user, {*attached, *friendly}))
            return Quarrin::kErrorSuccess;
    }
    return Quarrin::kErrorSuccess;
}

// NT 4: the modem class is walked only when the maker's modem driver is installed.
int ModemRegistry::UnimodemCheck(const ModemCallback& callback, void* user)
{
    const std::optional<QStringList> names = tree_->SubKeys(kUnimodemKey);
    if (!names)
        return Quarrin::kErrorFileNotFound;
    for (const QString& name : *names)
        if (name.contains(kMakerModemName)) {
            ModemClassWalk(callback, user);
            return Quarrin::kErrorSuccess;
        }
    return Quarrin::kErrorNoMoreItems;
}

QList<ModemPort> ModemRegistry::ListModems()
{
    QMutexLocker lock(&g_tableMutex);
    ModemPortTable& table = ModemPortTable::Instance();
    table.Clear();
    EnumerateModems(&ModemRegistry::CollectModemPort, nullptr);
    QList<ModemPort> pairs;
    for (int i = 0; i < ModemPortTable::kSize && !table.At(i).port.isEmpty(); ++i)
        pairs << table.At(i);
    return pairs;
}

QString ModemRegistry::FindModemForPort(const QString& port)
{
    QMutexLocker lock(&g_tableMutex);
    ModemPortTable& table = ModemPortTable::Instance();
    // Not emptied: entries of an earlier, longer listing stay behind the new ones
    // and are searched too.
    table.ResetCount();
    EnumerateModems(&ModemRegistry::CollectModemPort, nullptr);
    for (int i = 0; i < ModemPortTable::kSize && !table.At(i).port.isEmpty(); ++i)
        if (table.At(i).port.compare(port, Qt::CaseInsensitive) == 0)
            return table.At(i).name;
    return QString::fromLatin1(kNoModem);
}

QStringList ModemRegistry::ListSerialPorts(int maximum)
{
    QStringList names;
    const std::optional<RegistryTree::Values> values = tree_->ValuesOf(Quarrin::kSerialCommKey);
    if (!values)
        return names;
    for (const auto& value : *values) {
        if (names.size() >= maximum)
            break;
        if (!value.second.isEmpty())
            names << value.second;
    }
    return names;
}

void ModemRegistry::AttachModemToPort(const QString& port)
{
    if (kind_ == 3 || kind_ == 2) {
        tree_->SetValue(kWin9xModemKey, QStringLiteral("AttachedTo"), port);
        return;
    }
    if (kind_ != 4)
        return; // NT 5 and later find the modem by its own port
    const std::optional<QStringList> modems = tree_->SubKeys(kNt4ModemClassKey);
    if (!modems)
        return;
    for (const QString& modem : *modems) {
        const QString key = kNt4ModemClassKey + QLatin1Char('\\') + modem;
        const std::optional<RegistryTree::Values> values = tree_->ValuesOf(key);
        if (!values)
            return;
        for (const auto& value : *values)
            if (value.first == QLatin1String("FriendlyName") && value.second == kMakerModemName) {
                tree_->SetValue(key, QStringLiteral("AttachedTo"), port);
                return;
            }
    }
}
