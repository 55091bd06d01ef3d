// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/LanguageStrings.h"

#include <QWidget>

class QTranslator;

// A page of CEntrySheet. The sheet initialises every page once, just before it
// first shows, whether or not the user ever opens the page: the owner reads all
// pages' texts after OK.
class CPropertyPage : public QWidget
{
public:
    explicit CPropertyPage(const QTranslator* module, QWidget* parent = nullptr)
        : QWidget(parent), module_(module)
    {}

    // Sets the visible texts from the language table and loads the controls
    // from the page's text fields.
    virtual void OnInitDialog() = 0;

protected:
    QString Text(int id) const { return LoadLanguageString(module_, id); }

private:
    const QTranslator* module_;
};
