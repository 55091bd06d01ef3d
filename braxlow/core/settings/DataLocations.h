// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's files are. A build folder or a portable copy (a file
// named "portable" beside the program) keeps everything beside the program. An
// installed program (<prefix>/bin with <prefix>/share/braxlow beside it) reads
// its delivered data (language tables, help pages, BXSYS.mdb) from the share
// folder and keeps what a user writes (BXUSER.mdb, the phone book, the update
// downloads) in that user's data folder, $XDG_DATA_HOME/braxlow.
struct DataLocations
{
    enum class Mode { BesideProgram, Installed };

    Mode mode = Mode::BesideProgram;
    QString programDirectory; // each ends in '/', or is empty (the current directory)
    QString dataDirectory;
    QString userDirectory;

    // `userDataHome` empty: $XDG_DATA_HOME, else ~/.local/share.
    static DataLocations For(const QString& programDirectory, const QString& userDataHome = QString());
    // The user's folder, made readable by the user only (it holds passwords);
    // false when it cannot be made.
    bool EnsureUserDirectory() const;
};
