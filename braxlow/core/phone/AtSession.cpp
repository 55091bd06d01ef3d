// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/AtSession.h"

#include "core/phone/AtAnswer.h"

#include "core/dialup/CRasDialer.h"
#include "core/dialup/PppdCommand.h"
#include "core/entries/ConnectionEntry.h"
#include "core/entries/EntryChecks.h"
#include "core/phone/PortConflict.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/MessagePump.h"
#include "core/settings/Prompter.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"
#include "phonelink/PortMap.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstring>

SimPinSource::~SimPinSource() = default;

const QString AtSession::kWriteError = QStringLiteral("Write Error or Can't Open Port");
const QString AtSession::kEntryName = QStringLiteral("Braxlow");

namespace {
// Whether the SIM has refused a PIN since it last accepted one.
const QString kPinRefused = QStringLiteral("SimPinRefused");
} // namespace

AtSession::AtSession(AppSettings& settings, CComm& link, CIrDASock& irda, CRasDialer& dialer,
                     Prompter& prompter, QObject* parent)
    : QObject(parent), settings_(settings), link_(link), irda_(irda), dialer_(dialer),
      prompter_(prompter)
{
}

QString AtSession::Text(int id) const
{
    return LoadLanguageString(settings_.LanguageModule(), id);
}

void AtSession::SetCredentials(const QString& userName, const QString& password)
{
    userName_ = userName;
    password_ = password;
}

int AtSession::ContextId(const QString& qosMin)
{
    const qsizetype comma = qosMin.indexOf(QLatin1Char(','));
    if (comma < 0)
        return 1;
    const int cid = DecimalPrefix(qosMin.left(comma));
    return cid > 0 ? cid : 1;
}

int AtSession::UnsafeField(const QString& apn, const QString& userIp, const QString& qosMin,
                           const QString& qosRequest)
{
    auto only = [](const QString& value, const char* allowed) {
        return std::all_of(value.cbegin(), value.cend(), [allowed](QChar c) {
            return c.unicode() < 0x80 && std::strchr(allowed, char(c.unicode())) != nullptr && c.unicode() != 0;
        });
    };
    const bool apnSafe = std::none_of(apn.cbegin(), apn.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('"') || c == QLatin1Char('\\');
    });
    if (!apnSafe)
        return Str::ApnLabel;
    if (!only(userIp, "0123456789."))
        return Str::IpAddressLabel;
    if (!only(qosMin, "0123456789,"))
        return Str::TabQoSMin;
    if (!only(qosRequest, "0123456789,"))
        return Str::TabQoSRequest;
    return 0;
}

QStringList AtSession::BuildCommands(const QString& apn, const QString& userIp,
                                     const QString& qosMin, const QString& qosRequest,
                                     const QString& phoneNumber)
{
    QString context = QStringLiteral("AT+CGDCONT=%1,\"IP\",").arg(ContextId(qosMin));
    const QString suffix = QStringLiteral(",0,0\r");
    if (apn.isEmpty())
        context += QLatin1Char(',') + suffix; // a fixed address without an APN is not sent
    else if (userIp.isEmpty())
        context += QLatin1Char('"') + apn + QStringLiteral("\",") + suffix;
    else
        context += QLatin1Char('"') + apn + QStringLiteral("\",\"") + userIp + QLatin1Char('"') + suffix;
    return {QStringLiteral("ATZ\r"),
            QStringLiteral("AT+CGMI\r"),
            context,
            QStringLiteral("AT+CGQMIN=") + qosMin + QLatin1Char('\r'),
            QStringLiteral("AT+CGQREQ=") + qosRequest + QLatin1Char('\r'),
            QStringLiteral("ATD") + phoneNumber + QLatin1Char('\r')};
}

void AtSession::PrepareConnection()
{
    PrepareConnection(settings_.LoadConnectInfo());
}

