// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
