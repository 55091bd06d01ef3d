// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/phone/CBalanceDlg.h"

#include "core/phone/AtSession.h"
#include "core/phone/Ussd.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/SkinButton.h"
#include "gui/widgets/SkinPictures.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QTimer>

CBalanceDlg::CBalanceDlg(const QTranslator* module, AtSession& at, const QString& code, QWidget* parent)
    : QDialog(parent), module_(module), at_(at), session_(at), code_(code)
{
    setObjectName(QStringLiteral("CBalanceDlg"));
    setWindowIcon(Skin::Icon(514));
    setWindowTitle(Text(Str::BalanceTitle) + QStringLiteral(" - ") + ProductTexts::From(ProductRecord::Braxlow()).ProductDisplayName);

    answer_ = new QLabel(Text(Str::BalanceAsking), this);
    answer_->setObjectName(QStringLiteral("answer"));
    answer_->setWordWrap(true);
    answer_->setTextFormat(Qt::PlainText); // the network's text is never markup
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer_->setMinimumSize(340, 90);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setFrameShape(QFrame::StyledPanel);
    answer_->setMargin(8);

    replyLabel_ = new QLabel(Text(Str::BalanceReplyLabel), this);
    reply_ = new QLineEdit(this);
    reply_->setObjectName(QStringLiteral("reply"));
    reply_->setMaxLength(32);
    reply_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Za-z*#+ ]{0,32}")), reply_));
    replyLabel_->setBuddy(reply_);
    send_ = new SkinButton(this);
    send_->setObjectName(QStringLiteral("send"));
    send_->setText(Text(Str::BalanceSend));
    send_->setAutoDefault(false);

    save_ = new SkinButton(this);
    save_->setObjectName(QStringLiteral("save"));
    save_->setText(Text(Str::BalanceSave));
    save_->setAutoDefault(false);
    close_ = new SkinButton(this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setText(Text(Str::Close));
    close_->SetBitmaps(516);
    close_->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(answer_, 0, 0, 1, 3);
    grid->addWidget(replyLabel_, 1, 0);
    grid->addWidget(reply_, 1, 1);
    grid->addWidget(send_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(send_, &QAbstractButton::clicked, this, &CBalanceDlg::OnSend);
    connect(reply_, &QLineEdit::returnPressed, this, &CBalanceDlg::OnSend);
    connect(save_, &QAbstractButton::clicked, this, &CBalanceDlg::OnSave);
    connect(close_, &QAbstractButton::clicked, this, &CBalanceDlg::reject);
    for (QWidget* w : {static_cast<QWidget*>(replyLabel_), static_cast<QWidget*>(reply_), static_cast<QWidget*>(send_)})
        w->setVisible(false);
    save_->setEnabled(false);
}

QString CBalanceDlg::Text(int id) const
{
    return LoadLanguageString(module_, id);
}

QString CBalanceDlg::AnswerText() const
{
    return answer_->text();
}

bool CBalanceDlg::WaitsForReply() const
{
    return reply_->isVisible();
}

void CBalanceDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window shows "Asking the network..." before the phone is asked.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, [this] { Run(code_); });
    }
}

void CBalanceDlg::Run(const QString& text)
{
    busy_ = true;
    send_->setEnabled(false);
    save_->setEnabled(false);
    close_->setText(Text(Str::Cancel));
    answer_->setText(Text(Str::BalanceAsking));
    setCursor(Qt::WaitCursor);
    const UssdSession::Step step = session_.Send(text);
    unsetCursor();
    busy_ = false;
    close_->setText(Text(Str::Close));
    if (std::exchange(closeWhenDone_, false)) {
        reject();
        return;
    }
    QString shown = step.text;
    if (step.messageId != 0)
        shown = step.text.isEmpty() ? Text(step.messageId) : Text(step.messageId) + QStringLiteral("\n\n") + step.text;
    answer_->setText(shown);
    const bool menu = step.kind == UssdSession::Step::Kind::Menu;
    for (QWidget* w : {static_cast<QWidget*>(replyLabel_), static_cast<QWidget*>(reply_), static_cast<QWidget*>(send_)})
        w->setVisible(menu);
    send_->setEnabled(true);
    save_->setEnabled(!step.text.isEmpty());
    reply_->clear();
    if (menu)
        reply_->setFocus();
    adjustSize();
}

void CBalanceDlg::OnSend()
{
    if (!busy_ && WaitsForReply() && Ussd::ValidReply(reply_->text()))
        Run(reply_->text());
}

void CBalanceDlg::OnSave()
{
    const QString path = QFileDialog::getSaveFileName(this, Text(Str::BalanceTitle), QString(),
                                                      QStringLiteral("*.txt"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(answer_->text().toUtf8() + '\n') < 0)
        QMessageBox::warning(this, windowTitle(), file.errorString());
}

void CBalanceDlg::reject()
{
    // The phone's answer is on its way: the wait is cut short, and the window
    // closes once the phone has been told.
    if (busy_) {
        closeWhenDone_ = true;
        at_.RequestCancel();
        return;
    }
    session_.Cancel();
    QDialog::reject();
}
