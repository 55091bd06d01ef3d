// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuarrinHost.h"
#include "core/dialup/SettingsPortMapStorage.h"
#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/DataLocations.h"
#include "core/settings/NamedLock.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/SettingsStore.h"
#include "phonelink/PortMap.h"

#include <QString>

#include <memory>

class Prompter;

// The application object: holds the settings record, the product texts and the
// store, runs the start-up steps in their fixed order, and is what Quarrin asks
// for the language module, the cable port and the product texts.
class BraxlowApp : public QuarrinHost
{
public:
    struct Options
    {
        QString programFilePath; // full path of the running program file
        QString settingsRoot;    // empty: SettingsStore::DefaultRoot()
        SerialScanRoots scanRoots; // where the serial devices are looked for
        QString lockDirectory;   // empty: NamedLock::DefaultDirectory()
        QString userDataHome;    // empty: $XDG_DATA_HOME (for an installed program)
    };

    BraxlowApp(const Options& options, Prompter& prompter);
    ~BraxlowApp() override;

    BraxlowApp(const BraxlowApp&) = delete;
    BraxlowApp& operator=(const BraxlowApp&) = delete;

    // The start-up steps that come before the main window, with the program's
    // first argument (argv[1], empty when none), up to the single-instance
    // lock "Braxlow", held from then on. False ends the program.
    bool Startup(const QString& argument = QString());

    // "/ID:n": makes entry n the current one (written to "ConnectInfo"). Only the
    // text after the first colon counts; anything but a decimal number, or an
    // entry that does not exist, leaves the current entry as it was.
    bool SelectEntryFromArgument(const QString& argument);

    AppSettings& Settings() { return *settings_; }
    DataStore& Data() { return *data_; }
    const ProductTexts& Product() const { return product_; }
    Prompter& UserPrompter() { return prompter_; }

    // QuarrinHost
    const QTranslator* LanguageModule() const override;
    int CablePort() const override;
    PortMap& SerialPorts() override;
    QString UpdateProductId() const override;
    QString UpdateVersionId() const override;
    QString ProductDisplayName() const override;
    QString VersionPrefix() const override;
    QString CurrentVersionText() const override;
    void ShowMessage(const QString& text, const QString& caption) override;
    bool AskOkCancel(const QString& text, const QString& caption) override;
    // "Config": "UpdateServer", "UpdatePort" and "UpdateTimeout" (seconds),
    // written with their defaults on first use so a publisher can point them.
    UpdateServerSetting UpdateServer() const override;
    QString SettingsFile() const override;
    QString DownloadFolder() const override;

    // The folder of the program file, ending in '/'.
    static QString ProgramDirectoryOf(const QString& programFilePath);
    const DataLocations& Locations() const { return locations_; }
    // An installed program finds a BXUSER.mdb left beside it by an earlier,
    // uninstalled copy: offered once for import into the user's folder, as a
    // copy. True when the file was imported.
    bool OfferEntriesImport();
    // Once, on an installed program: the groups the user lacks to dial.
    void HintDialGroups();

private:
    Options options_;
    DataLocations locations_;
    Prompter& prompter_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<SettingsPortMapStorage> portStorage_;
    std::unique_ptr<PortMap> ports_;
    std::unique_ptr<DataStore> data_;
    ProductTexts product_;
    std::unique_ptr<NamedLock> instance_;
    QStringList widened_; // files found readable by others, told at start-up
};
