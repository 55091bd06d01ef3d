// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/phone/CSetupDlg.h"

#include "ui_CSetupDlg.h"
#include "core/entries/DataStore.h"
#include "core/phone/AtSession.h"
#include "core/phone/PhoneReport.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "core/shell/Diagnostics.h"
#include "gui/phone/CAddModemDlg.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SkinPictures.h"
#include "phonelink/CComm.h"
#include "phonelink/PortMap.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace {

enum Column { ModemName, Comport, Device, ColumnCount };

// The facts of one phone test as a table under its one-line verdict.
void ShowPhoneReport(QWidget* parent, const PhoneReport& report, const QTranslator* language)
{
    QDialog window(parent);
    window.setObjectName(QStringLiteral("phoneReport"));
    window.setWindowTitle(LoadLanguageString(language, Str::TestPhone));
    auto* layout = new QVBoxLayout(&window);
    auto* verdict = new QLabel(report.ResultText(language), &window);
    verdict->setObjectName(QStringLiteral("labelResult"));
    verdict->setWordWrap(true);
    QFont bold = verdict->font();
    bold.setBold(true);
    verdict->setFont(bold);
    layout->addWidget(verdict);

    // The verdict stands above; the table holds the facts.
    QList<QPair<QString, QString>> rows = report.Rows(language);
    rows.removeLast();
    auto* table = new QTableWidget(int(rows.size()), 2, &window);
    table->setObjectName(QStringLiteral("tableReport"));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setShowGrid(false);
    table->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < rows.size(); ++i) {
        table->setItem(i, 0, new QTableWidgetItem(rows.at(i).first));
        table->setItem(i, 1, new QTableWidgetItem(rows.at(i).second));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    int height = 2 * table->frameWidth();
    for (int i = 0; i < table->rowCount(); ++i)
        height += table->rowHeight(i);
    table->setMinimumSize(std::max(420, table->columnWidth(0) + table->columnWidth(1) + 24), height);
    layout->addWidget(table);

    auto* buttons = new QDialogButtonBox(&window);
    QPushButton* close = buttons->addButton(LoadLanguageString(language, Str::Close), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("buttonClose"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    layout->addWidget(buttons);
    FitToScreen(&window);
    window.exec();
}

} // namespace

CSetupTree::CSetupTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIndentation(14);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

CSetupDlg::CSetupDlg(AppSettings& settings, PortMap& ports, CRasDialer& dialer, Prompter& prompter,
                     const QString& productName, QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::CSetupDlg>())
    , model_(settings, ports)
    , settings_(settings)
    , dialer_(dialer)
    , prompter_(prompter)
    , productName_(productName)
    , timer_(this)
{
    ui_->setupUi(this);
    timer_.setObjectName(QStringLiteral("timer0"));
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &CSetupDlg::OnTimer);
    // udev names a new device a moment after its node appears: the list is
    // read again then, and once more when udev is surely done.
    devices_.addPath(QStringLiteral("/dev"));
    connect(&devices_, &QFileSystemWatcher::directoryChanged, this, [this] {
        for (int ms : {300, 1200})
            QTimer::singleShot(ms, this, [this] { ShowRows(model_.Rows(), false); });
    });
    connect(ui_->button1, &QPushButton::clicked, this, &CSetupDlg::OnOK);
    connect(ui_->button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->button3, &QPushButton::clicked, this, &CSetupDlg::OnAddModem);
    connect(ui_->buttonTestPhone, &QPushButton::clicked, this, &CSetupDlg::OnTestPhone);
    connect(ui_->tree1158, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr)
            return;
        selectedItemText_ = item->text(0);
        ShowPage(selectedItemText_);
    });
    // The modem list stays the page shown, whichever item was picked.
    connect(ui_->tree1158, &QTreeWidget::itemSelectionChanged, this, [this] {
        QTreeWidgetItem* root = ui_->tree1158->topLevelItem(0);
        if (root == nullptr || (root->isSelected() && ui_->tree1158->selectedItems().size() == 1))
            return;
        const QSignalBlocker blocker(ui_->tree1158);
        ui_->tree1158->setCurrentItem(root);
        ui_->tree1158->clearSelection();
        root->setSelected(true);
        ui_->tree1158->viewport()->update();
    });
    ui_->list1156->viewport()->installEventFilter(this);
    connect(ui_->list1156, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = SelectedRow();
        if (!selecting_ && row >= 0) {
            current_ = row;
            userChose_ = true; // by keyboard
        }
    });
}

