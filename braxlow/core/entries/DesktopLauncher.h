// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The desktop shortcut of an entry: a freedesktop launcher "<name>.desktop" in the
// user's desktop folder that starts the program with "/ID:<id>".
class DesktopLauncher
{
public:
    // The desktop folder in use; `folder` empty: the user's (never created here).
    explicit DesktopLauncher(const QString& folder = QString());

    QString Folder() const { return folder_; }
    // Where the launcher of an entry named `name` lies; empty when the name
    // cannot be a file name (empty, ".", "..", '/', NUL, control characters).
    QString PathFor(const QString& name) const;

    // Writes the launcher, replacing one of that name, and marks it trusted so the
    // desktop starts it on a double click; a desktop folder the account does not
    // have yet is made. False when it could not be written, with why in `problem`.
    bool Create(const QString& name, const QString& programFile, const QString& workingDirectory,
                const QString& idText, QString* problem = nullptr) const;
    // To the trash; a missing launcher is no failure.
    void Recycle(const QString& name) const;
    // A missing launcher, an unchanged name or a file already under the new name
    // does nothing.
    void Rename(const QString& oldName, const QString& newName) const;

    // The Exec line's words as the desktop splits them (quotes and escapes undone).
    static QStringList ExecArguments(const QString& execValue);

private:
    QString folder_;
};
