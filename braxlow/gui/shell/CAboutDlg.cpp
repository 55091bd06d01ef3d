// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/CAboutDlg.h"

#include "ui_CAboutDlg.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "core/shell/OptionCommands.h"
#include "gui/widgets/SkinPictures.h"

CAboutDlg::CAboutDlg(const QTranslator* module, const ProductTexts& product, Prompter& prompter,
                     QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::CAboutDlg>())
{
    ui_->setupUi(this);
    const OptionCommands::AboutTexts texts = OptionCommands::About(module, product, prompter);
    setWindowTitle(texts.caption);
    setWindowIcon(Skin::Icon(214));
    ui_->icon214->setPixmap(Skin::Picture(214, QSize(64, 64), devicePixelRatioF()));
    ui_->static1160->setText(texts.product);
    ui_->static1161->setText(texts.description);
    ui_->button1->SetBitmaps(518);
    ui_->button1->setText(LoadLanguageString(module, Str::Ok));
    connect(ui_->button1, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;
