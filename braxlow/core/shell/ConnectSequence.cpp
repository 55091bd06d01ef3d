// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/ConnectSequence.h"

#include "core/dialup/CRasDialer.h"
#include "core/dialup/RasTypes.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MessagePump.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/ShellTexts.h"
#include "phonelink/PortMap.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

ShellWindow::~ShellWindow() = default;

int ReconnectDelay(int attempt)
{
    constexpr int kDelays[] = {5, 15, 60};
    return attempt >= 0 && attempt < int(std::size(kDelays)) ? kDelays[attempt] : 300;
}

Prompter::Answer QuietPrompter::Show(const QString& text, const QString& caption, Buttons buttons, Icon icon)
{
    if (!quiet_ || buttons != Buttons::Ok)
        return real_.Show(text, caption, buttons, icon);
    kept_ = Kept{text, caption, icon, QString()};
    return Answer::Ok;
}

Prompter::Answer QuietPrompter::ShowFailure(const QString& text, const QString& caption, const QString& details)
{
    if (!quiet_)
        return real_.ShowFailure(text, caption, details);
    kept_ = Kept{text, caption, Icon::None, details};
    return Answer::Ok;
}

void QuietPrompter::SetQuiet(bool quiet)
{
    quiet_ = quiet;
    if (quiet)
        kept_.reset();
}

bool QuietPrompter::ShowKept()
{
    const std::optional<Kept> kept = std::exchange(kept_, std::nullopt);
    if (kept && !kept->details.isEmpty())
        real_.ShowFailure(kept->text, kept->caption, kept->details);
    else if (kept)
        real_.Show(kept->text, kept->caption, Buttons::Ok, kept->icon);
    return kept.has_value();
}

ConnectSequence::ConnectSequence(AppSettings& settings, Prompter& prompter, CRasDialer& dialer,
                                 CComm& link, CIrDASock& irda, ShellWindow& window, int platformKind,
                                 const PortConflictSources& conflictSources, QObject* parent)
    : QObject(parent), settings_(settings), prompter_(prompter), dialer_(dialer), window_(window),
      quiet_(prompter), session_(settings, link, irda, dialer, quiet_),
      dialup_(settings, dialer, irda, quiet_, platformKind),
      conflict_(settings, quiet_, conflictSources),
      meter_(settings.Store(), [this] {
          // From the meter's thread, once: the window tells it.
          QMetaObject::invokeMethod(this, [this] {
              window_.Notify(QStringLiteral("Braxlow"),
                             Text(Str::UsageNotSaved).arg(settings_.Store().FilePath()));
          }, Qt::QueuedConnection);
      })
{
    countdown_.setInterval(1000);
    connect(&countdown_, &QTimer::timeout, this, &ConnectSequence::OnCountdown);
    auto show = [this](const QString& text) { window_.ShowStatus(text); };
    connect(&session_, &AtSession::statusTextChanged, this, show);
    connect(&session_, &AtSession::busyChanged, this, [this](bool busy) { window_.SetBusy(busy); });
    connect(&dialup_, &DialupController::statusTextChanged, this, show);
    connect(&dialup_, &DialupController::connectedChanged, this,
            [this](bool connected) { connected_ = connected ? 1 : 0; });
    connect(&sleep_, &SleepGuard::prepareForSleep, this, &ConnectSequence::OnPrepareForSleep);
    // The phone's side of an attempt, for its history; only while one is recorded.
    session_.SetTranscript([this](AtSession::Direction direction, const QString& text) {
        if (historySeq_ == 0 || atLines_.size() >= kTranscriptLines)
            return;
        // One line per line the phone sent, without its blank ones.
        QString prefix = direction == AtSession::Direction::Sent ? QStringLiteral("> ") : QStringLiteral("< ");
        const QStringList lines = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.trimmed().isEmpty())
                continue;
            atLines_ << prefix + line.trimmed();
            prefix = QStringLiteral("  ");
        }
        if (prefix != QLatin1String("  "))
            atLines_ << prefix + QStringLiteral("(nothing)");
    });
    dialup_.SetFailureDetails([this](int error, const QString& text) {
        HistoryStore::Record failure;
        failure.errorCode = error;
        failure.errorText = text;
        failure.pppdLines = PppdTail();
        failure.atTranscript = atLines_.join(QLatin1Char('\n'));
        return Masks().Apply(Diagnostics::FailureDetails(failure));
    });
}