void AtSession::PrepareConnection(const ConnectInfo& info)
{
    prepared_ = info;
    phoneNumber_ = info.PhoneNumber;
    userName_ = info.Username;
    password_ = info.Password;
    commands_ = BuildCommands(info.APNName, info.UserIPAddr, info.QoSMin, info.QoSRequest,
                              info.PhoneNumber);
    unsafeField_ = UnsafeField(info.APNName, info.UserIPAddr, info.QoSMin, info.QoSRequest);

    dialer_.SetEntryOptions(kEntryName, 0x00000004 /* specific name servers */, false, QString());
    if (!info.PrimaryDNS.isEmpty()) {
        const Ras::IpAddr primary = Ras::IpAddr::Parse(info.PrimaryDNS);
        const Ras::IpAddr second = Ras::IpAddr::Parse(info.SecondDNS);
        dialer_.SetEntryAddress(kEntryName, 2, primary.a, primary.b, primary.c, primary.d, QString());
        dialer_.SetEntryAddress(kEntryName, 3, second.a, second.b, second.c, second.d, QString());
    }
}

StInitCommInfo AtSession::LinkParameters(int port, quint32 speed, void* owner)
{
    StInitCommInfo info;
    info.ownerWindow = owner;
    info.portNumber = quint8(port);
    info.baudRate = speed;
    info.dataBits = 8;
    info.flowControl = 0x02;
    info.parity = 0;
    info.stopBits = 0;
    info.extra1 = 0;
    info.extra2 = 1;
    return info;
}

bool AtSession::OpenPhoneLink(bool quick)
{
    if (portOverride_ != 0)
        return OpenPort(portOverride_, quick);
    const int port = settings_.Port();
    if (port == 0) {
        if (settings_.IrPort() == 0)
            return false;
        irda_.IrDAOpen();
        const int found = irda_.IrPortSearch();
        if (found == -1)
            return false;
        settings_.SaveIrPort(found);
        settings_.SavePort(0);
        return OpenPort(found, quick);
    }
    return OpenPort(port, quick);
}

