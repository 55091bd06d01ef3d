// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/Prompter.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/BraxlowApp.h"

#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

// Points HOME and the XDG folders at a fresh temporary folder for the whole test
// process, so nothing a test does can reach the real user's settings. Call it
// from the test class's initMain().
void IsolateUserDirectories();

// Where the build put the program and its data files ("Lang", help files).
QString ProgramDirectory();

// Writes `text` as the whole of the file at `path`, making its folders.
bool WriteFile(const QString& path, const QByteArray& text);

// A program directory of the test's own: the delivered BXSYS.mdb and the
// language tables of the build, and no user database until one is made.
class ProgramFolder
{
public:
    explicit ProgramFolder(bool withSystemDatabase = true);
    QString Path() const { return dir_.path(); }
    QString ProgramFile() const { return dir_.path() + QStringLiteral("/braxlow"); }

private:
    QTemporaryDir dir_;
};

// The program at `programFile` with its settings and locks under `home`.
BraxlowApp::Options AppOptions(const QString& programFile, const QString& home);

// Settings in a temporary folder, loaded as at start-up, with the program
// directory of the build and the English table loaded.
struct Settings
{
    Settings();
    QTemporaryDir dir;
    SettingsStore store;
    AppSettings settings;
};

// A D-Bus daemon of the test's own (a session bus, which lets anyone own any
// name), for peers that stand in for the desktop's and the system's services.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    // Empty when no dbus-daemon could be started.
    QString Address() const { return address_; }
    // A connection of its own to the bus, under that name.
    QDBusConnection Connect(const QString& name) const;

private:
    QProcess daemon_;
    QString address_;
};

} // namespace TestSupport

// Answers message boxes from a queue and remembers what was shown.
class RecordingPrompter : public Prompter
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
        QString details; // behind "Details..."
    };

    // The answer to give to the next question; without one, Ok/Yes.
    void QueueAnswer(Answer answer) { answers_.append(answer); }
    const QList<Shown>& Messages() const { return shown_; }
    void Clear() { shown_.clear(); }

    Answer Show(const QString& text, const QString& caption, Buttons buttons,
                Icon icon) override;
    Answer ShowFailure(const QString& text, const QString& caption, const QString& details) override;

private:
    QList<Answer> answers_;
    QList<Shown> shown_;
};

namespace TestSupport {

// A data store over a program folder of the test's own: "APN Info" holds exactly
// `presets` (an empty list leaves the table empty), the user database exists
// without entries, and the English table is loaded.
struct EntryData
{
    explicit EntryData(const QList<ApnPreset>& presets);
    ProgramFolder folder{false};
    QTemporaryDir settingsDir;
    SettingsStore store;
    AppSettings settings;
    RecordingPrompter prompter;
    DataStore data;
};

// A preset row in the order the columns are usually read: country, provider,
// connection name, APN, dial string, then optionally user name, password, DNS
// servers and QoS texts.
ApnPreset Preset(const QString& country, const QString& provider, const QString& connectName,
                 const QString& apn, const QString& dial, const QStringList& more = {});

// Adds table "Network Codes" to a system database, one row per {country,
// provider, MCC, MNC}.
void AddNetworkCodes(const QString& systemDatabase, const QList<QStringList>& rows);

} // namespace TestSupport
