// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/AtSession.h"

#include <QDialog>

class SkinButton;
class QCheckBox;
class QLineEdit;
class QTranslator;

// The SIM's PIN, asked when the phone says its SIM is locked: masked, 4 to 8
// digits, with the attempts the phone has left when it tells them.
class CPinDlg : public QDialog
{
    Q_OBJECT

public:
    CPinDlg(const QTranslator* module, int attemptsLeft, QWidget* parent = nullptr);

    QString Pin() const;
    bool Remember() const;

    // The prompt as the PIN source asks it; nothing when the user cancels.
    static std::optional<SimPinSource::Entered> Ask(const QTranslator* module, int attemptsLeft,
                                                    QWidget* parent);

private:
    QLineEdit* pin_ = nullptr;
    QCheckBox* remember_ = nullptr;
    SkinButton* ok_ = nullptr;
};
