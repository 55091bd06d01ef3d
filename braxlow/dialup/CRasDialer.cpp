// SPDX-License-Identifier: GPL-3.0-or-later
#include "CRasDialer.h"

#include "AppSettings.h"
#include "DialupErrors.h"
#include "LanguageStrings.h"
#include "ModemRegistry.h"
#include "PortMap.h"
#include "StringIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kLinkName = "Braxlow";

QString RuntimeDirectory(const QString& configured)
{
    if (!configured.isEmpty())
        return configured;
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(QString::fromLocal8Bit(xdg)).isDir())
        return QString::fromLocal8Bit(xdg);
    return QDir::tempPath();
}

QString ShellQuote(const QString& s)
{
    QString quoted = s;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

bool IsPseudoTerminal(const QString& device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    return target.startsWith(QLatin1String("/dev/pts/")) || device.startsWith(QLatin1String("/dev/pts/"));
}

QStringList CommandLine(const QString& procDir)
{
    QFile f(procDir + QStringLiteral("/cmdline"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    for (const QByteArray& part : f.read(65536).split('\0'))
        if (!part.isEmpty())
            args << QString::fromLocal8Bit(part);
    return args;
}

// The link name of a pppd command line: its linkname option, or Braxlow's own
// peers file (which sets "linkname Braxlow").
QString LinkNameOf(const QStringList& args)
{
    if (args.isEmpty() || QFileInfo(args.at(0)).fileName() != QLatin1String("pppd"))
        return QString();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("linkname"))
            return args.at(i + 1);
        if (args.at(i) == QLatin1String("call") && args.at(i + 1) == QLatin1String("braxlow"))
            return QLatin1String(kLinkName);
    }
    return QString();
}

} // namespace

CRasDialer::CRasDialer(const QString& phoneBookPath, AppSettings* settings, const DialerPaths& paths)
    : phoneBookPath_(phoneBookPath), settings_(settings), paths_(paths)
{
}

CRasDialer::~CRasDialer()
{
    // The monitor reads this object: the link is ended and the thread joined first.
    if (running_ && handle_ != 0)
        ::kill(pid_t(handle_.load()), SIGTERM);
    JoinMonitor();
}

void CRasDialer::JoinMonitor()
{
    if (monitor_.joinable())
        monitor_.join();
}

PhoneBook CRasDialer::Book(const QString& phoneBook) const
{
    return PhoneBook(phoneBook.isEmpty() ? phoneBookPath_ : phoneBook);
}

int CRasDialer::CreateEntry(const QString& name, const QString& deviceType,
                            const QString& deviceName, quint32 netProtocols, quint32 framing,
                            const QString& phoneNumber, const QString& phoneBook)
{
    PhoneBook book = Book(phoneBook);
    if (book.Exists(name))
        return Ras::kAlreadyExists;
    Ras::Entry e;
    e.options = 0;
    e.localPhoneNumber = phoneNumber;
    e.netProtocols = netProtocols;
    e.framingProtocol = framing;
    e.deviceType = deviceType;
    e.deviceName = deviceName;
    return book.Write(name, e) ? Ras::kSuccess : Ras::kInvalidParameter;
}

int CRasDialer::GetEntry(const QString& name, Ras::Entry& entry, const QString& phoneBook)
{
    const std::optional<Ras::Entry> e = Book(phoneBook).Read(name);
    if (!e)
        return Ras::kCannotFindEntryInBook;
    entry = *e;
    return Ras::kSuccess;
}

int CRasDialer::SetEntryOptions(const QString& name, quint32 mask, bool set, const QString& phoneBook)
{
    Ras::Entry e;
    const int read = GetEntry(name, e, phoneBook);
    if (read != Ras::kSuccess)
        return read;
    e.options = set ? (e.options | mask) : (e.options & ~mask);
    return Book(phoneBook).Write(name, e) ? Ras::kSuccess : Ras::kCannotOpenPhoneBook;
}

