// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/HistoryStore.h"

#include "core/entries/DatabaseConnection.h"

#include <QVariant>

#include <utility>

namespace {

constexpr int kTextLimit = 64 * 1024; // a transcript that ran away stays bounded

QString Stamp(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

QDateTime FromStamp(const QString& text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time.toUTC() : QDateTime();
}

QString Bounded(const QString& text)
{
    return text.size() > kTextLimit ? text.right(kTextLimit) : text;
}

const QString kColumns = QStringLiteral("[Seq], [EntryID], [ConnectName], [Started], [Ended], [Seconds], [Received], "
                                        "[Sent], [Outcome], [ErrorCode], [ErrorText], [AtTranscript], [PppdLines]");

HistoryStore::Record FromRow(const QSqlQuery& q)
{
    HistoryStore::Record r;
    r.seq = q.value(0).toLongLong();
    r.entryId = q.value(1).toInt();
    r.connectName = q.value(2).toString();
    r.started = FromStamp(q.value(3).toString());
    r.ended = FromStamp(q.value(4).toString());
    r.seconds = std::max<qint64>(0, q.value(5).toLongLong());
    r.received = q.value(6).toULongLong();
    r.sent = q.value(7).toULongLong();
    const int outcome = q.value(8).toInt();
    // A number this program does not know (a newer copy wrote it) reads as
    // an attempt that ended somehow: never as one still running.
    r.outcome = outcome >= 0 && outcome <= int(HistoryStore::Outcome::Interrupted) ? HistoryStore::Outcome(outcome)
                                                                                   : HistoryStore::Outcome::Interrupted;
    r.errorCode = q.value(9).toInt();
    r.errorText = q.value(10).toString();
    r.atTranscript = q.value(11).toString();
    r.pppdLines = q.value(12).toString();
    return r;
}

} // namespace

HistoryStore::HistoryStore(QString databasePath) : path_(std::move(databasePath)) {}

bool HistoryStore::EnsureTable(DatabaseConnection& set)
{
    if (!set.Check(QStringLiteral("CREATE TABLE IF NOT EXISTS [History] ([Seq] INTEGER PRIMARY KEY AUTOINCREMENT, "
                                  "[EntryID] INTEGER, [ConnectName] TEXT, [Started] TEXT, [Ended] TEXT, "
                                  "[Seconds] INTEGER DEFAULT 0, [Received] INTEGER DEFAULT 0, "
                                  "[Sent] INTEGER DEFAULT 0, [Outcome] INTEGER DEFAULT 0, "
                                  "[ErrorCode] INTEGER DEFAULT 0, [ErrorText] TEXT, [AtTranscript] TEXT, "
                                  "[PppdLines] TEXT)"))) {
        lastError_ = set.Error();
        return false;
    }
    return true;
}

qint64 HistoryStore::Begin(int entryId, const QString& connectName, const QDateTime& started)
{
    lastError_.clear();
    DatabaseConnection set(path_, false);
    if (!EnsureTable(set))
        return 0;
    QSqlQuery q(set.Db());
    if (!set.Db().transaction() ||
        !set.Prepare(q, QStringLiteral("INSERT INTO [History] ([EntryID], [ConnectName], [Started], [Outcome]) "
                                       "VALUES (?, ?, ?, 0)"))) {
        lastError_ = set.Error();
        return 0;
    }
    q.addBindValue(entryId);
    q.addBindValue(connectName);
    q.addBindValue(Stamp(started));
    if (!set.Exec(q)) {
        lastError_ = set.Error();
        set.Db().rollback();
        return 0;
    }
    const qint64 seq = q.lastInsertId().toLongLong();
    QSqlQuery trim(set.Db());
    if (!set.Prepare(trim, QStringLiteral("DELETE FROM [History] WHERE [Seq] <= ?"))) {
        set.Db().rollback();
        lastError_ = set.Error();
        return 0;
    }
    trim.addBindValue(seq - kKept);
    if (!set.Exec(trim) || !set.Db().commit()) {
        lastError_ = set.Error().isEmpty() ? set.Db().lastError().text() : set.Error();
        set.Db().rollback();
        return 0;
    }
    return seq;
}

bool HistoryStore::Count(qint64 seq, qint64 seconds, quint64 received, quint64 sent)
{
    lastError_.clear();
    DatabaseConnection set(path_, false);
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("UPDATE [History] SET [Seconds] = ?, [Received] = ?, [Sent] = ? "
                                       "WHERE [Seq] = ? AND [Outcome] = 0"))) {
        lastError_ = set.Error();
        return false;
    }
    q.addBindValue(seconds);
    q.addBindValue(qint64(std::min<quint64>(received, quint64(INT64_MAX))));
    q.addBindValue(qint64(std::min<quint64>(sent, quint64(INT64_MAX))));
    q.addBindValue(seq);
    if (!set.Exec(q)) {
        lastError_ = set.Error();
        return false;
    }
    return true;
}

