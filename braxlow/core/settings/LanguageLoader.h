// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class AppSettings;
class Prompter;
class QTranslator;

// Opens a document with the desktop's viewer (the help files).
class DocumentOpener
{
public:
    virtual ~DocumentOpener();
    virtual bool Open(const QString& path) = 0;
};

// Loads the string table of the chosen language into AppSettings, switches it on
// request, and opens the language's help file.
class LanguageLoader
{
public:
    LanguageLoader(AppSettings& settings, Prompter& prompter);

    // Start-up: reads the "Language" setting and loads its table; no message when
    // the table is missing (every text then reads "Error loading resource.").
    void LoadStartupLanguage();
    // A language menu command: saves the name, then loads its table. When the
    // table cannot be loaded the module becomes null and the program's message
    // 1014 is shown. Returns whether a table was loaded.
    bool SwitchLanguage(const QString& name);
    // Opens the help file of the current language; false when it has none or the
    // viewer could not be started.
    bool ShowHelp(DocumentOpener& opener);

    // The help file's full path for the current language, empty when none.
    QString HelpPath();

    // Loads a table file; null when it is missing or not a table.
    static std::unique_ptr<QTranslator> LoadModule(const QString& path);

private:
    QString ModulePath(const QString& relative) const;

    AppSettings& settings_;
    Prompter& prompter_;
};
