// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/CRasDialer.h"

#include "core/dialup/DialupErrors.h"
#include "core/dialup/ModemRegistry.h"
#include "core/dialup/PppLinks.h"
#include "core/dialup/PppdLauncher.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "phonelink/PortMap.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

CRasDialer::CRasDialer(const QString& phoneBookPath, AppSettings* settings, const DialerPaths& paths)
    : phoneBookPath_(phoneBookPath), settings_(settings), paths_(paths)
{
}

CRasDialer::~CRasDialer()
{
    // The monitor reads this object's notifier: the link is ended first.
    monitor_.Signal(SIGTERM);
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

int CRasDialer::Fail(const RasDialFunc1& notifier, int error, int extended)
{
    monitor_.Fail(error, extended, notifier);
    return error;
}

bool CRasDialer::DnsHookInstalled() const
{
    return QFileInfo::exists(paths_.dnsHook);
}

int CRasDialer::Dial(const QString& name, RasDialFunc1 notifier, const QString& phoneNumber,
                     const QString& userName, const QString& password, const QString&,
                     const QString& phoneBook)
{
    if (monitor_.Running())
        HangUp(name);
    monitor_.Reset();
    handle_ = 0;

    Ras::Entry entry;
    if (GetEntry(name, entry, phoneBook) != Ras::kSuccess)
        return Fail(notifier, Ras::kCannotFindEntry, 0);
    const std::optional<QByteArray> script = PppdCommand::ChatScript(phoneNumber);
    const bool userOk = std::none_of(userName.cbegin(), userName.cend(),
                                     [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    if (!script || !userOk || password.contains(QLatin1Char('\0')))
        return Fail(notifier, Ras::kInvalidParameter, 0);
    const QString device = DeviceFor(entry);
    if (device.isEmpty())
        return Fail(notifier, Ras::kPortNotAvailable, 0);
    const bool privileged = ::geteuid() == 0;
    // An ordinary user dials only a device the administrator has granted.
    const QString peer = PppdCommand::PeerFor(device);
    if (!privileged && (peer.isEmpty() || (!paths_.peersDir.isEmpty() &&
                                           !QFileInfo::exists(paths_.peersDir + QLatin1Char('/') + peer))))
        return Fail(notifier, Ras::kNoPermission, 3);
    // Without the hook the entry's own DNS servers would silently not apply.
    if (!PppdCommand::FixedNameServers(entry).isEmpty() && !DnsHookInstalled())
        return Fail(notifier, Ras::kDnsHookMissing, 0);

    const std::optional<QString> chatScript = PppdLauncher::WriteChatScript(*script, paths_.runtimeDir);
    if (!chatScript)
        return Fail(notifier, Ras::kServiceCannotStart, 1);
    // With a user name the secret always goes through the pipe, an empty one
    // too: otherwise pppd looks for one in the system's secrets files.
    std::optional<QByteArray> secret;
    if (!userName.isEmpty() || !password.isEmpty())
        secret = password.toUtf8();
    const QString speed = settings_ != nullptr ? settings_->Speed() : QStringLiteral("115200");
    const QStringList args = PppdCommand::Arguments(entry, device, speed, paths_.chat, *chatScript,
                                                    userName, secret.has_value(), privileged);
    const QStringList environment{QLatin1String(PppdCommand::kChatScriptVariable) + QLatin1Char('=') + *chatScript};
    const PppdLauncher::Started started =
        PppdLauncher::Start(paths_.pppd, args, secret, privileged ? QStringList() : environment);
    if (started.pid <= 0) {
        QFile::remove(*chatScript);
        if (started.error == EMSGSIZE) // a secret longer than any entry holds
            return Fail(notifier, Ras::kInvalidParameter, 0);
        // Not allowed to run pppd (not in group dip) or pppd missing.
        const bool denied = started.error == EACCES || started.error == EPERM;
        return Fail(notifier, denied ? Ras::kNoPermission : Ras::kServiceCannotStart, started.error);
    }
    {
        std::lock_guard<std::mutex> lock(dialedMutex_);
        dialedName_ = name;
    }
    handle_ = quint32(started.pid);
    Ras::ConnStatus initial;
    initial.deviceType = entry.deviceType;
    initial.deviceName = entry.deviceName;
    monitor_.Follow(started.pid, started.output, started.chatOutput, *chatScript, initial, std::move(notifier));
    return Ras::kSuccess;
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
    const int state = monitor_.LastState().state;
    const int id = StatusStringFor(state);
    text = id == 0 ? QString() : LoadLanguageString(settings_ ? settings_->LanguageModule() : nullptr, id);
    if (state == Ras::Connected) {
        connected = true;
        return 1;
    }
    return state == Ras::Disconnected ? 1 : 0;
}

bool CRasDialer::FindConnection(const QString& name, quint32& handle)
{
    // Our own dial, still running, is the latest link of its name: found
    // without reading every process's command line, which a watcher asking
    // once a second could not afford.
    const quint32 own = handle_;
    if (own != 0 && monitor_.FollowedAlive()) {
        std::lock_guard<std::mutex> lock(dialedMutex_);
        if (dialedName_.compare(name, Qt::CaseInsensitive) == 0) {
            handle = own;
            return true;
        }
    }
    const QList<quint32> links = PppLinks(paths_).Find(name);
    if (links.isEmpty())
        return false;
    handle = links.last(); // later matches win, as in the service's list
    return true;
}

std::optional<LinkCounters> CRasDialer::Counters(const QString& name)
{
    const quint32 own = handle_;
    return LinkCounterReader::Read(paths_, name, own != 0 && monitor_.FollowedAlive() ? own : 0);
}

bool CRasDialer::HangUp(const QString& name)
{
    // Our own dial: only while its pppd has not been reaped, so a recycled
    // process id is never signalled.
    if (handle_ != 0)
        return monitor_.Signal(SIGTERM);
    quint32 target = 0;
    if (!FindConnection(name, target))
        return false;
    // Checked again just before the signal: the lookup may be a second old.
    return PppLinks(paths_).IsLink(target, name, true) && ::kill(pid_t(target), SIGTERM) == 0;
}

int CRasDialer::GetErrorText(int code, int extendedCode, QString& text)
{
    text = QStringLiteral("Fail to get error Code");
    if (code == 0)
        return Ras::kNoErrorCode;
    const QString serviceText = DialupErrorText(settings_ ? settings_->LanguageModule() : nullptr, code);
    const int result = serviceText.isEmpty() ? Ras::kInvalidParameter : Ras::kSuccess;
    if (!serviceText.isEmpty())
        text = serviceText;
    if (extendedCode != 0)
        text += QStringLiteral(" Extended Error Code: %1").arg(extendedCode);
    return result;
}
