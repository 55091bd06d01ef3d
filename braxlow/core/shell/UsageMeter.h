// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/AllowanceStore.h"

#include <QDate>
#include <QString>

class QTranslator;
class SettingsStore;

// The traffic of the current connection and of the entry's month. The month's
// figures live in the settings under "Braxlow/Usage/<entry id>" and are written
// whenever a reading changed them, so a program that is killed has lost at most
// the last reading. Counts both directions; a megabyte is 1024 × 1024 bytes.
class UsageMeter
{
public:
    explicit UsageMeter(SettingsStore& store) : store_(store) {}

    // A connection of the entry came up; entry 0 counts the connection only.
    void Begin(int entryId, const QDate& today);
    // A reading of the link's interface counters. Returns 80 or 100 when it took
    // the month across that share of the allowance (once a month each), else 0.
    int Sample(quint64 received, quint64 sent, const QDate& today);
    void End() { active_ = false; }

    bool Active() const { return active_; }
    // Whether the month is counted (the connection has an entry).
    bool Counting() const { return active_ && entryId_ > 0; }
    quint64 SessionReceived() const { return sessionReceived_; }
    quint64 SessionSent() const { return sessionSent_; }
    quint64 MonthTotal() const { return monthReceived_ + monthSent_; }
    QDate Period() const { return period_; }
    const DataCap& Cap() const { return cap_; }
    // The month's share of the allowance in percent; 0 without one.
    int Percent() const;

private:
    void Load(const QDate& today);
    bool RollOver(const QDate& today);
    bool Save();

    SettingsStore& store_;
    bool active_ = false;
    int entryId_ = 0;
    DataCap cap_;
    QDate period_;
    quint64 lastReceived_ = 0;
    quint64 lastSent_ = 0;
    quint64 sessionReceived_ = 0;
    quint64 sessionSent_ = 0;
    quint64 monthReceived_ = 0;
    quint64 monthSent_ = 0;
    int warned_ = 0;
};

namespace UsageFormat {

// How a language writes sizes: its units and its decimal mark. The digits
// stay ASCII in every language, as every other number the program shows.
struct ByteUnits
{
    QString names[5] = {QStringLiteral("B"), QStringLiteral("kB"), QStringLiteral("MB"), QStringLiteral("GB"),
                        QStringLiteral("TB")};
    QChar decimalPoint = QLatin1Char('.');

    // The units of the table (string 3232, "B|kB|MB|GB|TB") and the decimal
    // comma of a language that writes one; English where the table has none.
    static ByteUnits Of(const QTranslator* module);
};

// "512 B", "12.3 kB", "1.2 MB", "3.40 GB" (in English).
QString Bytes(quint64 bytes, const ByteUnits& units = ByteUnits());
// "0:00:05", "27:03:04".
QString Duration(qint64 seconds);

} // namespace UsageFormat
