// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/CMainDlg.h"
#include "ui_CMainDlg.h"

#include "core/dialup/CRasDialer.h"
#include "core/phone/EntrySimPin.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/DesktopNotifier.h"
#include "core/shell/ShellTexts.h"
#include "gui/entries/CEntryListDlg.h"
#include "gui/phone/CBalanceDlg.h"
#include "gui/phone/CPinDlg.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CHistoryDlg.h"
#include "gui/shell/CPasswordDlg.h"
#include "gui/shell/TrayIcon.h"
#include "gui/widgets/SkinPictures.h"
#include "phonelink/CComm.h"
#include "phonelink/CIrDASock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QContextMenuEvent>
#include <QMenu>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QTimer>
#include <QWindow>

namespace {

const QColor kStatusColor(50, 50, 50);
const QColor kWhite(255, 255, 255);

} // namespace

CMainDlg::CMainDlg(const Services& services, QWidget* parent)
    : QDialog(parent), services_(services), ui_(std::make_unique<Ui::CMainDlg>()),
      irda_(std::make_unique<CIrDASock>()),
      dialer_(std::make_unique<CRasDialer>(services.phoneBookPath, &services.app.Settings(),
                                           services.dialerPaths)),
      link_(std::make_unique<CComm>())
{
    ui_->setupUi(this);
    // The face is the window: no frame of the desktop's, but a task bar
    // button that minimizes.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint);
    setFixedSize(Skin::PictureSize(899));
    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::activated, this, &CMainDlg::OnTrayNotify);
    connect(tray_, &TrayIcon::itemClicked, this, &CMainDlg::OnTrayItemClicked);
    connect(tray_, &TrayIcon::menuRequested, this, [this](const QPoint& at) {
        if (sequence_->IsActive())
            ShowTrayMenu(at.isNull() ? QCursor::pos() : at);
    });
    sequence_ = std::make_unique<ConnectSequence>(services.app.Settings(), services.app.UserPrompter(),
                                                  *dialer_, *link_, *irda_, *this, services.platformKind,
                                                  services.conflictSources);
    simPin_ = std::make_unique<EntrySimPin>(
        services.app.Data(), [this] { return sequence_->Session().Prepared().CID; },
        [this](int attemptsLeft) {
            return CPinDlg::Ask(services_.app.Settings().LanguageModule(), attemptsLeft, this);
        });
    sequence_->Session().SetPinSource(simPin_.get());
    // Every attempt goes to the history, without the secrets the data keeps.
    sequence_->SetHistory(services.app.Data().UserDatabasePath(), [&data = services.app.Data()] {
        SecretMask mask;
        mask.AddStored(data);
        return mask;
    });
    sequence_->SetPresetDnsCheck([&data = services.app.Data()](const ConnectInfo& info) {
        const DataStore::PresetLookup found = data.FindPreset(info.Provider, info.Country);
        return found.preset && found.preset->PrimaryDNS == info.PrimaryDNS &&
               found.preset->SecondDNS == info.SecondDNS;
    });
    notifier_ = services.notifier;
    if (!notifier_) {
        ownNotifier_ = std::make_unique<SessionBusNotifier>([this](const QString& summary, const QString& body) {
            tray_->ShowMessage(summary, body);
        });
        notifier_ = ownNotifier_.get();
    }
    connect(ui_->button4464, &QAbstractButton::clicked, this, &CMainDlg::OnConnect);
    connect(ui_->button4478, &QAbstractButton::clicked, this, &CMainDlg::OnDisconnect);
    connect(ui_->button3, &QAbstractButton::clicked, this, &CMainDlg::OnEntrySetup);
    connect(ui_->button2, &QAbstractButton::clicked, this, &CMainDlg::OnCancel);
    connect(ui_->button1157, &QAbstractButton::clicked, this, &CMainDlg::OnClose);
    connect(ui_->button1158, &QAbstractButton::clicked, this, &CMainDlg::OnMinimize);
}

CMainDlg::~CMainDlg()
{
    sequence_->WindowClosing();
    RemoveTrayIcon();
    sequence_.reset(); // waits for the workers, which use the dialer
    SetBusy(false);
}

QString CMainDlg::Text(int id) const
{
    return LoadLanguageString(services_.app.Settings().LanguageModule(), id);
}

int CMainDlg::RunModal()
{
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
    return result();
}

