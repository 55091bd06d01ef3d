// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/ContextNumber.h"

#include "core/entries/ConnectionEntry.h"

const QString kDefaultQosBase = QStringLiteral("1,0,0,3,0,0");
const QString kDefaultQosTail = QStringLiteral(",0,0,3,0,0");

int ContextNumberOf(const QString& dialString)
{
    const qsizetype start = dialString.indexOf(QLatin1String("*99"));
    if (start < 0)
        return 1;
    const QString rest = dialString.mid(start + 3);
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    if (hash <= 0)
        return 1;
    // Both separators are looked for in the whole rest, so one may lie after the
    // '#'; what stands between it and the '#' is then nothing.
    const qsizetype comma = rest.lastIndexOf(QLatin1Char(','));
    const qsizetype star = rest.lastIndexOf(QLatin1Char('*'));
    if (star == hash - 1)
        return 1;
    const qsizetype separator = comma >= 0 ? comma : star;
    if (separator < 0)
        return 1;
    const QString number = separator < hash ? rest.mid(separator + 1, hash - separator - 1) : QString();
    const int cid = DecimalPrefix(number);
    // A negative context number cannot be sent to a phone; it is as good as none.
    return cid > 0 ? cid : 1;
}

QString SpliceContextNumber(int cid, const QString& qos)
{
    const qsizetype comma = qos.indexOf(QLatin1Char(','));
    return QString::number(cid) + (comma >= 0 ? qos.mid(comma) : qos);
}

QString CompleteQosText(int cid, const QString& qos)
{
    return qos.isEmpty() ? QString::number(cid) + kDefaultQosTail : SpliceContextNumber(cid, qos);
}