void ConnectSequence::SetHistory(const QString& userDatabase, std::function<SecretMask()> masks)
{
    history_.emplace(userDatabase);
    masks_ = std::move(masks);
    history_->CloseInterrupted();
}

SecretMask ConnectSequence::Masks() const
{
    SecretMask mask = masks_ ? masks_() : SecretMask();
    mask.Add(session_.Password());
    return mask;
}

QString ConnectSequence::PppdTail() const
{
    // The dial-up service's log is the last dial's, maybe not this attempt's.
    if (!attemptDialed_)
        return QString();
    QStringList lines = dialer_.Transcript().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() > kPppdLines)
        lines = lines.mid(lines.size() - kPppdLines);
    return lines.join(QLatin1Char('\n'));
}

void ConnectSequence::BeginAttempt(const ConnectInfo& info)
{
    // A line whose end has not been handled yet (a connect right after a
    // hang-up) is finished first: no row stays open.
    if (historySeq_ != 0)
        FinishAttempt(userEnded_ ? HistoryStore::Outcome::HungUp : HistoryStore::Outcome::Dropped, 0, QString());
    atLines_.clear();
    historySeq_ = 0;
    attemptUp_ = false;
    attemptDialed_ = false;
    attemptOutcome_ = HistoryStore::Outcome::Canceled;
    attemptError_ = 0;
    attemptText_.clear();
    if (!history_)
        return;
    historySeq_ = history_->Begin(info.CID, info.ConnectName, QDateTime::currentDateTimeUtc());
}

void ConnectSequence::FinishAttempt(HistoryStore::Outcome outcome, int error, const QString& text)
{
    if (!history_ || historySeq_ == 0)
        return;
    HistoryStore::Record r;
    r.seq = std::exchange(historySeq_, 0);
    r.ended = QDateTime::currentDateTimeUtc();
    // Only a line that came up has traffic of its own; the meter still
    // holds the last line's.
    if (attemptUp_) {
        r.seconds = online_.isValid() ? online_.elapsed() / 1000 : 0;
        r.received = meter_.SessionReceived();
        r.sent = meter_.SessionSent();
    }
    r.outcome = outcome;
    r.errorCode = error;
    // The mask reads every entry's secrets: only for an end with texts.
    const bool withTexts = outcome == HistoryStore::Outcome::Failed || outcome == HistoryStore::Outcome::Dropped;
    if (withTexts || !text.isEmpty()) {
        const SecretMask mask = Masks();
        r.errorText = mask.Apply(text);
        if (withTexts) {
            r.pppdLines = mask.Apply(PppdTail());
            r.atTranscript = mask.Apply(atLines_.join(QLatin1Char('\n')));
        }
    }
    history_->Finish(r);
    atLines_.clear();
}

ConnectSequence::~ConnectSequence()
{
    // A line still up as the window goes was hung up with it (every way of
    // leaving hangs up); one that never came up was given up.
    if (historySeq_ != 0)
        FinishAttempt(attemptUp_ ? HistoryStore::Outcome::HungUp : HistoryStore::Outcome::Canceled, 0, QString());
    StopWorkers();
}

QString ConnectSequence::Text(int id) const
{
    return LoadLanguageString(settings_.LanguageModule(), id);
}

bool ConnectSequence::IsActive()
{
    quint32 handle = 0;
    return dialer_.FindConnection(DialupController::kEntryName, handle);
}

bool ConnectSequence::AskDisconnect()
{
    return prompter_.Show(Text(Str::ConfirmDisconnect), QString(), Prompter::Buttons::YesNo,
                          Prompter::Icon::Question) == Prompter::Answer::Yes;
}

void ConnectSequence::RequestEnd(int result)
{
    if (depth_ > 0) {
        if (pendingEnd_ < 0)
            pendingEnd_ = result;
        return;
    }
    ended_ = true;
    window_.EndDialog(result);
}