void CMainDlg::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
    // Started with the desktop: the entry is connected from the task bar, and
    // the window waits in the tray as after any connect.
    if (std::exchange(connectOnStart_, false) && !services_.app.Settings().LoadConnectInfo().ConnectName.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            showMinimized();
            OnConnect();
        });
        return;
    }
    // With no entry selected there is nothing to connect: the list opens by
    // itself, once the window is on screen.
    if (services_.app.Settings().LoadConnectInfo().ConnectName.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                OnEntrySetup();
        });
}

void CMainDlg::OnInitDialog()
{
    setWindowTitle(QStringLiteral("Braxlow"));
    setWindowIcon(Skin::Icon(214));
    captionFont_ = Skin::Font(QStringLiteral("Arial"), 20, 700);
    statusFont_ = Skin::Font(QStringLiteral("Arial"), 15, 700);
    detailFont_ = Skin::Font(QStringLiteral("Arial"), 11, 400);
    RefreshStatus(); // a status shown before the fonts were chosen
    RefreshLabels();
    sequence_->Dialup().BindEntryToModem();
    sequence_->Session().PrepareConnection();
}

void CMainDlg::RefreshLabels()
{
    struct Face
    {
        CBitmapTextButton* button;
        int normal, pressed, text, x;
    };
    const Face faces[] = {{ui_->button4464, 1015, 1016, Str::Connect, 20},
                          {ui_->button4478, 1017, 1018, Str::Disconnect, 20},
                          {ui_->button3, 1021, 1022, Str::EntrySetup, 15},
                          {ui_->button2, 1019, 1020, Str::Exit, 20}};
    for (const Face& face : faces) {
        face.button->SetBitmaps(face.normal, face.pressed);
        face.button->SetLabel(face.x, 7, Text(face.text), kWhite);
    }
    ui_->button1158->SetBitmaps(934, 933);
    ui_->button1157->SetBitmaps(932, 935);
    ui_->button1157->setAccessibleName(Text(Str::Close));

    // A connect on its way owns the status line and the dial-up entry.
    if (!sequence_->Running()) {
        const bool made = sequence_->Dialup().EnsureDialupEntry(sequence_->Session().PhoneNumber());
        ShowStatus(Text(made ? Str::StatusReady : Str::StatusNotReady));
    }
    ShowEntry(services_.app.Settings().LoadConnectInfo().ConnectName);
    update();
}

void CMainDlg::RefreshStatus()
{
    const QRect panel = ui_->static4479->geometry();
    if (detail_.isEmpty()) {
        shownStatus_ = FitText(status_, statusFont_, panel.size());
        shownDetail_ = FittedText();
    } else {
        const int statusHeight = QFontMetrics(statusFont_).height();
        shownStatus_ = FitText(status_, statusFont_, QSize(panel.width(), statusHeight));
        shownDetail_ = FitText(detail_, detailFont_, QSize(panel.width() - 8, panel.height() - statusHeight));
    }
    update(panel);
}

bool CMainDlg::event(QEvent* event)
{
    // The painted texts have no widgets of their own: their tips are given here.
    if (event->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        QString tip;
        if (ui_->static4479->geometry().contains(at) && (shownStatus_.cut || shownDetail_.cut))
            tip = detail_.isEmpty() ? status_ : status_ + QLatin1Char('\n') + detail_;
        else if (ui_->static1159->geometry().contains(at))
            tip = fullName_;
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QDialog::event(event);
}

void CMainDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), Skin::Picture(899, size(), devicePixelRatioF()));
    // Without a frame the window names itself.
    painter.drawPixmap(QRect(12, 10, 16, 16), Skin::Picture(214, QSize(16, 16), devicePixelRatioF()));
    painter.setPen(kWhite);
    painter.setFont(Skin::Font(QStringLiteral("Arial"), 13, 700));
    painter.drawText(QRect(34, 8, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());

    painter.setFont(statusFont_);
    painter.setPen(kStatusColor);
    const QRect panel = ui_->static4479->geometry();
    if (detail_.isEmpty()) {
        painter.drawText(panel, Qt::AlignCenter, shownStatus_.text);
    } else {
        // The status keeps its line at the top; the details share the rest.
        const int statusHeight = QFontMetrics(statusFont_).height();
        painter.drawText(QRect(panel.left(), panel.top() + 1, panel.width(), statusHeight),
                         Qt::AlignCenter | Qt::TextSingleLine, shownStatus_.text);
        painter.setFont(detailFont_);
        painter.drawText(panel.adjusted(4, statusHeight, -4, 0), Qt::AlignHCenter | Qt::AlignTop,
                         shownDetail_.text);
    }
    // drawText knows no mnemonics: an "&" in a name shows as it is.
    painter.setFont(captionFont_);
    painter.setPen(kWhite);
    painter.drawText(ui_->static1159->geometry(), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void CMainDlg::mousePressEvent(QMouseEvent* event)
{
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void CMainDlg::mouseMoveEvent(QMouseEvent* event)
{
    // The whole face is the title bar.
    if (event->buttons() == Qt::LeftButton) {
        QWindow* window = windowHandle();
        if (!window || !window->startSystemMove())
            move(event->globalPosition().toPoint() - dragOffset_);
    }
    QDialog::mouseMoveEvent(event);
}

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter is the dialog's OK, except on a button that has the focus: that
    // one is pressed, as a dialog's focused button is.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnCancel();
}

void CMainDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && initialised_)
        RefreshLabels();
    QDialog::changeEvent(event);
}

