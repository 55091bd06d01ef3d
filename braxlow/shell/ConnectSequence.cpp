// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConnectSequence.h"

#include "AppSettings.h"
#include "CRasDialer.h"
#include "LanguageStrings.h"
#include "Prompter.h"
#include "StringIds.h"

#include <QThread>

ShellWindow::~ShellWindow() = default;

ConnectSequence::ConnectSequence(AppSettings& settings, Prompter& prompter, CRasDialer& dialer,
                                 CComm& link, CIrDASock& irda, ShellWindow& window, int platformKind,
                                 const PortConflictSources& conflictSources, QObject* parent)
    : QObject(parent), settings_(settings), prompter_(prompter), dialer_(dialer), window_(window),
      session_(settings, link, irda, dialer, prompter),
      dialup_(settings, dialer, irda, prompter, platformKind),
      conflict_(settings, prompter, conflictSources)
{
    auto show = [this](const QString& text) { window_.ShowStatus(text); };
    connect(&session_, &AtSession::statusTextChanged, this, show);
    connect(&session_, &AtSession::busyChanged, this, [this](bool busy) { window_.SetBusy(busy); });
    connect(&dialup_, &DialupController::statusTextChanged, this, show);
    connect(&dialup_, &DialupController::connectedChanged, this,
            [this](bool connected) { connected_ = connected ? 1 : 0; });
}

ConnectSequence::~ConnectSequence()
{
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
    window_.EndDialog(result);
}

void ConnectSequence::Connect()
{
    // A second connect (from a click queued behind the first, or the keyboard)
    // arriving inside the waits of the first one is dropped, as is one after
    // the window was asked to close.
    if (depth_ > 0 || inCloseRequest_ || closing_)
        return;
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
            if (std::exchange(s.endedMeanwhile_, false))
                s.OnConnectionEnded();
            if (s.pendingEnd_ >= 0) {
                const int result = std::exchange(s.pendingEnd_, -1);
                s.window_.EndDialog(result);
            }
        }
    } leave{*this};

    window_.SetBusy(true);
    const ConnectInfo info = settings_.LoadConnectInfo();
    if (info.CheckPassword.compare(QLatin1String("0"), Qt::CaseInsensitive) == 0) {
        QString userName = info.Username;
        QString password;
        window_.SetBusy(false);
        // A quit arriving while the prompt was open leaves nothing to do.
        if (!window_.AskPassword(userName, password) || closing_)
            return;
        window_.SetBusy(true);
        session_.SetCredentials(userName, password);
    }
    if (settings_.LoadConnectInfo().ConnectName.isEmpty())
        return;

    window_.ShowStatus(Text(Str::StateConnecting));
    window_.EnableButtons(false);
    const int prepared = session_.RunAtSession();
    if (prepared != -1) {
        conflict_.CheckPortConflict();
        window_.ShowStatus(Text(prepared == 1 ? Str::StatusPortNotOpened : Str::StatusPhoneNotPrepared));
        window_.EnableButtons(true);
        return;
    }
    if (closing_) {
        window_.EnableButtons(true);
        return;
    }
    // An existing connection is not dialed twice.
    if (dialup_.EnsureDialupEntry(session_.PhoneNumber()) && !IsActive()) {
        if (closing_) {
            window_.EnableButtons(true);
            return;
        }
        dialup_.BindEntryToModem();
        if (dialup_.DialAndWait(session_.PhoneNumber(), session_.UserName(), session_.Password()) == 1 &&
            connected_ == 0) {
            connected_ = 1;
            if (!closing_)
                window_.HideToTray();
            StartWatch();
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
    if (!IsActive() || !AskDisconnect())
        return;
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
    while (hangingUp_)
        QThread::msleep(10);
    closing_ = 1;
    if (depth_ == 0 && IsActive()) {
        window_.SetBusy(false);
        if (!AskDisconnect()) {
            // The window stays, and so does the watcher's duty to bring it
            // back when the line drops.
            closing_ = 0;
            return;
        }
        window_.SetBusy(true);
        connected_ = 0;
        dialer_.HangUp(DialupController::kEntryName);
    }
    RequestEnd(kDialogCancel);
}

void ConnectSequence::EndWithoutQuestion()
{
    closing_ = 1;
    // Hung up now, not only when the window goes: a session that ends may
    // not wait for that.
    if (depth_ == 0) {
        connected_ = 0;
        dialer_.HangUp(DialupController::kEntryName);
    }
    RequestEnd(kDialogOk);
}

bool ConnectSequence::WindowClosing()
{
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
        if (dialer_.FindConnection(DialupController::kEntryName, handle))
            continue;
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
    dialer_.ResetLastState();
    window_.RestoreFromTray();
    window_.ShowStatus(Text(Str::StatusConnectionEnded));
    window_.EnableButtons(true);
    Q_EMIT connectionEnded();
}

void ConnectSequence::HangUpWorker()
{
    dialer_.HangUp(DialupController::kEntryName);
    // Done when pppd has gone (it lets the port go then), or after a while.
    quint32 handle = 0;
    for (int waited = 0; waited < 5000 && dialer_.FindConnection(DialupController::kEntryName, handle);
         waited += 50) {
        if (!Nap(50))
            break;
    }
    connected_ = 0;
    hangingUp_ = 0;
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
