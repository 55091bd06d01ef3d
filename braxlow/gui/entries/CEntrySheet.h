// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QDialogButtonBox;
class SkinButton;
class QTabWidget;
class QTranslator;

// The entry editor's advanced settings: one tab per page, OK and Cancel.
class CEntrySheet : public QDialog
{
    Q_OBJECT

public:
    CEntrySheet(const QString& caption, const QTranslator* module, QWidget* parent = nullptr);

    // In tab order: TCP/IP, minimum QoS, requested QoS. The page becomes a child
    // of the sheet: make it with new, or as a local declared after the sheet.
    void AddPage(QWidget* page);

    void setVisible(bool visible) override;

private:
    void OnInitDialog();

    const QTranslator* module_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    SkinButton* ok_;
    SkinButton* cancel_;
    bool initialised_ = false;
};
