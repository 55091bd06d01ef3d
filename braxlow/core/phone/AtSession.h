// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/ModemManager.h"
#include "core/phone/PhoneStatus.h"
#include "core/settings/AppSettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CComm;
class CIrDASock;
class CRasDialer;
class Prompter;
struct StInitCommInfo;

// Where the SIM's PIN comes from when the phone asks for it: remembered for
// the entry, or typed by the user.
class SimPinSource
{
public:
    struct Entered
    {
        QString pin;
        bool remember = false;
    };
    virtual ~SimPinSource();
    // The PIN remembered for the current entry; empty when there is none.
    virtual QString Remembered() = 0;
    // Nothing when the user cancels. `attemptsLeft` is -1 when unknown.
    virtual std::optional<Entered> Ask(int attemptsLeft) = 0;
    // Called only after the phone has accepted the PIN.
    virtual void Remember(const QString& pin) = 0;
    // The remembered PIN was refused: it must never be sent again by itself.
    virtual void Forget() = 0;
};

// The AT command dialogue that prepares the phone before the dial-up service
// dials it: builds the six command lines from the selected entry, opens the
// phone link, wakes the phone, checks that it can do packet data, sends the
// context and QoS lines, judges every answer and closes the link again.
//
// Runs on the UI thread; its waits dispatch pending events so the windows stay
// responsive. Progress and the wait cursor are reported through signals.
class AtSession : public QObject
{
    Q_OBJECT

public:
    static const QString kWriteError; // "Write Error or Can't Open Port"
    static const QString kEntryName;  // "Braxlow"

    AtSession(AppSettings& settings, CComm& link, CIrDASock& irda, CRasDialer& dialer,
              Prompter& prompter, QObject* parent = nullptr);

    // Reads "ConnectInfo", keeps its phone number, user name and password,
    // rebuilds the command lines and stores the entry's DNS servers in the
    // dial-up entry.
    void PrepareConnection();
    // The same from a reading of "ConnectInfo" the caller has made, so that
    // one connect takes all it needs from one reading.
    void PrepareConnection(const ConnectInfo& info);
    // The reading the session was last prepared from.
    const ConnectInfo& Prepared() const { return prepared_; }
    // -1 all commands accepted; 1 the phone link could not be opened; 0 the phone
    // refused (a message has been shown, or the user cancelled the PIN).
    //
    // When a command fails, the phone is asked why (SIM, registration, signal,
    // packet attach) and the message says it. A SIM that wants its PIN gets it
    // once per session, from the PIN source; a PUK is never sent.
    int RunAtSession();
    void SetPinSource(SimPinSource* source) { pinSource_ = source; }
    // The session opens this port instead of the settings' (a test of one
    // port); 0 goes back to the settings.
    void UsePort(int port) { portOverride_ = port; }
    // The message of the last failure, as the user was shown it; empty after
    // a session that passed.
    const QString& LastFailure() const { return lastFailure_; }
    // What the phone said when the last session failed.
    const PhoneStatus::Facts& LastFacts() const { return lastFacts_; }
    // Opens the given port as the session does (locks honoured), after
    // ModemManager let go of the phone behind it.
    // `quick`: without the settle hold the connect's preparation waits out
    // before the phone's first answer, for questions that are not the connect.
    bool OpenPort(int port, bool quick = false);
    // The last failed open was explained in a message of its own (ModemManager
    // refused or did not let go): callers add no message of theirs.
    bool PortFailureExplained() const { return portFailureExplained_; }
    // While true, closing the link keeps the phone away from ModemManager: the
    // connect keeps it through the dial and the time online.
    void KeepPhoneFromModemManager(bool keep) { keepPhone_ = keep; }
    // Gives the phone back to ModemManager, when it let go of it.
    void GiveBackPhone() { modemManager_.GiveBack(); }
    ModemManagerClient& ModemManager() { return modemManager_; }
    // The phone's device went away (unplugged) since the link was opened.
    bool PhoneUnplugged() const;
    // The language string that explains a refused command, from what the phone
    // says about itself; 0 when it tells nothing.
    int ExplainFailure(const QString& refusal) { return Explain(refusal); }
    // Everything the phone has sent since the last command, once `complete`
    // accepts it; empty after `seconds` or when the line drops.
    QString ReadUntil(const std::function<bool(const QString&)>& complete, int seconds);
    bool OpenPhoneLink(bool quick = false);
    void ClosePhoneLink();
    bool CheckPhoneFunction();
    // The phone's answer, empty on a time-out, kWriteError when the line could not
    // be written.
    QString SendAtCommand(const QString& line);
    // Cuts the waits for answers short (the user gave up on a balance): every
    // wait ends at once, with nothing read, until ResetCancel().
    void RequestCancel() { cancelled_ = true; }
    void ResetCancel() { cancelled_ = false; }
    bool Cancelled() const { return cancelled_; }

