// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QString>

class QTranslator;

// The raw lookup of a string by number in a language module, shared by the
// program's loaders and the library's own windows: the string cut to 255
// characters, or a null QString when the module is null or has no (non-empty)
// string `id`.
QUARRIN_EXPORT QString LookUpLanguageString(const QTranslator* module, int id);