void ConnectSequence::Connect()
{
    // A second connect (from a click queued behind the first, or the keyboard)
    // arriving inside the waits of the first one is dropped, as is one after
    // the window was asked to close.
    if (depth_ > 0 || inCloseRequest_ || closing_)
        return;
    // The user's own connect replaces a dial-again that was waiting.
    if (!automatic_) {
        StopReconnect();
        attempt_ = 0;
    }
    outcome_ = Outcome::Canceled;
    failureShown_ = false;
    // Our link is up: the phone's port is pppd's, and preparing the phone
    // again could only fail.
    if (connected_ && IsActive()) {
        window_.ShowStatus(Text(Str::StateConnected));
        return;
    }
    ++depth_;
    struct Leave
    {
        ConnectSequence& s;
        ~Leave()
        {
            s.window_.SetBusy(false);
            if (--s.depth_ > 0)
                return;
            // ModemManager gets the phone back unless a link is using it.
            if (!s.connected_)
                s.GiveBackPhone();
            if (std::exchange(s.endedMeanwhile_, false))
                s.OnConnectionEnded();
            if (s.pendingEnd_ >= 0) {
                const int result = std::exchange(s.pendingEnd_, -1);
                s.ended_ = true;
                s.window_.EndDialog(result);
            }
        }
    } leave{*this};

    window_.SetBusy(true);
    session_.KeepPhoneFromModemManager(true);
    // One reading of "ConnectInfo" serves the whole connect: the commands,
    // the credentials, the SIM's PIN and the month's count all belong to the
    // same entry, even when a second start has chosen another meanwhile. A
    // dial-again is for the entry of the line that dropped.
    ConnectInfo info = session_.Prepared();
    if (!automatic_) {
        info = settings_.LoadConnectInfo();
        session_.PrepareConnection(info);
        window_.ShowEntry(info.ConnectName);
    }
    // A dial-again uses what the user typed for the line that dropped.
    if (!automatic_ && info.CheckPassword.compare(QLatin1String("0"), Qt::CaseInsensitive) == 0) {
        QString userName = info.Username;
        QString password;
        window_.SetBusy(false);
        // A quit arriving while the prompt was open leaves nothing to do.
        if (!window_.AskPassword(userName, password) || closing_)
            return;
        window_.SetBusy(true);
        session_.SetCredentials(userName, password);
    }
    if (info.ConnectName.isEmpty()) {
        window_.ShowStatus(Text(Str::ChooseEntryFirst));
        return;
    }
    BeginAttempt(info);
    // An attempt that ends here without a line is recorded with what it met.
    struct Record
    {
        ConnectSequence& s;
        ~Record()
        {
            // A line that came up is finished where it ends.
            if (!s.attemptUp_)
                s.FinishAttempt(s.attemptOutcome_, s.attemptError_, s.attemptText_);
        }
    } record{*this};

    window_.ShowStatus(Text(Str::StateConnecting));
    window_.ShowDetail(QString()); // the reason of a failure before
    window_.EnableButtons(false);
    const int prepared = session_.RunAtSession();
    if (prepared != -1) {
        outcome_ = prepared == 1 ? Outcome::PhoneMissing : Outcome::PhoneNotReady;
        if (!session_.PortFailureExplained())
            conflict_.CheckPortConflict();
        window_.ShowStatus(Text(prepared == 1 ? Str::StatusPortNotOpened : Str::StatusPhoneNotPrepared));
        attemptOutcome_ = HistoryStore::Outcome::Failed;
        attemptError_ = prepared;
        attemptText_ = Text(prepared == 1 ? Str::StatusPortNotOpened : Str::StatusPhoneNotPrepared);
        if (!session_.LastFailure().isEmpty())
            attemptText_ += QLatin1Char('\n') + session_.LastFailure();
        // The message box has gone; the panel keeps what it said.
        window_.ShowDetail(session_.LastFailure());
        failureShown_ = true;
        window_.EnableButtons(true);
        return;
    }
    if (closing_) {
        window_.EnableButtons(true);
        return;
    }
    // An existing connection is not dialed twice.
    const bool entryReady = dialup_.EnsureDialupEntry(session_.PhoneNumber());
    if (!entryReady) {
        attemptOutcome_ = HistoryStore::Outcome::Failed;
        attemptText_ = Text(Str::StatusDialupEntryFailed);
    }
    if (entryReady && !IsActive()) {
        if (closing_) {
            window_.EnableButtons(true);
            return;
        }
        attemptDialed_ = true;
        dialup_.BindEntryToModem();
        if (!info.PrimaryDNS.isEmpty() && !dialer_.DnsHookInstalled() && presetDns_ && presetDns_(info)) {
            // The preset's servers are the network's own: the dial asks the
            // network for them, and says so.
            dialer_.SetEntryOptions(DialupController::kEntryName, Ras::kSpecificNameServers, false, QString());
            window_.Notify(Text(Str::PresetDnsTitle), Text(Str::PresetDnsFromNetwork));
        }
        if (dialup_.DialAndWait(session_.PhoneNumber(), session_.UserName(), session_.Password()) == 1 &&
            connected_ == 0) {
            connected_ = 1;
            outcome_ = Outcome::Connected;
            attemptUp_ = true;
            userEnded_ = false;
            online_.start();
            // The attempt's counts go to its history row as the month goes
            // to the settings: on the meter's thread, so a kill loses seconds.
            std::optional<HistoryStore> history = history_;
            const auto up = std::chrono::steady_clock::now();
            UsageMeter::SessionWriter writer;
            if (history && historySeq_ != 0)
                writer = [history, seq = historySeq_, up](quint64 received, quint64 sent) mutable {
                    const auto seconds =
                        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - up).count();
                    history->Count(seq, qint64(seconds), received, sent);
                };
            meter_.Begin(info.CID, QDate::currentDate(), std::move(writer));
            // Shown every second: loaded once.
            texts_ = {Text(Str::MonthWithCap), Text(Str::TipMonth), Text(Str::MonthNoCap),
                      UsageFormat::ByteUnits::Of(settings_.LanguageModule())};
            ShowTraffic();
            if (!closing_)
                window_.HideToTray();
            StartWatch();
            // The machine waits for the hang-up before it sleeps.
            sleep_.Watch();
            sleep_.Hold(Text(Str::SleepHangsUp));
        } else if (!connected_) {
            const int error = dialup_.DialError();
            QString reason;
            dialer_.GetErrorText(error, dialup_.DialExtendedError(), reason);
            window_.ShowDetail(error != 0 ? reason : QString());
            failureShown_ = error != 0;
            outcome_ = error == Ras::kAuthenticationFailure ? Outcome::Refused
                       : error == Ras::kPortNotAvailable    ? Outcome::PhoneMissing
                                                            : Outcome::DialFailed;
            if (error != 0) {
                attemptOutcome_ = HistoryStore::Outcome::Failed;
                attemptError_ = error;
                attemptText_ = reason;
            }
        }
    }
    // Sent to the tray (minimize) while it dialed, a window whose dial failed
    // comes back: no icon would be left to bring it.
    if (!connected_ && !closing_)
        window_.RestoreFromTray();
    // The user asked to leave while the dial ran: the question was not asked
    // then, as there was nothing to disconnect yet, and the answer is known.
    if (closing_) {
        connected_ = 0;
        dialer_.HangUp(DialupController::kEntryName);
        RequestEnd(kDialogCancel);
    }
    window_.EnableButtons(true);
}

