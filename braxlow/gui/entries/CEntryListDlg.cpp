// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CEntryListDlg.h"

#include "ui_CEntryListDlg.h"
#include "core/entries/AllowanceStore.h"
#include "core/entries/ContextNumber.h"
#include "core/entries/DataStore.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/LanguageTable.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "core/shell/Autostart.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/OptionCommands.h"
#include "gui/entries/CEntryEditDlg.h"
#include "gui/phone/CSetupDlg.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CHistoryDlg.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SkinPictures.h"
#include "update/CSelectDlg.h"

#include <QActionGroup>
#include <QApplication>
#include <QIdentityProxyModel>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

namespace oc = OptionCommands;

// Column 0 with the entry's picture: the marked row shows the other one.
class CEntryListDlg::MarkedIcons : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole && index.column() == 0)
            return index.data(EntryList::MarkedRole).toBool() ? marked_ : entry_;
        return QIdentityProxyModel::data(index, role);
    }

private:
    QIcon entry_ = Skin::Icon(425);
    QIcon marked_ = Skin::Icon(467);
};

CEntryListDlg::CEntryListDlg(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , ui_(std::make_unique<Ui::CEntryListDlg>())
    , menuBar_(new QMenuBar(this))
    , icons_(new MarkedIcons(this))
    , launcher_(services.desktopFolder)
{
    ui_->setupUi(this);
    layout()->setMenuBar(menuBar_);
    menuBar_->setObjectName(QStringLiteral("menu513"));
    icons_->setSourceModel(&rows_);
    ui_->list1117->setModel(icons_);
    ui_->list1117->setModelColumn(EntryList::Name);
    ui_->list1117->setIconSize(QSize(32, 32));
    ui_->list1117->setGridSize(QSize(120, 80));

    connect(ui_->button5058, &QPushButton::clicked, this, &CEntryListDlg::OnNew);
    connect(ui_->button5054, &QPushButton::clicked, this, &CEntryListDlg::OnProperties);
    connect(ui_->button5057, &QPushButton::clicked, this, &CEntryListDlg::OnDelete);
    connect(ui_->button5055, &QPushButton::clicked, this, &CEntryListDlg::OnShortcut);
    connect(ui_->button1, &QPushButton::clicked, this, &CEntryListDlg::accept);
    connect(ui_->button2, &QPushButton::clicked, this, &CEntryListDlg::reject);
    connect(ui_->list1117->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid())
                    current_ = index.row();
            });
    // A click beside the rows leaves the row the user was on selected.
    connect(ui_->list1117->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!ui_->list1117->selectionModel()->hasSelection() && current_ < rows_.Count())
            SelectRow(current_);
        UpdateCommands();
    });
    // An empty list has no entry to open, delete or put on the desktop.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&rows_, signal, this, &CEntryListDlg::UpdateCommands);
    connect(&rows_, &QAbstractItemModel::modelReset, this, &CEntryListDlg::UpdateCommands);
    connect(ui_->list1117, &QListView::doubleClicked, this, &CEntryListDlg::accept);
    // Delete works wherever the focus is in the window, also on a button.
    auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    del->setContext(Qt::WindowShortcut);
    connect(del, &QShortcut::activated, this, &CEntryListDlg::OnDelete);
}

CEntryListDlg::~CEntryListDlg() = default;

QString CEntryListDlg::Text(int id) const
{
    return LoadLanguageString(services_.app.Settings().LanguageModule(), id);
}

void CEntryListDlg::showEvent(QShowEvent* event)
{
    if (!opened_) {
        opened_ = true;
        OnInitDialog();
        UpdateCommands();
        FitToScreen(this);
    }
    QDialog::showEvent(event);
}

void CEntryListDlg::OnInitDialog()
{
    setWindowIcon(Skin::Icon(514));
    BuildMenu();
    SetTexts();
    ui_->button2->SetBitmaps(440);
    ui_->button1->SetBitmaps(441);
    ui_->button5058->SetBitmaps(443);
    ui_->button5057->SetBitmaps(445);
    ui_->button5054->SetBitmaps(513);
    ui_->button5055->SetBitmaps(515);
    DataStore& store = services_.app.Data();
    rows_.Fill(store.LoadEntries());
    unreadable_ = !store.LastError().isEmpty();
    // The rest waits until the window is on screen, so that the editor of a first
    // entry opens over it.
    QTimer::singleShot(0, this, &CEntryListDlg::FillAndPreselect);
}

