// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/EntryTexts.h"

#include <QStringList>

namespace Ras {

IpAddr IpAddr::Parse(const QString& text)
{
    IpAddr ip;
    const QStringList parts = text.split(QLatin1Char('.'));
    quint8* bytes[] = {&ip.a, &ip.b, &ip.c, &ip.d};
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        unsigned value = 0;
        for (QChar c : parts.at(i)) {
            if (!c.isDigit())
                break;
            value = (value * 10 + unsigned(c.digitValue())) & 0xffffff;
        }
        *bytes[i] = quint8(value & 0xff);
    }
    return ip;
}

} // namespace Ras

QString IpAddressText(const Ras::IpAddr& fields)
{
    return fields.Text();
}

QString EditedIpAddressText(const Ras::IpAddr& fields)
{
    return fields.IsZero() ? QString() : fields.Text();
}

QString ChosenIpAddressText(int choice, const Ras::IpAddr& fields)
{
    return choice == 0 ? QString() : fields.Text();
}

int DnsChoice(const QString& preferredDns, const QString& alternateDns, const QString& country,
              const QString& provider)
{
    if (preferredDns.isEmpty() && alternateDns.isEmpty())
        return 0;
    const bool singaporeM1 =
        country.compare(QLatin1String("Singapore"), Qt::CaseInsensitive) == 0 &&
        provider.compare(QLatin1String("M1"), Qt::CaseInsensitive) == 0;
    return singaporeM1 ? 0 : 1;
}

int IpChoice(const QString& ipAddress)
{
    return ipAddress.isEmpty() ? 0 : 1;
}

namespace {

// Wraps at 32 bits, so an absurdly long field still keeps its low 8 bits right.
quint32 LeadingDigits(const QString& field)
{
    quint32 value = 0;
    for (const QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10u + quint32(c.unicode() - '0');
    }
    return value;
}

} // namespace

QosProfile ParseQosText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    quint32 values[6] = {};
    for (int i = 0; i < 6 && i < parts.size(); ++i)
        values[i] = LeadingDigits(parts.at(i));

    QosProfile p;
    p.cid = values[0];
    p.precedence = quint8(values[1]);
    p.delay = quint8(values[2]);
    p.reliability = quint8(values[3]);
    p.peak = quint8(values[4]);
    p.mean = quint8(values[5]);
    if (p.mean == kMeanBestEffortValue)
        p.mean = kMeanBestEffortIndex;
    return p;
}

QString QosText(const QosProfile& p)
{
    const uint mean = p.mean == kMeanBestEffortIndex ? kMeanBestEffortValue : p.mean;
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(p.cid)
        .arg(uint(p.precedence))
        .arg(uint(p.delay))
        .arg(uint(p.reliability))
        .arg(uint(p.peak))
        .arg(mean);
}