void ConnectSequence::Disconnect()
{
    // Waiting to dial again: the button stops that, without a question.
    if (StopReconnect()) {
        window_.ShowDetail(Text(Str::ReconnectCanceled));
        return;
    }
    if (!IsActive()) {
        window_.ShowDetail(Text(Str::NothingToDisconnect));
        return;
    }
    if (!AskDisconnect())
        return;
    userEnded_ = true;
    window_.SetBusy(true);
    if (hangUp_.joinable())
        hangUp_.join();
    hangingUp_ = 1;
    hangUp_ = std::thread(&ConnectSequence::HangUpWorker, this);
    window_.RestoreFromTray();
    window_.EnableButtons(true);
    window_.SetBusy(false);
}

void ConnectSequence::CloseRequest()
{
    if (inCloseRequest_)
        return;
    inCloseRequest_ = true;
    struct Leave
    {
        ConnectSequence& s;
        ~Leave()
        {
            s.inCloseRequest_ = false;
            s.window_.SetBusy(false);
        }
    } leave{*this};

    window_.SetBusy(true);
    // A hang-up may take seconds (pppd lets the line go): the window is
    // painted and answers meanwhile, and whatever ended it then is not undone.
    if (hangingUp_) {
        QEventLoop wait;
        QTimer look;
        connect(&look, &QTimer::timeout, &wait, [this, &wait] {
            if (!hangingUp_ || ended_)
                wait.quit();
        });
        look.start(10);
        wait.exec();
        if (ended_)
            return;
    }
    closing_ = 1;
    StopReconnect();
    if (depth_ == 0 && IsActive()) {
        window_.SetBusy(false);
        if (!AskDisconnect()) {
            // The window stays, and so does the watcher's duty to bring it
            // back when the line drops.
            closing_ = 0;
            return;
        }
        window_.SetBusy(true);
        userEnded_ = true;
        connected_ = 0;
        dialer_.HangUp(DialupController::kEntryName);
    }
    RequestEnd(kDialogCancel);
}