void CEntryListDlg::FillAndPreselect()
{
    if (unreadable_) {
        // An empty list that only means "cannot read now" must not pass for no
        // entries: the current entry stays as it was.
        services_.app.UserPrompter().Show(services_.app.Data().LastError(), QString(), Prompter::Buttons::Ok,
                                          Prompter::Icon::Stop);
        UpdateLanguageChecks();
        UpdateSpeedChecks();
        return;
    }
    if (rows_.Count() == 0)
        OnNew();
    const QString stored = services_.app.Settings().LoadConnectInfo().ConnectName;
    int row = rows_.FindExact(stored);
    if (row < 0)
        row = 0;
    SelectRow(row);
    rows_.MarkRow(rows_.Count() ? row : -1);
    StoreCurrentEntry(row);
    UpdateLanguageChecks();
    UpdateSpeedChecks();
}

QAction* CEntryListDlg::AddCommand(QMenu* menu, int command, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("action%1").arg(command));
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    return action;
}

void CEntryListDlg::BuildMenu()
{
    // The bar does not own the menus it shows: without this the old ones (and
    // their actions, which the check marks look up) would outlive a reload.
    qDeleteAll(menuBar_->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly));
    menuBar_->clear();
    QMenu* entry = menuBar_->addMenu(Text(Str::MenuEntry));
    AddCommand(entry, oc::kNew, Text(Str::MenuNew));
    AddCommand(entry, oc::kSelect, Text(Str::MenuSelect));
    AddCommand(entry, oc::kDelete, Text(Str::MenuDelete));
    AddCommand(entry, oc::kProperties, Text(Str::MenuProperties));
    AddCommand(entry, oc::kShortcut, Text(Str::MenuShortcut));

    // The speed list sits at position 1 and the languages at position 2 of the
    // second menu; the check marks are found there.
    QMenu* options = menuBar_->addMenu(Text(Str::MenuOptions));
    options->setObjectName(QStringLiteral("menuOptions"));
    AddCommand(options, oc::kSetup, Text(Str::MenuSetup));
    QMenu* speed = options->addMenu(Text(Str::MenuSpeed));
    speed->setObjectName(QStringLiteral("menuSpeed"));
    auto* speeds = new QActionGroup(speed);
    speeds->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int command = oc::kFirstSpeed; command <= oc::kLastSpeed; ++command) {
        QAction* a = AddCommand(speed, command, oc::SpeedForCommand(command));
        a->setCheckable(true);
        speeds->addAction(a);
    }
    QMenu* language = options->addMenu(Text(Str::MenuLanguage));
    language->setObjectName(QStringLiteral("menuLanguage"));
    auto* languages = new QActionGroup(language);
    for (int command = LanguageTable::kFirstLanguageCommand; command <= LanguageTable::kLastLanguageCommand;
         ++command) {
        QAction* a = AddCommand(language, command,
                                Text(Str::LanguageEnglish + command - LanguageTable::kFirstLanguageCommand));
        a->setCheckable(true);
        languages->addAction(a);
    }
    for (int hidden : LanguageTable::kHiddenLanguageCommands) {
        if (auto* a = language->findChild<QAction*>(QStringLiteral("action%1").arg(hidden)))
            delete a;
    }
    QAction* again = AddCommand(options, oc::kAutoReconnect, Text(Str::AutoReconnect));
    again->setCheckable(true);
    again->setChecked(services_.app.Settings().LoadAutoReconnect());
    QAction* autostart = AddCommand(options, oc::kAutostart, Text(Str::StartWithDesktop));
    autostart->setCheckable(true);
    autostart->setChecked(Autostart::Enabled());
    options->addSeparator();
    AddCommand(options, oc::kHistory, Text(Str::HistoryCommand));
    AddCommand(options, oc::kUpdate, Text(Str::MenuUpdate));

    QMenu* help = menuBar_->addMenu(Text(Str::MenuHelp));
    AddCommand(help, oc::kHelp, Text(Str::MenuHelpTopics));
    help->addSeparator();
    AddCommand(help, oc::kAbout, Text(Str::MenuAbout));
}

