// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/AtAnswer.h"

bool AtAnswer::Complete(const QString& answer)
{
    if (errorAt_ >= 0) // wait for the end of the error line
        return answer.indexOf(QLatin1String("\r\n"), errorAt_) >= 0 ||
               answer.contains(QLatin1String("CMS ERROR:321\r"));
    if (answer.contains(QLatin1String("OK\r\n")))
        return true;
    qsizetype marker = answer.indexOf(QLatin1String("+CME ERROR:"));
    if (marker < 0)
        marker = answer.indexOf(QLatin1String("+CMS ERROR:"));
    if (marker >= 0) {
        errorAt_ = marker;
        return false;
    }
    return answer.contains(QLatin1String("ERROR\r\n")) || answer.contains(QLatin1String("NO CARRIER\r\n")) ||
           answer.endsWith(QLatin1String("> "));
}
