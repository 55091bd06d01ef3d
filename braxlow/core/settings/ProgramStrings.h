// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The few texts that live in the program itself rather than in a language table,
// because they report that the language table could not be used.
namespace ProgramStrings {

constexpr int kStringMissing = 1004;
constexpr int kLanguageModuleMissing = 1014;

QString Text(int id);

} // namespace ProgramStrings
