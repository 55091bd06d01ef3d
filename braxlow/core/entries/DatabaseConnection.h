// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>

// One short-lived connection to a database file; the record-set classes of the
// data store open one per operation and drop it when the operation ends.
class DatabaseConnection
{
public:
    DatabaseConnection(const QString& path, bool readOnly)
        : name_(QStringLiteral("braxlow-%1").arg(counter_.fetchAndAddRelaxed(1)))
    {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        // A URI with a mode, so that a missing file is an error rather than a new
        // empty database.
        db_.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                                .toString(QUrl::FullyEncoded) +
                            (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
        db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!QFileInfo::exists(path))
            error_ = QStringLiteral("%1 does not exist.").arg(QFileInfo(path).fileName());
        else if (!db_.open())
            error_ = db_.lastError().text();
        else
            Check(QStringLiteral("PRAGMA schema_version")); // fails fast on a non-database
    }

    ~DatabaseConnection()
    {
        if (db_.isOpen())
            db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }

    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    bool Ok() const { return error_.isEmpty(); }
    QString Error() const { return error_; }
    QSqlDatabase& Db() { return db_; }

    // Runs a statement; on failure keeps the error and returns false.
    bool Exec(QSqlQuery& q)
    {
        if (!Ok())
            return false;
        if (q.exec())
            return true;
        error_ = q.lastError().databaseText().isEmpty() ? q.lastError().text()
                                                        : q.lastError().databaseText();
        return false;
    }

    // Prepares a statement; a statement the database refuses (a column the file
    // lacks, say) keeps its real cause.
    bool Prepare(QSqlQuery& q, const QString& sql)
    {
        if (!Ok())
            return false;
        if (q.prepare(sql))
            return true;
        error_ = q.lastError().databaseText().isEmpty() ? q.lastError().text()
                                                        : q.lastError().databaseText();
        return false;
    }

    bool Check(const QString& sql)
    {
        QSqlQuery q(db_);
        return Prepare(q, sql) && Exec(q);
    }

    // The columns of a table, in order; empty when it has none (or no table).
    QStringList Columns(const QString& table)
    {
        QStringList names;
        QSqlQuery q(db_);
        if (!Prepare(q, QStringLiteral("SELECT name FROM pragma_table_info(?)")))
            return names;
        q.addBindValue(table);
        if (!Exec(q))
            return names;
        while (q.next())
            names << q.value(0).toString();
        return names;
    }

    // Whether the file has the table with every column the program reads;
    // otherwise says which are missing, so that a file of another shape is
    // refused rather than read wrongly.
    bool RequireColumns(const QString& file, const QString& table, const QStringList& wanted)
    {
        if (!Ok())
            return false;
        const QStringList present = Columns(table);
        if (!Ok())
            return false;
        if (present.isEmpty()) {
            error_ = QStringLiteral("%1 has no table \"%2\": it is not a Braxlow database.").arg(file, table);
            return false;
        }
        QStringList missing;
        for (const QString& column : wanted)
            if (!present.contains(column, Qt::CaseInsensitive))
                missing << column;
        if (!missing.isEmpty()) {
            error_ = QStringLiteral("%1 is not a Braxlow database of this kind: its table \"%2\" lacks %3.")
                         .arg(file, table, missing.join(QStringLiteral(", ")));
            return false;
        }
        return true;
    }

private:
    static inline QAtomicInt counter_;
    QString name_;
    QSqlDatabase db_;
    QString error_;
};

