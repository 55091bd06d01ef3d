// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class AppSettings;
class CIrDASock;
class CRasDialer;
class Prompter;

// The main window's dial-up work, kept out of the window: making sure the
// phone-book entry "Braxlow" exists, pointing it at the phone's modem, and the
// dial with its wait. What the window shows arrives through the signals.
class DialupController : public QObject
{
    Q_OBJECT

public:
    static const QString kEntryName;  // "Braxlow"
    static const QString kDeviceName; // "Korvane GPRS MODEM"

    DialupController(AppSettings& settings, CRasDialer& dialer, CIrDASock& irda,
                     Prompter& prompter, int platformKind, QObject* parent = nullptr);

    // Creates the entry if needed (options 0x110); false with status 1124.
    bool EnsureDialupEntry(const QString& phoneNumber);
    // Points the entry at the modem of the configured port. Always true.
    bool BindEntryToModem();
    // Dials and waits: 1 connected, 0 not.
    int DialAndWait(const QString& phoneNumber, const QString& userName, const QString& password);

    // The first error the notifier reported during the current dial.
    int DialError() const { return DialErrors::Code(errors_->codes); }
    int DialExtendedError() const { return DialErrors::Extended(errors_->codes); }

    // What the failure's message offers behind "Details...": given the error
    // and its text, called once the dial has failed.
    using FailureDetails = std::function<QString(int error, const QString& text)>;
    void SetFailureDetails(FailureDetails details) { failureDetails_ = std::move(details); }

Q_SIGNALS:
    void statusTextChanged(const QString& text);
    void connectEnabled(bool enabled);
    void entrySetupEnabled(bool enabled);
    void connectedChanged(bool connected);

private:
    QString Text(int id) const;

    AppSettings& settings_;
    CRasDialer& dialer_;
    CIrDASock& irda_;
    Prompter& prompter_;
    int platformKind_;
    // Written by the dialer's thread. Shared with the notifier, which may still
    // run after this object is gone.
    // The error and its extended code are one value, so a reader never sees
    // the one without the other.
    struct DialErrors
    {
        std::atomic<quint64> codes{0};
        static quint64 Pack(int error, int extended) { return (quint64(quint32(error)) << 32) | quint32(extended); }
        static int Code(quint64 codes) { return int(quint32(codes >> 32)); }
        static int Extended(quint64 codes) { return int(quint32(codes)); }
    };
    std::shared_ptr<DialErrors> errors_ = std::make_shared<DialErrors>();
    FailureDetails failureDetails_;
};
