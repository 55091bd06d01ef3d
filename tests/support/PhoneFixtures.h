// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/PppdCommand.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The virtual phone (tools/virtual-phone.cpp) as a real peer on a pseudo-terminal.
class VirtualPhone
{
public:
    explicit VirtualPhone(const QStringList& arguments = {});
    ~VirtualPhone();

    // Starts the phone and waits for its device path; false when it did not come.
    bool Start();
    QString Path() const { return path_; }
    // Every byte the phone has received so far.
    QByteArray Received() const;
    bool Running();
    void Stop();

private:
    QStringList arguments_;
    QTemporaryDir dir_;
    QProcess process_;
    QString path_;
};

// A bare pseudo-terminal: the test plays the phone through the master side.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    bool Valid() const { return master_ >= 0; }
    QString SlavePath() const { return slavePath_; }
    int Master() const { return master_; }
    bool Write(const QByteArray& data);
    // What the link sent, waiting up to `ms` for the first byte.
    QByteArray Read(int ms = 1000);
    // Hangs the line up for the other side.
    void CloseMaster();

private:
    int master_ = -1;
    int keep_ = -1;
    QString slavePath_;
};

// What pppd said on a real link (tests/data/ppp-success.log) up to the moment
// the link is up, then `tail` ("sleep 120", "Modem hangup\nexit 16"), written
// as a transcript for pppd's stand-in (tests/fakepppd); a slow one waits 1.5 s
// before it dials. Its path, empty when it could not be written.
QString PppTranscript(const QString& folder, const QString& name, const QString& tail, bool slow = false);

// The dialer's paths with pppd's stand-in for pppd, its run and runtime
// folders under `folder`.
DialerPaths StandInPppd(const QString& folder);

// What pppd and the kernel say of a link that is up: the pid file under the
// first of `paths`' run folders names process `pid` and interface ppp9, whose
// counters under `paths.netClass` are `received` and `sent`.
bool FakeLinkCounters(const DialerPaths& paths, qint64 pid, quint64 received, quint64 sent);
