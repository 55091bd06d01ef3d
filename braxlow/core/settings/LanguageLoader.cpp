// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/LanguageLoader.h"

#include "core/settings/AppSettings.h"
#include "core/settings/LanguageTable.h"
#include "core/settings/ProgramStrings.h"
#include "core/settings/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

DocumentOpener::~DocumentOpener() = default;

LanguageLoader::LanguageLoader(AppSettings& settings, Prompter& prompter)
    : settings_(settings), prompter_(prompter)
{
}

std::unique_ptr<QTranslator> LanguageLoader::LoadModule(const QString& path)
{
    auto module = std::make_unique<QTranslator>();
    if (!QFileInfo(path).isFile() || !module->load(path))
        return nullptr;
    return module;
}

QString LanguageLoader::ModulePath(const QString& relative) const
{
    // An empty directory leaves the path relative to the current directory.
    return settings_.DataDirectory() + relative;
}

void LanguageLoader::LoadStartupLanguage()
{
    const QString name = settings_.LoadLanguage();
    settings_.SetLanguageModule(LoadModule(ModulePath(LanguageTable::StartupModuleFile(name))));
}

bool LanguageLoader::SwitchLanguage(const QString& name)
{
    settings_.SaveLanguage(name);
    auto module = LoadModule(ModulePath(LanguageTable::SwitchModuleFile(name)));
    const bool loaded = module != nullptr;
    settings_.SetLanguageModule(std::move(module));
    if (!loaded)
        prompter_.Show(ProgramStrings::Text(ProgramStrings::kLanguageModuleMissing), QString(),
                       Prompter::Buttons::Ok, Prompter::Icon::None);
    return loaded;
}

QString LanguageLoader::HelpPath()
{
    const QString file = LanguageTable::HelpFile(settings_.LoadLanguage());
    if (file.isEmpty())
        return QString();
    QString dir = settings_.DataDirectory();
    if (dir.isEmpty())
        return file;
    if (dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return QStringLiteral("%1/%2").arg(dir, file);
}

bool LanguageLoader::ShowHelp(DocumentOpener& opener)
{
    const QString path = HelpPath();
    if (path.isEmpty())
        return false;
    return opener.Open(path);
}
