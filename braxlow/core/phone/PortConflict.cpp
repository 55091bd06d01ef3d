// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/PortConflict.h"

#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/NamedLock.h"
#include "core/settings/Prompter.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "phonelink/PortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QString PortConflict::kSuiteName = QStringLiteral("Korvane Tessaly II 2.0");

namespace {

// The suite keeps its settings in a store of our format beside ours.
const QString kSuiteStoreFile = QStringLiteral("KORVANE/Korvane Tessaly II 2.0.reg");
const QString kSuiteConfigKey = QStringLiteral("Cardamel/Config");
// The synchroniser's machine-wide settings: the file stands for its registry
// key, so its values sit at the file's top level (the empty key).
const QString kSynchroniserStoreFile = QStringLiteral("Korvane/OrlimbOutlook.reg");
const QString kSynchroniserName = QStringLiteral("Outlook(Orlimb)");

constexpr int kNameLength = 32;

// At most `limit` bytes of a regular file. Lock folders are writable by
// others: a FIFO planted under a lock's name must not block the caller, so the
// file is opened without waiting and checked before it is read.
std::optional<QByteArray> ReadSmallFile(const QString& path, qsizetype limit)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st = {};
    std::optional<QByteArray> data;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        QByteArray buffer(limit, '\0');
        qsizetype done = 0;
        while (done < limit) {
            const ssize_t n = ::read(fd, buffer.data() + done, size_t(limit - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        buffer.truncate(done);
        data = buffer;
    }
    ::close(fd);
    return data;
}

bool ProcessAlive(qint64 pid)
{
    // A PID of 0 or below would address a process group or every process.
    return pid > 0 && pid <= INT_MAX && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// A process name shown to the user: whatever a program calls itself, it cannot
// break the message into lines, turn the text around or fill the box.
QString CleanName(const QByteArray& raw)
{
    QList<uint> codes = QString::fromUtf8(raw).toUcs4();
    codes.removeIf([](uint c) { return !QChar::isPrint(char32_t(c)); });
    codes = QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size())
                .trimmed()
                .toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()),
                             std::min<qsizetype>(codes.size(), kNameLength));
}

std::optional<QString> ProcessName(const QString& proc, qint64 pid)
{
    const std::optional<QByteArray> comm = ReadSmallFile(
        proc + QLatin1Char('/') + QString::number(pid) + QStringLiteral("/comm"), 1024);
    if (!comm)
        return std::nullopt;
    return CleanName(*comm);
}

QList<qint64> ProcessIds(const QString& proc)
{
    QList<qint64> pids;
    const QStringList entries = QDir(proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && pid > 0)
            pids << pid;
    }
    return pids;
}

// The owner named by a UUCP lock, as the port code writes and reads them.
qint64 UucpLockOwner(const QString& devicePath, const QString& lockDirectory)
{
    QString folder = lockDirectory;
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/run/lock")).isDir() ? QStringLiteral("/run/lock")
                                                                : QStringLiteral("/var/lock");
    const std::optional<QByteArray> content =
        ReadSmallFile(folder + QStringLiteral("/LCK..") + QFileInfo(devicePath).fileName(), 64);
    if (!content)
        return 0;
    bool ok = false;
    const qint64 pid = content->trimmed().toLongLong(&ok);
    if (ok)
        return pid;
    if (content->size() == 4) { // the old binary form
        qint32 binary = 0;
        std::memcpy(&binary, content->constData(), 4);
        return binary;
    }
    return 0;
}

// Whether a process's descriptor is on the device: the same character device
// under any node name, or the same file. Only descriptors that lead into /dev
// are looked at closer, so a file on a hung network or FUSE mount cannot stall
// the search.
bool OnDevice(const struct stat& device, const QString& descriptor)
{
    const QString target = QFile::symLinkTarget(descriptor);
    if (!target.startsWith(QLatin1String("/dev/")))
        return false;
    struct stat st = {};
    if (::stat(QFile::encodeName(descriptor).constData(), &st) != 0)
        return false;
    if (S_ISCHR(device.st_mode))
        return S_ISCHR(st.st_mode) && st.st_rdev == device.st_rdev;
    return st.st_dev == device.st_dev && st.st_ino == device.st_ino;
}

QString Fill(const QString& format, const QString& name)
{
    // Both placeholders name the same program. replace() does not look again
    // at what it put in, so a '%s' in the name stays as it is.
    QString text = format;
    return text.replace(QLatin1String("%s"), name);
}

} // namespace

