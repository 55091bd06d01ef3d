// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/DialMonitor.h"
#include "core/dialup/LinkCounters.h"
#include "core/dialup/PhoneBook.h"
#include "core/dialup/PppdCommand.h"
#include "core/dialup/RasTypes.h"

#include <QString>

#include <atomic>
#include <mutex>

class AppSettings;

// The dial-up service on pppd: a phone-book entry, an asynchronous dial whose
// progress is read from pppd's own log, the state of the connection, the active
// connections by name, the hang-up and the error texts. A dial reads top-down:
// the entry and its device, the command (PppdCommand), the start (PppdLauncher)
// and the monitor (DialMonitor); lookups go through PppLinks.
class CRasDialer
{
public:
    CRasDialer(const QString& phoneBookPath, AppSettings* settings,
               const DialerPaths& paths = DialerPaths());
    ~CRasDialer();
    CRasDialer(const CRasDialer&) = delete;
    CRasDialer& operator=(const CRasDialer&) = delete;

    // Whether the root hook that applies an entry's own DNS servers is there.
    bool DnsHookInstalled() const;

    int CreateEntry(const QString& name, const QString& deviceType, const QString& deviceName,
                    quint32 netProtocols, quint32 framing, const QString& phoneNumber,
                    const QString& phoneBook);
    int GetEntry(const QString& name, Ras::Entry& entry, const QString& phoneBook);
    int SetEntryOptions(const QString& name, quint32 mask, bool set, const QString& phoneBook);
    int SetEntryAddress(const QString& name, int which, int a, int b, int c, int d,
                        const QString& phoneBook);
    int SetEntryDevice(const QString& name, const QString& deviceName, const QString& deviceType,
                       const QString& phoneBook);
    // Starts pppd; errors arrive through the notifier, immediate ones included.
    int Dial(const QString& name, RasDialFunc1 notifier, const QString& phoneNumber,
             const QString& userName, const QString& password, const QString& domain,
             const QString& phoneBook);
    // 1 when the state ends the wait (Connected or Disconnected).
    int PollStatus(QString& text, bool& connected);
    bool FindConnection(const QString& name, quint32& handle);
    // The byte counters of the link's interface; safe from any thread.
    std::optional<LinkCounters> Counters(const QString& name);
    bool HangUp(const QString& name);
    int GetErrorText(int code, int extendedCode, QString& text);

    quint32 Handle() const { return handle_; }
    Ras::ConnStatus LastState() const { return monitor_.LastState(); }
    void ResetLastState() { monitor_.ResetLastState(); }
    // What pppd and chat said during the last dial.
    QString Transcript() const { return monitor_.Transcript(); }
    // Waits until the last dial's pppd has ended (tests, shutdown).
    bool WaitForExit(int milliseconds) { return monitor_.WaitForExit(milliseconds); }

    // The status text number of a connection state.
    static int StatusStringFor(int state);

private:
    PhoneBook Book(const QString& phoneBook) const;
    QString DeviceFor(const Ras::Entry& entry) const;
    int Fail(const RasDialFunc1& notifier, int error, int extended);

    QString phoneBookPath_;
    AppSettings* settings_;
    DialerPaths paths_;
    std::atomic<quint32> handle_{0};
    std::mutex dialedMutex_; // guards dialedName_ against the watcher's lookups
    QString dialedName_;
    DialMonitor monitor_;
};
