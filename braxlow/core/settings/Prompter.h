// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message boxes and yes/no questions, as the core code asks them. The program
// answers with real dialogs; tests queue the answers they want.
class Prompter
{
public:
    // YesNoDefaultNo: a question whose Yes loses something (a delete): Enter
    // answers No.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
    enum class Icon { None, Information, Question, Warning, Stop };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter();
    virtual Answer Show(const QString& text, const QString& caption, Buttons buttons,
                        Icon icon) = 0;

    // A failure's message with its details behind a "Details..." button; where
    // nobody can look (a console, a test), the message alone.
    virtual Answer ShowFailure(const QString& text, const QString& caption, const QString& details)
    {
        (void)details;
        return Show(text, caption, Buttons::Ok, Icon::None);
    }

    Answer Message(const QString& text, const QString& caption = QString())
    {
        return Show(text, caption, Buttons::Ok, Icon::None);
    }
};
