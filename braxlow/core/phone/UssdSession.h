// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AtSession;

// One exchange of balance codes and menu answers with the network through the
// phone. The phone's port is opened at the first request and stays open while
// the network waits for an answer to its menu; every other outcome closes it.
class UssdSession
{
public:
    struct Step
    {
        enum class Kind { Answer, Menu, Failed };
        Kind kind = Kind::Failed;
        QString text;      // the network's text, decoded
        int messageId = 0; // for Failed (and an ended session): what to tell the user
    };

    explicit UssdSession(AtSession& at) : at_(at) {}
    ~UssdSession();
    UssdSession(const UssdSession&) = delete;
    UssdSession& operator=(const UssdSession&) = delete;

    // A code (*100#) to start, or the answer to the network's menu.
    Step Send(const QString& text);
    // Ends a session the network still holds open, and frees the port.
    void Cancel();
    bool PortOpen() const { return open_; }

private:
    Step Finish(Step step);

    AtSession& at_;
    bool open_ = false;
};
