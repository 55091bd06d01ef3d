// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/PppdCommand.h"

#include <QString>

#include <optional>

// What the kernel has counted on a link's network interface since pppd made it.
struct LinkCounters
{
    QString interfaceName;
    quint64 received = 0;
    quint64 sent = 0;
};

// The byte counters of a pppd link: pppd names the link's interface on the
// second line of the link's pid file, and the kernel keeps the counters in the
// interface's statistics. Both are read as untrusted text.
namespace LinkCounterReader {

// Nothing while the link has no interface yet, or is not a pppd of that name.
// `ownPid`: the pppd this program started and still follows, which needs no
// checking against the process table.
std::optional<LinkCounters> Read(const DialerPaths& paths, const QString& linkName, quint32 ownPid = 0);
// A name the kernel could give an interface, and nothing that leaves its folder.
bool IsInterfaceName(const QString& name);

} // namespace LinkCounterReader
