// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanguageLookup.h"

#include <QLocale>
#include <QString>

class QTranslator;
class Prompter;

// The text every caller gets when a string cannot be had.
extern const QString kErrorLoadingResource;

// String `id` of the language module: at most 255 characters, with the product's
// legacy names replaced by "Braxlow"; "Error loading resource." when the module is
// null or has no (non-empty) string `id`.
QString LoadLanguageString(const QTranslator* module, int id);

// The locale of the module's language, for sorting and numbers as its readers
// expect them; English without a module.
QLocale ModuleLocale(const QTranslator* module);

// A window's label as a name inside a message: without its accelerator ("&N",
// or the "(&N)" East Asian tables put after the word) and without the colon that
// ends it, in whichever script's form ("：" in Chinese).
QString PlainLabel(const QString& label);

// The About box's variant: no legacy-name replacement; a missing string shows the
// program's own message 1004 and gives an empty text; a null module gives
// "Error loading resource.".
QString LoadLanguageStringOrWarn(const QTranslator* module, int id, Prompter& prompter);
