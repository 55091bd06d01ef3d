// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/AtSession.h"

#include <functional>

class AppSettings;
class DataStore;

// The PIN source of a connect: the PIN remembered for the selected entry (in
// the user database, beside its password), else the prompt.
class EntrySimPin : public SimPinSource
{
public:
    using Prompt = std::function<std::optional<Entered>(int attemptsLeft)>;
    EntrySimPin(AppSettings& settings, DataStore& data, Prompt prompt);

    QString Remembered() override;
    std::optional<Entered> Ask(int attemptsLeft) override;
    void Remember(const QString& pin) override;
    void Forget() override;

private:
    int EntryId() const;

    AppSettings& settings_;
    DataStore& data_;
    Prompt prompt_;
};
