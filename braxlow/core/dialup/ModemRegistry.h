// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/OsVersion.h"
#include "phonelink/RegistryTree.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

// A (port name, modem or port display name) pair.
struct ModemPort
{
    QString port;
    QString name;
};

// The process-wide table of up to 255 pairs that the listings fill. An entry with
// an empty port name ends the used part.
class ModemPortTable
{
public:
    static constexpr int kSize = 255;

    static ModemPortTable& Instance();

    void Clear();          // every entry to two empty strings, count 0
    void ResetCount();     // count 0, entries left as they are
    void Append(const ModemPort& pair); // ignored when full
    int Count() const { return count_; }
    const ModemPort& At(int i) const { return entries_.at(size_t(i)); }
    ModemPort& At(int i) { return entries_.at(size_t(i)); }

private:
    std::array<ModemPort, kSize> entries_;
    int count_ = 0;
};

// What EnumerateModems hands to its callback.
struct ModemRecord
{
    QString port;
    QString name;
};

// Returns false to stop the enumeration.
using ModemCallback = std::function<bool(void* user, const ModemRecord& record)>;

// Lists modems and serial ports and records the maker's modem's port, reading the
// machine registry (on Linux: built from sysfs and the port map, in the NT 5 layout)
// in the layout of the system version given.
class ModemRegistry
{
public:
    static constexpr const char* kNoModem = "NOMODEM";

    // The machine's registry, its layout's version and the platform kind.
    ModemRegistry();
    // A given registry; for the Windows layouts and for tests.
    ModemRegistry(std::shared_ptr<RegistryTree> tree, const Quarrin::OsVersion& version,
                  int platformKind);
    virtual ~ModemRegistry();

    // The pairs of the modem table, in order, at most 255.
    QList<ModemPort> ListModems();
    // The display name of the modem on a port (compared without regard to case),
    // or "NOMODEM".
    QString FindModemForPort(const QString& port);
    // The port names the system announces, at most `maximum`.
    QStringList ListSerialPorts(int maximum = 255);
    // Records that the maker's modem sits on the port (Windows 95 family and NT 4
    // only; nothing to record on later systems).
    void AttachModemToPort(const QString& port);

    // 1 on success, 0 with LastError() set.
    int EnumerateModems(const ModemCallback& callback, void* user);
    static bool CollectModemPort(void* user, const ModemRecord& record);

    int LastError() const { return lastError_; }

private:
    void RootModemPass();
    int ModemClassWalk(const ModemCallback& callback, void* user);
    int UnimodemCheck(const ModemCallback& callback, void* user);

    std::shared_ptr<RegistryTree> tree_;
    Quarrin::OsVersion version_;
    int kind_;
    int lastError_ = 0;
};
