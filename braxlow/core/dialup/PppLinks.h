// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/PppdCommand.h"

#include <QList>
#include <QString>

// The pppd links that are up or dialing, found by their link name: in the pid
// files pppd writes for a link that is up, and in the command lines of the
// processes. A pid file outlives a pppd that was killed, and its number may
// then belong to another program: every candidate is checked to be a pppd of
// that link before it is reported, so nothing else is ever signalled. Only
// links the user started count (on a machine of several users, another's
// link named Braxlow is not this one's); root counts every user's.
class PppLinks
{
public:
    explicit PppLinks(const DialerPaths& paths) : paths_(paths) {}

    // The process ids of the links of that name (without regard to case), in
    // the order the service lists them: the last one is the latest.
    QList<quint32> Find(const QString& name) const;
    // Whether the process is a pppd running the link of that name; one named by
    // a pid file need not show the name on its command line.
    bool IsLink(quint32 pid, const QString& name, bool namedByPidFile = false) const;

    // The link name in a pppd command line: its linkname option, or one of
    // Braxlow's own peer files (braxlow.<device>, which set "linkname
    // Braxlow"). Empty for anything else.
    static QString LinkNameOf(const QStringList& commandLine);

private:
    DialerPaths paths_;
};
