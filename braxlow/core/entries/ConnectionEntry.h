// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/EntryFieldSize.h"

#include <QString>

struct ConnectInfo;

// One connection entry: a row of "EntryInfo" in the user database.
struct ConnectionEntry
{
    int ID = 0;
    QString ConnectName;
    QString Country;
    QString ProviderName;
    QString APNName;
    QString PhoneNumber;
    QString UserName;
    QString Password;
    QString PrimaryDNS;
    QString SecondDNS;
    QString QoSMin;
    QString QoSRequest;
    int CheckPasswd = 1; // remember the password
    QString UserIPAddr;

    bool operator==(const ConnectionEntry& o) const;
    bool operator!=(const ConnectionEntry& o) const { return !(*this == o); }
};

// One access-point preset: a row of "APN Info" in the system database.
struct ApnPreset
{
    int ID = 0;
    QString Country;
    QString ConnectName;
    QString ProviderName; // column "Provider Name"
    QString APNName;
    QString UserName;
    QString Password;
    QString PrimaryDNS;
    QString SecondDNS;
    QString PhoneNumber;
    QString QoSMin;
    QString QoSRequest;
};

// The decimal text-to-integer conversion the stored flags are read with:
// optional blanks and sign, then leading digits; anything else gives 0.
int DecimalPrefix(const QString& text);

// The copy of an entry that "ConnectInfo" keeps.
ConnectInfo ConnectInfoOf(const ConnectionEntry& entry);
