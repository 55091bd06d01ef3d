// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/PhoneStatus.h"

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class AtSession;
class DataStore;
class QTranslator;

// What a test of one phone port found, for people (labelled rows in the
// current language) and for scripts (JSON with fixed keys and values). The
// test itself opens the port as a session does, asks the phone everything it
// can tell and closes the port again.
class PhoneReport
{
public:
    // Country and provider names for an IMSI; empty when unknown.
    using ProviderLookup = std::function<QPair<QString, QString>(const QString& imsi)>;

    // The values are the braxlow-phone exit codes.
    enum class Outcome { Ready = 0, Problem = 1, PortUnavailable = 3, NoAnswer = 4 };

    PhoneReport(const QString& port, const QString& device);

    // The names from the preset database's network codes: the country, and the
    // providers that share the code.
    static ProviderLookup PresetNames(DataStore& data);

    // Opens COM`port`, asks the phone and closes the port. A port that cannot
    // be opened names the program that holds it where one does.
    static PhoneReport Probe(AtSession& session, int port, const ProviderLookup& lookup,
                             const QString& uucpLockDirectory = QString());

    void SetFacts(const PhoneStatus::Facts& facts, const ProviderLookup& lookup);
    // The port could not be opened; `holderPid` 0 when nobody is known to hold it.
    void SetPortUnavailable(const QString& holderName, qint64 holderPid);
    // The USB device behind the port as udev describes it ("f00d:0800").
    void SetUsbDevice(const QString& id, const QString& maker, const QString& model);

    Outcome Result() const;
    // The language string that sums the test up; 0 for a port that could not
    // be opened without a known holder (the caller's generic message applies).
    int ResultTextId() const;
    // The summary line in the given language.
    QString ResultText(const QTranslator* language) const;

    // Label and value, in order, for a window or a terminal.
    QList<QPair<QString, QString>> Rows(const QTranslator* language) const;
    QString Text(const QTranslator* language) const;
    // Every key is always present; unknown values are empty texts or null.
    QJsonObject Json(const QTranslator* language) const;

    const PhoneStatus::Facts& Facts() const { return facts_; }

    // The braxlow-phone exit code for several ports: 0 when all are ready,
    // else the lowest non-zero code among them; 4 for none at all.
    static int ExitCode(const QList<Outcome>& outcomes);

private:
    QString port_;
    QString device_;
    PhoneStatus::Facts facts_;
    QString mcc_, mnc_, country_, provider_;
    QString usbId_, usbMaker_, usbModel_;
    bool portUnavailable_ = false;
    QString holderName_;
    qint64 holderPid_ = 0;
};