int CRasDialer::SetEntryAddress(const QString& name, int which, int a, int b, int c, int d,
                                const QString& phoneBook)
{
    Ras::Entry e;
    const int read = GetEntry(name, e, phoneBook);
    if (read != Ras::kSuccess)
        return read;
    const Ras::IpAddr ip{quint8(a), quint8(b), quint8(c), quint8(d)};
    switch (which) {
    case 1:
        e.ipaddr = ip;
        e.options |= Ras::kSpecificIpAddr;
        break;
    case 2:
        e.ipaddrDns = ip;
        e.options |= Ras::kSpecificNameServers;
        break;
    case 3:
        e.ipaddrDnsAlt = ip;
        e.options |= Ras::kSpecificNameServers;
        break;
    case 4:
        e.ipaddrWins = ip;
        e.options |= Ras::kSpecificNameServers;
        break;
    case 5:
        e.ipaddrWinsAlt = ip;
        e.options |= Ras::kSpecificNameServers;
        break;
    default:
        break;
    }
    return Book(phoneBook).Write(name, e) ? Ras::kSuccess : Ras::kCannotOpenPhoneBook;
}

int CRasDialer::SetEntryDevice(const QString& name, const QString& deviceName,
                               const QString& deviceType, const QString& phoneBook)
{
    Ras::Entry e;
    const int read = GetEntry(name, e, phoneBook);
    if (read != Ras::kSuccess)
        return read;
    if (e.deviceName == deviceName)
        return Ras::kSuccess;
    e.deviceName = deviceName;
    e.deviceType = deviceType;
    return Book(phoneBook).Write(name, e) ? Ras::kSuccess : Ras::kCannotOpenPhoneBook;
}

std::optional<QByteArray> CRasDialer::ChatScript(const QString& phoneNumber)
{
    // What a phone can dial; anything else could also break out of the script.
    static const QRegularExpression dialable(QStringLiteral("^[0-9*#+,;pPwWtT!@]{1,40}$"));
    if (!dialable.match(phoneNumber).hasMatch())
        return std::nullopt;
    QByteArray script;
    script += "ABORT BUSY\n";
    script += "ABORT 'NO CARRIER'\n";
    script += "ABORT ERROR\n";
    script += "ABORT 'NO DIALTONE'\n";
    script += "TIMEOUT 30\n";
    script += "'' ATD" + phoneNumber.toLatin1() + "\n";
    script += "CONNECT \\c\n";
    return script;
}

QStringList CRasDialer::PppdArguments(const Ras::Entry& entry, const QString& device,
                                      const QString& chatScript, const QString& userName,
                                      bool withPassword, bool privileged) const
{
    QStringList args;
    if (!privileged) // the peers file brings noauth, the link name and the plugin
        args << QStringLiteral("call") << QStringLiteral("braxlow");
    args << device;
    const QString speed = settings_ != nullptr ? settings_->Speed() : QStringLiteral("115200");
    args << QString::number(std::max(1, speed.toInt()));
    args << QStringLiteral("nodetach") << QStringLiteral("lock") << QStringLiteral("maxfail")
         << QStringLiteral("1") << QStringLiteral("logfd") << QStringLiteral("2")
         << QStringLiteral("hide-password");
    if (privileged)
        args << QStringLiteral("noauth") << QStringLiteral("linkname") << QLatin1String(kLinkName);
    args << QStringLiteral("connect")
         << paths_.chat + QStringLiteral(" -v -s -S -f ") + ShellQuote(chatScript);
    // A pseudo-terminal has no modem lines to wait on.
    args << (IsPseudoTerminal(device) ? QStringLiteral("local") : QStringLiteral("modem"));
    args << QStringLiteral("crtscts");
    if (entry.options & Ras::kSpecificIpAddr && !entry.ipaddr.IsZero())
        args << entry.ipaddr.Text() + QLatin1Char(':');
    else
        args << QStringLiteral("noipdefault");
    if (entry.options & Ras::kRemoteDefaultGateway)
        args << QStringLiteral("defaultroute");
    if (entry.options & Ras::kSpecificNameServers) {
        // Our own DNS servers: handed to the ip-up scripts (see README), the
        // peer's are not asked for.
        QStringList dns;
        if (!entry.ipaddrDns.IsZero())
            dns << entry.ipaddrDns.Text();
        if (!entry.ipaddrDnsAlt.IsZero())
            dns << entry.ipaddrDnsAlt.Text();
        args << QStringLiteral("ipparam") << QStringLiteral("braxlow-dns=") + dns.join(QLatin1Char(','));
    } else {
        args << QStringLiteral("usepeerdns");
    }
    args << QStringLiteral("refuse-eap") << QStringLiteral("noccp") << QStringLiteral("novj")
         << QStringLiteral("nobsdcomp") << QStringLiteral("nodeflate");
    if (!userName.isEmpty())
        args << QStringLiteral("user") << userName;
    if (withPassword) {
        if (privileged)
            args << QStringLiteral("plugin") << QStringLiteral("passwordfd.so");
        args << QStringLiteral("passwordfd") << QStringLiteral("3");
    }
    return args;
}

