// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class Prompter;
class QTranslator;
struct ProductTexts;

namespace Ui {
class CAboutDlg;
}

// The About box: the product icon, the product and version, one line about it.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    CAboutDlg(const QTranslator* module, const ProductTexts& product, Prompter& prompter,
              QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
};