void CMainDlg::accept()
{
    sequence_->EndWithoutQuestion();
}

void CMainDlg::reject()
{
    OnCancel();
}

void CMainDlg::EndDialog(int result)
{
    QDialog::done(result == ConnectSequence::kDialogOk ? QDialog::Accepted : QDialog::Rejected);
}

void CMainDlg::OnConnect()
{
    sequence_->Connect();
}

void CMainDlg::OnDisconnect()
{
    sequence_->Disconnect();
}

void CMainDlg::OnEntrySetup()
{
    if (sequence_->Running() || sequence_->IsActive())
        return;
    sequence_->CancelReconnect();
    sequence_->SettleUsage();
    CEntryListDlg list(CEntryListDlg::Services{services_.app, *dialer_, services_.help, QString(), QString()},
                       this);
    list.exec();
    RefreshLabels();
    sequence_->Session().PrepareConnection();
}

void CMainDlg::OnCancel()
{
    sequence_->CloseRequest();
}

void CMainDlg::OnClose()
{
    sequence_->CloseRequest();
}

void CMainDlg::OnMinimize()
{
    if (sequence_->IsActive())
        HideToTray();
    else
        showMinimized();
}

void CMainDlg::OnAbout()
{
    CAboutDlg about(services_.app.Settings().LanguageModule(), services_.app.Product(),
                    services_.app.UserPrompter(), this);
    about.exec();
}

void CMainDlg::OnHistory()
{
    CHistoryDlg history(services_.app, this);
    history.exec();
}

void CMainDlg::OnCheckBalance()
{
    if (sequence_->Running() || sequence_->IsActive())
        return;
    sequence_->CancelReconnect();
    const int entry = services_.app.Settings().LoadConnectInfo().CID;
    const std::optional<DataStore::EntryExtras> extras =
        entry > 0 ? services_.app.Data().LoadExtras(entry) : std::nullopt;
    if (!extras || extras->balanceCode.isEmpty()) {
        services_.app.UserPrompter().Show(Text(Str::BalanceNoCode), QString(), Prompter::Buttons::Ok,
                                          Prompter::Icon::Information);
        return;
    }
    CBalanceDlg balance(services_.app.Settings().LanguageModule(), sequence_->Session(), extras->balanceCode, this);
    balance.exec();
}

void CMainDlg::OnCommand(int command)
{
    switch (command) {
    case ShellCommand::Connect: OnConnect(); break;
    case ShellCommand::Disconnect: OnDisconnect(); break;
    case ShellCommand::EntrySetup: OnEntrySetup(); break;
    case ShellCommand::Exit: OnCancel(); break;
    case ShellCommand::Close: OnClose(); break;
    case ShellCommand::Minimize: OnMinimize(); break;
    case ShellCommand::About: OnAbout(); break;
    case ShellCommand::CheckBalance: OnCheckBalance(); break;
    case ShellCommand::History: OnHistory(); break;
    case ShellCommand::ShowWindow: OnTrayNotify(QSystemTrayIcon::DoubleClick); break;
    default: break;
    }
}

void CMainDlg::OnQuitRequest()
{
    for (int open = 0; open < 8; ++open) {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal == this)
            break;
        modal->QDialog::done(QDialog::Rejected);
    }
    sequence_->EndWithoutQuestion();
}

