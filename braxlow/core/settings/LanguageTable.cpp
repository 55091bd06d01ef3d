// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/LanguageTable.h"

#include <QStringList>

namespace {

struct Language
{
    const char* name;
    int command;
    const char* moduleLcid;
    const char* helpLcid; // nullptr: no help file
};

// Menu order; the commands run from 32995 to 33007 in this order.
const Language kLanguages[] = {
    {"English", 32995, "0409", "0409"},
    {"German", 32996, "0407", "0407"},
    {"Chinese(Simplified)", 32997, "0804", "0804"},
    {"Chinese(Traditional)", 32998, "0404", "0404"},
    {"French", 32999, "040C", "040C"},
    {"Italian", 33000, "0410", "0410"},
    {"Spanish", 33001, "040A", "040A"},
    {"Portuguese", 33002, "0816", "0816"},
    {"Dutch", 33003, "0413", "0413"},
    {"Portuguese(Brazilian)", 33004, "0416", "0416"},
    {"Russian", 33005, "0419", "0419"},
    {"Arabic", 33006, "0401", nullptr},
    // Swedish has a help file but no table of its own: it reads the English one.
    {"Swedish", 33007, "0409", "041D"},
};

// Indonesian has no menu command; its table is only found by a switch.
const Language kIndonesian = {"Indonesian", 0, "0421", "0421"};

const char* const kStartupOrder[] = {
    "Dutch",   "German",   "Italian", "Portuguese", "Spanish", "French", "Chinese(Simplified)",
    "Chinese(Traditional)", "Portuguese(Brazilian)", "Russian", "Arabic"};

const char* const kSwitchOrder[] = {"English",
                                    "Dutch",
                                    "German",
                                    "Italian",
                                    "Portuguese",
                                    "Spanish",
                                    "French",
                                    "Chinese(Simplified)",
                                    "Chinese(Traditional)",
                                    "Indonesian",
                                    "Portuguese(Brazilian)",
                                    "Russian",
                                    "Arabic"};

const Language* Find(const QString& name, Qt::CaseSensitivity cs)
{
    for (const Language& l : kLanguages)
        if (name.compare(QLatin1String(l.name), cs) == 0)
            return &l;
    if (name.compare(QLatin1String(kIndonesian.name), cs) == 0)
        return &kIndonesian;
    return nullptr;
}

QString ModuleFileOf(const char* lcid)
{
    return QStringLiteral("Lang/LANG%1.qm").arg(QLatin1String(lcid));
}

template <size_t N>
QString ModuleFile(const QString& name, const char* const (&order)[N])
{
    for (const char* candidate : order)
        if (name == QLatin1String(candidate))
            return ModuleFileOf(Find(name, Qt::CaseSensitive)->moduleLcid);
    return ModuleFileOf("0409");
}

} // namespace

namespace LanguageTable {

QString StartupModuleFile(const QString& name)
{
    return ModuleFile(name, kStartupOrder);
}

QString SwitchModuleFile(const QString& name)
{
    return ModuleFile(name, kSwitchOrder);
}

QString HelpFile(const QString& name)
{
    const Language* l = name.isEmpty() ? &kLanguages[0] : Find(name, Qt::CaseInsensitive);
    if (l == nullptr || l->helpLcid == nullptr)
        return QString();
    return QStringLiteral("%1Braxlow.html").arg(QLatin1String(l->helpLcid));
}

QString LanguageForCommand(int command)
{
    for (const Language& l : kLanguages)
        if (l.command == command)
            return QLatin1String(l.name);
    return QString();
}

int CheckPosition(const QString& name)
{
    // Positions follow the menu up to Russian; Arabic, Swedish and unknown names
    // check English.
    for (int i = 0; i < 11; ++i)
        if (name == QLatin1String(kLanguages[i].name))
            return i + 1;
    return 1;
}

int CheckedCommand(const QString& name)
{
    const int position = CheckPosition(name);
    if (position < 1 || position > 12)
        return kFirstLanguageCommand;
    return kFirstLanguageCommand + position - 1;
}

QStringList Names()
{
    QStringList names;
    for (const Language& l : kLanguages)
        names << QLatin1String(l.name);
    return names;
}

bool IsRightToLeft(const QString& name)
{
    return name == QLatin1String("Arabic");
}

} // namespace LanguageTable
