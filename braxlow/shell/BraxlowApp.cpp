// SPDX-License-Identifier: GPL-3.0-or-later
#include "BraxlowApp.h"

#include "LanguageLoader.h"
#include "Prompter.h"

#include <QFileInfo>

BraxlowApp::BraxlowApp(const Options& options, Prompter& prompter)
    : options_(options), prompter_(prompter)
{
    const QString directory = ProgramDirectoryOf(options_.programFilePath);
    const QString root = options_.settingsRoot.isEmpty() ? SettingsStore::DefaultRoot(directory)
                                                         : options_.settingsRoot;
    store_ = std::make_unique<SettingsStore>(root);
    settings_ = std::make_unique<AppSettings>(*store_);
    settings_->SetProgramDirectory(directory);
    portStorage_ = std::make_unique<SettingsPortMapStorage>(*store_);
    ports_ = std::make_unique<PortMap>(portStorage_.get(), options_.scanRoots);
    if (!options_.programFilePath.isEmpty())
        settings_->SetProgramFileName(QFileInfo(options_.programFilePath).fileName());
    Quarrin::RegisterHost(this);
}

BraxlowApp::~BraxlowApp()
{
    if (Quarrin::Host() == this)
        Quarrin::RegisterHost(nullptr);
}

QString BraxlowApp::ProgramDirectoryOf(const QString& programFilePath)
{
    if (programFilePath.isEmpty())
        return QString();
    QString dir = QFileInfo(programFilePath).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool BraxlowApp::Startup()
{
    settings_->SaveProgramPath();
    LanguageLoader(*settings_, prompter_).LoadStartupLanguage();
    settings_->LoadAll();
    product_ = ProductTexts::From(ProductRecord::Braxlow());
    return true;
}

const QTranslator* BraxlowApp::LanguageModule() const
{
    return settings_->LanguageModule();
}

int BraxlowApp::CablePort() const
{
    return settings_->Port();
}

PortMap& BraxlowApp::SerialPorts()
{
    return *ports_;
}

QString BraxlowApp::UpdateProductId() const
{
    return product_.UpdateProductId;
}

QString BraxlowApp::UpdateVersionId() const
{
    return product_.UpdateVersionId;
}

QString BraxlowApp::ProductDisplayName() const
{
    return product_.ProductDisplayName;
}

QString BraxlowApp::VersionPrefix() const
{
    return product_.VersionPrefix;
}

QString BraxlowApp::CurrentVersionText() const
{
    return product_.CurrentVersionText;
}

void BraxlowApp::ShowMessage(const QString& text, const QString& caption)
{
    prompter_.Message(text, caption);
}
