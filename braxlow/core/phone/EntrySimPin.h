// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/AtSession.h"

#include <functional>

class DataStore;

// The PIN source of a connect: the PIN remembered for the entry being
// connected (in the user database, beside its password), else the prompt.
class EntrySimPin : public SimPinSource
{
public:
    using Prompt = std::function<std::optional<Entered>(int attemptsLeft)>;
    // `entry` names the entry the running connect is for.
    EntrySimPin(DataStore& data, std::function<int()> entry, Prompt prompt);

    QString Remembered() override;
    std::optional<Entered> Ask(int attemptsLeft) override;
    void Remember(const QString& pin) override;
    void Forget() override;

private:
    int EntryId() const;

    DataStore& data_;
    std::function<int()> entry_;
    Prompt prompt_;
};
