// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ProductInfo.h"

ProductRecord ProductRecord::Braxlow()
{
    return ProductRecord{{
        QStringLiteral("3"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("1"),
        QStringLiteral("Korvane Tessaly II Braxlow"),
        QStringLiteral("1.0.0.3"),
        QStringLiteral("FH1"),
        QStringLiteral("KTS2BX"),
        QStringLiteral("2.1.6"),
        QStringLiteral("EGS100"),
    }};
}

ProductTexts ProductTexts::From(const ProductRecord& r)
{
    ProductTexts t;
    t.UpdateProductId = r.Field(8) + r.Field(4) + r.Field(3);
    t.UpdateVersionId = r.Field(2) + r.Field(1) + r.Field(7);
    t.ProductDisplayName = r.Field(5);
    t.VersionPrefix = r.Field(5) + QLatin1Char(' ') + r.Field(4) + QLatin1Char('.') + r.Field(3) +
                      QLatin1Char('.');
    t.CurrentVersionText =
        r.Field(5) + QLatin1Char(' ') + r.Field(6) + QLatin1Char(' ') + r.Field(7);
    return t;
}