bool HistoryStore::Finish(const Record& r)
{
    lastError_.clear();
    DatabaseConnection set(path_, false);
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("UPDATE [History] SET [Ended] = ?, [Seconds] = ?, [Received] = ?, "
                                       "[Sent] = ?, [Outcome] = ?, [ErrorCode] = ?, [ErrorText] = ?, "
                                       "[AtTranscript] = ?, [PppdLines] = ? WHERE [Seq] = ?"))) {
        lastError_ = set.Error();
        return false;
    }
    q.addBindValue(Stamp(r.ended));
    q.addBindValue(r.seconds);
    q.addBindValue(qint64(std::min<quint64>(r.received, quint64(INT64_MAX))));
    q.addBindValue(qint64(std::min<quint64>(r.sent, quint64(INT64_MAX))));
    q.addBindValue(int(r.outcome));
    q.addBindValue(r.errorCode);
    q.addBindValue(r.errorText);
    q.addBindValue(Bounded(r.atTranscript));
    q.addBindValue(Bounded(r.pppdLines));
    q.addBindValue(r.seq);
    if (!set.Exec(q)) {
        lastError_ = set.Error();
        return false;
    }
    return true;
}

int HistoryStore::CloseInterrupted()
{
    lastError_.clear();
    DatabaseConnection set(path_, false);
    if (set.Columns(QStringLiteral("History")).isEmpty())
        return 0;
    QSqlQuery q(set.Db());
    if (!set.Prepare(q, QStringLiteral("UPDATE [History] SET [Outcome] = ? WHERE [Outcome] = 0"))) {
        lastError_ = set.Error();
        return 0;
    }
    q.addBindValue(int(Outcome::Interrupted));
    if (!set.Exec(q)) {
        lastError_ = set.Error();
        return 0;
    }
    return q.numRowsAffected();
}

QList<HistoryStore::Record> HistoryStore::Load(int entryId, int limit, bool transcripts) const
{
    lastError_.clear();
    QList<Record> records;
    DatabaseConnection set(path_, true);
    if (set.Columns(QStringLiteral("History")).isEmpty()) {
        lastError_ = set.Error();
        return records;
    }
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    QString columns = kColumns;
    if (!transcripts)
        columns.replace(QLatin1String("[AtTranscript], [PppdLines]"), QLatin1String("'', ''"));
    if (!set.Prepare(q, QStringLiteral("SELECT %1 FROM [History] %2 ORDER BY [Seq] DESC LIMIT ?")
                            .arg(columns, entryId > 0 ? QStringLiteral("WHERE [EntryID] = ?") : QString()))) {
        lastError_ = set.Error();
        return records;
    }
    if (entryId > 0)
        q.addBindValue(entryId);
    q.addBindValue(std::clamp(limit, 1, kKept));
    if (!set.Exec(q)) {
        lastError_ = set.Error();
        return records;
    }
    while (q.next())
        records << FromRow(q);
    return records;
}

std::optional<HistoryStore::Record> HistoryStore::LastFailure() const
{
    lastError_.clear();
    DatabaseConnection set(path_, true);
    if (set.Columns(QStringLiteral("History")).isEmpty())
        return std::nullopt;
    QSqlQuery q(set.Db());
    q.setForwardOnly(true);
    if (!set.Prepare(q, QStringLiteral("SELECT %1 FROM [History] WHERE [Outcome] = ? ORDER BY [Seq] DESC LIMIT 1")
                            .arg(kColumns))) {
        lastError_ = set.Error();
        return std::nullopt;
    }
    q.addBindValue(int(Outcome::Failed));
    if (!set.Exec(q) || !q.next())
        return std::nullopt;
    return FromRow(q);
}

QList<quint64> HistoryStore::DailyTraffic(int entryId, const QDate& from, const QDate& to) const
{
    return DailyTraffic(Load(entryId, kKept), from, to);
}

QList<quint64> HistoryStore::DailyTraffic(const QList<Record>& records, const QDate& from, const QDate& to)
{
    QList<quint64> days;
    if (!from.isValid() || !to.isValid() || to < from)
        return days;
    days.fill(0, from.daysTo(to) + 1);
    for (const Record& r : records) {
        const QDate day = r.started.toLocalTime().date();
        if (day >= from && day <= to)
            days[from.daysTo(day)] += r.received + r.sent;
    }
    return days;
}
