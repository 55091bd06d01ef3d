// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class QTranslator;

namespace Ui {
class CPasswordDlg;
}

// The log-on prompt of an entry that does not remember its password: the user
// name (filled with the stored one) and the password, asked at every connect.
class CPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    // entryName: the entry that asks, shown under the heading; empty for none.
    CPasswordDlg(const QTranslator* module, const QString& userName, QWidget* parent = nullptr,
                 const QString& entryName = QString());
    ~CPasswordDlg() override;

    QString UserName() const;
    QString Password() const;

private:
    std::unique_ptr<Ui::CPasswordDlg> ui_;
};
