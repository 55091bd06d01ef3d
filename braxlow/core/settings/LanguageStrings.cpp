// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/LanguageStrings.h"

#include "core/settings/ProgramStrings.h"
#include "core/settings/Prompter.h"

#include <QRegularExpression>
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

QLocale ModuleLocale(const QTranslator* module)
{
    const QString name = module != nullptr ? module->language() : QString();
    return name.isEmpty() ? QLocale(QLocale::English) : QLocale(name);
}

QString PlainLabel(const QString& label)
{
    static const QRegularExpression eastAsian(QStringLiteral("\\s*[(\\x{FF08}]&[^&][)\\x{FF09}]"));
    // ':', the full-width '：' and the small and vertical forms.
    static const QRegularExpression colon(QStringLiteral("[\\s\\x{00A0}\\x{202F}]*[:\\x{FF1A}\\x{FE55}\\x{FE13}][\\s\\x{00A0}\\x{202F}]*$"));
    QString text = QString(label).remove(eastAsian);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "&&" is a '&' of the text itself.
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        plain += text.at(i);
    }
    return plain.remove(colon).trimmed();
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