void CMainDlg::OnTrayNotify(QSystemTrayIcon::ActivationReason reason)
{
    // A click that arrives after the line has gone: the watcher removes the
    // icon within a second.
    if (!sequence_->IsActive())
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        HideToTray();
        break;
    case QSystemTrayIcon::DoubleClick:
        showNormal();
        raise();
        activateWindow();
        break;
    case QSystemTrayIcon::Context:
        activateWindow();
        ShowTrayMenu(QCursor::pos());
        break;
    default:
        break;
    }
}

void CMainDlg::OnTrayItemClicked()
{
    if (!sequence_->IsActive())
        return;
    // A panel for items reports a click as such and never a double click:
    // it brings the window to the front, or sends it back when it is there.
    if (isVisible() && !isMinimized() && isActiveWindow()) {
        HideToTray();
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

QMenu* CMainDlg::BuildMenu(const QList<ShellTexts::MenuItem>& items)
{
    auto* menu = new QMenu(this);
    for (const ShellTexts::MenuItem& item : items) {
        if (item.stringId == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(Text(item.stringId));
        action->setData(item.command);
        // Run once the menu has finished with the action: a command may open
        // a modal (About, the disconnect question) in which the menu is built
        // anew, and the old one must not be in use when it goes.
        connect(action, &QAction::triggered, this, [this, command = item.command] { OnCommand(command); },
                Qt::QueuedConnection);
    }
    return menu;
}

void CMainDlg::ShowTrayMenu(const QPoint& at)
{
    delete trayMenu_;
    trayMenu_ = BuildMenu(ShellTexts::TrayMenu());
    trayMenu_->popup(at);
}

void CMainDlg::ShowWindowMenu(const QPoint& at)
{
    delete windowMenu_;
    windowMenu_ = BuildMenu(ShellTexts::WindowMenu());
    // The balance needs the phone's port, which a connection holds.
    const bool portFree = !sequence_->Running() && !sequence_->IsActive();
    for (QAction* action : windowMenu_->actions())
        if (action->data().toInt() == ShellCommand::CheckBalance)
            action->setEnabled(portFree);
    windowMenu_->popup(at);
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event)
{
    ShowWindowMenu(event->globalPos());
}

bool CMainDlg::TrayIconShown() const
{
    return tray_->Visible();
}

void CMainDlg::AddTrayIcon()
{
    const QIcon icon = Skin::Icon(214);
    tray_->Show(icon, TrayTipText());
    setWindowIcon(icon);
}

void CMainDlg::RemoveTrayIcon()
{
    tray_->Hide();
}

bool CMainDlg::AskPassword(QString& userName, QString& password)
{
    CPasswordDlg prompt(services_.app.Settings().LanguageModule(), userName, this, fullName_);
    if (prompt.exec() != QDialog::Accepted)
        return false;
    userName = prompt.UserName();
    password = prompt.Password();
    return true;
}

void CMainDlg::ShowStatus(const QString& text)
{
    if (text == status_)
        return;
    status_ = text;
    // Painted, the line is no text a screen reader finds: the window tells it.
    setAccessibleDescription(text);
    RefreshStatus();
    Q_EMIT statusTextChanged(text);
}

void CMainDlg::ShowEntry(const QString& name)
{
    fullName_ = name;
    caption_ = ShellTexts::EntryCaption(name);
    // A screen reader hears the whole name, not the caption's cut one.
    setAccessibleName(fullName_.isEmpty() ? windowTitle() : windowTitle() + QLatin1Char(' ') + fullName_);
    update();
}

void CMainDlg::ShowDetail(const QString& text)
{
    if (text == detail_)
        return;
    // Not in the window's description: a screen reader would read the
    // counters out every second.
    detail_ = text;
    RefreshStatus();
}

void CMainDlg::ShowTrayTip(const QString& text)
{
    if (text == trayTip_)
        return;
    trayTip_ = text;
    tray_->SetToolTip(TrayTipText());
}

void CMainDlg::Notify(const QString& summary, const QString& body)
{
    notifier_->Notify(summary, body);
}

void CMainDlg::EnableButtons(bool enabled)
{
    ui_->button4464->setEnabled(enabled);
    ui_->button4478->setEnabled(enabled);
    ui_->button3->setEnabled(enabled);
}

void CMainDlg::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CMainDlg::HideToTray()
{
    showMinimized();
    // Without a tray on the desktop the icon would never show: the window
    // stays on the task bar, minimized, rather than out of reach.
    if (tray_->Available())
        hide();
    AddTrayIcon();
}

void CMainDlg::RestoreFromTray()
{
    showNormal();
    raise();
    RemoveTrayIcon();
    ShowTrayTip(QString());
}
