// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageLookup.h"

#include <QTranslator>

namespace {
constexpr qsizetype kMaxLength = 255;
} // namespace

QString LookUpLanguageString(const QTranslator* module, int id)
{
    if (module == nullptr)
        return QString();
    const QByteArray key = QByteArray::number(id);
    QString text = module->translate(nullptr, key.constData());
    if (text.isEmpty())
        return QString();
    if (text.size() > kMaxLength) {
        qsizetype cut = kMaxLength;
        // Never leave half of a surrogate pair behind.
        if (text.at(cut - 1).isHighSurrogate())
            --cut;
        text.truncate(cut);
    }
    return text;
}
