// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/DialMonitor.h"

#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

void DialMonitor::Follow(pid_t pid, int output, int chatOutput, const QString& chatScript,
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
        terminateSent_.reset();
    }
    running_ = true;
    thread_ = std::thread(&DialMonitor::Run, this, pid, output, chatOutput, chatScript, std::move(notifier));
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

bool DialMonitor::TerminateOverdue()
{
    std::lock_guard<std::mutex> lock(pidMutex_);
    if (pid_ <= 0 || !terminateSent_ ||
        std::chrono::steady_clock::now() - *terminateSent_ < std::chrono::milliseconds(kTerminateMs))
        return false;
    terminateSent_.reset();
    qWarning("braxlow: pppd (process %d) did not end within %d s of the hang-up and was killed",
             int(pid_), kTerminateMs / 1000);
    ::kill(pid_, SIGKILL);
    return true;
}

void DialMonitor::Run(pid_t pid, int output, int chatOutput, QString chatScript, RasDialFunc1 notifier)
{
    struct Stream
    {
        int fd;
        bool chat;
        QByteArray pending;
    };
    // chat's first: what it wrote came before pppd's next line about it.
    std::vector<Stream> streams;
    if (chatOutput >= 0)
        streams.push_back({chatOutput, true, {}});
    streams.push_back({output, false, {}});
    for (const Stream& stream : streams)
        ::fcntl(stream.fd, F_SETFL, ::fcntl(stream.fd, F_GETFL) | O_NONBLOCK);
    auto take = [&](Stream& stream) {
        qsizetype newline;
        while ((newline = stream.pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(stream.pending.left(newline));
            stream.pending.remove(0, newline + 1);
            PppdProgress::Change change;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (transcript_.size() < 65536)
                    transcript_ += (stream.chat ? QStringLiteral("chat: ") : QString()) + line + QLatin1Char('\n');
                change = stream.chat ? progress_.ChatLine(line) : progress_.Line(line);
            }
            Report(change, pid, notifier);
        }
    };
    // Read with a time-out: a pppd that outstays its hang-up is killed, and
    // one that has ended is not waited for even while a child of its own (a
    // connect script) still holds a pipe.
    char buffer[4096];
    bool ended = false;
    while (!streams.empty()) {
        std::vector<pollfd> fds;
        for (const Stream& stream : streams)
            fds.push_back({stream.fd, POLLIN, 0});
        if (::poll(fds.data(), nfds_t(fds.size()), 200) < 0 && errno != EINTR)
            break;
        TerminateOverdue();
        bool read = false;
        for (auto it = streams.begin(); it != streams.end();) {
            ssize_t n = 0;
            while ((n = ::read(it->fd, buffer, sizeof buffer)) > 0) {
                it->pending.append(buffer, int(n));
                read = true;
                take(*it);
            }
            if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                ::close(it->fd);
                it = streams.erase(it);
            } else {
                ++it;
            }
        }
        if (read)
            continue;
        if (ended)
            break; // it has ended, and all it wrote has been read
        siginfo_t info{};
        ended = ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid;
    }
    for (const Stream& stream : streams)
        ::close(stream.fd);
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
    const bool sent = pid_ > 0 && ::kill(pid_, signal) == 0;
    if (sent && signal == SIGTERM && !terminateSent_)
        terminateSent_ = std::chrono::steady_clock::now();
    return sent;
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