void ConnectSequence::EndWithoutQuestion()
{
    closing_ = 1;
    userEnded_ = true;
    StopReconnect();
    // Hung up now, not only when the window goes: a session that ends may
    // not wait for that. A dial on its way is ended too, so the connect
    // returns as soon as pppd has gone (a pppd that stays is killed after a
    // few seconds), not once the dial would have finished.
    connected_ = 0;
    dialer_.HangUp(DialupController::kEntryName);
    RequestEnd(kDialogOk);
}

bool ConnectSequence::WindowClosing()
{
    userEnded_ = true;
    StopReconnect();
    connected_ = 0;
    if (!IsActive())
        return false;
    dialer_.HangUp(DialupController::kEntryName);
    return true;
}

bool ConnectSequence::Nap(int ms, unsigned generation)
{
    std::unique_lock<std::mutex> lock(napMutex_);
    return !napWake_.wait_for(lock, std::chrono::milliseconds(ms), [&] {
        return stopping_ || (generation != 0 && generation != watchGeneration_);
    });
}

void ConnectSequence::StartWatch()
{
    unsigned generation = 0;
    {
        std::lock_guard<std::mutex> lock(napMutex_);
        generation = ++watchGeneration_;
    }
    napWake_.notify_all(); // an older watcher ends now
    if (watcher_.joinable())
        watcher_.join();
    watcher_ = std::thread(&ConnectSequence::WatchConnection, this, generation);
}

void ConnectSequence::WatchConnection(unsigned generation)
{
    // Only a link that is gone ends the watch: after a hang-up pppd takes a
    // moment to end and keeps the phone's port until it has.
    for (;;) {
        if (!Nap(1000, generation))
            return;
        quint32 handle = 0;
        if (dialer_.FindConnection(DialupController::kEntryName, handle)) {
            // The clock and the counters follow the same second.
            std::optional<LinkCounters> counters = dialer_.Counters(DialupController::kEntryName);
            if (alive_)
                QMetaObject::invokeMethod(
                    this, [this, generation, counters] { OnReading(generation, counters); }, Qt::QueuedConnection);
            continue;
        }
        connected_ = 0;
        if (!closing_)
            break;
    }
    if (alive_)
        QMetaObject::invokeMethod(this, &ConnectSequence::OnConnectionEnded, Qt::QueuedConnection);
}

