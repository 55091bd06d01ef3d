// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/RasTypes.h"

#include <QString>

#include <optional>

// The per-user phone book that holds the dial-up entries, an INI file like
// Windows' rasphone.pbk: one section per entry.
//
//   [Braxlow]
//   Options=272
//   PhoneNumber=*99#
//   ...
class PhoneBook
{
public:
    explicit PhoneBook(const QString& path);

    QString Path() const { return path_; }
    bool Exists(const QString& name) const;
    std::optional<Ras::Entry> Read(const QString& name) const;
    // False when the name is not a valid entry name or the file cannot be written.
    bool Write(const QString& name, const Ras::Entry& entry);

    // Names are 1 to 256 characters, without brackets, slashes or control characters
    // and not beginning with a dot.
    static bool ValidName(const QString& name);

private:
    QString path_;
};