    // Sees every line written and every answer read (empty: a time-out), with
    // a SIM PIN already masked. For diagnostics; unset costs nothing.
    enum class Direction { Sent, Received };
    using Transcript = std::function<void(Direction direction, const QString& text)>;
    void SetTranscript(Transcript transcript) { transcript_ = std::move(transcript); }
    // The text with the value of every AT+CPIN= line replaced by "****" (a
    // phone that echoes repeats the PIN in its answer).
    static QString MaskPin(const QString& text);
    // An answer to `line` as the transcript shows it: the PIN masked, and of
    // the SIM's identity (AT+CIMI) only the network's five digits.
    static QString MaskSecrets(const QString& line, const QString& answer);

    const QStringList& AtCommandList() const { return commands_; }
    QString PhoneNumber() const { return phoneNumber_; }
    QString UserName() const { return userName_; }
    QString Password() const { return password_; }
    void SetCredentials(const QString& userName, const QString& password);

    // The line parameters the phone link is opened with: the port, the speed, 8
    // data bits, RTS/CTS, no parity, one stop bit.
    static StInitCommInfo LinkParameters(int port, quint32 speed, void* owner = nullptr);

    // The packet-data context number of a QoS text: its first field, 1 when that is
    // missing, not a number or not positive.
    static int ContextId(const QString& qosMin);
    // The string number of the label of the first value that cannot go into a
    // command line (a quote, backslash or control character would end the
    // quoted text or the line and start another command), 0 when all can.
    static int UnsafeField(const QString& apn, const QString& userIp, const QString& qosMin,
                           const QString& qosRequest);
    // The six lines for the given "ConnectInfo" values.
    static QStringList BuildCommands(const QString& apn, const QString& userIp,
                                     const QString& qosMin, const QString& qosRequest,
                                     const QString& phoneNumber);

Q_SIGNALS:
    void statusTextChanged(const QString& text);
    void busyChanged(bool busy); // show or end the wait cursor

private:
    enum class Unlock { Unlocked, Cancelled, Refused, NotReady };
    // The index of the command that failed and its answer; -1 when all passed.
    int SendPreparedCommands(QString& refusal);
    bool KnowsCommand(const QString& testLine);
    int Explain(const QString& refusal);
    Unlock UnlockSim();
    void Fail(const QString& text);
    // Why a phone that answered nothing failed: unplugged, its port taken by
    // another program, or the plain text for a refusal.
    QString SilenceText(const QString& refusal, int fallback) const;
    void WakePhone();
    bool PollForOk();
    QString Text(int id) const;

    AppSettings& settings_;
    CComm& link_;
    CIrDASock& irda_;
    CRasDialer& dialer_;
    Prompter& prompter_;
    QStringList commands_;
    int unsafeField_ = 0;
    SimPinSource* pinSource_ = nullptr;
    Transcript transcript_;
    int portOverride_ = 0;
    PhoneStatus::Facts lastFacts_;
    ModemManagerClient modemManager_;
    bool keepPhone_ = false;
    bool portFailureExplained_ = false;
    bool cancelled_ = false;
    QString lastFailure_;
    ConnectInfo prepared_;
    QString phoneNumber_;
    QString userName_;
    QString password_;
};
