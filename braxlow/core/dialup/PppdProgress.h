// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/RasTypes.h"

#include <QString>

// Follows a pppd run (its log lines and those of chat) and tells which
// connection state of the dial-up service it has reached, and the first error.
// Pure: it is fed lines and the exit status, and keeps no other state.
//
// chat's lines come apart from pppd's: chat echoes what the phone sends, so a
// phone (or a noisy line) could write anything pppd says. The connection's
// state and errors come from pppd's own lines; chat's only tell that the
// phone is being dialed, and why a dial script failed.
class PppdProgress
{
public:
    // What a line or the exit changed.
    struct Change
    {
        bool stateChanged = false;
        bool errorRaised = false; // the first error of the dial
    };

    // A line of pppd's own log.
    Change Line(const QString& line);
    // A line that chat, the connect script, wrote.
    Change ChatLine(const QString& line);
    Change Exited(int exitStatus, bool bySignal);

    int State() const { return state_; }
    int Error() const { return error_; }
    int ExtendedError() const { return extended_; }
    bool Finished() const { return finished_; }
    bool WasConnected() const { return connected_; }
    QString LocalAddress() const { return localAddress_; }

    // The service error for a pppd exit status (0 when the status is no error).
    static int ErrorForExitStatus(int status);

private:
    Change SetState(int state);
    Change Fail(int error, int extended);

    int state_ = Ras::OpenPort;
    int error_ = 0;
    int extended_ = 0;
    bool finished_ = false;
    bool connected_ = false;
    QString chatFailure_;
    bool chatTimedOut_ = false;
    QString localAddress_;
};
