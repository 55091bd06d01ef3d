// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/DialGroups.h"

#include <grp.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace DialGroups {

QStringList Missing(const QStringList& wanted)
{
    QStringList missing;
    if (::geteuid() == 0)
        return missing; // root needs no group
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> mine(size_t(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, mine.data()) < 0)
        mine.clear();
    mine.push_back(::getegid());
    for (const QString& name : wanted) {
        const group* g = ::getgrnam(name.toLocal8Bit().constData());
        if (g != nullptr && std::find(mine.begin(), mine.end(), g->gr_gid) == mine.end())
            missing << name;
    }
    return missing;
}

} // namespace DialGroups
