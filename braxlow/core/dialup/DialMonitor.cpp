// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/DialMonitor.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <sys/wait.h>
#include <unistd.h>

void DialMonitor::Join()
{
    if (thread_.joinable())
        thread_.join();
}

void DialMonitor::Reset()
{
    Join();
    std::lock_guard<std::mutex> lock(mutex_);
    progress_ = PppdProgress();
    transcript_.clear();
    lastState_ = Ras::ConnStatus{};
}

void DialMonitor::Follow(pid_t pid, int output, const QString& chatScript,
                         const Ras::ConnStatus& initial, RasDialFunc1 notifier)
{
    Join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lastState_ = initial;
    }
    {
        std::lock_guard<std::mutex> lock(pidMutex_);
        pid_ = pid;
    }
    running_ = true;
    thread_ = std::thread(&DialMonitor::Run, this, pid, output, chatScript, std::move(notifier));
}

void DialMonitor::Fail(int error, int extended, RasDialFunc1 notifier)
{
    Join();
    running_ = true;
    thread_ = std::thread([this, error, extended, notifier = std::move(notifier)] {
        if (notifier)
            notifier(0, 0, Ras::Disconnected, error, extended);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            progress_ = PppdProgress();
            progress_.Exited(0, false);
            lastState_.state = Ras::Disconnected;
            lastState_.error = error;
        }
        running_ = false;
    });
}

void DialMonitor::Report(const PppdProgress::Change& change, pid_t pid, const RasDialFunc1& notifier)
{
    int state = 0, error = 0, extended = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        state = progress_.State();
        error = progress_.Error();
        extended = progress_.ExtendedError();
    }
    // The notifier first: the state may end the wait, which then reads the error.
    if ((change.stateChanged || change.errorRaised) && notifier)
        notifier(quint32(pid), 0, state, change.errorRaised ? error : 0, change.errorRaised ? extended : 0);
    std::lock_guard<std::mutex> lock(mutex_);
    lastState_.state = state;
    lastState_.error = error;
}

void DialMonitor::Run(pid_t pid, int output, QString chatScript, RasDialFunc1 notifier)
{
    QByteArray pending;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(output, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, int(n));
        qsizetype newline;
        while ((newline = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(newline));
            pending.remove(0, newline + 1);
            PppdProgress::Change change;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (transcript_.size() < 65536)
                    transcript_ += line + QLatin1Char('\n');
                change = progress_.Line(line);
            }
            Report(change, pid, notifier);
        }
    }
    ::close(output);
    // Wait for the end without reaping, then reap where Signal cannot race it.
    siginfo_t info{};
    while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    int status = 0;
    {
        std::lock_guard<std::mutex> lock(pidMutex_);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = 0;
    }
    QFile::remove(chatScript);
    PppdProgress::Change change;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        change = progress_.Exited(WIFEXITED(status) ? WEXITSTATUS(status) : 0, WIFSIGNALED(status));
    }
    Report(change, pid, notifier);
    running_ = false;
}

bool DialMonitor::FollowedAlive()
{
    std::lock_guard<std::mutex> lock(pidMutex_);
    if (pid_ == 0)
        return false;
    siginfo_t info{};
    return ::waitid(P_PID, id_t(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

bool DialMonitor::Signal(int signal)
{
    std::lock_guard<std::mutex> lock(pidMutex_);
    return pid_ > 0 && ::kill(pid_, signal) == 0;
}

bool DialMonitor::WaitForExit(int milliseconds)
{
    for (int waited = 0; running_ && waited < milliseconds; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (running_)
        return false;
    Join();
    return true;
}

Ras::ConnStatus DialMonitor::LastState() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lastState_;
}

void DialMonitor::ResetLastState()
{
    std::lock_guard<std::mutex> lock(mutex_);
    lastState_ = Ras::ConnStatus{};
}

QString DialMonitor::Transcript() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return transcript_;
}
