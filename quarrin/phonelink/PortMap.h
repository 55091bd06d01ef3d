// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/SerialDevices.h"
#include "quarrin_export.h"

#include <QList>
#include <QString>

#include <optional>

// One stored assignment: a COM number and what it stands for. The text is either
// "id:<identity>" for a device found by the scan, or an explicit device path
// ("/dev/pts/5"); either may be followed by ";" and the modem name to show for it
// (on a scanned device: the user said it is a modem).
struct QUARRIN_EXPORT PortAssignment
{
    int number = 0;
    QString value;
};

// Where the assignments persist between runs (the program keeps them in its
// settings store).
class QUARRIN_EXPORT PortMapStorage
{
public:
    virtual ~PortMapStorage();
    virtual QList<PortAssignment> Load() = 0;
    virtual bool Save(const QList<PortAssignment>& assignments) = 0;
};

struct QUARRIN_EXPORT MappedPort
{
    int number = 0;
    QString device;             // device node or explicit path
    bool explicitEntry = false; // added by the user, not found by the scan
    bool present = false;       // the device exists now
    SerialDevice info;          // what the scan knows (explicit entries: path and name only)
};

// Gives every serial device a COM number that stays with the device, the way the
// system's serial map does on Windows: a USB adapter keeps its number across
// replugs and runs; built-in UARTs ttySn take COM(n+1); other devices take the
// lowest free number from COM3. Explicit entries point a number at any path.
// Every consumer that opens a port by number resolves it here.
//
// Used on the user-interface thread.
class QUARRIN_EXPORT PortMap
{
public:
    static constexpr int kMaxPort = 255;

    explicit PortMap(PortMapStorage* storage = nullptr, const SerialScanRoots& roots = {});

    // Rescans the machine, numbers new devices and saves any new assignment.
    void Refresh();

    // The ports that exist now, by number.
    QList<MappedPort> Ports() const;
    // Every entry, present or not, by number.
    QList<MappedPort> Entries() const { return entries_; }
    std::optional<MappedPort> Port(int number) const;
    // The device node of a present port; empty for an unmapped or absent one.
    QString DeviceForPort(int number) const;

    // Points a number at a path; replaces what the number stood for. False for a
    // number outside 1..255 or a path that is not absolute.
    bool AddExplicit(int number, const QString& device, const QString& modemName = QString());
    // Says that the scanned device under `number` is a modem named `modemName`
    // (a phone on a plain USB-serial cable does not say so itself); an empty name
    // takes the mark away. The mark stays with the device, not with its node.
    // False for a number that is not a device present now, or a name holding ';'
    // or control characters.
    bool MarkModem(int number, const QString& modemName);
    // Forgets a number; false when it was not mapped.
    bool Remove(int number);

    // An explicit entry as the settings keep it ("/dev/pts/5;Korvane GPRS MODEM"):
    // nothing for text that cannot be one (not an absolute path, control
    // characters). Whether the path exists is not looked at.
    static std::optional<MappedPort> ParseExplicit(int number, const QString& value);
    // Why a path or modem name cannot be an explicit entry; empty when it can.
    static QString ExplicitEntryProblem(const QString& device, const QString& modemName);
    // Why the path is not a terminal device a phone can be on (a file, a FIFO,
    // /dev/null...); empty when it is one. `mayBeAbsent` lets a path that does
    // not exist yet pass (a Bluetooth port bound later).
    static QString TerminalProblem(const QString& device, bool mayBeAbsent = false);

    static QString ComName(int number);
    // The number of "COMn" (any case), -1 when the text is not such a name.
    static int ComNumber(const QString& name);

private:
    void Save();
    int FreeNumber(int preferred) const;

    PortMapStorage* storage_;
    SerialScanRoots roots_;
    QList<PortAssignment> assignments_;
    QList<MappedPort> entries_;
};

namespace Quarrin {

// The port map of the registered host, or one without storage when no host is
// registered (tools, tests).
QUARRIN_EXPORT PortMap& CurrentPortMap();

} // namespace Quarrin