CSetupDlg::~CSetupDlg() = default;

QString CSetupDlg::Text(int id) const
{
    return LoadLanguageString(settings_.LanguageModule(), id);
}

void CSetupDlg::showEvent(QShowEvent* event)
{
    if (!opened_) {
        opened_ = true;
        OnInitDialog();
        FitToScreen(this);
    }
    QDialog::showEvent(event);
}

void CSetupDlg::OnInitDialog()
{
    setWindowIcon(Skin::Icon(514));
    setWindowTitle(Text(Str::PhoneSetup).remove(QStringLiteral("...")) + QStringLiteral(" - ") +
                   productName_);
    const QFont font = Skin::Font(QStringLiteral("MS Sans Serif"), 15, 100);
    ui_->list1156->setFont(font);
    ui_->tree1158->setFont(font);
    ui_->list1156->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 8);
    ui_->list1156->setIconSize(QSize(16, 16));

    ui_->button1->setText(Text(Str::Ok));
    ui_->button2->setText(Text(Str::Cancel));
    ui_->button3->setText(Text(Str::SetupAddModem));
    ui_->buttonTestPhone->setText(Text(Str::TestPhone));
    ui_->button1->SetBitmaps(518);
    ui_->button2->SetBitmaps(516);

    port_ = settings_.LoadPort();
    irPort_ = settings_.LoadIrPort();
    FillTree();
    ShowPage(selectedItemText_);
    // A phone plugged in while the window is open shows up without a click.
    timer_.start();
}

void CSetupDlg::FillTree()
{
    const QSignalBlocker blocker(ui_->tree1158);
    ui_->tree1158->clear();
    auto* root = new QTreeWidgetItem(ui_->tree1158, {Text(Str::PhoneSetup)});
    root->setIcon(0, Skin::Icon(517));
    new QTreeWidgetItem(root, {Text(Str::SetupAddModem)});
    root->setExpanded(true);
    ui_->tree1158->setCurrentItem(root);
    root->setSelected(true);
    // As wide as its longest item in the current language (German and Russian
    // run long), never narrower than the layout's 150.
    QTreeWidget* tree = ui_->tree1158;
    tree->resizeColumnToContents(0);
    const int width = tree->columnWidth(0) + 2 * tree->frameWidth() + 8;
    tree->setFixedWidth(std::max(150, width));
}

void CSetupDlg::ShowPage(const QString& itemText)
{
    if (itemText == Text(Str::SetupAddModem))
        OnAddModem();
    else
        ShowModemPage();
}

void CSetupDlg::ShowModemPage()
{
    QTableWidget* list = ui_->list1156;
    list->clear();
    list->setColumnCount(ColumnCount);
    list->setColumnWidth(ModemName, 185);
    list->setHorizontalHeaderLabels({Text(Str::SetupColumnModem), Text(Str::SetupColumnPort), Text(Str::SetupColumnDevice)});
    // "COM10" fits the fixed width; a longer header word ("Anschluss") widens it.
    const QHeaderView* header = list->horizontalHeader();
    list->setColumnWidth(Comport, std::max(56, header->fontMetrics().horizontalAdvance(Text(Str::SetupColumnPort)) +
                                                   2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 4));
    irda_.IrDAOpen();
    userChose_ = false;
    ShowRows(model_.Rows(), true);
}

void CSetupDlg::ShowRows(const QList<SetupRow>& rows, bool force)
{
    const auto same = [](const QList<SetupRow>& a, const QList<SetupRow>& b) {
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i)
            if (!a.at(i).SameAs(b.at(i)))
                return false;
        return true;
    };
    if (!force && same(rows, rows_))
        return;
    const SetupRow chosen = userChose_ && current_ < rows_.size() ? rows_.at(current_) : SetupRow();

    QTableWidget* list = ui_->list1156;
    selecting_ = true;
    list->setRowCount(0);
    rows_ = rows;
    list->setRowCount(int(rows_.size()));
    const QIcon icon = Skin::Icon(517);
    for (int i = 0; i < rows_.size(); ++i) {
        const SetupRow& r = rows_.at(i);
        // Which port of a several-port device is the one to dial.
        const int role = SetupModel::RoleText(r.role);
        const QString device = role != 0 ? QStringLiteral("%1 (%2)").arg(r.device, Text(role)) : r.device;
        const QStringList texts{model_.DisplayName(r), r.port, device};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts.at(c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (c == ModemName)
                item->setIcon(icon);
            // A long name or path is cut in its column: the tip has it whole.
            if (c == Device || c == ModemName)
                item->setToolTip(texts.at(c));
            list->setItem(i, c, item);
        }
    }
    selecting_ = false;

    int row = -1;
    if (userChose_)
        for (int i = 0; i < rows_.size() && row < 0; ++i)
            if (rows_.at(i).port == chosen.port && rows_.at(i).modemName == chosen.modemName)
                row = i;
    if (row < 0) {
        userChose_ = false;
        row = SetupModel::StoredRow(rows_, port_, irPort_);
    }
    current_ = row;
    SelectRow(current_);
}