bool AtSession::OpenPort(int port, bool quick)
{
    portFailureExplained_ = false;
    if (port < 1 || port > 255)
        return false;
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    const QString device = map.DeviceForPort(port);
    ModemManagerClient::Result released = ModemManagerClient::Result::NotManaged;
    if (!device.isEmpty()) {
        bool asked = false;
        released = modemManager_.Release(device, [&] {
            asked = true;
            Q_EMIT busyChanged(true);
            Q_EMIT statusTextChanged(Text(Str::ModemManagerReleasing));
        });
        if (asked)
            Q_EMIT busyChanged(false);
        if (released == ModemManagerClient::Result::Refused || released == ModemManagerClient::Result::Failed) {
            const QString text = released == ModemManagerClient::Result::Refused
                                     ? Text(Str::ModemManagerRefused).arg(modemManager_.Error())
                                     : Text(Str::ModemManagerTimeout);
            Q_EMIT statusTextChanged(text);
            lastFailure_ = text;
            prompter_.Show(text, QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
            portFailureExplained_ = true;
            return false;
        }
    }
    const StInitCommInfo info =
        LinkParameters(port, quint32(std::max(0, DecimalPrefix(settings_.Speed()))), this);
    if (link_.CreateComm(&info) == 0)
        return false;
    link_.SetSettleHold(!quick);
    // The daemon closes the phone's ports a moment after it agreed to let go.
    QElapsedTimer waited;
    waited.start();
    while (link_.OpenConnection() == 0) {
        if (released != ModemManagerClient::Result::Released || waited.elapsed() > 5000)
            return false;
        for (int i = 0; i < 20; ++i) {
            PumpOneMessage();
            QThread::msleep(10);
        }
    }
    link_.enableState = COMM_ENABLE;
    return true;
}

void AtSession::ClosePhoneLink()
{
    link_.SetEmptyInternalBuffer();
    link_.CloseConnection();
    link_.DestroyComm();
    if (!keepPhone_)
        modemManager_.GiveBack();
}

bool AtSession::PhoneUnplugged() const
{
    const QString device = link_.DevicePath();
    return !device.isEmpty() && !QFileInfo::exists(device);
}

QString AtSession::SilenceText(const QString& refusal, int fallback) const
{
    if (PhoneUnplugged())
        return Text(Str::PhoneUnplugged);
    // Root opens a port that another program holds: what it reads then is
    // that program's, and the phone only seems silent.
    if (refusal.isEmpty() || refusal == kWriteError) {
        // A pseudo-terminal's other end is always held: that is the phone.
        const QString device = link_.DevicePath();
        if (!device.isEmpty() && !PppdCommand::IsPseudoTerminal(device)) {
            const std::optional<PortConflict::Holder> holder =
                PortConflict::PortHolder(device, QStringLiteral("/proc"), QString());
            if (holder)
                return PortConflict::HolderText(settings_.LanguageModule(), *holder);
        }
    }
    return Text(fallback);
}

bool AtSession::PollForOk()
{
    unsigned char buffer[8193] = {};
    const int n = link_.ReadCommBlock(buffer, 8192);
    return n > 0 && QByteArray(reinterpret_cast<const char*>(buffer), n).contains("OK");
}

// Single bytes with pauses: a phone that sleeps wakes on the first of them and
// answers the reset that follows.
void AtSession::WakePhone()
{
    auto cycle = [this] {
        const struct
        {
            const char* byte;
            int pauseMs;
        } steps[] = {{"A", 100}, {"A", 100}, {"T", 100}, {"Z", 20}, {"\r", 100}};
        for (const auto& step : steps) {
            link_.WriteCommBlock(step.byte, 1);
            QThread::msleep(step.pauseMs);
        }
    };
    cycle();
    for (int poll = 0; poll < 122; ++poll) {
        if (PollForOk())
            return;
        QThread::msleep(10);
    }
    cycle();
    PollForOk(); // the session goes on either way
}

bool AtSession::CheckPhoneFunction()
{
    // A phone that does not know the command passes.
    if (!SendAtCommand(QStringLiteral("AT+CPFC?\r")).contains(QLatin1String("OK\r\n")))
        return true;
    const QString answer = SendAtCommand(QStringLiteral("AT+CPFC=?\r"));
    if (!answer.contains(QLatin1String("OK\r\n")))
        return true;
    const qsizetype at = answer.indexOf(QLatin1String("+CPFC:"));
    if (at < 0)
        return true;
    return answer.mid(at + 6).contains(QLatin1Char('6'));
}

QString AtSession::MaskPin(const QString& text)
{
    static const QRegularExpression pin(QStringLiteral("(AT\\+CPIN=)[^\r\n]*"),
                                        QRegularExpression::CaseInsensitiveOption);
    return QString(text).replace(pin, QStringLiteral("\\1\"****\""));
}

QString AtSession::MaskSecrets(const QString& line, const QString& answer)
{
    QString masked = MaskPin(answer);
    if (!line.trimmed().startsWith(QLatin1String("AT+CIMI"), Qt::CaseInsensitive))
        return masked;
    static const QRegularExpression imsi(QStringLiteral("(?<![0-9])([0-9]{5})([0-9]{1,10})(?![0-9])"));
    QRegularExpressionMatchIterator it = imsi.globalMatch(masked);
    QString out;
    qsizetype done = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += masked.mid(done, m.capturedStart(2) - done) + QString(m.capturedLength(2), QLatin1Char('*'));
        done = m.capturedEnd(2);
    }
    return out + masked.mid(done);
}

