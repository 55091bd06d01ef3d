// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhoneBook.h"
#include "PppdProgress.h"
#include "RasTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/types.h>
#include <thread>

class AppSettings;

// The notifier of an asynchronous dial: called on the dialer's own thread with
// the connection handle, the message (0), the state and the error codes.
using RasDialFunc1 = std::function<void(quint32 handle, unsigned message, int state, int error,
                                        int extendedError)>;

// Where the dialer finds the system's pieces; tests point some of them elsewhere.
struct DialerPaths
{
    QString pppd = QStringLiteral("/usr/sbin/pppd");
    QString chat = QStringLiteral("/usr/sbin/chat");
    QString proc = QStringLiteral("/proc");
    QStringList runDirs = {QStringLiteral("/run"), QStringLiteral("/var/run")};
    // Privileged options for ordinary users, installed by scripts/install-ppp-access.
    QString peersFile = QStringLiteral("/etc/ppp/peers/braxlow");
    // Where the chat script of a dial is written; empty: $XDG_RUNTIME_DIR or /tmp.
    QString runtimeDir;
};

// The dial-up service on pppd: a phone-book entry, an asynchronous dial whose
// progress is read from pppd's own log, the state of the connection, the active
// connections by name, the hang-up and the error texts. The password reaches
// pppd through a pipe (the passwordfd plugin), never through a command line, the
// environment or a file.
class CRasDialer
{
public:
    CRasDialer(const QString& phoneBookPath, AppSettings* settings,
               const DialerPaths& paths = DialerPaths());
    ~CRasDialer();
    CRasDialer(const CRasDialer&) = delete;
    CRasDialer& operator=(const CRasDialer&) = delete;

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
    bool HangUp(const QString& name);
    int GetErrorText(int code, int extendedCode, QString& text);

    quint32 Handle() const { return handle_; }
    Ras::ConnStatus LastState() const;
    void ResetLastState();
    // What pppd and chat said during the last dial.
    QString Transcript() const;
    // Waits until the last dial's pppd has ended (tests, shutdown).
    bool WaitForExit(int milliseconds);

    // The pppd argument list of a dial, for a given device.
    QStringList PppdArguments(const Ras::Entry& entry, const QString& device,
                              const QString& chatScript, const QString& userName,
                              bool withPassword, bool privileged) const;
    // The chat script that dials; nothing when the dial string holds characters a
    // phone cannot dial (which could also rewrite the script).
    static std::optional<QByteArray> ChatScript(const QString& phoneNumber);
    // The status text number of a connection state.
    static int StatusStringFor(int state);

private:
    PhoneBook Book(const QString& phoneBook) const;
    QString DeviceFor(const Ras::Entry& entry) const;
    void ReportLater(const RasDialFunc1& notifier, int error, int extended);
    void Monitor(int outFd, pid_t pid, RasDialFunc1 notifier, QString chatScript);
    void JoinMonitor();

    QString phoneBookPath_;
    AppSettings* settings_;
    DialerPaths paths_;
    std::atomic<quint32> handle_{0};
    std::atomic<bool> running_{false};

    mutable std::mutex mutex_; // guards progress_, transcript_ and lastState_
    PppdProgress progress_;
    QString transcript_;
    Ras::ConnStatus lastState_;

    std::thread monitor_;
};
