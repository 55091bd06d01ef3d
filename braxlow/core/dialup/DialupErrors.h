// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The dial-up service's own texts for its error codes (what RasGetErrorString
// gives on Windows). Empty for a code it does not know.
QString DialupErrorText(int code);
