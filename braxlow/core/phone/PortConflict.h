// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class AppSettings;
class QTranslator;
class Prompter;

// Where PortConflict looks. Tests point every one of them at folders of their own.
struct PortConflictSources
{
    // The folder holding "KORVANE/..." files; empty: the root of the AppSettings'
    // own store.
    QString userSettingsRoot;
    // The folder holding "Korvane/OrlimbOutlook.reg"; empty: "/etc/xdg".
    QString machineSettingsRoot;
    // The NamedLock folder; empty: NamedLock::DefaultDirectory().
    QString lockDirectory;
    QString proc = QStringLiteral("/proc");
    // Where UUCP locks live; empty: /run/lock, else /var/lock.
    QString uucpLockDirectory;
};

// Explains, after the phone's port could not be used, who holds it: the sibling
// suite set to the same port, the Outlook synchroniser connected to it, or any
// other process that has the device locked or open.
class PortConflict
{
public:
    PortConflict(AppSettings& settings, Prompter& prompter,
                 const PortConflictSources& sources = {});

    // 1 when it showed an explanation (exactly one message box), 0 otherwise.
    int CheckPortConflict();
    // The text CheckPortConflict would show; empty when it finds nothing.
    QString Explanation() const;

    struct Holder
    {
        qint64 pid = 0;
        QString name;
    };
    // The live process that holds a serial device: the owner of its UUCP lock
    // (LCK..<node name>, the PID as ASCII digits or in the old 4-byte binary
    // form), else a process with a descriptor open on the device. This process
    // is never the answer. name is its /proc/<pid>/comm, without control
    // characters and at most 32 characters long. Nothing when none is found or
    // its name cannot be read.
    static std::optional<Holder> PortHolder(const QString& devicePath, const QString& proc,
                                            const QString& uucpLockDirectory);
    // The message that names a holder of the phone's port.
    static QString HolderText(const QTranslator* language, const Holder& holder);

    static const QString kSuiteName;

private:
    bool SuiteUsesPort() const;
    bool SynchroniserUsesPort() const;

    AppSettings& settings_;
    Prompter& prompter_;
    PortConflictSources sources_;
};
