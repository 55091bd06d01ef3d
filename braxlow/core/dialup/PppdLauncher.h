// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

// Starts pppd for a dial. Its log comes back through a pipe, and that of chat,
// its connect script, through a pipe of its own on fd 4 (the connect command
// sends chat's output there): chat echoes what the phone says, which must
// never pass for pppd's words. The password goes in through another pipe on
// fd 3 for the passwordfd plugin, so it is never on a command line, in the
// environment or in a file.
class PppdLauncher
{
public:
    struct Started
    {
        pid_t pid = 0;
        int output = -1; // read end of pppd's stdout and stderr
        int chatOutput = -1; // read end of fd 4, where the connect script writes
        int error = 0;   // errno of a start that failed
    };

    // Writes the chat script to an owner-only file in `directory` (empty:
    // $XDG_RUNTIME_DIR, else the temporary folder). Nothing on failure.
    static std::optional<QString> WriteChatScript(const QByteArray& script, const QString& directory);

    // The descriptor chat's output goes to in pppd's connect script.
    static constexpr int kChatDescriptor = 4;

    // Starts the program with the arguments; with a secret, it is readable on
    // fd 3 (an empty secret too: pppd must not look for one elsewhere).
    // `environment`: NAME=value settings added to the program's own.
    static Started Start(const QString& program, const QStringList& arguments,
                         const std::optional<QByteArray>& secret, const QStringList& environment = {});
};
