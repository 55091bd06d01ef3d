// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/AllowanceStore.h"

#include <QDate>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class QTranslator;
class SettingsStore;

// The traffic of the current connection and of the entry's month. The month's
// figures live in the settings under "Braxlow/Usage/<entry id>". They are
// written on a thread of the meter's own, at most every kSaveIntervalMs while
// readings change them, and at once when the connection ends and when the
// meter goes, so the window never waits for the disk and a program that is
// killed has lost at most the last seconds. Counts both directions; a megabyte
// is 1024 × 1024 bytes.
class UsageMeter
{
public:
    static constexpr int kSaveIntervalMs = 2000;

    // `saveFailed` is called (on the meter's thread) the first time the month
    // cannot be written.
    explicit UsageMeter(SettingsStore& store, std::function<void()> saveFailed = {});
    // Writes what is still to be written.
    ~UsageMeter();
    UsageMeter(const UsageMeter&) = delete;
    UsageMeter& operator=(const UsageMeter&) = delete;

    // Told the connection's counts on the meter's thread, each time the
    // month is written (and for an entry-less connection all the same).
    using SessionWriter = std::function<void(quint64 received, quint64 sent)>;
    // A connection of the entry came up; entry 0 counts the connection only.
    void Begin(int entryId, const QDate& today, SessionWriter session = {});
    // A reading of the link's interface counters. Returns 80 or 100 when it took
    // the month across that share of the allowance (once a month each), else 0.
    int Sample(quint64 received, quint64 sent, const QDate& today);
    // The connection ended: the month is written now.
    void End();
    // Waits until everything handed to the writer is on disk (before the
    // month is read or its entry changed by anyone else).
    void Settle();

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
    struct Month
    {
        int entryId = 0;
        QDate period;
        quint64 received = 0, sent = 0;
        int warned = 0;
        quint64 sessionReceived = 0, sessionSent = 0;
    };
    void Load(const QDate& today);
    bool RollOver(const QDate& today);
    // Hands the month to the writer; `now`: without waiting for the interval.
    void Save(bool now = false);
    void WriteLoop();

    SettingsStore& store_;
    std::function<void()> saveFailed_;
    std::mutex writeMutex_; // guards the fields below it
    std::condition_variable writeWake_;
    std::optional<Month> due_;
    SessionWriter session_;
    bool urgent_ = false;
    bool writing_ = false;
    bool stop_ = false;
    bool failureTold_ = false;
    std::thread writer_;

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
