// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/EntryList.h"

namespace {

int markedRow = -1;

const char* const kHeaders[] = {"Connect Name", "Country", "Network Provider", "APN Name", "Phone Number",
                                "User Name", "Password", "Check Password", "UserIPAddr", "PrimaryDNS",
                                "SecondDNS", "QoSmin", "QoSreq", "ID"};

} // namespace

EntryList::EntryList(QObject* parent)
    : QAbstractTableModel(parent)
{
}

QStringList EntryList::ColumnsOf(const ConnectionEntry& e)
{
    return {e.ConnectName, e.Country, e.ProviderName, e.APNName, e.PhoneNumber, e.UserName, e.Password,
            QString::number(e.CheckPasswd), e.UserIPAddr, e.PrimaryDNS, e.SecondDNS, e.QoSMin,
            e.QoSRequest, QString::number(e.ID)};
}

ConnectionEntry EntryList::EntryOf(const QStringList& c)
{
    ConnectionEntry e;
    e.ConnectName = c.at(Name);
    e.Country = c.at(Country);
    e.ProviderName = c.at(Provider);
    e.APNName = c.at(Apn);
    e.PhoneNumber = c.at(Phone);
    e.UserName = c.at(User);
    e.Password = c.at(Password);
    e.CheckPasswd = DecimalPrefix(c.at(CheckPassword));
    e.UserIPAddr = c.at(UserIp);
    e.PrimaryDNS = c.at(PrimaryDns);
    e.SecondDNS = c.at(SecondDns);
    e.QoSMin = c.at(QosMin);
    e.QoSRequest = c.at(QosRequest);
    e.ID = DecimalPrefix(c.at(Id));
    return e;
}

ConnectInfo EntryList::InfoOf(const QStringList* columns)
{
    return columns ? ConnectInfoOf(EntryOf(*columns)) : ConnectInfo();
}

void EntryList::Fill(const QList<ConnectionEntry>& entries)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(entries.size());
    for (const ConnectionEntry& e : entries)
        rows_.append(ColumnsOf(e));
    endResetModel();
}

int EntryList::Append(const ConnectionEntry& entry)
{
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    rows_.append(ColumnsOf(entry));
    endInsertRows();
    return row;
}

void EntryList::Rewrite(int row, const ConnectionEntry& entry)
{
    rows_[row] = ColumnsOf(entry);
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void EntryList::Remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    rows_.removeAt(row);
    endRemoveRows();
    // The mark stays with its entry, or goes with it.
    if (markedRow == row)
        markedRow = -1;
    else if (markedRow > row)
        --markedRow;
}

int EntryList::FindExact(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (rows_.at(i).at(Name) == name)
            return i;
    }
    return -1;
}

int EntryList::FindPrefix(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (rows_.at(i).at(Name).startsWith(name, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int EntryList::MarkedRow()
{
    return markedRow;
}

void EntryList::MarkRow(int row)
{
    const int old = markedRow;
    markedRow = row;
    for (int r : {old, row}) {
        if (r >= 0 && r < Count())
            Q_EMIT dataChanged(index(r, 0), index(r, 0));
    }
}

int EntryList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int EntryList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return QVariant();
    if (role == Qt::DisplayRole)
        return rows_.at(index.row()).at(index.column());
    if (role == MarkedRole)
        return index.row() == markedRow;
    return QVariant();
}

QVariant EntryList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}
