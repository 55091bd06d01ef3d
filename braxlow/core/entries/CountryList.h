// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The pseudo-items of the country and provider boxes.
extern const QString kOthers; // "[Others]"
extern const QString kBackToPresets; // ".."

// The built-in list of 113 country names offered when the presets do not have the
// user's country, in the order they are added.
const QStringList& BuiltInCountries();
