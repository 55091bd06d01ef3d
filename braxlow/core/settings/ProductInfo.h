// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The program's fixed product identity: ten strings, in the order the update
// protocol and the About box expect them.
struct ProductRecord
{
    std::array<QString, 10> fields;

    // Field n, counted from 1 as the record is documented.
    const QString& Field(int n) const { return fields.at(static_cast<size_t>(n - 1)); }

    static ProductRecord Braxlow();
};

// The texts derived once at start-up and read by the windows and the update client.
struct ProductTexts
{
    QString UpdateProductId;
    QString UpdateVersionId;
    QString ProductDisplayName;
    QString VersionPrefix;
    QString CurrentVersionText;

    static ProductTexts From(const ProductRecord& record);
};