void ConnectSequence::OnConnectionEnded()
{
    // A connect on its way owns the window; the end is shown when it returns,
    // unless it made a new connection.
    if (depth_ > 0) {
        endedMeanwhile_ = true;
        return;
    }
    if (connected_)
        return;
    // pppd has let the port go: the phone is ModemManager's again.
    GiveBackPhone();
    sleep_.Release();
    dialer_.ResetLastState();
    const qint64 secondsUp = online_.isValid() ? online_.elapsed() / 1000 : 0;
    meter_.End();
    FinishAttempt(userEnded_ || closing_ || asleep_ ? HistoryStore::Outcome::HungUp : HistoryStore::Outcome::Dropped, 0,
                  QString());
    online_.invalidate();
    window_.RestoreFromTray();
    // An older link that ended while a new connect ran does not cover what
    // that connect said of its own failure.
    if (!std::exchange(failureShown_, false)) {
        window_.ShowDetail(QString());
        window_.ShowStatus(Text(Str::StatusConnectionEnded));
    }
    window_.EnableButtons(true);
    // A hang-up for the machine's sleep is no drop: it is told, and dialed
    // again, after the machine woke.
    if (!userEnded_ && !closing_ && !asleep_) {
        // A line that stayed up a while starts the pauses from the shortest.
        if (secondsUp >= 60)
            attempt_ = 0;
        const bool again = settings_.LoadAutoReconnect();
        if (again)
            ScheduleReconnect();
        QString body = Text(Str::LineDroppedAfter).arg(UsageFormat::Duration(secondsUp));
        if (again)
            body += QLatin1Char('\n') + Text(Str::ReconnectIn).arg(secondsLeft_);
        window_.Notify(Text(Str::LineDropped), body);
    }
    Q_EMIT connectionEnded();
}

void ConnectSequence::OnReading(unsigned generation, std::optional<LinkCounters> counters)
{
    if (generation != watchGeneration_ || !connected_ || !online_.isValid())
        return;
    if (counters) {
        const int crossed = meter_.Sample(counters->received, counters->sent, QDate::currentDate());
        const QString allowance = QString::number(meter_.Cap().megabytes);
        if (crossed == 80)
            window_.Notify(Text(Str::AllowanceTitle), Text(Str::AllowanceNearly).arg(80).arg(allowance));
        else if (crossed == 100)
            window_.Notify(Text(Str::AllowanceTitle), Text(Str::AllowanceUsed).arg(allowance));
    }
    ShowTraffic();
}

void ConnectSequence::ShowTraffic()
{
    const qint64 seconds = online_.isValid() ? online_.elapsed() / 1000 : 0;
    const quint64 received = meter_.SessionReceived();
    const quint64 sent = meter_.SessionSent();
    QString month, tipMonth;
    if (meter_.Cap().megabytes > 0) {
        month = texts_.month.arg(UsageFormat::Bytes(meter_.MonthTotal(), texts_.units))
                    .arg(meter_.Cap().megabytes)
                    .arg(meter_.Percent());
        tipMonth = texts_.tipMonth.arg(meter_.Percent()).arg(meter_.Cap().megabytes);
    } else if (meter_.Counting()) {
        month = tipMonth = texts_.monthOnly.arg(UsageFormat::Bytes(meter_.MonthTotal(), texts_.units));
    }
    const QString line = ShellTexts::TrafficLine(seconds, received, sent, texts_.units);
    window_.ShowDetail(month.isEmpty() ? line : line + QLatin1Char('\n') + month);
    window_.ShowTrayTip(ShellTexts::TrafficTip(QStringLiteral("Braxlow"), seconds, received, sent, tipMonth, texts_.units));
}

void ConnectSequence::ScheduleReconnect()
{
    secondsLeft_ = ReconnectDelay(attempt_);
    ++attempt_;
    countdown_.start();
    window_.ShowDetail(Text(Str::ReconnectIn).arg(secondsLeft_));
}

void ConnectSequence::OnCountdown()
{
    // The phone was unplugged: dialing again waits for it to be back.
    if (waitingForPhone_) {
        if (!PhonePresent())
            return;
        waitingForPhone_ = false;
        countdown_.stop();
        ReconnectNow();
        return;
    }
    if (--secondsLeft_ > 0) {
        window_.ShowDetail(Text(Str::ReconnectIn).arg(secondsLeft_));
        return;
    }
    countdown_.stop();
    ReconnectNow();
}

