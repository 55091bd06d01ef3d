// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/CPasswordDlg.h"
#include "ui_CPasswordDlg.h"

#include "core/entries/ConnectionEntry.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/SkinPictures.h"

CPasswordDlg::CPasswordDlg(const QTranslator* module, const QString& userName, QWidget* parent,
                           const QString& entryName)
    : QDialog(parent), ui_(std::make_unique<Ui::CPasswordDlg>())
{
    ui_->setupUi(this);
    auto text = [module](int id) { return LoadLanguageString(module, id); };
    setWindowIcon(Skin::Icon(514));
    setWindowTitle(text(Str::LogOnTitle) + QStringLiteral(" - Korvane Tessaly Braxlow"));
    ui_->picture1014->setPixmap(Skin::Picture(1032, QSize(48, 48), devicePixelRatioF()));
    ui_->static5119->setFont(Skin::Font(QStringLiteral("Tahoma"), 20, 700));
    // Which entry asks: the heading says, in a smaller line under it.
    if (entryName.isEmpty()) {
        ui_->static5119->setText(text(Str::Connect));
    } else {
        ui_->static5119->setTextFormat(Qt::RichText);
        ui_->static5119->setText(QStringLiteral("%1<br><span style=\"font-size: small; font-weight: normal\">%2</span>")
                                     .arg(text(Str::Connect).toHtmlEscaped(), entryName.toHtmlEscaped()));
    }
    ui_->static1018->setText(text(Str::UserNameLabel));
    ui_->static1159->setText(text(Str::PasswordLabel));
    ui_->button1->setText(text(Str::Ok));
    ui_->button1->SetBitmaps(518);
    ui_->button2->setText(text(Str::Cancel));
    ui_->button2->SetBitmaps(516);
    // What the entry's columns hold, no more.
    ui_->edit1011->setMaxLength(EntryFieldSize::kName);
    ui_->edit1012->setMaxLength(EntryFieldSize::kName);
    ui_->edit1011->setText(userName);
    // The name is usually known: the cursor waits in the password.
    if (!userName.isEmpty())
        ui_->edit1012->setFocus();
    setFixedSize(sizeHint());
}

CPasswordDlg::~CPasswordDlg() = default;

QString CPasswordDlg::UserName() const
{
    return ui_->edit1011->text();
}

QString CPasswordDlg::Password() const
{
    return ui_->edit1012->text();
}