QString CRasDialer::DeviceFor(const Ras::Entry& entry) const
{
    // The entry names a modem; the modem sits on a port. With several modems of
    // that name, the one on the configured port wins.
    const int preferred = settings_ == nullptr ? 0
                          : settings_->Port() != 0 ? settings_->Port()
                                                   : settings_->IrPort();
    int chosen = -1;
    for (const ModemPort& m : ModemRegistry().ListModems()) {
        if (m.name != entry.deviceName)
            continue;
        const int number = PortMap::ComNumber(m.port);
        if (chosen < 0 || number == preferred)
            chosen = number;
    }
    if (chosen < 0)
        return QString();
    return Quarrin::CurrentPortMap().DeviceForPort(chosen);
}

void CRasDialer::ReportLater(const RasDialFunc1& notifier, int error, int extended)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_ = PppdProgress();
        progress_.Exited(0, false);
        lastState_.state = Ras::Disconnected;
        lastState_.error = error;
    }
    // The service reports on its own thread, never from inside the dial call.
    JoinMonitor();
    monitor_ = std::thread([notifier, error, extended] {
        if (notifier)
            notifier(0, 0, Ras::Disconnected, error, extended);
    });
}

int CRasDialer::Dial(const QString& name, RasDialFunc1 notifier, const QString& phoneNumber,
                     const QString& userName, const QString& password, const QString&,
                     const QString& phoneBook)
{
    if (running_)
        HangUp(name);
    JoinMonitor();
    handle_ = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_ = PppdProgress();
        transcript_.clear();
        lastState_ = Ras::ConnStatus{};
    }

    Ras::Entry entry;
    if (GetEntry(name, entry, phoneBook) != Ras::kSuccess) {
        ReportLater(notifier, Ras::kCannotFindEntry, 0);
        return Ras::kCannotFindEntry;
    }
    const std::optional<QByteArray> script = ChatScript(phoneNumber);
    const bool userOk = std::none_of(userName.cbegin(), userName.cend(),
                                     [](QChar c) { return c.unicode() < 0x20; });
    if (!script || !userOk || password.contains(QLatin1Char('\0'))) {
        ReportLater(notifier, Ras::kInvalidParameter, 0);
        return Ras::kInvalidParameter;
    }
    const QString device = DeviceFor(entry);
    if (device.isEmpty()) {
        ReportLater(notifier, Ras::kPortNotAvailable, 0);
        return Ras::kPortNotAvailable;
    }
    const bool privileged = ::geteuid() == 0;
    if (!privileged && !QFileInfo::exists(paths_.peersFile)) {
        ReportLater(notifier, Ras::kNoPermission, 3);
        return Ras::kNoPermission;
    }

    // The chat script holds only the dial string; owner-only all the same.
    QByteArray scriptPath = QFile::encodeName(RuntimeDirectory(paths_.runtimeDir) +
                                              QStringLiteral("/braxlow-chat-XXXXXX"));
    const int scriptFd = ::mkstemp(scriptPath.data());
    if (scriptFd < 0 || ::write(scriptFd, script->constData(), size_t(script->size())) != script->size()) {
        if (scriptFd >= 0)
            ::close(scriptFd);
        ReportLater(notifier, Ras::kServiceCannotStart, 1);
        return Ras::kServiceCannotStart;
    }
    ::close(scriptFd);
    const QString chatScript = QFile::decodeName(scriptPath);

    const bool withPassword = !password.isEmpty();
    const QStringList args =
        PppdArguments(entry, device, chatScript, userName, withPassword, privileged);

    int out[2] = {-1, -1}, secret[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || (withPassword && ::pipe2(secret, O_CLOEXEC) != 0)) {
        for (int fd : {out[0], out[1], secret[0], secret[1]})
            if (fd >= 0)
                ::close(fd);
        QFile::remove(chatScript);
        ReportLater(notifier, Ras::kServiceCannotStart, 1);
        return Ras::kServiceCannotStart;
    }
    if (withPassword) {
        // Through a pipe only: pppd's passwordfd plugin reads it from fd 3.
        const QByteArray bytes = password.toUtf8();
        const bool written = ::write(secret[1], bytes.constData(), size_t(bytes.size())) == bytes.size();
        ::close(secret[1]);
        if (!written) {
            ::close(secret[0]);
            ::close(out[0]);
            ::close(out[1]);
            QFile::remove(chatScript);
            ReportLater(notifier, Ras::kServiceCannotStart, 1);
            return Ras::kServiceCannotStart;
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);
    if (withPassword)
        posix_spawn_file_actions_adddup2(&actions, secret[0], 3);
    const QByteArray program = QFile::encodeName(paths_.pppd);
    std::vector<QByteArray> storage;
    storage.push_back(program);
    for (const QString& a : args)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (withPassword)
        ::close(secret[0]);
    if (spawned != 0) {
        ::close(out[0]);
        QFile::remove(chatScript);
        // Not allowed to run pppd (not in group dip) or pppd missing.
        const bool denied = spawned == EACCES || spawned == EPERM;
        ReportLater(notifier, denied ? Ras::kNoPermission : Ras::kServiceCannotStart, spawned);
        return denied ? Ras::kNoPermission : Ras::kServiceCannotStart;
    }
    handle_ = quint32(pid);
    running_ = true;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lastState_.state = Ras::OpenPort;
        lastState_.deviceType = entry.deviceType;
        lastState_.deviceName = entry.deviceName;
    }
    monitor_ = std::thread(&CRasDialer::Monitor, this, out[0], pid, notifier, chatScript);
    return Ras::kSuccess;
}

