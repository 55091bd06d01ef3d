// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/PppdProgress.h"

#include <QRegularExpression>

PppdProgress::Change PppdProgress::SetState(int state)
{
    Change c;
    if (state != state_ && !finished_) {
        state_ = state;
        c.stateChanged = true;
    }
    return c;
}

PppdProgress::Change PppdProgress::Fail(int error, int extended)
{
    Change c;
    if (error_ == 0 && error != 0) {
        error_ = error;
        extended_ = extended;
        c.errorRaised = true;
    }
    return c;
}

int PppdProgress::ErrorForExitStatus(int status)
{
    switch (status) {
    case 0:  // the link ended normally
    case 5:  // ended by a signal: our own hang-up
        return 0;
    case 1:
        return Ras::kPppFatalError;
    case 2:
        return Ras::kPppOptionError;
    case 4: // no kernel support for PPP
        return Ras::kServiceCannotStart;
    case 18:
        return Ras::kPppInitScriptFailed;
    case 3:
        return Ras::kNoPermission;
    case 6:
        return Ras::kPortAlreadyOpen;
    case 7:
        return Ras::kPortNotAvailable;
    case 8:
        return Ras::kNoAnswer;
    case 10:
        return Ras::kPppLcpTerminated;
    case 11:
    case 19:
        return Ras::kAuthenticationFailure;
    case 15:
        return Ras::kPppTimeout;
    case 16:
        return Ras::kPortDisconnected;
    default:
        return Ras::kRemoteDisconnection;
    }
}

PppdProgress::Change PppdProgress::ChatLine(const QString& raw)
{
    const QString line = raw.trimmed();
    Change c;
    if (line.isEmpty() || finished_)
        return c;
    // Its own words start its lines; what the phone says is echoed as it came.
    if (line.startsWith(QLatin1String("abort on (")) || line.startsWith(QLatin1String("timeout set to")) ||
        line.startsWith(QLatin1String("expect (")) || line.startsWith(QLatin1String("send ("))) {
        if (state_ < Ras::PortOpened)
            c = SetState(Ras::PortOpened);
        if (line.startsWith(QLatin1String("send (ATD"), Qt::CaseInsensitive)) {
            const Change dialing = SetState(Ras::ConnectDevice);
            c.stateChanged = c.stateChanged || dialing.stateChanged;
        }
    } else if (line == QLatin1String("alarm")) {
        chatTimedOut_ = true;
    } else if (line.startsWith(QLatin1String("Failed ("))) {
        chatFailure_ = line.mid(8).chopped(line.endsWith(QLatin1Char(')')) ? 1 : 0);
    }
    return c;
}

PppdProgress::Change PppdProgress::Line(const QString& raw)
{
    const QString line = raw.trimmed();
    Change c;
    auto merge = [&c](const Change& other) {
        c.stateChanged = c.stateChanged || other.stateChanged;
        c.errorRaised = c.errorRaised || other.errorRaised;
    };
    if (line.isEmpty() || finished_)
        return c;

    if (line == QLatin1String("Connect script failed")) {
        // chat has said why; its exit code is the extended error.
        if (chatFailure_ == QLatin1String("BUSY"))
            merge(Fail(Ras::kLineBusy, 4));
        else if (chatFailure_ == QLatin1String("NO CARRIER"))
            merge(Fail(Ras::kNoCarrier, 5));
        else if (chatFailure_ == QLatin1String("ERROR"))
            merge(Fail(Ras::kHardwareFailure, 6));
        else if (chatFailure_ == QLatin1String("NO DIALTONE"))
            merge(Fail(Ras::kNoDialtone, 7));
        else
            merge(Fail(Ras::kNoAnswer, chatTimedOut_ ? 3 : 0));
        return c;
    }

    // pppd names the protocol first; the peer's own words come after
    // "Remote message:" and are never taken for pppd's.
    static const QRegularExpression authentication(
        QStringLiteral("^(PAP|CHAP|MS-CHAP|MS-CHAP-v2|EAP) authentication (succeeded|failed)"));
    const QRegularExpressionMatch auth = authentication.match(line);
    if (line == QLatin1String("Serial connection established.")) {
        merge(SetState(Ras::DeviceConnected));
    } else if (line.startsWith(QLatin1String("Connect: ppp")) ||
               line.startsWith(QLatin1String("Using interface ppp"))) {
        merge(SetState(Ras::AllDevicesConnected));
    } else if (line.startsWith(QLatin1String("sent [PAP AuthReq")) ||
               line.startsWith(QLatin1String("rcvd [CHAP Challenge"))) {
        merge(SetState(Ras::Authenticate));
    } else if (auth.hasMatch() && auth.captured(2) == QLatin1String("succeeded")) {
        merge(SetState(Ras::Authenticated));
    } else if (auth.hasMatch()) {
        merge(SetState(Ras::Authenticate));
        merge(Fail(Ras::kAuthenticationFailure, 19));
    } else if (line.startsWith(QLatin1String("local  IP address")) ||
               line.startsWith(QLatin1String("local IP address"))) {
        localAddress_ = line.section(QLatin1Char(' '), -1);
        merge(SetState(Ras::Projected));
    } else if (line.startsWith(QLatin1String("remote IP address"))) {
        connected_ = true;
        merge(SetState(Ras::Connected));
    } else if (line == QLatin1String("Modem hangup") && !connected_) {
        merge(Fail(Ras::kPortDisconnected, 16));
    } else if (line.startsWith(QLatin1String("No response to")) && !connected_) {
        merge(Fail(Ras::kPppTimeout, 15));
    } else if (line.startsWith(QLatin1String("LCP terminated by peer")) && !connected_) {
        merge(Fail(Ras::kPppLcpTerminated, 10));
    }
    return c;
}

PppdProgress::Change PppdProgress::Exited(int exitStatus, bool bySignal)
{
    Change c;
    if (finished_)
        return c;
    // Errors belong to the dial: once connected, an ending is just the end.
    if (!connected_) {
        const int error = bySignal ? 0 : ErrorForExitStatus(exitStatus);
        const Change f = Fail(error, exitStatus);
        c.errorRaised = f.errorRaised;
    }
    const Change s = SetState(Ras::Disconnected);
    c.stateChanged = s.stateChanged;
    finished_ = true;
    return c;
}
