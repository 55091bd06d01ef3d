// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/Prompter.h"

#include <QTextStream>

// The command-line tools' messages go to standard error; a question is never
// answered yes on the user's behalf.
class ToolPrompter : public Prompter
{
public:
    Answer Show(const QString& text, const QString&, Buttons, Icon) override
    {
        QTextStream(stderr) << text << '\n';
        return Answer::Ok;
    }
};
