// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/DialupController.h"

#include "core/dialup/CRasDialer.h"
#include "core/dialup/ModemRegistry.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/MessagePump.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "phonelink/CIrDASock.h"

#include <QThread>

const QString DialupController::kEntryName = QStringLiteral("Braxlow");
const QString DialupController::kDeviceName = QStringLiteral("Korvane GPRS MODEM");

DialupController::DialupController(AppSettings& settings, CRasDialer& dialer, CIrDASock& irda,
                                   Prompter& prompter, int platformKind, QObject* parent)
    : QObject(parent), settings_(settings), dialer_(dialer), irda_(irda), prompter_(prompter),
      platformKind_(platformKind)
{
}

QString DialupController::Text(int id) const
{
    return LoadLanguageString(settings_.LanguageModule(), id);
}

bool DialupController::EnsureDialupEntry(const QString& phoneNumber)
{
    const int created = dialer_.CreateEntry(kEntryName, QStringLiteral("modem"), kDeviceName,
                                            Ras::kNetProtocolIp, Ras::kFramingPpp, phoneNumber,
                                            QString());
    if (created == Ras::kAlreadyExists)
        return true; // an existing entry is left as it is
    if (dialer_.SetEntryOptions(kEntryName, Ras::kRemoteDefaultGateway | Ras::kModemLights, true,
                                QString()) == Ras::kSuccess)
        return true;
    Q_EMIT statusTextChanged(Text(Str::StatusDialupEntryFailed));
    Q_EMIT connectEnabled(true);
    return false;
}

bool DialupController::BindEntryToModem()
{
    ModemRegistry modems;
    if (settings_.Port() == 0 && platformKind_ == 5) {
        irda_.IrDAOpen();
        int port = irda_.IrPortSearch();
        if (port == -1)
            port = settings_.IrPort();
        settings_.SaveIrPort(port);
        settings_.SavePort(0);
        const QString modem = modems.FindModemForPort(QStringLiteral("COM%1").arg(port));
        dialer_.SetEntryDevice(kEntryName, modem, QStringLiteral("modem"), QString());
        return true;
    }
    const int port = settings_.Port() != 0 ? settings_.Port() : settings_.IrPort();
    const QString portName = QStringLiteral("COM%1").arg(port);
    if (platformKind_ == 3) {
        modems.AttachModemToPort(portName);
        return true;
    }
    dialer_.SetEntryDevice(kEntryName, modems.FindModemForPort(portName), QStringLiteral("modem"),
                           QString());
    return true;
}

int DialupController::DialAndWait(const QString& phoneNumber, const QString& userName,
                                  const QString& password)
{
    errors_->codes = 0;
    // Called on the dialer's thread: only the first error of the dial is kept.
    auto notifier = [errors = errors_](quint32, unsigned, int, int error, int extended) {
        quint64 none = 0;
        if (error != 0)
            errors->codes.compare_exchange_strong(none, DialErrors::Pack(error, extended));
    };
    dialer_.Dial(kEntryName, notifier, phoneNumber, userName, password, QString(), QString());

    QString previous;
    for (;;) {
        PumpOneMessage();
        QString text;
        bool connected = false;
        const int ends = dialer_.PollStatus(text, connected);
        if (text != previous)
            Q_EMIT statusTextChanged(text);
        QThread::msleep(100);
        if (errors_->codes != 0)
            break;
        previous = text;
        if (ends != 0)
            return connected ? 1 : 0;
    }

    QString error;
    dialer_.GetErrorText(DialError(), DialExtendedError(), error);
    Q_EMIT statusTextChanged(error);
    if (failureDetails_)
        prompter_.ShowFailure(error, QString(), failureDetails_(DialError(), error));
    else
        prompter_.Show(error, QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
    Q_EMIT statusTextChanged(QStringLiteral("Braxlow ") + Text(Str::CouldNotConnect));
    Q_EMIT connectedChanged(false);
    dialer_.HangUp(kEntryName);
    Q_EMIT connectEnabled(true);
    Q_EMIT entrySetupEnabled(true);
    return 0;
}
