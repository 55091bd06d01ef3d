// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// An ordinary user dials through the installed pppd peer only as a member of
// "dip" (may run pppd) and "dialout" (may open serial ports).
namespace DialGroups {

// The groups of `wanted` that exist on this system and the running user is
// not in (effective and supplementary groups count).
QStringList Missing(const QStringList& wanted = {QStringLiteral("dip"), QStringLiteral("dialout")});

} // namespace DialGroups
