// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/PppdProgress.h"
#include "core/dialup/RasTypes.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <sys/types.h>
#include <thread>

// The notifier of an asynchronous dial: called on the dialer's own thread with
// the connection handle, the message (0), the state and the error codes.
using RasDialFunc1 = std::function<void(quint32 handle, unsigned message, int state, int error,
                                        int extendedError)>;

// Follows one dial on a thread of its own: reads pppd's log, turns it into the
// connection states, tells the notifier, reaps pppd and removes its chat
// script. A state that ends the dial is published only after the notifier has
// been told the dial's error, so whoever sees the end also sees why.
class DialMonitor
{
public:
    DialMonitor() = default;
    ~DialMonitor() { Join(); }
    DialMonitor(const DialMonitor&) = delete;
    DialMonitor& operator=(const DialMonitor&) = delete;

    // Starts following a pppd that writes its log to `output`, and whose
    // connect script writes to `chatOutput` (-1: none).
    void Follow(pid_t pid, int output, int chatOutput, const QString& chatScript,
                const Ras::ConnStatus& initial, RasDialFunc1 notifier);
    // A dial that failed before pppd ran: reported on the monitor's thread, as
    // the service never reports from inside the dial call.
    void Fail(int error, int extended, RasDialFunc1 notifier);
    // Waits for the thread and forgets the last dial.
    void Reset();

    bool Running() const { return running_; }
    // Whether the followed pppd still runs: not ended, let alone reaped.
    bool FollowedAlive();
    // Signals the followed pppd while it has not been reaped, so the number
    // can never belong to another process by then. False when it is gone. A
    // pppd still there kTerminateMs after the first SIGTERM is killed, and
    // that is reported: nothing waits for it without end.
    bool Signal(int signal);
    static constexpr int kTerminateMs = 8000;
    bool WaitForExit(int milliseconds);
    Ras::ConnStatus LastState() const;
    void ResetLastState();
    QString Transcript() const;

private:
    void Run(pid_t pid, int output, int chatOutput, QString chatScript, RasDialFunc1 notifier);
    void Report(const PppdProgress::Change& change, pid_t pid, const RasDialFunc1& notifier);
    void Join();

    bool TerminateOverdue();

    std::atomic<bool> running_{false};
    std::mutex pidMutex_; // guards pid_ and terminateSent_ against the reaping
    pid_t pid_ = 0;
    std::optional<std::chrono::steady_clock::time_point> terminateSent_;
    mutable std::mutex mutex_; // guards progress_, transcript_ and lastState_
    PppdProgress progress_;
    QString transcript_;
    Ras::ConnStatus lastState_;
    std::thread thread_;
};
