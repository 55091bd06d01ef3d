// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class DatabaseConnection;

// What each connection attempt did, in table [History] of the user's data
// (BXUSER.mdb; the entry table is left as it is). A row is made when the
// attempt starts, its counts are written while the line is up, as the
// month's are, and it is finished with how it ended; a row still open when
// the program starts belongs to a copy that was killed, and says so. Only the
// last kKept rows are kept. Texts are stored as given: the caller masks them.
// Every call opens the file for itself, so any thread may call.
class HistoryStore
{
public:
    static constexpr int kKept = 1000;

    enum class Outcome { Running = 0, HungUp = 1, Dropped = 2, Failed = 3, Canceled = 4, Interrupted = 5 };

    struct Record
    {
        qint64 seq = 0;
        int entryId = 0;
        QString connectName;
        QDateTime started, ended; // UTC
        qint64 seconds = 0;       // online
        quint64 received = 0, sent = 0;
        Outcome outcome = Outcome::Running;
        int errorCode = 0;
        QString errorText;
        QString atTranscript, pppdLines; // kept for failures only
    };

    explicit HistoryStore(QString databasePath);

    // The new row's number; 0 when it could not be written.
    qint64 Begin(int entryId, const QString& connectName, const QDateTime& started);
    bool Count(qint64 seq, qint64 seconds, quint64 received, quint64 sent);
    bool Finish(const Record& record);
    // Rows left open by a copy that ended without finishing them.
    int CloseInterrupted();

    // Newest first; entry 0: every entry. The transcripts only when asked.
    QList<Record> Load(int entryId = 0, int limit = kKept, bool transcripts = false) const;
    std::optional<Record> LastFailure() const;
    // Bytes in both directions per day from `from` to `to`, by the day the
    // connection started, for one entry (0: all).
    QList<quint64> DailyTraffic(int entryId, const QDate& from, const QDate& to) const;
    // The same of records already read.
    static QList<quint64> DailyTraffic(const QList<Record>& records, const QDate& from, const QDate& to);

    QString LastError() const { return lastError_; }

private:
    bool EnsureTable(DatabaseConnection& set);

    QString path_;
    mutable QString lastError_;
};
