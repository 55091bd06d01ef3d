// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/ConnectionEntry.h"
#include "core/settings/AppSettings.h"

#include <QAbstractTableModel>
#include <QStringList>

// The rows of the entry list window. Each row carries a whole entry as its
// fourteen column texts, and commands read an entry back from its row, not from
// the database. The row the user took last shows as marked; that mark belongs to
// the run of the program, not to one opening of the window.
class EntryList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Country, Provider, Apn, Phone, User, Password, CheckPassword, UserIp,
                  PrimaryDns, SecondDns, QosMin, QosRequest, Id, ColumnCount };
    // True on the marked row, in the Qt::UserRole data of column 0.
    static constexpr int MarkedRole = Qt::UserRole + 1;

    explicit EntryList(QObject* parent = nullptr);

    static QStringList ColumnsOf(const ConnectionEntry& entry);
    static ConnectionEntry EntryOf(const QStringList& columns);
    // What "ConnectInfo" gets for a row; empty texts and CID 0 without one.
    static ConnectInfo InfoOf(const QStringList* columns);

    void Fill(const QList<ConnectionEntry>& entries);
    int Append(const ConnectionEntry& entry);
    void Rewrite(int row, const ConnectionEntry& entry);
    void Remove(int row);
    int Count() const { return int(rows_.size()); }
    const QStringList& Columns(int row) const { return rows_.at(row); }
    ConnectionEntry EntryAt(int row) const { return EntryOf(rows_.at(row)); }

    // The first row whose name is exactly `name`; -1 when none.
    int FindExact(const QString& name) const;
    // The first row whose name begins with `name`, ignoring case, as a list's own
    // search does; -1 when none.
    int FindPrefix(const QString& name) const;

    // The marked row: -1 for none, once per run of the program.
    static int MarkedRow();
    void MarkRow(int row);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QStringList> rows_;
};
