// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/DialupController.h"
#include "core/dialup/LinkCounters.h"
#include "core/phone/AtSession.h"
#include "core/phone/PortConflict.h"
#include "core/settings/Prompter.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/SleepGuard.h"
#include "core/shell/UsageMeter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class AppSettings;
struct ConnectInfo;
class CComm;
class CIrDASock;
class CRasDialer;
class Prompter;

// What the connect sequence asks of the main window. Called on the
// user-interface thread only.
class ShellWindow
{
public:
    virtual ~ShellWindow();
    // The password prompt, opened with the stored user name; false when it was
    // not confirmed.
    virtual bool AskPassword(QString& userName, QString& password) = 0;
    // The status line's text, shown at once.
    virtual void ShowStatus(const QString& text) = 0;
    // The connect, disconnect and entry setup buttons (exit stays usable).
    virtual void EnableButtons(bool enabled) = 0;
    virtual void SetBusy(bool busy) = 0;
    // Out of the way while connected: minimized, hidden, the tray icon shown.
    virtual void HideToTray() = 0;
    // Back on screen in its normal size, the tray icon gone.
    virtual void RestoreFromTray() = 0;
    // Ends the window's modal run; never called while a connect is running.
    virtual void EndDialog(int result) = 0;
    // The small lines under the status: the traffic while connected, the
    // countdown before dialing again; empty otherwise.
    virtual void ShowDetail(const QString& text) = 0;
    // The tray icon's tip while connected.
    virtual void ShowTrayTip(const QString& text) = 0;
    // A desktop notification, seen also when the window is hidden.
    virtual void Notify(const QString& summary, const QString& body) = 0;
    // The name of the entry a connect is for, shown as the window's caption.
    virtual void ShowEntry(const QString& name) { Q_UNUSED(name); }
};

// The pauses before dialing again after a drop: 5 s, 15 s, 60 s, then every
// 5 minutes.
int ReconnectDelay(int attempt);

// Passes messages and questions on, except while an automatic dial runs: then
// a plain message is kept back (the window is not waited on when nobody may
// be there) and the last one can be shown later.
class QuietPrompter : public Prompter
{
public:
    explicit QuietPrompter(Prompter& real) : real_(real) {}
    Answer Show(const QString& text, const QString& caption, Buttons buttons, Icon icon) override;
    Answer ShowFailure(const QString& text, const QString& caption, const QString& details) override;
    void SetQuiet(bool quiet);
    // Shows the message kept back, if any; true when there was one.
    bool ShowKept();

private:
    Prompter& real_;
    bool quiet_ = false;
    struct Kept
    {
        QString text, caption;
        Icon icon = Icon::None;
        QString details;
    };
    std::optional<Kept> kept_;
};

// The connect and disconnect sequence of the main window and the two worker
// threads that follow a connection: the watcher, which notices within about a
// second that the link has gone, and the hang-up worker.
//
// The workers share only the flags below with the user-interface thread, and
// hand every change of the window to it through queued calls. The connect
// command waits for the phone and the dial with one-pass event dispatches, so
// any command can arrive in the middle of it; those that would end the window
// are deferred until the command returns.
class ConnectSequence : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDialogCancel = 0;
    static constexpr int kDialogOk = 1;

    ConnectSequence(AppSettings& settings, Prompter& prompter, CRasDialer& dialer, CComm& link,
                    CIrDASock& irda, ShellWindow& window, int platformKind,
                    const PortConflictSources& conflictSources = PortConflictSources(),
                    QObject* parent = nullptr);
    // Waits for the workers.
    ~ConnectSequence() override;

    // Whether an entry's DNS servers are those of its provider's preset, which
    // the network hands out as well: without the DNS hook such an entry dials
    // with the network's servers rather than not at all.
    using PresetDnsCheck = std::function<bool(const ConnectInfo& info)>;
    void SetPresetDnsCheck(PresetDnsCheck check) { presetDns_ = std::move(check); }

    // Records every attempt in the user's data file; `masks` gives what the
    // records must not show. Without it nothing is recorded.
    void SetHistory(const QString& userDatabase, std::function<SecretMask()> masks);

    AtSession& Session() { return session_; }
    DialupController& Dialup() { return dialup_; }

    // The connect command: prompt, phone preparation, dial, tray.
    void Connect();
    // The disconnect command: after a yes, hangs up on the worker and restores
    // the window at once.
    void Disconnect();
    // The exit and close commands. Asks before it hangs up an active
    // connection; "no" keeps everything. Ends the window, later when a connect
    // is running.
    void CloseRequest();
    // Ends the window without a question (the Enter key, a signal to quit); the
    // window's end then hangs up.
    void EndWithoutQuestion();
    // When the window goes: hangs up an active connection. True when it did.
    bool WindowClosing();

    // Whether a connection named "Braxlow" is up or dialing.
    bool IsActive();
    bool Running() const { return depth_ > 0; }
    bool Connected() const { return connected_ != 0; }
    bool Closing() const { return closing_ != 0; }
    bool HangingUp() const { return hangingUp_ != 0; }
    // The user took over (the entry list, the balance): no dial-again.
    void CancelReconnect() { StopReconnect(); }
    // The month counted is on disk before the entries may change.
    void SettleUsage() { meter_.Settle(); }
    // Waiting to dial again after a drop; the seconds left.
    bool ReconnectPending() const { return countdown_.isActive(); }
    int ReconnectSecondsLeft() const { return secondsLeft_; }
    const UsageMeter& Usage() const { return meter_; }

