// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/BraxlowApp.h"

#include "core/shell/DialGroups.h"

#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/OwnerOnly.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

BraxlowApp::BraxlowApp(const Options& options, Prompter& prompter)
    : options_(options), prompter_(prompter)
{
    const QString directory = ProgramDirectoryOf(options_.programFilePath);
    const QString root = options_.settingsRoot.isEmpty() ? SettingsStore::DefaultRoot(directory)
                                                         : options_.settingsRoot;
    store_ = std::make_unique<SettingsStore>(root);
    settings_ = std::make_unique<AppSettings>(*store_);
    settings_->SetProgramDirectory(directory);
    locations_ = DataLocations::For(directory, options_.userDataHome);
    settings_->SetDataDirectories(locations_.dataDirectory, locations_.userDirectory);
    portStorage_ = std::make_unique<SettingsPortMapStorage>(*store_);
    ports_ = std::make_unique<PortMap>(portStorage_.get(), options_.scanRoots);
    data_ = std::make_unique<DataStore>(*settings_, prompter_);
    // Fixed texts: known before the start-up builds them again in its turn.
    product_ = ProductTexts::From(ProductRecord::Braxlow());
    if (!options_.programFilePath.isEmpty())
        settings_->SetProgramFileName(QFileInfo(options_.programFilePath).fileName());
    // Both files hold passwords: one found readable by others is made the
    // user's again as it is opened, and the start-up says so.
    widened_ = store_->TightenPermissions();
    if (OwnerOnly::TightenFile(data_->UserDatabasePath()))
        widened_ << data_->UserDatabasePath();
    if (locations_.mode == DataLocations::Mode::Installed)
        OwnerOnly::TightenFolder(locations_.userDirectory);
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

bool BraxlowApp::Startup(const QString& argument)
{
    // A second copy started from a shortcut still changes the current entry
    // before it finds the first one running, so the selection comes first.
    const bool selected = !argument.isEmpty() && SelectEntryFromArgument(argument);
    settings_->SaveProgramPath();
    // A folder that cannot be made leaves BXUSER.mdb missing: the data checks
    // below say so in their words.
    if (locations_.mode == DataLocations::Mode::Installed && locations_.EnsureUserDirectory())
        OfferEntriesImport();
    // The checks, then the language and the settings; a missing system database
    // has been reported and ends the start-up.
    if (!data_->InitializeDataStore())
        return false;
    // A shortcut of an entry deleted since: said, in the user's language,
    // and the current entry stays as it was.
    static const QRegularExpression idArgument(QStringLiteral("^/ID:([0-9]{1,9})$"), QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch id = idArgument.match(argument); id.hasMatch() && !selected &&
        !data_->FindEntryById(id.captured(1).toInt()) && data_->LastError().isEmpty())
        prompter_.Message(LoadLanguageString(settings_->LanguageModule(), Str::NoSuchEntry).arg(id.captured(1)));
    product_ = ProductTexts::From(ProductRecord::Braxlow());
    // The running copy is neither activated nor told: it goes on as it was. A
    // lock that cannot be made at all (no usable runtime folder) is no reason
    // to refuse to start.
    instance_ = std::make_unique<NamedLock>(QStringLiteral("Braxlow"), options_.lockDirectory);
    if (!instance_->Create() && instance_->HeldElsewhere()) {
        prompter_.Message(LoadLanguageString(settings_->LanguageModule(), Str::AlreadyRunning));
        return false;
    }
    if (!widened_.isEmpty())
        prompter_.Show(LoadLanguageString(settings_->LanguageModule(), Str::FilesTightened)
                           .arg(QDir::toNativeSeparators(widened_.join(QStringLiteral("\n")))),
                       QString(), Prompter::Buttons::Ok, Prompter::Icon::Information);
    widened_.clear();
    HintDialGroups();
    return true;
}

void BraxlowApp::HintDialGroups()
{
    // A build-folder user runs scripts/install-ppp-access, which adds the
    // groups; the package cannot, so the installed program says it once.
    if (locations_.mode != DataLocations::Mode::Installed)
        return;
    const QStringList missing = DialGroups::Missing();
    const QString key = AppSettings::kConfigKey;
    const QString hinted = QStringLiteral("DialGroupsHinted");
    if (missing.isEmpty() || store_->ReadDword(key, hinted).value_or(0) != 0)
        return;
    store_->WriteDword(key, hinted, 1);
    prompter_.Show(LoadLanguageString(settings_->LanguageModule(), Str::DialGroupsHint).arg(missing.join(QStringLiteral(", "))),
                   QString(), Prompter::Buttons::Ok, Prompter::Icon::Information);
}

bool BraxlowApp::OfferEntriesImport()
{
    const QString old = locations_.programDirectory + DataStore::kUserDatabase;
    const QString target = data_->UserDatabasePath();
    if (locations_.mode != DataLocations::Mode::Installed || !QFileInfo(old).isFile() || QFileInfo::exists(target))
        return false;
    const QString key = AppSettings::kConfigKey;
    const QString offered = QStringLiteral("EntriesImportOffered");
    if (store_->ReadDword(key, offered).value_or(0) != 0)
        return false;
    store_->WriteDword(key, offered, 1); // asked once, whatever the answer
    if (prompter_.Show(QStringLiteral("Braxlow now keeps your connection entries in %1. Copy the entries file "
                                      "found beside the program (%2) there? The file beside the program is "
                                      "left as it is.")
                           .arg(target, old),
                       QString(), Prompter::Buttons::YesNo, Prompter::Icon::Question) != Prompter::Answer::Yes)
        return false;
    // Copied under a temporary name and put in place whole: a cut-off copy
    // never looks like an entries file.
    const QString partial = target + QStringLiteral(".import");
    QFile::remove(partial);
    if (!QFile::copy(old, partial) ||
        !QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !QFile::rename(partial, target)) {
        QFile::remove(partial);
        prompter_.Message(QStringLiteral("The entries file could not be copied to %1.").arg(target));
        return false;
    }
    return true;
}

bool BraxlowApp::SelectEntryFromArgument(const QString& argument)
{
    const qsizetype colon = argument.indexOf(QLatin1Char(':'));
    const QString number = colon < 0 ? argument : argument.mid(colon + 1);
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,9}$"));
    if (!decimal.match(number).hasMatch() || !QFileInfo::exists(data_->UserDatabasePath()))
        return false;
    const std::optional<ConnectionEntry> entry = data_->FindEntryById(number.toInt());
    if (!entry)
        return false;
    settings_->SaveConnectInfo(ConnectInfoOf(*entry));
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

bool BraxlowApp::AskOkCancel(const QString& text, const QString& caption)
{
    return prompter_.Show(text, caption, Prompter::Buttons::OkCancel, Prompter::Icon::Question) ==
           Prompter::Answer::Ok;
}

QString BraxlowApp::SettingsFile() const
{
    return settings_->Store().FilePath();
}

QuarrinHost::UpdateServerSetting BraxlowApp::UpdateServer() const
{
    UpdateServerSetting setting;
    SettingsStore& store = settings_->Store();
    const QString key = AppSettings::kConfigKey;
    const std::optional<QString> host = store.ReadString(key, QStringLiteral("UpdateServer"));
    if (host && !host->trimmed().isEmpty())
        setting.host = host->trimmed();
    else
        store.WriteString(key, QStringLiteral("UpdateServer"), setting.host);
    const std::optional<qint32> port = store.ReadDword(key, QStringLiteral("UpdatePort"));
    if (port && *port > 0 && *port <= 65535)
        setting.port = static_cast<quint16>(*port);
    else
        store.WriteDword(key, QStringLiteral("UpdatePort"), setting.port);
    const std::optional<qint32> timeout = store.ReadDword(key, QStringLiteral("UpdateTimeout"));
    if (timeout && *timeout > 0)
        setting.timeoutSeconds = *timeout;
    else
        store.WriteDword(key, QStringLiteral("UpdateTimeout"), setting.timeoutSeconds);
    return setting;
}

QString BraxlowApp::DownloadFolder() const
{
    return settings_->UserDirectory() + QStringLiteral("download");
}
