// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/EntrySimPin.h"

#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"

EntrySimPin::EntrySimPin(AppSettings& settings, DataStore& data, Prompt prompt)
    : settings_(settings), data_(data), prompt_(std::move(prompt))
{
}

int EntrySimPin::EntryId() const
{
    return settings_.LoadConnectInfo().CID;
}

QString EntrySimPin::Remembered()
{
    if (EntryId() <= 0)
        return QString();
    const std::optional<DataStore::EntryExtras> extras = data_.LoadExtras(EntryId());
    return extras ? extras->simPin : QString();
}

std::optional<SimPinSource::Entered> EntrySimPin::Ask(int attemptsLeft)
{
    return prompt_ ? prompt_(attemptsLeft) : std::nullopt;
}

void EntrySimPin::Remember(const QString& pin)
{
    if (EntryId() > 0)
        data_.SaveSimPin(EntryId(), pin);
}

void EntrySimPin::Forget()
{
    if (EntryId() > 0)
        data_.SaveSimPin(EntryId(), QString());
}