Q_SIGNALS:
    // The watcher saw the link go: the window is back with string 1120.
    void connectionEnded();

private:
    QString Text(int id) const;
    bool AskDisconnect();
    void RequestEnd(int result);
    void StartWatch();
    void WatchConnection(unsigned generation);
    void HangUpWorker();
    void OnConnectionEnded();
    void OnReading(unsigned generation, std::optional<LinkCounters> counters);
    void ShowTraffic();
    void ScheduleReconnect();
    void OnCountdown();
    void ReconnectNow();
    // Ends a countdown; true when one was running.
    bool StopReconnect();
    void GiveBackPhone();
    // logind's announcements: hang up before the machine sleeps, dial again
    // after it woke when dialing again is on.
    void OnPrepareForSleep(bool sleeping);
    // Whether the configured cable port's device is there now.
    bool PhonePresent();
    void WaitForPhone();
    void StopWorkers();
    // Sleeps up to `ms`; false when the workers are told to stop or, for a
    // watcher, a newer one has taken over.
    bool Nap(int ms, unsigned generation = 0);

    AppSettings& settings_;
    Prompter& prompter_;
    CRasDialer& dialer_;
    ShellWindow& window_;
    QuietPrompter quiet_;
    AtSession session_;
    DialupController dialup_;
    PortConflict conflict_;

    std::atomic<int> connected_{0};
    std::atomic<int> closing_{0};
    std::atomic<int> alive_{1};
    std::atomic<int> hangingUp_{0};

    int depth_ = 0;            // connect commands on the stack (never more than one)
    int pendingEnd_ = -1;      // the window's end, waiting for the connect to return
    bool endedMeanwhile_ = false; // the watcher saw the link go during a connect
    bool failureShown_ = false;   // the last connect's failure is on the status line
    bool inCloseRequest_ = false;
    bool ended_ = false;       // the window has been told to end

    // How the last connect command ended.
    enum class Outcome { Connected, Canceled, PhoneMissing, PhoneNotReady, Refused, DialFailed };
    Outcome outcome_ = Outcome::Canceled;
    bool automatic_ = false;   // the connect command is a dial-again
    bool userEnded_ = false;   // the user hung up or is leaving: nothing dials again
    int attempt_ = 0;          // dials-again since the last line that stayed up
    int secondsLeft_ = 0;
    bool waitingForPhone_ = false; // the countdown waits for an unplugged phone
    SleepGuard sleep_;
    bool asleep_ = false;          // hung up for the machine's sleep
    bool dialAfterSleep_ = false;  // a line was up when the machine went to sleep
    QTimer countdown_;
    UsageMeter meter_;
    // The attempt in the history: its row, the phone's side of it, and what
    // ends it when no line comes up.
    static constexpr int kTranscriptLines = 400;
    static constexpr int kPppdLines = 60;
    void BeginAttempt(const ConnectInfo& info);
    void FinishAttempt(HistoryStore::Outcome outcome, int error, const QString& text);
    SecretMask Masks() const;
    QString PppdTail() const;
    std::optional<HistoryStore> history_;
    std::function<SecretMask()> masks_;
    qint64 historySeq_ = 0;
    bool attemptUp_ = false;     // its line came up
    bool attemptDialed_ = false; // pppd ran for it
    QStringList atLines_;
    HistoryStore::Outcome attemptOutcome_ = HistoryStore::Outcome::Canceled;
    int attemptError_ = 0;
    QString attemptText_;

    PresetDnsCheck presetDns_;
    QElapsedTimer online_;
    struct TrafficTexts
    {
        QString month, tipMonth, monthOnly;
        UsageFormat::ByteUnits units;
    } texts_;

    std::mutex napMutex_;
    std::condition_variable napWake_;
    bool stopping_ = false;
    std::atomic<unsigned> watchGeneration_{0};
    std::thread watcher_;
    std::thread hangUp_;
};
