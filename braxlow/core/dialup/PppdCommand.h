// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/RasTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <unistd.h>

// Where the dialer finds the system's pieces; tests point some of them elsewhere.
struct DialerPaths
{
    QString pppd = QStringLiteral("/usr/sbin/pppd");
    QString chat = QStringLiteral("/usr/sbin/chat");
    QString proc = QStringLiteral("/proc");
    QStringList runDirs = {QStringLiteral("/run"), QStringLiteral("/var/run")};
    // Where the peer files that grant ordinary users the privileged options
    // for one device each lie (scripts/install-ppp-access); empty: every
    // device counts as granted (tests).
    QString peersDir = QStringLiteral("/etc/ppp/peers");
    // Hands an entry's own DNS servers to the resolver (installed likewise).
    QString dnsHook = QStringLiteral("/etc/ppp/ip-up.d/braxlow-dns");
    // Where the chat script of a dial is written; empty: $XDG_RUNTIME_DIR or /tmp.
    QString runtimeDir;
    // The kernel's network interfaces, with their byte counters.
    QString netClass = QStringLiteral("/sys/class/net");
    // Whose links count: pppd run by this user. Root sees every user's.
    uid_t user = ::getuid();
};

// What pppd is told for a dial: the chat script that dials the phone and the
// option list. Knows which options pppd only takes from root (those come from
// the installed peers file when an ordinary user dials).
class PppdCommand
{
public:
    // The chat script that dials; nothing when the dial string holds characters a
    // phone cannot dial (which could also rewrite the script).
    static std::optional<QByteArray> ChatScript(const QString& phoneNumber);
    // A pseudo-terminal: no modem lines, and its other end is a program.
    static bool IsPseudoTerminal(const QString& device);

    // The peer file that grants an ordinary user the privileged options for
    // `device` (the node it leads to, under /dev): "braxlow.ttyACM0",
    // "braxlow.pts.3". Empty for a device that can have none.
    static QString PeerFor(const QString& device);

    // The option list for a device. `withSecret`: the password arrives on fd 3.
    // An ordinary user's names the device's peer file, which names the device.
    static QStringList Arguments(const Ras::Entry& entry, const QString& device, const QString& speed,
                                 const QString& chatProgram, const QString& chatScript,
                                 const QString& userName, bool withSecret, bool privileged);

    // Where the peer file's connect command finds the chat script.
    static constexpr const char* kChatScriptVariable = "BRAXLOW_CHAT_SCRIPT";

    // The servers an entry of its own DNS servers hands to the ip-up hook.
    static QStringList FixedNameServers(const Ras::Entry& entry);
};
