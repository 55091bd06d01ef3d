// SPDX-License-Identifier: GPL-3.0-or-later
//
// Stands in for pppd where the kernel has no PPP: records its arguments and the
// password it got on fd 3, then replays a pppd log transcript on stderr
// ("sleep N" pauses, "exit N" ends with that status, "#" lines are notes). The
// transcripts are what pppd and chat said on real links in the PPP test guest.
// chat's lines ("chat: ...") are said by chat: as pppd does, the stand-in runs
// its connect command (with the chat stand-in, tests/fakepppd/chat, which
// writes FAKE_CHAT_OUTPUT to its stderr), so they go where that command sends
// them.
// It is a program named pppd, so the dialer finds it among the running links
// by its name and command line as it finds the real one; SIGTERM ends it the
// way it ends pppd (FAKE_PPPD_LINGER seconds later when set).
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_terminate = 0;

void OnTerminate(int)
{
    g_terminate = 1;
}

[[noreturn]] void Terminate()
{
    std::fputs("Terminating on signal 15\n", stderr);
    std::fflush(stderr);
    // FAKE_PPPD_LINGER: a pppd slow to let go of the line (a modem that does
    // not hang up) takes that many seconds more; a large number, one that never does.
    if (const char* linger = std::getenv("FAKE_PPPD_LINGER")) {
        timespec left{time_t(std::atoi(linger)), 0};
        while (nanosleep(&left, &left) != 0 && errno == EINTR) {
        }
    }
    std::fputs("Connection terminated.\n", stderr);
    std::fflush(stderr);
    std::_Exit(5);
}

void Pause(double seconds)
{
    timespec left{time_t(seconds), long((seconds - double(time_t(seconds))) * 1e9)};
    while (!g_terminate && nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
    if (g_terminate)
        Terminate();
}

// What pppd does with its connect command: sh -c, on the line (here
// nothing), its stderr pppd's log, every other descriptor as it is.
void RunConnectScript(const std::string& command, const std::string& output)
{
    if (command.empty())
        return;
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        setenv("FAKE_CHAT_OUTPUT", output.c_str(), 1);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

int main(int argc, char* argv[])
{
    struct sigaction action = {};
    action.sa_handler = OnTerminate;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);

    const std::string record = Environment("FAKE_PPPD_DIR");
    if (!record.empty()) {
        std::ofstream args(record + "/args");
        for (int i = 1; i < argc; ++i)
            args << argv[i] << '\n';
        std::ofstream password(record + "/password", std::ios::binary);
        char buffer[512];
        ssize_t n = 0;
        while ((n = read(3, buffer, sizeof buffer)) > 0)
            password.write(buffer, n);
    }
    std::string connect;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "connect") == 0)
            connect = argv[i + 1];
    std::ifstream transcript(Environment("FAKE_PPPD_TRANSCRIPT"));
    std::string line;
    std::string chat;
    while (std::getline(transcript, line)) {
        if (g_terminate)
            Terminate();
        if (line.rfind("chat: ", 0) == 0) {
            chat += line.substr(6) + "\n";
            continue;
        }
        if (!chat.empty()) {
            RunConnectScript(connect, chat);
            chat.clear();
        }
        if (line.rfind("sleep ", 0) == 0)
            Pause(std::atof(line.c_str() + 6));
        else if (line.rfind("exit ", 0) == 0)
            return std::atoi(line.c_str() + 5);
        else if (!line.empty() && line[0] == '#')
            continue;
        else {
            std::fprintf(stderr, "%s\n", line.c_str());
            std::fflush(stderr);
        }
    }
    return 0;
}
