// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-connect DEVICE: the connect command of Braxlow's pppd peer files
// (/etc/ppp/peers/braxlow.<device>), which grant an ordinary user pppd's
// privileged options (noauth, replacedefaultroute) for DEVICE. pppd lets a
// device named on its command line replace the one of the peer file, but
// never the connect command: this one lets the dial go on only when the line
// pppd opened (its standard input) is DEVICE, and then runs chat on the chat
// script Braxlow wrote ($BRAXLOW_CHAT_SCRIPT), its report on fd 4 where
// Braxlow reads it.
//
// It is installed setuid root only so that the caller cannot trace it and
// fake the answer: it gives up root before anything else and does all of its
// work as the caller.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Refuse(const char* why, const char* device)
{
    std::fprintf(stderr, "braxlow-connect: %s %s\n", why, device);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (setresgid(gid, gid, gid) != 0 || setresuid(uid, uid, uid) != 0)
        return Refuse("cannot give up its rights for", argc > 1 ? argv[1] : "");
    if (argc != 2 || argv[1][0] != '/')
        return Refuse("needs the device it was granted for, not", argc > 1 ? argv[1] : "nothing");
    const char* device = argv[1];
    struct stat line = {}, granted = {};
    if (fstat(STDIN_FILENO, &line) != 0 || !S_ISCHR(line.st_mode))
        return Refuse("was given no terminal line; it was granted", device);
    if (stat(device, &granted) != 0 || !S_ISCHR(granted.st_mode) || granted.st_rdev != line.st_rdev)
        return Refuse("refuses a line that is not", device);

    const char* script = std::getenv("BRAXLOW_CHAT_SCRIPT");
    if (script == nullptr || script[0] != '/')
        return Refuse("has no chat script (BRAXLOW_CHAT_SCRIPT) for", device);
    struct stat report = {};
    if (fstat(4, &report) == 0 && S_ISFIFO(report.st_mode))
        dup2(4, STDERR_FILENO);
    char* const args[] = {const_cast<char*>("chat"), const_cast<char*>("-v"), const_cast<char*>("-s"),
                          const_cast<char*>("-S"), const_cast<char*>("-f"), const_cast<char*>(script), nullptr};
    char* const environment[] = {nullptr};
    execve("/usr/sbin/chat", args, environment);
    std::fprintf(stderr, "braxlow-connect: cannot run chat: %s\n", std::strerror(errno));
    return 1;
}
