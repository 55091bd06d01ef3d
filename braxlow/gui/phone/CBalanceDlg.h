// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/UssdSession.h"

#include <QDialog>

class SkinButton;
class QLabel;
class QLineEdit;
class QTranslator;

// The prepaid balance: sends the entry's balance code through the phone and
// shows the network's answer. A menu from the network can be answered; the
// answer is kept only when the user saves it.
class CBalanceDlg : public QDialog
{
    Q_OBJECT

public:
    CBalanceDlg(const QTranslator* module, AtSession& at, const QString& code, QWidget* parent = nullptr);

    QString AnswerText() const;
    bool WaitsForReply() const;

public Q_SLOTS:
    void OnSend();
    void OnSave();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Run(const QString& text);
    QString Text(int id) const;

    const QTranslator* module_;
    AtSession& at_;
    UssdSession session_;
    QString code_;
    bool started_ = false;
    bool busy_ = false;
    bool closeWhenDone_ = false;
    QLabel* answer_ = nullptr;
    QLabel* replyLabel_ = nullptr;
    QLineEdit* reply_ = nullptr;
    SkinButton* send_ = nullptr;
    SkinButton* save_ = nullptr;
    SkinButton* close_ = nullptr;
};
