// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTranslator;

// The dial-up service's own texts for its error codes (what RasGetErrorString
// gives on Windows), from the language module. Empty for a code it does not
// know.
QString DialupErrorText(const QTranslator* module, int code);