void CEntryListDlg::SetTexts()
{
    ui_->button1->setText(Text(Str::Select));
    ui_->button2->setText(Text(Str::Close));
    ui_->button5054->setText(Text(Str::Properties));
    ui_->button5055->setText(Text(Str::Shortcut));
    ui_->button5057->setText(Text(Str::Delete));
    ui_->button5058->setText(Text(Str::NewEntry));
    setWindowTitle(Text(Str::EntryListTitle) + QStringLiteral(" - ") + services_.app.Product().ProductDisplayName);
}

void CEntryListDlg::ReloadTexts()
{
    BuildMenu();
    SetTexts();
}

void CEntryListDlg::OnCommand(int command)
{
    AppSettings& settings = services_.app.Settings();
    switch (command) {
    case oc::kNew:
        return OnNew();
    case oc::kSelect:
        return accept();
    case oc::kDelete:
        return OnDelete();
    case oc::kProperties:
        return OnProperties();
    case oc::kShortcut:
        return OnShortcut();
    case oc::kHelp: {
        LanguageLoader loader(settings, services_.app.UserPrompter());
        if (!loader.ShowHelp(services_.help))
            services_.app.UserPrompter().Show(Text(Str::HelpNotOpened).arg(loader.HelpPath()), QString(),
                                              Prompter::Buttons::Ok, Prompter::Icon::Information);
        return;
    }
    case oc::kAbout: {
        CAboutDlg about(settings.LanguageModule(), services_.app.Product(), services_.app.UserPrompter(), this);
        about.exec();
        return;
    }
    case oc::kHistory: {
        CHistoryDlg history(services_.app, this);
        history.exec();
        return;
    }
    case oc::kUpdate: {
        CSelectDlg update(this);
        update.exec();
        return;
    }
    case oc::kAutostart: {
        QString problem;
        const QString program =
            services_.programFile.isEmpty() ? QApplication::applicationFilePath() : services_.programFile;
        const bool ok = Autostart::Enabled() ? Autostart::Disable() : Autostart::Enable(program, &problem);
        if (!ok)
            services_.app.UserPrompter().Show(Text(Str::StartWithDesktopFailed) + QStringLiteral("\n\n") + problem,
                                              QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
        if (auto* a = menuBar_->findChild<QAction*>(QStringLiteral("action%1").arg(command)))
            a->setChecked(Autostart::Enabled());
        return;
    }
    case oc::kAutoReconnect: {
        const bool on = !settings.LoadAutoReconnect();
        settings.SaveAutoReconnect(on);
        if (auto* a = menuBar_->findChild<QAction*>(QStringLiteral("action%1").arg(command)))
            a->setChecked(on);
        return;
    }
    case oc::kSetup: {
        CSetupDlg setup(settings, services_.app.SerialPorts(), services_.dialer, services_.app.UserPrompter(),
                        services_.app.Product().ProductDisplayName, this);
        setup.exec();
        return;
    }
    default:
        break;
    }
    if (const QString speed = oc::SpeedForCommand(command); !speed.isEmpty()) {
        settings.SaveSpeed(speed);
        SetSpeedChecks(oc::SpeedPosition(speed));
        UpdateLanguageChecks();
    } else if (!LanguageTable::LanguageForCommand(command).isEmpty()) {
        SwitchLanguage(command);
    }
}

void CEntryListDlg::SwitchLanguage(int command)
{
    const QString name = LanguageTable::LanguageForCommand(command);
    LanguageLoader(services_.app.Settings(), services_.app.UserPrompter()).SwitchLanguage(name);
    QGuiApplication::setLayoutDirection(LanguageTable::IsRightToLeft(name) ? Qt::RightToLeft : Qt::LeftToRight);
    ReloadTexts();
    UpdateLanguageChecks();
    UpdateSpeedChecks();
}

void CEntryListDlg::SetSpeedChecks(int position)
{
    for (int command = oc::kFirstSpeed; command <= oc::kLastSpeed; ++command) {
        if (auto* a = menuBar_->findChild<QAction*>(QStringLiteral("action%1").arg(command)))
            a->setChecked(command - oc::kFirstSpeed + 1 == position);
    }
}

void CEntryListDlg::UpdateSpeedChecks()
{
    const int position = oc::SpeedPosition(services_.app.Settings().LoadSpeed());
    if (position > 0)
        SetSpeedChecks(position);
}

void CEntryListDlg::UpdateLanguageChecks()
{
    const int checked = LanguageTable::CheckedCommand(services_.app.Settings().LoadLanguage());
    for (int command = LanguageTable::kFirstLanguageCommand; command <= LanguageTable::kLastLanguageCommand;
         ++command) {
        if (auto* a = menuBar_->findChild<QAction*>(QStringLiteral("action%1").arg(command)))
            a->setChecked(command == checked);
    }
}

void CEntryListDlg::SelectRow(int row)
{
    if (row < 0 || row >= rows_.Count())
        return;
    current_ = row;
    const QModelIndex index = icons_->index(row, EntryList::Name);
    ui_->list1117->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    ui_->list1117->scrollTo(index);
}

void CEntryListDlg::UpdateCommands()
{
    const bool chosen = IsSelected(current_);
    for (QWidget* w : {static_cast<QWidget*>(ui_->button5054), static_cast<QWidget*>(ui_->button5057),
                       static_cast<QWidget*>(ui_->button5055)})
        w->setEnabled(chosen);
    for (int command : {oc::kProperties, oc::kDelete, oc::kShortcut, oc::kSelect})
        if (auto* a = findChild<QAction*>(QStringLiteral("action%1").arg(command)))
            a->setEnabled(chosen);
}

bool CEntryListDlg::IsSelected(int row) const
{
    return row >= 0 && row < rows_.Count()
           && ui_->list1117->selectionModel()->isSelected(icons_->index(row, EntryList::Name));
}

void CEntryListDlg::StoreCurrentEntry(int row)
{
    const QStringList* columns = row >= 0 && row < rows_.Count() ? &rows_.Columns(row) : nullptr;
    services_.app.Settings().SaveConnectInfo(EntryList::InfoOf(columns));
}

ConnectionEntry CEntryListDlg::WorkingCopy(const ConnectionEntry& fields) const
{
    ConnectionEntry copy = fields;
    if (copy.QoSMin.isEmpty())
        copy.QoSMin = kDefaultQosBase;
    if (copy.QoSRequest.isEmpty())
        copy.QoSRequest = kDefaultQosBase;
    return copy;
}

void CEntryListDlg::OnNew()
{
    BraxlowApp& app = services_.app;
    CEntryEditDlg editor(app.Data(), app.Settings().LanguageModule(), app.UserPrompter(),
                         app.Product().ProductDisplayName, this);
    editor.SetEditMode(EntryEditor::Mode::New);
    if (editor.exec() != QDialog::Accepted || editor.Fields().ConnectName.isEmpty())
        return;
    ConnectionEntry entry = WorkingCopy(editor.Fields());
    const std::optional<int> id = app.Data().AddEntry(entry);
    if (!id) {
        app.UserPrompter().Show(app.Data().LastError(), QString(), Prompter::Buttons::Ok, Prompter::Icon::Stop);
        return;
    }
    entry.ID = *id;
    // A number freed by a deleted entry may come back: the month starts empty.
    AllowanceStore::Forget(app.Settings().Store(), entry.ID);
    if (editor.Cap().megabytes > 0)
        AllowanceStore::SaveCap(app.Settings().Store(), entry.ID, editor.Cap());
    // The entry stands without its balance code; a code that cannot be kept is said.
    if (!editor.BalanceCode().isEmpty() && !app.Data().SaveBalanceCode(entry.ID, editor.BalanceCode()))
        app.UserPrompter().Show(app.Data().LastError(), QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
    rows_.Append(entry);
    int row = rows_.FindPrefix(entry.ConnectName);
    if (row < 0)
        row = 0;
    SelectRow(row);
    rows_.MarkRow(row);
    StoreCurrentEntry(current_);
}

void CEntryListDlg::OnProperties()
{
    if (!IsSelected(current_))
        return;
    BraxlowApp& app = services_.app;
    const int row = current_;
    const ConnectionEntry stored = rows_.EntryAt(row);
    CEntryEditDlg editor(app.Data(), app.Settings().LanguageModule(), app.UserPrompter(),
                         app.Product().ProductDisplayName, this);
    editor.Fields() = stored;
    const std::optional<DataStore::EntryExtras> extras = app.Data().LoadExtras(stored.ID);
    const QString storedCode = extras ? extras->balanceCode : QString();
    editor.BalanceCode() = storedCode;
    const DataCap storedCap = AllowanceStore::LoadCap(app.Settings().Store(), stored.ID);
    editor.Cap() = storedCap;
    editor.SetEditMode(EntryEditor::Mode::Edit);
    if (editor.exec() == QDialog::Accepted && !editor.Fields().Country.isEmpty()) {
        ConnectionEntry entry = WorkingCopy(editor.Fields());
        entry.ID = stored.ID;
        if (app.Data().UpdateEntry(entry)) {
            // Only a changed code is written: a code that could not be read is
            // not wiped by a save that never showed it.
            if (editor.BalanceCode() != storedCode && !app.Data().SaveBalanceCode(entry.ID, editor.BalanceCode()))
                app.UserPrompter().Show(app.Data().LastError(), QString(), Prompter::Buttons::Ok,
                                        Prompter::Icon::Warning);
            if (!(editor.Cap() == storedCap))
                AllowanceStore::SaveCap(app.Settings().Store(), entry.ID, editor.Cap());
            rows_.Rewrite(row, entry);
            // The copy in "ConnectInfo" follows its entry; editing another entry
            // does not make it the one to connect with.
            if (row == EntryList::MarkedRow() || entry.ID == app.Settings().LoadConnectInfo().CID)
                StoreCurrentEntry(row);
        }
    }
    launcher_.Rename(stored.ConnectName, rows_.Columns(row).at(EntryList::Name));
}

void CEntryListDlg::OnDelete()
{
    if (!IsSelected(current_))
        return;
    BraxlowApp& app = services_.app;
    // Which entry goes, said by name; a hasty Enter keeps it.
    const QString question =
        Text(Str::ConfirmDeleteEntry) + QStringLiteral("\n\n") + rows_.Columns(current_).at(EntryList::Name);
    if (app.UserPrompter().Show(question, QStringLiteral("Braxlow"), Prompter::Buttons::YesNoDefaultNo,
                                Prompter::Icon::Warning)
        != Prompter::Answer::Yes)
        return;
    const int row = current_;
    const ConnectionEntry entry = rows_.EntryAt(row);
    if (!app.Data().DeleteEntry(entry.ID))
        return;
    AllowanceStore::Forget(app.Settings().Store(), entry.ID);
    launcher_.Recycle(entry.ConnectName);
    rows_.Remove(row);
    int next = rows_.FindPrefix(app.Settings().LoadConnectInfo().ConnectName);
    if (next < 0)
        next = 0;
    SelectRow(next);
    rows_.MarkRow(rows_.Count() ? next : -1);
    StoreCurrentEntry(next);
}

void CEntryListDlg::OnShortcut()
{
    if (!IsSelected(current_))
        return;
    const QStringList& columns = rows_.Columns(current_);
    const QString program =
        services_.programFile.isEmpty() ? QApplication::applicationFilePath() : services_.programFile;
    QString problem;
    if (!launcher_.Create(columns.at(EntryList::Name), program, services_.app.Settings().ProgramDirectory(),
                          columns.at(EntryList::Id), &problem))
        services_.app.UserPrompter().Show(problem.isEmpty() ? Text(Str::ShortcutFailed)
                                                            : Text(Str::ShortcutFailed) + QStringLiteral("\n\n") + problem,
                                          QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
    else
        services_.app.UserPrompter().Show(Text(Str::ShortcutMade).arg(launcher_.PathFor(columns.at(EntryList::Name))),
                                          QString(), Prompter::Buttons::Ok, Prompter::Icon::Information);
}

void CEntryListDlg::accept()
{
    if (rows_.Count() == 0)
        return;
    rows_.MarkRow(current_);
    StoreCurrentEntry(current_);
    QDialog::accept();
}

void CEntryListDlg::reject()
{
    BraxlowApp& app = services_.app;
    if (app.Settings().LoadConnectInfo().ConnectName.isEmpty()
        && app.UserPrompter().Show(Text(Str::ConfirmCloseWithoutEntry), app.Product().ProductDisplayName,
                                   Prompter::Buttons::YesNo, Prompter::Icon::Question)
               != Prompter::Answer::Yes)
        return;
    QDialog::reject();
}
