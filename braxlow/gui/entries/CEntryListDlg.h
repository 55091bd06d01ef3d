// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/DesktopLauncher.h"
#include "core/entries/EntryList.h"

#include <QDialog>

#include <memory>

class BraxlowApp;
class CRasDialer;
class DocumentOpener;
class QAction;
class QMenu;
class QMenuBar;

namespace Ui {
class CEntryListDlg;
}

// The window in which the user keeps the connection entries and takes the one to
// connect with. What it hands on is not a result but "ConnectInfo": every entry
// the user takes is written there at once. It also carries the program's menu of
// options: port speed, language, phone setup, update check, help.
class CEntryListDlg : public QDialog
{
    Q_OBJECT

public:
    struct Services
    {
        BraxlowApp& app;
        CRasDialer& dialer;
        DocumentOpener& help;
        // Where shortcuts go; empty: the user's desktop folder.
        QString desktopFolder;
        // What the shortcuts start; empty: this program.
        QString programFile;
    };

    explicit CEntryListDlg(const Services& services, QWidget* parent = nullptr);
    ~CEntryListDlg() override;

    const EntryList& Rows() const { return rows_; }
    int CurrentRow() const { return current_; }

    // The menu bar and every text again, from the current language table.
    void ReloadTexts();

public Q_SLOTS:
    void OnNew();
    void OnProperties();
    void OnDelete();
    void OnShortcut();
    void OnCommand(int command);
    void accept() override; // Select
    void reject() override; // Close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void FillAndPreselect();
    void BuildMenu();
    void SetTexts();
    QAction* AddCommand(QMenu* menu, int command, const QString& text);
    void SetSpeedChecks(int position);
    void UpdateSpeedChecks();
    void UpdateLanguageChecks();
    void SwitchLanguage(int command);
    void SelectRow(int row);
    bool IsSelected(int row) const;
    void UpdateCommands();
    void StoreCurrentEntry(int row);
    ConnectionEntry WorkingCopy(const ConnectionEntry& fields) const;
    QString Text(int id) const;

    Services services_;
    std::unique_ptr<Ui::CEntryListDlg> ui_;
    QMenuBar* menuBar_;
    EntryList rows_;
    class MarkedIcons;
    MarkedIcons* icons_;
    DesktopLauncher launcher_;
    int current_ = 0;
    bool opened_ = false;
    bool unreadable_ = false;
};