PortConflict::PortConflict(AppSettings& settings, Prompter& prompter,
                           const PortConflictSources& sources)
    : settings_(settings), prompter_(prompter), sources_(sources)
{
    if (sources_.userSettingsRoot.isEmpty())
        sources_.userSettingsRoot = settings_.Store().Root();
    if (sources_.machineSettingsRoot.isEmpty())
        sources_.machineSettingsRoot = QStringLiteral("/etc/xdg");
}

int PortConflict::CheckPortConflict()
{
    const QString text = Explanation();
    if (text.isEmpty())
        return 0;
    prompter_.Message(text);
    return 1;
}

QString PortConflict::Explanation() const
{
    const QString format = LoadLanguageString(settings_.LanguageModule(), Str::PortConflict);
    if (SuiteUsesPort())
        return Fill(format, kSuiteName);
    if (SynchroniserUsesPort())
        return Fill(format, kSynchroniserName);

    const int port = settings_.Port() != 0 ? settings_.Port() : settings_.IrPort();
    if (port <= 0)
        return QString();
    const QString device = Quarrin::CurrentPortMap().DeviceForPort(port);
    if (device.isEmpty())
        return QString();
    const std::optional<Holder> holder =
        PortHolder(device, sources_.proc, sources_.uucpLockDirectory);
    if (!holder)
        return QString();
    return HolderText(settings_.LanguageModule(), *holder);
}

QString PortConflict::HolderText(const QTranslator* language, const Holder& holder)
{
    // Both at once, so that a name with "%2" in it stays as it is.
    const QString pid = QString::number(holder.pid);
    const QString who = holder.name.isEmpty()
                            ? LoadLanguageString(language, Str::HolderProcess).arg(pid)
                            : LoadLanguageString(language, Str::HolderNamedProcess).arg(holder.name, pid);
    return Fill(LoadLanguageString(language, Str::PortConflict), who);
}

bool PortConflict::SuiteUsesPort() const
{
    if (!NamedLock::Exists(kSuiteName, sources_.lockDirectory))
        return false;
    const SettingsStore suite(sources_.userSettingsRoot, kSuiteStoreFile);
    const std::optional<qint32> port = suite.ReadDword(kSuiteConfigKey, QStringLiteral("Port"));
    if (!port)
        return false;
    if (*port != 0)
        return *port == settings_.Port();
    // The suite is on its infrared port. 0 names no port: our cable setting
    // of 0 (infrared as well) against an unset one is no conflict.
    const std::optional<qint32> irPort = suite.ReadDword(kSuiteConfigKey, QStringLiteral("IrPort"));
    return irPort && *irPort != 0 && *irPort == settings_.Port();
}

bool PortConflict::SynchroniserUsesPort() const
{
    if (settings_.Port() <= 0)
        return false;
    const SettingsStore machine(sources_.machineSettingsRoot, kSynchroniserStoreFile);
    if (machine.ReadDword(QString(), QStringLiteral("OrlimbStatus")) != 1)
        return false;
    if (machine.ReadDword(QString(), QStringLiteral("ConnectedCOMPort")) != settings_.Port())
        return false;
    // Its settings outlive it: only a running Outlook holds the port.
    const QList<qint64> pids = ProcessIds(sources_.proc);
    for (qint64 pid : pids) {
        const std::optional<QString> name = ProcessName(sources_.proc, pid);
        if (name && name->toLower().contains(QLatin1String("outlook")))
            return true;
    }
    return false;
}

std::optional<PortConflict::Holder> PortConflict::PortHolder(const QString& devicePath,
                                                             const QString& proc,
                                                             const QString& uucpLockDirectory)
{
    const qint64 self = ::getpid();
    auto holder = [&](qint64 pid) -> std::optional<Holder> {
        const std::optional<QString> name = ProcessName(proc, pid);
        if (!name)
            return std::nullopt;
        return Holder{pid, *name};
    };

    // A lock left by a process that died names nobody.
    const qint64 owner = UucpLockOwner(devicePath, uucpLockDirectory);
    if (owner != self && ProcessAlive(owner))
        if (const std::optional<Holder> h = holder(owner))
            return h;

    struct stat device = {};
    if (::stat(QFile::encodeName(devicePath).constData(), &device) != 0)
        return std::nullopt;
    const QList<qint64> pids = ProcessIds(proc);
    for (qint64 pid : pids) {
        if (pid == self)
            continue;
        const QString fdFolder =
            proc + QLatin1Char('/') + QString::number(pid) + QStringLiteral("/fd");
        const QStringList fds =
            QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& fd : fds)
            if (OnDevice(device, fdFolder + QLatin1Char('/') + fd))
                if (const std::optional<Holder> h = holder(pid))
                    return h;
    }
    return std::nullopt;
}
