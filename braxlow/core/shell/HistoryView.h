// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/HistoryStore.h"

#include <QDate>
#include <QList>
#include <QString>

class QTranslator;
class SettingsStore;

// What the history window shows, worked out without a window: how an attempt
// ended in the user's language, and the allowance month of one entry as bars.
namespace HistoryView {

QString OutcomeText(const HistoryStore::Record& record, const QTranslator* module);

struct Month
{
    QDate start;              // the allowance month's first day
    QList<quint64> days;      // bytes both ways, one per day of the month
    int allowanceMegabytes = 0; // 0: none set (or every entry at once)
};
// Entry 0: every entry, without an allowance.
Month MonthOf(const HistoryStore& history, const SettingsStore& store, int entryId, const QDate& today);
// The same from the entry's records, already read.
Month MonthOf(const QList<HistoryStore::Record>& records, const SettingsStore& store, int entryId, const QDate& today);

} // namespace HistoryView
