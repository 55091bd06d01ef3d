// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phone/SetupModel.h"
#include "phonelink/CIrDASock.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

class AppSettings;
class CRasDialer;
class PortMap;
class Prompter;
class QTranslator;

namespace Ui {
class CSetupDlg;
}

// The tree on the left of the setup dialog: the modem list, and under it the
// item that adds a modem. Expanding and collapsing need nothing of the dialog.
class CSetupTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CSetupTree(QWidget* parent = nullptr);
};

// The window in which the user says which modem, and so which port, the phone
// is. Everything it decides is SetupModel's; OK stores the port and points the
// dial-up entry at the modem.
class CSetupDlg : public QDialog
{
    Q_OBJECT

public:
    CSetupDlg(AppSettings& settings, PortMap& ports, CRasDialer& dialer, Prompter& prompter,
              const QString& productName, QWidget* parent = nullptr);
    ~CSetupDlg() override;

    // The row that is, or is to be, shown selected.
    int CurrentRow() const { return current_; }
    const QList<SetupRow>& Rows() const { return rows_; }

    static constexpr int kRefreshMs = 2000;

public Q_SLOTS:
    void OnOK();
    // The periodic look for modems that came or went.
    void OnTimer();
    // The tree's second item and button 3.
    void OnAddModem();
    // Asks the phone on the chosen port (or the stored one) what it is and
    // whether it is ready, and shows the answer in a window of its own.
    void OnTestPhone();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void FillTree();
    void ShowPage(const QString& itemText);
    void ShowModemPage();
    // Shows the rows; unchanged rows are left alone so a refresh never
    // disturbs what the user is doing.
    void ShowRows(const QList<SetupRow>& rows, bool force);
    void SelectRow(int row);
    int SelectedRow() const;
    void ListClicked(SetupModel::Click click, const QPoint& position);
    QString Text(int id) const;

    std::unique_ptr<Ui::CSetupDlg> ui_;
    SetupModel model_;
    AppSettings& settings_;
    CRasDialer& dialer_;
    Prompter& prompter_;
    QString productName_;
    CIrDASock irda_;
    QTimer timer_;
    // A phone plugged in shows up at once, not at the next tick.
    QFileSystemWatcher devices_;
    QList<SetupRow> rows_;
    QString selectedItemText_;
    int port_ = 0;
    int irPort_ = 0;
    int current_ = 0;
    // Once the user has picked a row, refreshes keep it instead of going back
    // to the stored port's row.
    bool userChose_ = false;
    bool selecting_ = false;
    bool opened_ = false;
};
