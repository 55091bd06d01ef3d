// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace Ras {

// An IPv4 address as the dial-up entry and the address controls hold it: four
// bytes, all zero meaning none.
struct IpAddr
{
    quint8 a = 0, b = 0, c = 0, d = 0;
    bool operator==(const IpAddr& o) const { return a == o.a && b == o.b && c == o.c && d == o.d; }
    bool IsZero() const { return a == 0 && b == 0 && c == 0 && d == 0; }
    QString Text() const { return QStringLiteral("%1.%2.%3.%4").arg(a).arg(b).arg(c).arg(d); }
    // "10.1.2.3": four dot-separated fields, each the value of its leading digits
    // kept to one byte; missing fields and the empty text give 0.
    static IpAddr Parse(const QString& text);
};

} // namespace Ras
