// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/PppdCommand.h"
#include "core/shell/ConnectSequence.h"
#include "gui/widgets/FittedText.h"
#include "core/shell/ShellTexts.h"

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QSystemTrayIcon>

#include <memory>

class BraxlowApp;
class CComm;
class CIrDASock;
class CRasDialer;
class DesktopNotifier;
class DocumentOpener;
class QMenu;
class TrayIcon;
class EntrySimPin;

namespace Ui {
class CMainDlg;
}

// The program's window: the selected entry's name, one status line and the
// connect, disconnect, entry setup and exit buttons on the program's own
// face. While connected it waits as a tray icon. It owns what a connection
// needs at run time: the phone link, the infrared lookup, the dial-up object
// and the connect sequence.
class CMainDlg : public QDialog, public ShellWindow
{
    Q_OBJECT

public:
    struct Services
    {
        BraxlowApp& app;
        DocumentOpener& help;
        QString phoneBookPath;
        DialerPaths dialerPaths = DialerPaths();
        int platformKind = 5;
        PortConflictSources conflictSources = PortConflictSources();
        // Null: the desktop's notification service.
        DesktopNotifier* notifier = nullptr;
    };

    explicit CMainDlg(const Services& services, QWidget* parent = nullptr);
    // Hangs up an active connection and waits for the workers.
    ~CMainDlg() override;

    // Shows the window and runs until it ends (Enter, exit, close): not
    // QDialog::exec(), which ends as soon as the window hides in the tray.
    int RunModal();

    // The commands.
    void OnConnect();
    void OnDisconnect();
    void OnEntrySetup();
    void OnCancel();
    void OnClose();
    void OnMinimize();
    void OnAbout();
    void OnHistory();
    // Sends the entry's balance code; only while not connected, when the
    // phone's port is free.
    void OnCheckBalance();
    void OnCommand(int command);
    void OnTrayNotify(QSystemTrayIcon::ActivationReason reason);
    // A click on the icon where a panel hosts it as an item.
    void OnTrayItemClicked();
    // Started with the desktop: connect as soon as the window is up.
    void ConnectOnStart() { connectOnStart_ = true; }
    // Ended from outside (the session closing): a question or prompt open
    // then is closed unanswered, and the program ends as on Enter.
    void OnQuitRequest();

    void RefreshLabels();
    void RefreshStatus();

    QString StatusText() const { return status_; }
    // The lines under the status (traffic, countdown) and the tray tip.
    QString DetailText() const { return detail_; }
    QString TrayTipText() const { return trayTip_.isEmpty() ? ShellTexts::TrayTip(windowTitle()) : trayTip_; }
    QString EntryCaption() const { return caption_; }
    bool TrayIconShown() const;
    // The tray icon's menu as it was last built (for its texts and items).
    QMenu* TrayMenu() const { return trayMenu_; }
    // The window's own menu as it was last opened.
    QMenu* WindowMenu() const { return windowMenu_; }
    void ShowWindowMenu(const QPoint& at);
    ConnectSequence& Sequence() { return *sequence_; }
    CRasDialer& Dialer() { return *dialer_; }

    // ShellWindow
    bool AskPassword(QString& userName, QString& password) override;
    void ShowStatus(const QString& text) override;
    void EnableButtons(bool enabled) override;
    void SetBusy(bool busy) override;
    void HideToTray() override;
    void RestoreFromTray() override;
    void EndDialog(int result) override;
    void ShowDetail(const QString& text) override;
    void ShowTrayTip(const QString& text) override;
    void Notify(const QString& summary, const QString& body) override;
    void ShowEntry(const QString& name) override;

Q_SIGNALS:
    void statusTextChanged(const QString& text);

public Q_SLOTS:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void OnInitDialog();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ShowTrayMenu(const QPoint& at);
    QMenu* BuildMenu(const QList<ShellTexts::MenuItem>& items);
    QString Text(int id) const;

    Services services_;
    std::unique_ptr<Ui::CMainDlg> ui_;
    QFont captionFont_;
    QFont statusFont_;
    QFont detailFont_;
    QString caption_;
    QString fullName_; // the entry's name, whole: the caption may cut it
    QString status_;
    QString detail_;
    // The panel's texts as drawn; cut ones are shown whole in its tooltip.
    FittedText shownStatus_;
    FittedText shownDetail_;
    QString trayTip_;
    std::unique_ptr<CIrDASock> irda_;
    std::unique_ptr<CRasDialer> dialer_;
    std::unique_ptr<CComm> link_;
    std::unique_ptr<ConnectSequence> sequence_;
    TrayIcon* tray_ = nullptr;
    bool connectOnStart_ = false;
    QMenu* trayMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::unique_ptr<EntrySimPin> simPin_;
    std::unique_ptr<DesktopNotifier> ownNotifier_;
    DesktopNotifier* notifier_ = nullptr;
    bool initialised_ = false;
    bool busy_ = false;
    QPoint dragOffset_;
};