void CRasDialer::Monitor(int outFd, pid_t pid, RasDialFunc1 notifier, QString chatScript)
{
    auto handle = [&](const PppdProgress::Change& c, int state, int error, int extended) {
        if ((c.stateChanged || c.errorRaised) && notifier)
            notifier(quint32(pid), 0, state, c.errorRaised ? error : 0, c.errorRaised ? extended : 0);
    };
    QByteArray pending;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(outFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, int(n));
        qsizetype newline;
        while ((newline = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(newline));
            pending.remove(0, newline + 1);
            PppdProgress::Change c;
            int state = 0, error = 0, extended = 0;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (transcript_.size() < 65536)
                    transcript_ += line + QLatin1Char('\n');
                c = progress_.Line(line);
                state = lastState_.state = progress_.State();
                error = progress_.Error();
                extended = progress_.ExtendedError();
            }
            handle(c, state, error, extended);
        }
    }
    ::close(outFd);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    QFile::remove(chatScript);
    PppdProgress::Change c;
    int state = 0, error = 0, extended = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        c = progress_.Exited(WIFEXITED(status) ? WEXITSTATUS(status) : 0, WIFSIGNALED(status));
        state = lastState_.state = progress_.State();
        error = progress_.Error();
        extended = progress_.ExtendedError();
        lastState_.error = error;
    }
    running_ = false;
    handle(c, state, error, extended);
}

