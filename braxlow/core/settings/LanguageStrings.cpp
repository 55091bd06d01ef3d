// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/LanguageStrings.h"

#include "core/settings/ProgramStrings.h"
#include "core/settings/Prompter.h"

#include <QTranslator>

const QString kErrorLoadingResource = QStringLiteral("Error loading resource.");

namespace {
// Older tables still carry the product's earlier names.
const char* const kLegacyNames[] = {"Dunmorrow", "Dun Morrow", "Tessi Van", "Tessivan"};
} // namespace

QString LoadLanguageString(const QTranslator* module, int id)
{
    QString text = LookUpLanguageString(module, id);
    if (text.isEmpty())
        return kErrorLoadingResource;
    for (const char* legacy : kLegacyNames)
        text.replace(QLatin1String(legacy), QLatin1String("Braxlow"), Qt::CaseSensitive);
    return text;
}

QString LoadLanguageStringOrWarn(const QTranslator* module, int id, Prompter& prompter)
{
    if (module == nullptr)
        return kErrorLoadingResource;
    const QString text = LookUpLanguageString(module, id);
    if (text.isEmpty()) {
        prompter.Message(ProgramStrings::Text(ProgramStrings::kStringMissing));
        return QString();
    }
    return text;
}
