// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

class SettingsStore;

// An entry's monthly allowance: none while megabytes is 0. The month starts on
// startDay, or on the month's last day when it is shorter.
struct DataCap
{
    int megabytes = 0;
    int startDay = 1;

    static constexpr int kMaxMegabytes = 10'000'000;
    bool operator==(const DataCap& o) const { return megabytes == o.megabytes && startDay == o.startDay; }
};

// Where an entry's allowance and month live in the settings: under
// "Braxlow/Usage/<entry id>", beside the month's figures the usage meter keeps.
class AllowanceStore
{
public:
    static QString KeyOf(int entryId);
    static DataCap LoadCap(const SettingsStore& store, int entryId);
    static bool SaveCap(SettingsStore& store, int entryId, const DataCap& cap);
    // When the entry goes: a later entry may get its number.
    static bool Forget(SettingsStore& store, int entryId);
    // The first day of the month that holds `day`.
    static QDate PeriodStart(const QDate& day, int startDay);
};
