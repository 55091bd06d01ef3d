// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CEntrySheet.h"

#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/CPropertyPage.h"
#include "gui/widgets/SkinButton.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CEntrySheet::CEntrySheet(const QString& caption, const QTranslator* module, QWidget* parent)
    : QDialog(parent), module_(module), tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(this)), ok_(new SkinButton(this)), cancel_(new SkinButton(this))
{
    // The program's own buttons, as in the editor that opens the sheet.
    ok_->SetBitmaps(518);
    cancel_->SetBitmaps(516);
    ok_->setDefault(true);
    buttons_->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons_->addButton(cancel_, QDialogButtonBox::RejectRole);
    setObjectName(QStringLiteral("entrySheet"));
    setWindowTitle(caption);
    tabs_->setObjectName(QStringLiteral("tabs"));
    buttons_->setObjectName(QStringLiteral("buttons"));
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    column->addWidget(buttons_);
}

void CEntrySheet::AddPage(QWidget* page)
{
    tabs_->addTab(page, page->windowTitle());
}

void CEntrySheet::setVisible(bool visible)
{
    // Before the dialog sizes itself, so the window fits the loaded texts.
    if (visible && !initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CEntrySheet::OnInitDialog()
{
    ok_->setText(LoadLanguageString(module_, Str::Ok));
    cancel_->setText(LoadLanguageString(module_, Str::Cancel));
    const int tabTexts[] = {Str::TabTcpIp, Str::TabQoSMin, Str::TabQoSRequest};
    for (int i = 0; i < tabs_->count() && i < 3; ++i)
        tabs_->setTabText(i, LoadLanguageString(module_, tabTexts[i]));
    for (int i = 0; i < tabs_->count(); ++i) {
        if (auto* page = dynamic_cast<CPropertyPage*>(tabs_->widget(i)))
            page->OnInitDialog();
    }
}
