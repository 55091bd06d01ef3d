// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/ConnectionEntry.h"

#include "core/settings/AppSettings.h"

bool ConnectionEntry::operator==(const ConnectionEntry& o) const
{
    return ID == o.ID && ConnectName == o.ConnectName && Country == o.Country &&
           ProviderName == o.ProviderName && APNName == o.APNName &&
           PhoneNumber == o.PhoneNumber && UserName == o.UserName && Password == o.Password &&
           PrimaryDNS == o.PrimaryDNS && SecondDNS == o.SecondDNS && QoSMin == o.QoSMin &&
           QoSRequest == o.QoSRequest && CheckPasswd == o.CheckPasswd &&
           UserIPAddr == o.UserIPAddr;
}

int DecimalPrefix(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 0x7fffffff)
            return 0; // out of range reads as no number
    }
    return int(negative ? -value : value);
}

ConnectInfo ConnectInfoOf(const ConnectionEntry& entry)
{
    ConnectInfo info;
    info.ConnectName = entry.ConnectName;
    info.Country = entry.Country;
    info.Provider = entry.ProviderName;
    info.APNName = entry.APNName;
    info.PhoneNumber = entry.PhoneNumber;
    info.Username = entry.UserName;
    info.Password = entry.Password;
    info.CheckPassword = QString::number(entry.CheckPasswd);
    info.UserIPAddr = entry.UserIPAddr;
    info.PrimaryDNS = entry.PrimaryDNS;
    info.SecondDNS = entry.SecondDNS;
    info.QoSMin = entry.QoSMin;
    info.QoSRequest = entry.QoSRequest;
    info.CID = entry.ID;
    return info;
}
