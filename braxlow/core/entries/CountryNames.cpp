// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/CountryNames.h"

#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

const QString CountryNames::kFileName = QStringLiteral("Lang/Countries.tsv");

namespace {

// Whatever the file holds, a name is one short line of text.
bool Plain(const QString& text)
{
    return text.size() <= 100 && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
           });
}

} // namespace

CountryNames CountryNames::Load(const QString& path)
{
    CountryNames table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return table;
    int columns = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(4096)).remove(QLatin1Char('\n'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (columns == 0) {
            // The heading: code, English, then the languages.
            if (cells.size() < 2 || cells.at(0) != QLatin1String("code"))
                return table;
            columns = int(cells.size());
            table.languages_ = cells.mid(2);
            continue;
        }
        if (cells.size() != columns || cells.at(1).isEmpty() ||
            !std::all_of(cells.cbegin(), cells.cend(), Plain))
            continue;
        const QString code = cells.at(0).toUpper();
        if (!code.isEmpty() && !table.byCode_.contains(code))
            table.byCode_.insert(code, cells.at(1));
        table.names_.insert(cells.at(1).toCaseFolded(), cells.mid(2));
    }
    return table;
}

int CountryNames::ColumnOf(const QTranslator* module) const
{
    if (module == nullptr)
        return -1;
    // "de_DE" is "de"; "pt_BR" and "zh_TW" have columns of their own.
    const QString language = module->language().replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype exact = languages_.indexOf(language);
    return int(exact >= 0 ? exact : languages_.indexOf(language.section(QLatin1Char('_'), 0, 0)));
}

QString CountryNames::Lookup(const QString& english, int column) const
{
    const auto it = names_.constFind(english.toCaseFolded());
    return it == names_.cend() ? QString() : it->value(column);
}

QString CountryNames::Shown(const QString& english, const QTranslator* module) const
{
    const int column = ColumnOf(module);
    if (column < 0)
        return english;
    // The built-in list's variants of a country: "Serbia(Cyrillic)".
    static const QRegularExpression variant(
        QStringLiteral("^(.*\\S)\\s*\\((Cyrillic|Latin|Bokmal|Nynorsk|International Sort)\\)$"));
    const struct
    {
        const char* name;
        int id;
    } variants[] = {{"Cyrillic", Str::CountryCyrillic},
                    {"Latin", Str::CountryLatin},
                    {"Bokmal", Str::CountryBokmal},
                    {"Nynorsk", Str::CountryNynorsk},
                    {"International Sort", Str::CountryInternationalSort}};
    const QRegularExpressionMatch m = variant.match(english);
    if (m.hasMatch()) {
        const QString base = Lookup(m.captured(1), column);
        for (const auto& v : variants) {
            const QString format = LookUpLanguageString(module, v.id);
            if (m.captured(2) == QLatin1String(v.name) && !base.isEmpty() && format.contains(QLatin1String("%1")))
                return format.arg(base);
        }
        return english;
    }
    const QString shown = Lookup(english, column);
    if (!shown.isEmpty())
        return shown;
    // Regions iso-codes does not name.
    const int region = english == QLatin1String("Caribbean")   ? Str::CountryCaribbean
                       : english == QLatin1String("Tatarstan") ? Str::CountryTatarstan
                                                               : 0;
    const QString named = region != 0 ? LookUpLanguageString(module, region) : QString();
    return named.isEmpty() ? english : named;
}

QString CountryNames::ForCode(const QString& code) const
{
    return byCode_.value(code.toUpper());
}

QString CountryNames::ForLocale(const QLocale& locale) const
{
    if (locale.territory() == QLocale::AnyTerritory)
        return QString();
    return ForCode(QLocale::territoryToCode(locale.territory()));
}
