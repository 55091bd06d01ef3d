// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/CountryList.h"

const QString kOthers = QStringLiteral("[Others]");
const QString kBackToPresets = QStringLiteral("..");

const QStringList& BuiltInCountries()
{
    static const QStringList countries = {
        "Albania", "Algeria", "Argentina", "Armenia", "Australia", "Austria",
        "Azerbaijan(Cyrillic)", "Azerbaijan(Latin)", "Bahrain", "Belarus", "Belgium", "Belize",
        "Bolivia", "Brazil", "Brunei Darussalam", "Bulgaria", "Canada", "Caribbean", "Chile",
        "China", "Colombia", "Costa Rica", "Croatia", "Czech Republic", "Denmark",
        "Dominican Repubic", "Ecuador", "Egypt", "El Salvador", "Estonia", "Faeroe Islands",
        "Finland", "Former Yugoslav Republic of Macedonia", "France", "Georgia", "Germany",
        "Greece", "Guatemala", "Honduras", "Hong Kong", "Hungary", "Iceland", "India",
        "Indonesia", "Iran", "Iraq", "Ireland", "Israel", "Italy", "Jamaica", "Japan", "Jordan",
        "Kazakstan", "Kenya", "Korea", "Kuwait", "Latvia", "Lebanon", "Liechtenstein",
        "Lithuania", "Luxembourg", "Macau", "Malaysia", "Mexico", "Monaco", "Morocco",
        "Netherlands", "New Zealand", "Nicaragua", "Norway(Bokmal)", "Norway(Nynorsk)", "Oman",
        "PRC", "Pakistan", "Panama", "Paraguay", "Peru", "Philippines", "Poland", "Portugal",
        "Puerto Rico", "Qatar", "Romania", "Russia", "Saudi Arabia", "Serbia(Cyrillic)",
        "Serbia(Latin)", "Singapore", "Slovakia", "Slovenia", "South Africa", "Spain",
        "Spain(International Sort)", "Sweden", "Switzerland", "Syria", "Taiwan", "Tatarstan",
        "Thailand", "Trinidad", "Tunisia", "Turkey", "U.A.E", "Ukraine", "United Kingdom",
        "United States", "Uruguay", "Uzbekistan(Cyrillic)", "Uzbekistan(Latin)", "Venezuela",
        "Viet Nam", "Yemen", "Zimbabwe"};
    return countries;
}