void CSetupDlg::SelectRow(int row)
{
    QTableWidget* list = ui_->list1156;
    if (row < 0 || row >= list->rowCount())
        return;
    selecting_ = true;
    list->selectRow(row);
    list->scrollToItem(list->item(row, 0));
    selecting_ = false;
}

int CSetupDlg::SelectedRow() const
{
    const QList<QTableWidgetItem*> selected = ui_->list1156->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void CSetupDlg::OnTimer()
{
    ShowRows(model_.Rows(), false);
}

bool CSetupDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui_->list1156->viewport())
        return QDialog::eventFilter(watched, event);
    // The list's clicks follow the dialog's own rules, not the view's: a click
    // beside the rows keeps the selection.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool twice = event->type() == QEvent::MouseButtonDblClick;
        if (mouse->button() == Qt::LeftButton)
            ListClicked(twice ? SetupModel::Click::LeftDouble : SetupModel::Click::Left, mouse->position().toPoint());
        else if (mouse->button() == Qt::RightButton)
            ListClicked(twice ? SetupModel::Click::RightDouble : SetupModel::Click::Right, mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void CSetupDlg::ListClicked(SetupModel::Click click, const QPoint& position)
{
    ui_->list1156->setFocus(Qt::MouseFocusReason);
    const QModelIndex hit = ui_->list1156->indexAt(position);
    const int hitRow = hit.isValid() ? hit.row() : -1;
    const SetupModel::ClickResult result = SetupModel::Clicked(click, hitRow, current_);
    if (hitRow >= 0)
        userChose_ = true;
    current_ = result.current;
    SelectRow(current_);
    if (result.accept)
        OnOK();
}

void CSetupDlg::OnOK()
{
    const int row = SelectedRow();
    if (row < 0 || row >= rows_.size())
        return;
    current_ = row;
    model_.Accept(rows_.at(row), irda_, dialer_);
    timer_.stop();
    accept();
}

void CSetupDlg::OnAddModem()
{
    CAddModemDlg add(model_, settings_.LanguageModule(), prompter_, this);
    if (add.exec() == QDialog::Accepted) {
        // The modem just added is what the user wants to pick.
        const QString port = QStringLiteral("COM%1").arg(add.AddedPort());
        const QList<SetupRow> rows = model_.Rows();
        ShowRows(rows, true);
        for (int i = 0; i < rows_.size(); ++i) {
            if (rows_.at(i).port == port) {
                userChose_ = true;
                current_ = i;
                SelectRow(i);
                break;
            }
        }
    }
    timer_.start();
}

void CSetupDlg::OnTestPhone()
{
    const int row = SelectedRow();
    const int chosen = row >= 0 && row < rows_.size() ? PortMap::ComNumber(rows_.at(row).port) : -1;
    // The test's waits dispatch events: nothing in the window may start
    // another test or close it meanwhile.
    setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ui_->buttonTestPhone->setText(Text(Str::TalkingToPhone));
    CComm link;
    AtSession session(settings_, link, irda_, dialer_, prompter_);
    DataStore presets(settings_, prompter_);
    const PhoneReport report = PhoneReport::Probe(session, chosen > 0 ? chosen : settings_.LoadPort(),
                                                  PhoneReport::PresetNames(presets));
    ui_->buttonTestPhone->setText(Text(Str::TestPhone));
    // Kept for the report for support, in English as support reads it.
    SecretMask mask;
    mask.AddStored(presets);
    Diagnostics::SaveLastProbe(settings_, report.Text(nullptr), mask);
    QGuiApplication::restoreOverrideCursor();
    setEnabled(true);
    ShowPhoneReport(this, report, settings_.LanguageModule());
}
