// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Judges a phone's answer to one command while it arrives: whether it is
// complete (a final result code, or an error line that has ended) and whether
// it accepted the command. Fed the whole answer so far at every pass.
class AtAnswer
{
public:
    // True once the answer needs nothing more.
    bool Complete(const QString& answer);
    static bool Accepted(const QString& answer) { return answer.contains(QLatin1String("OK\r\n")); }

private:
    qsizetype errorAt_ = -1; // where a +CME/+CMS error line began
};
