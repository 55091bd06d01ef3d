// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/OptionCommands.h"

#include "core/settings/LanguageStrings.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/StringIds.h"

namespace OptionCommands {

const QStringList& Speeds()
{
    static const QStringList speeds = {"9600", "14400", "19200", "28800", "38400", "57600", "115200", "230400"};
    return speeds;
}

int SpeedPosition(const QString& speed)
{
    return int(Speeds().indexOf(speed)) + 1;
}

QString SpeedForCommand(int command)
{
    return command >= kFirstSpeed && command <= kLastSpeed ? Speeds().at(command - kFirstSpeed) : QString();
}

AboutTexts About(const QTranslator* module, const ProductTexts& product, Prompter& prompter)
{
    AboutTexts texts;
    texts.caption =
        LoadLanguageStringOrWarn(module, Str::AboutTitle, prompter) + QStringLiteral(" - ") + product.ProductDisplayName;
    texts.product = product.CurrentVersionText;
    texts.description = LoadLanguageStringOrWarn(module, Str::AboutDescription, prompter);
    return texts;
}

} // namespace OptionCommands
