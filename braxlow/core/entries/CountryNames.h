// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

// Country names as the user's language writes them, while presets and entries
// keep storing the English ones. The build makes the table (Lang/Countries.tsv)
// from iso-codes' translations, keyed by the very names the presets store, so
// a shown name always stands for its stored one. Without the table, or for a
// name it lacks, the English name is shown.
class CountryNames
{
public:
    static const QString kFileName; // "Lang/Countries.tsv"

    CountryNames() = default;
    // A missing or damaged file gives a table that knows no names.
    static CountryNames Load(const QString& path);

    // `english` in the module's language; `english` itself for English, or
    // where neither the table nor the module has a name for it.
    QString Shown(const QString& english, const QTranslator* module) const;
    // The stored English name of the country with this ISO 3166 code ("DE":
    // "Germany"); empty when the table does not know it.
    QString ForCode(const QString& code) const;
    // The country of the locale's territory, as the presets store it.
    QString ForLocale(const QLocale& locale) const;
    bool IsEmpty() const { return names_.isEmpty(); }

private:
    int ColumnOf(const QTranslator* module) const;
    QString Lookup(const QString& english, int column) const;

    QStringList languages_;                // "de", "zh_CN", ...
    QHash<QString, QStringList> names_;    // by case-folded English name
    QHash<QString, QString> byCode_;
};