bool CRasDialer::WaitForExit(int milliseconds)
{
    for (int waited = 0; running_ && waited < milliseconds; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (running_)
        return false;
    JoinMonitor();
    return true;
}

int CRasDialer::StatusStringFor(int state)
{
    switch (state) {
    case Ras::OpenPort: return Str::StateOpenPort;
    case Ras::PortOpened: return Str::StatePortOpened;
    case Ras::ConnectDevice: return Str::StateConnecting;
    case Ras::DeviceConnected:
    case Ras::AllDevicesConnected: return Str::StateDeviceConnected;
    case Ras::Authenticate:
    case Ras::AuthChangePassword: return Str::StateAuthenticate;
    case Ras::AuthNotify:
    case Ras::AuthRetry: return Str::StateAuthRetry;
    case Ras::AuthCallback: return Str::StateAuthCallback;
    case Ras::AuthProject: return Str::StateAuthProject;
    case Ras::AuthLinkSpeed: return Str::StateAuthLinkSpeed;
    case Ras::AuthAck: return Str::StateAuthAck;
    case Ras::ReAuthenticate: return Str::StateReAuthenticate;
    case Ras::Authenticated: return Str::StateAuthenticated;
    case Ras::PrepareForCallback: return Str::StatePrepareForCallback;
    case Ras::WaitForModemReset: return Str::StateWaitForModemReset;
    case Ras::WaitForCallback:
    case Ras::Projected:
    case Ras::StartAuthentication:
    case Ras::CallbackComplete:
    case Ras::Interactive:
    case Ras::RetryAuthentication:
    case Ras::CallbackSetByCaller:
    case Ras::PasswordExpired: return Str::StateNegotiating;
    case Ras::LogonNetwork: return Str::StateLogonNetwork;
    case Ras::SubEntryConnected: return Str::StateSubEntryConnected;
    case Ras::SubEntryDisconnected: return Str::StateSubEntryDisconnected;
    case Ras::Connected: return Str::StateConnected;
    case Ras::Disconnected: return Str::StateDisconnected;
    default: return 0;
    }
}

int CRasDialer::PollStatus(QString& text, bool& connected)
{
    connected = false;
    int state = Ras::OpenPort;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        state = lastState_.state;
    }
    const int id = StatusStringFor(state);
    text = id == 0 ? QString() : LoadLanguageString(settings_ ? settings_->LanguageModule() : nullptr, id);
    if (state == Ras::Connected) {
        connected = true;
        return 1;
    }
    return state == Ras::Disconnected ? 1 : 0;
}

Ras::ConnStatus CRasDialer::LastState() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lastState_;
}

void CRasDialer::ResetLastState()
{
    std::lock_guard<std::mutex> lock(mutex_);
    lastState_ = Ras::ConnStatus{};
}

QString CRasDialer::Transcript() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return transcript_;
}

bool CRasDialer::FindConnection(const QString& name, quint32& handle)
{
    QList<quint32> order; // later matches win, as in the service's list
    // Links that are up have a pid file named after them.
    for (const QString& dir : paths_.runDirs) {
        const QFileInfoList files = QDir(dir).entryInfoList({QStringLiteral("ppp-*.pid")}, QDir::Files, QDir::Name);
        for (const QFileInfo& f : files) {
            const QString link = f.completeBaseName().mid(4);
            if (link.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            QFile pidFile(f.absoluteFilePath());
            if (!pidFile.open(QIODevice::ReadOnly))
                continue;
            const quint32 pid = pidFile.readLine(32).trimmed().toUInt();
            if (pid > 0 && QFileInfo::exists(paths_.proc + QStringLiteral("/%1").arg(pid)) && !order.contains(pid))
                order << pid;
        }
    }
    // Links still dialing are found by their command line.
    QStringList pids = QDir(paths_.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(pids.begin(), pids.end(), [](const QString& a, const QString& b) { return a.toUInt() < b.toUInt(); });
    for (const QString& entry : pids) {
        bool numeric = false;
        const quint32 pid = entry.toUInt(&numeric);
        if (!numeric || pid == 0)
            continue;
        const QString link = LinkNameOf(CommandLine(paths_.proc + QLatin1Char('/') + entry));
        if (!link.isEmpty() && link.compare(name, Qt::CaseInsensitive) == 0) {
            order.removeAll(pid);
            order << pid;
        }
    }
    if (order.isEmpty())
        return false;
    handle = order.last();
    return true;
}

bool CRasDialer::HangUp(const QString& name)
{
    quint32 target = handle_;
    if (target != 0) {
        // Our own dial: only while its pppd runs, so a recycled process id is
        // never signalled.
        if (!running_)
            return false;
    } else if (!FindConnection(name, target)) {
        return false;
    }
    return ::kill(pid_t(target), SIGTERM) == 0;
}

int CRasDialer::GetErrorText(int code, int extendedCode, QString& text)
{
    text = QStringLiteral("Fail to get error Code");
    if (code == 0)
        return Ras::kNoErrorCode;
    const QString serviceText = DialupErrorText(code);
    const int result = serviceText.isEmpty() ? Ras::kInvalidParameter : Ras::kSuccess;
    if (!serviceText.isEmpty())
        text = serviceText;
    if (extendedCode != 0)
        text += QStringLiteral(" Extended Error Code: %1").arg(extendedCode);
    return result;
}
