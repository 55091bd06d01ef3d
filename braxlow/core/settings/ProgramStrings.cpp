// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ProgramStrings.h"

namespace ProgramStrings {

QString Text(int id)
{
    switch (id) {
    case kStringMissing:
        return QStringLiteral("A text is missing from the language file. "
                              "Reinstall Braxlow or choose another language.");
    case kLanguageModuleMissing:
        return QStringLiteral("The language file could not be loaded. Texts are shown as "
                              "\"Error loading resource.\" until you choose another language "
                              "or reinstall Braxlow.");
    default:
        return QString();
    }
}

} // namespace ProgramStrings
