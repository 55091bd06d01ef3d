// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/NetworkCode.h"

#include <QStringList>

#include <algorithm>

QPair<QString, QString> NetworkCode::MccMnc(const QString& imsi)
{
    if (imsi.size() < 6 || !std::all_of(imsi.cbegin(), imsi.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return {};
    // Countries whose networks have three-digit codes (North America and the
    // Caribbean, parts of Latin America, India's newer ranges).
    static const QStringList threeDigits = {
        QStringLiteral("302"), QStringLiteral("310"), QStringLiteral("311"), QStringLiteral("312"),
        QStringLiteral("313"), QStringLiteral("314"), QStringLiteral("315"), QStringLiteral("316"),
        QStringLiteral("334"), QStringLiteral("338"), QStringLiteral("342"), QStringLiteral("344"),
        QStringLiteral("346"), QStringLiteral("348"), QStringLiteral("352"), QStringLiteral("354"),
        QStringLiteral("356"), QStringLiteral("358"), QStringLiteral("360"), QStringLiteral("365"),
        QStringLiteral("366"), QStringLiteral("376"), QStringLiteral("405"), QStringLiteral("708"),
        QStringLiteral("722"), QStringLiteral("732")};
    const QString mcc = imsi.left(3);
    return {mcc, imsi.mid(3, threeDigits.contains(mcc) ? 3 : 2)};
}
