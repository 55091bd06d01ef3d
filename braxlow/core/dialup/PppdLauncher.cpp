// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/PppdLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

void CloseAll(std::initializer_list<int> fds)
{
    for (int fd : fds)
        if (fd >= 0)
            ::close(fd);
}

} // namespace

std::optional<QString> PppdLauncher::WriteChatScript(const QByteArray& script, const QString& directory)
{
    QString dir = directory;
    if (dir.isEmpty()) {
        const QString xdg = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
        dir = !xdg.isEmpty() && QFileInfo(xdg).isDir() ? xdg : QDir::tempPath();
    }
    QByteArray path = QFile::encodeName(dir + QStringLiteral("/braxlow-chat-XXXXXX"));
    const int fd = ::mkstemp(path.data()); // owner-only
    if (fd < 0)
        return std::nullopt;
    const bool written = ::write(fd, script.constData(), size_t(script.size())) == script.size();
    ::close(fd);
    if (!written) {
        ::unlink(path.constData());
        return std::nullopt;
    }
    return QFile::decodeName(path);
}

PppdLauncher::Started PppdLauncher::Start(const QString& program, const QStringList& arguments,
                                          const std::optional<QByteArray>& secret, const QStringList& environment)
{
    Started result;
    int out[2] = {-1, -1}, chat[2] = {-1, -1}, pass[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(chat, O_CLOEXEC) != 0 ||
        (secret && ::pipe2(pass, O_CLOEXEC) != 0)) {
        result.error = errno;
        CloseAll({out[0], out[1], chat[0], chat[1], pass[0], pass[1]});
        return result;
    }
    if (secret) {
        // Written before pppd runs, so it must fit the pipe: never wait for a
        // reader that may not come. A secret that does not fit is refused.
        ::fcntl(pass[1], F_SETFL, O_NONBLOCK);
        const ssize_t n = ::write(pass[1], secret->constData(), size_t(secret->size()));
        const int writeError = n < 0 ? errno : (n != secret->size() ? EMSGSIZE : 0);
        ::close(pass[1]);
        if (writeError != 0) {
            result.error = writeError == EAGAIN ? EMSGSIZE : writeError;
            CloseAll({out[0], out[1], chat[0], chat[1], pass[0]});
            return result;
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);
    if (secret)
        posix_spawn_file_actions_adddup2(&actions, pass[0], 3);
    posix_spawn_file_actions_adddup2(&actions, chat[1], kChatDescriptor);
    std::vector<QByteArray> storage{QFile::encodeName(program)};
    for (const QString& a : arguments)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> envStorage;
    for (const QString& setting : environment)
        envStorage.push_back(setting.toLocal8Bit());
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        const QByteArray entry(*e);
        const bool replaced = std::any_of(envStorage.cbegin(), envStorage.cend(), [&entry](const QByteArray& s) {
            return entry.startsWith(s.left(s.indexOf('=') + 1));
        });
        if (!replaced)
            envp.push_back(*e);
    }
    for (QByteArray& s : envStorage)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    CloseAll({out[1], chat[1], pass[0]});
    if (spawned != 0) {
        CloseAll({out[0], chat[0]});
        result.error = spawned;
        return result;
    }
    result.pid = pid;
    result.output = out[0];
    result.chatOutput = chat[0];
    return result;
}
