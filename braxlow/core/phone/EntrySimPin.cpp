// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/EntrySimPin.h"

#include "core/entries/DataStore.h"

EntrySimPin::EntrySimPin(DataStore& data, std::function<int()> entry, Prompt prompt)
    : data_(data), entry_(std::move(entry)), prompt_(std::move(prompt))
{
}

int EntrySimPin::EntryId() const
{
    return entry_ ? entry_() : 0;
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