QString AtSession::SendAtCommand(const QString& line)
{
    const bool longRunning = line.left(5).compare(QLatin1String("at+cm"), Qt::CaseInsensitive) == 0 ||
                             line.endsWith(QChar(0x1A));
    Q_EMIT busyChanged(true);
    link_.SetEmptyInternalBuffer();
    const QByteArray bytes = line.toLatin1();
    if (transcript_)
        transcript_(Direction::Sent, MaskPin(line));
    if (link_.WriteCommBlock(bytes.constData(), static_cast<unsigned long>(bytes.size())) == 0) {
        // An unplugged phone is told of once, by the session that used it.
        if (!PhoneUnplugged())
            prompter_.Show(Text(Str::WriteError), QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
        Q_EMIT busyChanged(false);
        if (transcript_)
            transcript_(Direction::Received, kWriteError);
        return kWriteError;
    }

    // Waits follow a clock that never steps (the wall clock may, by hours).
    QElapsedTimer clock;
    clock.start();
    AtAnswer judge;
    QString answer;
    for (;;) {
        PumpOneMessage();
        const long elapsed = long(clock.elapsed() / 1000);
        PumpOneMessage();
        QThread::msleep(10);
        if (!longRunning && elapsed > 7) {
            answer.clear();
            break;
        }
        if (longRunning && elapsed > 30) {
            if (!answer.isEmpty())
                link_.ReadFromInternalBuffer(answer);
            break;
        }
        if (link_.GetConnectStatus() == 0 || cancelled_) {
            answer.clear();
            break;
        }
        // Everything received since the write.
        link_.ReadFromInternalBuffer(answer);
        if (answer.isEmpty()) {
            if (elapsed > 35)
                break;
            continue;
        }
        if (judge.Complete(answer))
            break;
    }
    Q_EMIT busyChanged(false);
    if (transcript_)
        transcript_(Direction::Received, MaskSecrets(line, answer));
    return answer;
}

void AtSession::Fail(const QString& text)
{
    lastFailure_ = text;
    ClosePhoneLink();
    Q_EMIT statusTextChanged(text);
    prompter_.Show(text, QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
}

bool AtSession::KnowsCommand(const QString& testLine)
{
    const QString answer = SendAtCommand(testLine);
    if (answer.isEmpty() || answer == kWriteError)
        return true; // no evidence: the refusal stands
    const int code = PhoneStatus::CmeError(answer);
    return AtAnswer::Accepted(answer) || (code >= 0 && code != 4 /* operation not supported */);
}

int AtSession::SendPreparedCommands(QString& refusal)
{
    bool qosSkipped = false;
    // The last line, the dial, is left to the dial-up service.
    for (int i = 0; i < 5 && i < commands_.size(); ++i) {
        const QString answer = SendAtCommand(commands_.at(i));
        if (AtAnswer::Accepted(answer))
            continue;
        // A phone that does not know the old QoS commands at all (its test form
        // is refused too) gets the network's defaults; one that knows them and
        // refuses the values still fails.
        const bool qos = commands_.at(i).startsWith(QLatin1String("AT+CGQ"));
        if (qos && !answer.isEmpty() && answer != kWriteError &&
            !KnowsCommand(commands_.at(i).section(QLatin1Char('='), 0, 0) + QStringLiteral("=?\r"))) {
            if (!qosSkipped)
                Q_EMIT statusTextChanged(Text(Str::QosSkipped));
            qosSkipped = true;
            continue;
        }
        refusal = answer;
        return i;
    }
    return -1;
}

int AtSession::Explain(const QString& refusal)
{
    lastFacts_ = PhoneStatus::Facts();
    // A phone that is gone, or a line that cannot be written, has nothing to
    // tell, and every question would cost a time-out or another message.
    if (refusal == kWriteError || link_.GetConnectStatus() == 0)
        return 0;
    Q_EMIT statusTextChanged(Text(Str::AskingPhone));
    lastFacts_ = PhoneStatus::Ask([this](const QString& line) { return SendAtCommand(line); },
                                  PhoneStatus::Questions::Diagnosis);
    return PhoneStatus::Diagnose(lastFacts_, refusal);
}

AtSession::Unlock AtSession::UnlockSim()
{
    QString pin = pinSource_->Remembered();
    // A remembered PIN is not risked on the last attempt: it may be outdated.
    // Where the phone does not tell the attempts left, the SIM may be at its
    // last one after any refused PIN: the remembered one is sent only while
    // no PIN has been refused since one was last accepted.
    const int attempts = lastFacts_.pinAttempts;
    const bool refusedBefore = settings_.Store().ReadDword(AppSettings::kConfigKey, kPinRefused).value_or(0) != 0;
    const bool remembered = PhoneStatus::ValidPin(pin) && (attempts > 1 || (attempts < 0 && !refusedBefore));
    bool remember = false;
    if (!remembered) {
        const std::optional<SimPinSource::Entered> entered = pinSource_->Ask(lastFacts_.pinAttempts);
        if (!entered || !PhoneStatus::ValidPin(entered->pin))
            return Unlock::Cancelled;
        pin = entered->pin;
        remember = entered->remember;
    }
    Q_EMIT statusTextChanged(Text(Str::UnlockingSim));
    const QString answer = SendAtCommand(QStringLiteral("AT+CPIN=\"") + pin + QStringLiteral("\"\r"));
    if (!AtAnswer::Accepted(answer)) {
        settings_.Store().WriteDword(AppSettings::kConfigKey, kPinRefused, 1);
        if (remembered)
            pinSource_->Forget();
        return Unlock::Refused;
    }
    settings_.Store().WriteDword(AppSettings::kConfigKey, kPinRefused, 0);
    if (remember)
        pinSource_->Remember(pin);
    // The SIM reads its files after the PIN; packet commands fail until then.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (PhoneStatus::ParseSim(SendAtCommand(QStringLiteral("AT+CPIN?\r"))) == PhoneStatus::Sim::Ready)
            return Unlock::Unlocked;
        for (int i = 0; i < 50; ++i) {
            PumpOneMessage();
            QThread::msleep(10);
        }
    }
    return Unlock::NotReady;
}

QString AtSession::ReadUntil(const std::function<bool(const QString&)>& complete, int seconds)
{
    Q_EMIT busyChanged(true);
    QElapsedTimer clock;
    clock.start();
    QString received;
    while (clock.elapsed() / 1000 <= seconds && link_.GetConnectStatus() != 0 && !cancelled_) {
        link_.ReadFromInternalBuffer(received);
        if (complete(received))
            break;
        PumpOneMessage();
        QThread::msleep(10);
    }
    Q_EMIT busyChanged(false);
    return complete(received) ? received : QString();
}

int AtSession::RunAtSession()
{
    lastFacts_ = PhoneStatus::Facts();
    lastFailure_.clear();
    if (unsafeField_ != 0) {
        // Refused before the port is opened: nothing of it reaches the phone.
        const QString message =
            Text(Str::UnsafeEntryValue).arg(EntryChecks::FieldName(settings_.LanguageModule(), unsafeField_));
        Q_EMIT statusTextChanged(message);
        lastFailure_ = message;
        prompter_.Show(message, QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
        return 0;
    }
    if (!OpenPhoneLink())
        return 1;
    WakePhone();
    if (!CheckPhoneFunction()) {
        ClosePhoneLink();
        lastFailure_ = Text(Str::PhoneNotSuitable);
        prompter_.Show(lastFailure_, QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
        return 0;
    }
    bool pinSent = false;
    for (;;) {
        QString refusal;
        if (SendPreparedCommands(refusal) < 0) {
            ClosePhoneLink();
            return -1;
        }
        const int reason = Explain(refusal);
        // One PIN per session: after a refused one the user decides, never a
        // loop that would lock the SIM.
        if (reason == Str::SimAsksPin && pinSource_ != nullptr && !pinSent) {
            pinSent = true;
            switch (UnlockSim()) {
            case Unlock::Unlocked:
                continue; // the whole session again, from the reset
            case Unlock::Cancelled:
                ClosePhoneLink();
                Q_EMIT statusTextChanged(Text(Str::SimAsksPin));
                return 0;
            case Unlock::Refused:
                Fail(Text(Str::PinRefused));
                return 0;
            case Unlock::NotReady:
                Fail(Text(Str::PinNotReady));
                return 0;
            }
        }
        Fail(reason != 0 ? Text(reason) : SilenceText(refusal, Str::PhoneRejectedCommand));
        return 0;
    }
}
