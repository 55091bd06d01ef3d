// SPDX-License-Identifier: GPL-3.0-or-later
// pppd and chat write whatever the phone and the peer make them write, and lines
// can still arrive after the exit has been seen.
//
// Input: byte 0 is the exit (bit 0: by a signal, the rest: the status), byte 1
// how many log lines come before the exit; the rest is the log, where lines
// that begin "chat: " are chat's (as in the transcripts of tests/data).
#include "core/dialup/PppdProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& line)
{
    std::fprintf(stderr, "fuzz_pppd_log: %s\n--- line ---\n%s\n---\n", what, line.toUtf8().constData());
    std::abort();
}

bool KnownState(int state)
{
    switch (state) {
    case Ras::OpenPort:
    case Ras::PortOpened:
    case Ras::ConnectDevice:
    case Ras::DeviceConnected:
    case Ras::AllDevicesConnected:
    case Ras::Authenticate:
    case Ras::AuthNotify:
    case Ras::AuthRetry:
    case Ras::AuthCallback:
    case Ras::AuthChangePassword:
    case Ras::AuthProject:
    case Ras::AuthLinkSpeed:
    case Ras::AuthAck:
    case Ras::ReAuthenticate:
    case Ras::Authenticated:
    case Ras::PrepareForCallback:
    case Ras::WaitForModemReset:
    case Ras::WaitForCallback:
    case Ras::Projected:
    case Ras::StartAuthentication:
    case Ras::CallbackComplete:
    case Ras::LogonNetwork:
    case Ras::SubEntryConnected:
    case Ras::SubEntryDisconnected:
    case Ras::Interactive:
    case Ras::RetryAuthentication:
    case Ras::CallbackSetByCaller:
    case Ras::PasswordExpired:
    case Ras::Connected:
    case Ras::Disconnected:
        return true;
    default:
        return false;
    }
}

struct Seen
{
    int state, error, extended;
    bool finished;
    QString address;
};

Seen Snapshot(const PppdProgress& p)
{
    return {p.State(), p.Error(), p.ExtendedError(), p.Finished(), p.LocalAddress()};
}

// What every step must leave true, given the state before it and what it said.
void Check(const Seen& before, const PppdProgress& p, const PppdProgress::Change& c, const QString& line)
{
    if (!KnownState(p.State()))
        Fail("unknown state", line);
    if (c.stateChanged != (p.State() != before.state))
        Fail("stateChanged does not match the state", line);
    if (c.errorRaised != (before.error == 0 && p.Error() != 0))
        Fail("errorRaised does not match the error", line);
    if (before.error != 0 && (p.Error() != before.error || p.ExtendedError() != before.extended))
        Fail("the first error was replaced", line);
    if (before.finished && (p.State() != before.state || !p.Finished() || p.Error() != before.error ||
                            p.LocalAddress() != before.address))
        Fail("a finished run changed", line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const bool bySignal = data[0] & 1;
    const int status = data[0] >> 1;
    const QList<QByteArray> lines =
        QByteArray(reinterpret_cast<const char*>(data) + 2, static_cast<qsizetype>(size - 2)).split('\n');
    const qsizetype beforeExit = std::min<qsizetype>(data[1], lines.size());

    PppdProgress p;
    auto feed = [&p](const QByteArray& bytes) {
        const QString line = QString::fromUtf8(bytes);
        const Seen before = Snapshot(p);
        if (!line.startsWith(QLatin1String("chat: "))) {
            Check(before, p, p.Line(line), line);
            return;
        }
        Check(before, p, p.ChatLine(line.mid(6)), line);
        // What the phone makes chat say never connects, nor raises an error.
        if ((p.State() == Ras::Connected && before.state != Ras::Connected) || p.Error() != before.error)
            Fail("a line of chat's moved the link", line);
    };
    for (qsizetype i = 0; i < beforeExit; ++i)
        feed(lines.at(i));

    const Seen before = Snapshot(p);
    Check(before, p, p.Exited(status, bySignal), QStringLiteral("(exit)"));
    if (!p.Finished() || p.State() != Ras::Disconnected)
        Fail("not finished and disconnected after the exit", QStringLiteral("(exit)"));

    for (qsizetype i = beforeExit; i < lines.size(); ++i)
        feed(lines.at(i));
    const Seen late = Snapshot(p);
    Check(late, p, p.Exited(status ^ 1, !bySignal), QStringLiteral("(second exit)"));
    return 0;
}
