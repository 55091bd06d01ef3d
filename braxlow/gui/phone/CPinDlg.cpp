// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/phone/CPinDlg.h"

#include "core/phone/PhoneStatus.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/SkinButton.h"
#include "gui/widgets/SkinPictures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CPinDlg::CPinDlg(const QTranslator* module, int attemptsLeft, QWidget* parent) : QDialog(parent)
{
    auto text = [module](int id) { return LoadLanguageString(module, id); };
    setWindowIcon(Skin::Icon(514));
    setWindowTitle(text(Str::PinTitle) + QStringLiteral(" - ") + ProductTexts::From(ProductRecord::Braxlow()).ProductDisplayName);
    setObjectName(QStringLiteral("CPinDlg"));

    auto* picture = new QLabel(this);
    picture->setPixmap(Skin::Picture(1032, QSize(48, 48), devicePixelRatioF()));
    auto* prompt = new QLabel(text(Str::PinPrompt), this);
    prompt->setWordWrap(true);
    pin_ = new QLineEdit(this);
    pin_->setObjectName(QStringLiteral("pin"));
    pin_->setEchoMode(QLineEdit::Password);
    pin_->setMaxLength(8);
    pin_->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhHiddenText | Qt::ImhSensitiveData);
    pin_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), pin_));
    pin_->setAccessibleName(text(Str::PinTitle));
    prompt->setBuddy(pin_);

    auto* attempts = new QLabel(this);
    attempts->setObjectName(QStringLiteral("attempts"));
    if (attemptsLeft == 1) {
        attempts->setText(text(Str::PinLastAttempt));
        attempts->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    } else if (attemptsLeft >= 0) {
        attempts->setText(text(Str::PinAttemptsLeft).arg(attemptsLeft));
    }
    attempts->setWordWrap(true);
    attempts->setVisible(attemptsLeft >= 0);

    remember_ = new QCheckBox(text(Str::PinRemember), this);
    remember_->setObjectName(QStringLiteral("remember"));

    ok_ = new SkinButton(this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setText(text(Str::Ok));
    ok_->SetBitmaps(518);
    ok_->setDefault(true);
    auto* cancel = new SkinButton(this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setText(text(Str::Cancel));
    cancel->SetBitmaps(516);
    cancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(prompt, 0, 1);
    grid->addWidget(pin_, 1, 1);
    grid->addWidget(attempts, 2, 1);
    grid->addWidget(remember_, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 280);

    ok_->setEnabled(false);
    connect(pin_, &QLineEdit::textChanged, this,
            [this](const QString& pin) { ok_->setEnabled(PhoneStatus::ValidPin(pin)); });
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    pin_->setFocus();
    setFixedSize(sizeHint());
}

QString CPinDlg::Pin() const
{
    return pin_->text();
}

bool CPinDlg::Remember() const
{
    return remember_->isChecked();
}

std::optional<SimPinSource::Entered> CPinDlg::Ask(const QTranslator* module, int attemptsLeft, QWidget* parent)
{
    CPinDlg dialog(module, attemptsLeft, parent);
    if (dialog.exec() != QDialog::Accepted || !PhoneStatus::ValidPin(dialog.Pin()))
        return std::nullopt;
    return SimPinSource::Entered{dialog.Pin(), dialog.Remember()};
}
