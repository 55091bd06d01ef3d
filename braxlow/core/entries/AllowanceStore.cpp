// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/AllowanceStore.h"

#include "core/settings/SettingsStore.h"

#include <QVariant>

#include <algorithm>

namespace {

QVariant Dword(int value)
{
    return QVariant::fromValue<quint32>(quint32(value));
}

} // namespace

QString AllowanceStore::KeyOf(int entryId)
{
    return QStringLiteral("Braxlow/Usage/%1").arg(entryId);
}

DataCap AllowanceStore::LoadCap(const SettingsStore& store, int entryId)
{
    DataCap cap;
    const QString key = KeyOf(entryId);
    cap.megabytes = std::clamp(store.ReadDword(key, QStringLiteral("AllowanceMB")).value_or(0), 0,
                               DataCap::kMaxMegabytes);
    cap.startDay = std::clamp(store.ReadDword(key, QStringLiteral("StartDay")).value_or(1), 1, 31);
    return cap;
}

bool AllowanceStore::SaveCap(SettingsStore& store, int entryId, const DataCap& cap)
{
    return store.WriteValues(KeyOf(entryId),
                             {{QStringLiteral("AllowanceMB"), Dword(std::clamp(cap.megabytes, 0, DataCap::kMaxMegabytes))},
                              {QStringLiteral("StartDay"), Dword(std::clamp(cap.startDay, 1, 31))}});
}

bool AllowanceStore::Forget(SettingsStore& store, int entryId)
{
    return store.ReplaceValues(KeyOf(entryId), {});
}

QDate AllowanceStore::PeriodStart(const QDate& day, int startDay)
{
    startDay = std::clamp(startDay, 1, 31);
    const QDate first(day.year(), day.month(), 1);
    const QDate here(day.year(), day.month(), std::min(startDay, first.daysInMonth()));
    if (here <= day)
        return here;
    const QDate before = first.addMonths(-1);
    return QDate(before.year(), before.month(), std::min(startDay, before.daysInMonth()));
}
