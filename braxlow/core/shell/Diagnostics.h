// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/HistoryStore.h"

#include <QString>
#include <QStringList>

class AppSettings;
class DataStore;

// Hides what a report for support must never show: every secret the program
// knows of by value (the entries' passwords, SIM PINs and balance codes, the
// one typed for this connection), and by its shape what a phone or pppd may
// say of them: the values of PIN, PUK and USSD commands, pppd's shown
// passwords, and the SIM's and the phone's numbers (IMSI, IMEI: long runs of
// digits, of which the first five stay, the network's code).
class SecretMask
{
public:
    static const QString kMask; // "****"

    // Values shorter than three characters are left: they would hide every
    // "1" of the report without hiding anything.
    void Add(const QString& secret);
    // The passwords, PINs and balance codes kept for every entry.
    void AddStored(DataStore& data);
    QString Apply(const QString& text) const;

private:
    QStringList secrets_;
};

namespace Diagnostics {

// The file the last phone test is kept in, beside the user's data, masked.
QString LastProbePath(const AppSettings& settings);
bool SaveLastProbe(const AppSettings& settings, const QString& text, const SecretMask& mask);

// The pppd lines of a dial and the AT transcript of its phone session, as a
// failure's details show them.
QString FailureDetails(const HistoryStore::Record& record);

// The whole plain-text report: versions, the system, the user's groups, the
// ports, the configured phone and whether ModemManager may hold it, the last
// phone test and the last failed connection; passed through `mask`.
QString Report(AppSettings& settings, DataStore& data, const HistoryStore& history, const SecretMask& mask);

// `pppd --version`, or why it could not be asked.
QString PppdVersion(const QString& pppd = QStringLiteral("pppd"));

} // namespace Diagnostics
