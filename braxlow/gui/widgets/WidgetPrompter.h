// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/LanguageLoader.h"
#include "core/settings/Prompter.h"

// Message boxes on screen.
class WidgetPrompter : public Prompter
{
public:
    Answer Show(const QString& text, const QString& caption, Buttons buttons,
                Icon icon) override;
};

// The desktop's viewer for help files.
class DesktopDocumentOpener : public DocumentOpener
{
public:
    bool Open(const QString& path) override;
};

// For runs without a person in front of the screen: messages go to standard
// error and every question gets its affirmative answer.
class ConsolePrompter : public Prompter
{
public:
    Answer Show(const QString& text, const QString& caption, Buttons buttons,
                Icon icon) override;
};
