// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/LanguageLoader.h"
#include "core/settings/Prompter.h"

#include <functional>

class QTranslator;

// Message boxes on screen, drawn as the desktop draws its own: the icon its
// theme has for the kind of message, plain buttons in its order, their texts
// from the current language.
class WidgetPrompter : public Prompter
{
public:
    // The language the buttons speak; unset, Qt's own texts.
    void SetLanguage(std::function<const QTranslator*()> language) { language_ = std::move(language); }
    Answer Show(const QString& text, const QString& caption, Buttons buttons,
                Icon icon) override;
    Answer ShowFailure(const QString& text, const QString& caption, const QString& details) override;
    // A message without an icon of its own gets the one its buttons call for:
    // a warning sign for a message, a question mark for a question.
    static Icon IconFor(Buttons buttons, Icon icon);

private:
    Answer Run(const QString& text, const QString& caption, Buttons buttons, Icon icon, const QString& details);

    std::function<const QTranslator*()> language_;
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
