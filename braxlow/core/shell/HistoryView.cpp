// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/HistoryView.h"

#include "core/entries/AllowanceStore.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

namespace HistoryView {

QString OutcomeText(const HistoryStore::Record& record, const QTranslator* module)
{
    using Outcome = HistoryStore::Outcome;
    switch (record.outcome) {
    case Outcome::Running: return LoadLanguageString(module, Str::HistoryRunning);
    case Outcome::HungUp: return LoadLanguageString(module, Str::HistoryHungUp);
    case Outcome::Dropped: return LoadLanguageString(module, Str::HistoryDropped);
    case Outcome::Canceled: return LoadLanguageString(module, Str::HistoryCanceled);
    case Outcome::Interrupted: return LoadLanguageString(module, Str::HistoryInterrupted);
    case Outcome::Failed: break;
    }
    // The first line says it; the rest is for the details.
    return LoadLanguageString(module, Str::HistoryFailed)
        .arg(record.errorCode)
        .arg(record.errorText.section(QLatin1Char('\n'), 0, 0));
}

Month MonthOf(const HistoryStore& history, const SettingsStore& store, int entryId, const QDate& today)
{
    return MonthOf(history.Load(entryId), store, entryId, today);
}

Month MonthOf(const QList<HistoryStore::Record>& records, const SettingsStore& store, int entryId, const QDate& today)
{
    Month month;
    const DataCap cap = entryId > 0 ? AllowanceStore::LoadCap(store, entryId) : DataCap();
    month.start = AllowanceStore::PeriodStart(today, entryId > 0 ? cap.startDay : 1);
    const QDate end = AllowanceStore::PeriodStart(month.start.addDays(40), entryId > 0 ? cap.startDay : 1).addDays(-1);
    month.days = HistoryStore::DailyTraffic(records, month.start, end);
    month.allowanceMegabytes = entryId > 0 ? cap.megabytes : 0;
    return month;
}

} // namespace HistoryView
