// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class AppSettings;
class CComm;
class CIrDASock;
class CRasDialer;
class Prompter;
struct StInitCommInfo;

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
    // -1 all commands accepted; 1 the phone link could not be opened; 0 the phone
    // refused (a message has been shown).
    int RunAtSession();
    bool OpenPhoneLink();
    void ClosePhoneLink();
    bool CheckPhoneFunction();
    // The phone's answer, empty on a time-out, kWriteError when the line could not
    // be written.
    QString SendAtCommand(const QString& line);
    static void PumpOneMessage();

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
    QString phoneNumber_;
    QString userName_;
    QString password_;
};