void ConnectSequence::ReconnectNow()
{
    if (closing_ || userEnded_ || depth_ > 0)
        return;
    window_.ShowDetail(QString());
    automatic_ = true;
    quiet_.SetQuiet(true);
    Connect();
    quiet_.SetQuiet(false);
    automatic_ = false;
    switch (outcome_) {
    case Outcome::Connected:
        return;
    case Outcome::PhoneMissing:
        // Unplugged: dialed again when it is back. A phone that is there and
        // still cannot be opened is for the user to see to.
        if (!closing_ && !userEnded_ && !PhonePresent()) {
            WaitForPhone();
            return;
        }
        [[fallthrough]];
    // Nothing a pause mends: the password is wrong, the phone is gone, or the
    // user stopped it. The message kept back is shown now.
    case Outcome::Refused:
    case Outcome::Canceled:
        if (!closing_)
            quiet_.ShowKept();
        return;
    case Outcome::PhoneNotReady:
    case Outcome::DialFailed:
        if (!closing_ && !userEnded_)
            ScheduleReconnect();
        return;
    }
}

bool ConnectSequence::StopReconnect()
{
    if (!countdown_.isActive())
        return false;
    countdown_.stop();
    secondsLeft_ = 0;
    waitingForPhone_ = false;
    window_.ShowDetail(QString());
    return true;
}

void ConnectSequence::GiveBackPhone()
{
    session_.KeepPhoneFromModemManager(false);
    session_.GiveBackPhone();
}

bool ConnectSequence::PhonePresent()
{
    const int port = settings_.Port();
    // An infrared port is searched for at every connect.
    if (port <= 0)
        return true;
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    return !map.DeviceForPort(port).isEmpty();
}

void ConnectSequence::WaitForPhone()
{
    waitingForPhone_ = true;
    secondsLeft_ = 0;
    countdown_.start();
    window_.ShowDetail(Text(Str::WaitingForPhone));
}

void ConnectSequence::OnPrepareForSleep(bool sleeping)
{
    if (sleeping) {
        dialAfterSleep_ = connected_ != 0 || countdown_.isActive();
        StopReconnect();
        asleep_ = true;
        if (connected_ && IsActive()) {
            dialer_.HangUp(DialupController::kEntryName);
            // pppd lets the port go when it has ended; the machine waits for it,
            // within a bound.
            QElapsedTimer waited;
            waited.start();
            while (IsActive() && waited.elapsed() < 10000) {
                PumpOneMessage();
                QThread::msleep(20);
            }
        }
        // The end is handled now, not when the watcher looks next: the
        // process may be frozen by then.
        {
            std::lock_guard<std::mutex> lock(napMutex_);
            ++watchGeneration_;
        }
        napWake_.notify_all();
        connected_ = 0;
        if (depth_ == 0)
            OnConnectionEnded();
        GiveBackPhone();
        sleep_.Release();
        return;
    }
    if (!std::exchange(asleep_, false) || !std::exchange(dialAfterSleep_, false))
        return;
    // The phone may need a moment after the machine woke: dialed again once it
    // is there, as after an unplug; without dialing again the end is told.
    if (settings_.LoadAutoReconnect() && !closing_) {
        userEnded_ = false;
        attempt_ = 0;
        WaitForPhone();
    } else {
        window_.ShowStatus(Text(Str::StatusConnectionEnded));
    }
}

void ConnectSequence::HangUpWorker()
{
    dialer_.HangUp(DialupController::kEntryName);
    // Done when pppd has gone (it lets the port go then), or after a while.
    quint32 handle = 0;
    bool up = true;
    for (int waited = 0; waited < 5000 && (up = dialer_.FindConnection(DialupController::kEntryName, handle));
         waited += 50) {
        if (!Nap(50))
            break;
    }
    connected_ = 0;
    hangingUp_ = 0;
    // pppd takes longer: the line says so until the watcher sees it gone.
    if (up && alive_)
        QMetaObject::invokeMethod(this, [this] {
            if (depth_ == 0 && !connected_ && IsActive())
                window_.ShowStatus(Text(Str::StatusStillHangingUp));
        }, Qt::QueuedConnection);
    if (Nap(500))
        dialer_.ResetLastState();
}

void ConnectSequence::StopWorkers()
{
    alive_ = 0;
    connected_ = 0;
    closing_ = 0;
    {
        std::lock_guard<std::mutex> lock(napMutex_);
        stopping_ = true;
    }
    napWake_.notify_all();
    if (watcher_.joinable())
        watcher_.join();
    if (hangUp_.joinable())
        hangUp_.join();
}
