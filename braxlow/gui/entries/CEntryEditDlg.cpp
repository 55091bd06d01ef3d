// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CEntryEditDlg.h"

#include "ui_CEntryEditDlg.h"
#include "core/phone/SimIdentity.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "core/shell/UsageMeter.h"
#include "gui/entries/CEntrySheet.h"
#include "gui/entries/CPageTCPIP.h"
#include "gui/entries/QosPage.h"
#include "gui/widgets/ScreenFit.h"
#include "gui/widgets/SkinPictures.h"

#include <QApplication>
#include <QHelpEvent>
#include <QInputDialog>
#include <QSignalBlocker>
#include <QToolTip>

namespace {

const QColor kTipColour(255, 250, 200);
constexpr int kTipWidth = 300;

// How long a new entry's opening waits for the SIM's country: a phone that
// answers does so in a tenth of that.
constexpr int kSimHintMs = 700;

void ShowItems(QComboBox* box, const ChoiceBox& choices)
{
    const QSignalBlocker blocker(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    // Refilling an unchanged list would close it under the user's mouse.
    if (shown != choices.Shown()) {
        box->clear();
        box->addItems(choices.Shown());
    }
    box->setCurrentIndex(choices.Current());
}

// A field the preset fills: it looks read-only, and its tip says how to
// type one's own.
void ShowLocked(QLineEdit* edit, bool locked, const QString& tip, const QString& unlockHint)
{
    edit->setReadOnly(locked);
    QPalette palette = edit->parentWidget()->palette();
    if (locked)
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    edit->setToolTip(locked ? tip + QStringLiteral("\n\n") + unlockHint : tip);
}

void ShowText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

CEntryEditDlg::CEntryEditDlg(DataStore& store, const QTranslator* module, Prompter& prompter,
                             const QString& productName, QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::CEntryEditDlg>())
    , settings_(store.Settings())
    , editor_(store)
    , module_(module)
    , prompter_(prompter)
    , productName_(productName)
{
    ui_->setupUi(this);
    editor_.SetLanguage(module_);
    connect(ui_->combo1119, &QComboBox::currentIndexChanged, this, &CEntryEditDlg::OnCountryChanged);
    connect(ui_->combo1120, &QComboBox::currentIndexChanged, this, &CEntryEditDlg::OnProviderChanged);
    connect(ui_->edit4475, &QLineEdit::textEdited, this, &CEntryEditDlg::OnDialStringEdited);
    connect(ui_->check5010, &QCheckBox::clicked, this, &CEntryEditDlg::OnCheckPasswd);
    connect(ui_->button5011, &QPushButton::clicked, this, &CEntryEditDlg::OnAdvanced);
    connect(ui_->spin5016, &QSpinBox::valueChanged, this, [this](int megabytes) { ui_->spin5018->setEnabled(megabytes > 0); });
    connect(ui_->button1, &QPushButton::clicked, this, &CEntryEditDlg::OnSave);
    connect(ui_->button5014, &QPushButton::clicked, this, &CEntryEditDlg::OnFromSim);
    connect(ui_->button2, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget* w : {static_cast<QWidget*>(ui_->combo1119), static_cast<QWidget*>(ui_->combo1120),
                       static_cast<QWidget*>(ui_->edit1121), static_cast<QWidget*>(ui_->edit1124),
                       static_cast<QWidget*>(ui_->edit4475), static_cast<QWidget*>(ui_->edit1122),
                       static_cast<QWidget*>(ui_->edit4474)})
        w->installEventFilter(this);
    savedTipPalette_ = QToolTip::palette();
}

CEntryEditDlg::~CEntryEditDlg()
{
    QToolTip::setPalette(savedTipPalette_);
}

QString CEntryEditDlg::Text(int id) const
{
    return LoadLanguageString(module_, id);
}

QString CEntryEditDlg::DialStringTip() const
{
    return Text(Str::TipDialString).replace(QLatin1String("*99*1,1#"), QLatin1String("*99**1*1#"));
}

void CEntryEditDlg::showEvent(QShowEvent* event)
{
    if (!opened_) {
        opened_ = true;
        OnInitDialog();
        FitToScreen(this);
    }
    QDialog::showEvent(event);
}

void CEntryEditDlg::OnInitDialog()
{
    ui_->edit1121->setMaxLength(EntryFieldSize::kName);
    // Dial strings, access point names and log-on names read left to right in
    // every language; in a right-to-left window "*99#" would show as "#99*".
    for (QLineEdit* edit : {ui_->edit4475, ui_->edit1124, ui_->edit1122, ui_->edit4474, ui_->edit5013})
        edit->setLayoutDirection(Qt::LeftToRight);
    ShowFields();
    SetTexts();
    if (editor_.EditMode() == EntryEditor::Mode::New) {
        // The SIM's country, when a phone on the cable port answers at once;
        // else the user's locale tells it.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString imsi = SimIdentity::ReadImsiQuietly(settings_, kSimHintMs);
        QApplication::restoreOverrideCursor();
        editor_.SetNewEntryHints(imsi, QLocale());
    }
    editor_.Open();
    ShowFields();
    // No field is longer than its column, so a save is never refused for length.
    ui_->edit1124->setMaxLength(EntryFieldSize::kName);
    ui_->edit1122->setMaxLength(EntryFieldSize::kName);
    ui_->edit4474->setMaxLength(EntryFieldSize::kName);
    ui_->edit4475->setMaxLength(EntryFieldSize::kShort);
    ui_->edit5013->setMaxLength(32);
    ui_->edit5013->setPlaceholderText(QStringLiteral("*100#"));
    ui_->button5011->SetBitmaps(514);
    ui_->button1->SetBitmaps(462);
    ui_->button2->SetBitmaps(516);
    setWindowIcon(Skin::Icon(514));
    setWindowTitle(EntryEditor::Title(editor_.EditMode(), module_, productName_));
    adjustSize();
}

void CEntryEditDlg::SetTexts()
{
    ui_->label5001->setText(Text(Str::AccessModeLabel));
    ui_->group5002->setTitle(Text(Str::AccessModeGroup));
    ui_->label5003->setText(Text(Str::CountryLabel));
    ui_->label5004->setText(Text(Str::ProviderLabel));
    ui_->label5005->setText(Text(Str::ConnectNameLabel));
    ui_->label5006->setText(Text(Str::ApnLabel));
    ui_->label5007->setText(Text(Str::DialStringLabel));
    ui_->label5008->setText(Text(Str::UserNameLabel));
    ui_->label5009->setText(Text(Str::PasswordLabel));
    ui_->check5010->setText(Text(Str::RememberPassword));
    ui_->label5012->setText(Text(Str::BalanceCodeLabel));
    ui_->label5015->setText(Text(Str::AllowanceLabel));
    ui_->label5017->setText(Text(Str::AllowanceStartDay));
    ui_->spin5016->setSpecialValueText(Text(Str::AllowanceNone));
    ui_->spin5016->setSuffix(QLatin1Char(' ') + UsageFormat::ByteUnits::Of(module_).names[2]);
    ui_->spin5016->setToolTip(Text(Str::TipAllowance));
    ui_->spin5018->setToolTip(Text(Str::TipAllowance));
    ui_->button5014->setText(Text(Str::FromSim));
    ui_->button5011->setText(Text(Str::Advanced));
    ui_->button1->setText(Text(Str::Save));
    ui_->button2->setText(Text(Str::Cancel));
    ui_->combo1119->setToolTip(Text(Str::TipCountry));
    ui_->combo1120->setToolTip(Text(Str::TipProvider));
    ui_->edit1124->setToolTip(Text(Str::TipApn));
    ui_->edit1121->setToolTip(Text(Str::TipConnectName));
    ui_->edit4475->setToolTip(DialStringTip());
    ui_->edit1122->setToolTip(Text(Str::TipUserName));
    ui_->edit4474->setToolTip(Text(Str::TipPassword));
}

void CEntryEditDlg::ReadFields()
{
    ConnectionEntry& f = editor_.Fields();
    f.ConnectName = ui_->edit1121->text();
    f.Password = ui_->edit4474->text();
    f.PhoneNumber = ui_->edit4475->text();
    f.UserName = ui_->edit1122->text();
    f.APNName = ui_->edit1124->text();
    f.CheckPasswd = ui_->check5010->isChecked() ? 1 : 0;
    editor_.BalanceCode() = ui_->edit5013->text();
    editor_.Cap() = DataCap{ui_->spin5016->value(), ui_->spin5018->value()};
    editor_.Countries().Select(ui_->combo1119->currentIndex());
    editor_.Providers().Select(ui_->combo1120->currentIndex());
    editor_.ReadFields();
}

void CEntryEditDlg::ShowFields()
{
    const ConnectionEntry& f = editor_.Fields();
    // Showing is not typing: none of this reaches the dial-string handler, which
    // listens to the user's edits only.
    ShowText(ui_->edit1121, f.ConnectName);
    ShowText(ui_->edit4474, f.Password);
    ShowText(ui_->edit4475, f.PhoneNumber);
    ShowText(ui_->edit1122, f.UserName);
    ShowText(ui_->edit1124, f.APNName);
    ShowText(ui_->edit5013, editor_.BalanceCode());
    ui_->spin5016->setValue(editor_.Cap().megabytes);
    ui_->spin5018->setValue(editor_.Cap().startDay);
    ui_->spin5018->setEnabled(editor_.Cap().megabytes > 0);
    ui_->check5010->setChecked(f.CheckPasswd != 0);
    ShowItems(ui_->combo1119, editor_.Countries());
    ShowItems(ui_->combo1120, editor_.Providers());
    ShowLocked(ui_->edit1124, !editor_.ApnEditable(), Text(Str::TipApn), Text(Str::LockedByPreset));
    ShowLocked(ui_->edit4475, !editor_.DialStringEditable(), DialStringTip(), Text(Str::LockedByPreset));
    const bool enabled = editor_.ControlsEnabled();
    for (QWidget* w : {static_cast<QWidget*>(ui_->button1), static_cast<QWidget*>(ui_->combo1119),
                       static_cast<QWidget*>(ui_->combo1120), static_cast<QWidget*>(ui_->button5011),
                       static_cast<QWidget*>(ui_->check5010), static_cast<QWidget*>(ui_->button5014)})
        w->setEnabled(enabled);
}

void CEntryEditDlg::OnCountryChanged()
{
    ReadFields();
    editor_.OnCountryChanged();
    ShowFields();
    if (editor_.TakeCountryDropDown())
        ui_->combo1119->showPopup();
}

void CEntryEditDlg::OnProviderChanged()
{
    ReadFields();
    editor_.OnProviderChanged();
    ShowFields();
}

void CEntryEditDlg::OnDialStringEdited()
{
    ReadFields();
    editor_.OnDialStringEdited();
}

void CEntryEditDlg::OnCheckPasswd()
{
    editor_.Fields().CheckPasswd = ui_->check5010->isChecked() ? 1 : 0;
}

void CEntryEditDlg::OnAdvanced()
{
    ReadFields();
    const ConnectionEntry& f = editor_.Fields();
    CEntrySheet sheet(f.ConnectName, module_, this);
    auto* tcpip = new CPageTCPIP(module_);
    tcpip->Country = f.Country;
    tcpip->Provider = f.ProviderName;
    tcpip->PreferredDns = f.PrimaryDNS;
    tcpip->AlternateDns = f.SecondDNS;
    tcpip->IpAddress = f.UserIPAddr;
    auto* qosMin = new CPageQoSMin(module_);
    qosMin->QosText = f.QoSMin;
    auto* qosRequest = new CPageQoSRequest(module_);
    qosRequest->QosText = f.QoSRequest;
    sheet.AddPage(tcpip);
    sheet.AddPage(qosMin);
    sheet.AddPage(qosRequest);
    FitToScreen(&sheet);
    if (sheet.exec() == QDialog::Accepted) {
        editor_.TakeSheetTexts(tcpip->PreferredDns, tcpip->AlternateDns, tcpip->IpAddress, qosMin->QosText,
                               qosRequest->QosText);
    }
}

void CEntryEditDlg::OnSave()
{
    ReadFields();
    using Kind = EntryEditor::SaveOutcome::Kind;
    const EntryEditor::SaveOutcome outcome = editor_.OnSave();
    switch (outcome.kind) {
    case Kind::Saved:
        ShowFields();
        accept();
        return;
    case Kind::NameEmpty:
        prompter_.Show(Text(Str::ConnectNameEmpty), QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
        return;
    case Kind::NameTaken:
        prompter_.Show(Text(Str::ConnectNameTaken), QString(), Prompter::Buttons::Ok, Prompter::Icon::None);
        ui_->edit1121->setFocus();
        ui_->edit1121->selectAll();
        return;
    case Kind::BadValue:
        prompter_.Show(EntryChecks::ProblemText(module_, outcome.problem), QString(), Prompter::Buttons::Ok,
                       Prompter::Icon::Warning);
        if (outcome.problem.field == Str::ApnLabel && !ui_->edit1124->isReadOnly()) {
            ui_->edit1124->setFocus();
            ui_->edit1124->selectAll();
        } else if (outcome.problem.field == Str::BalanceCodeLabel) {
            ui_->edit5013->setFocus();
            ui_->edit5013->selectAll();
        }
        return;
    }
}

void CEntryEditDlg::OnFromSim()
{
    ReadFields();
    // The phone answers within seconds; the window waits with it.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ui_->button5014->setEnabled(false);
    ui_->button5014->setText(Text(Str::TalkingToPhone));
    const SimIdentity::Reading reading = SimIdentity::ReadImsi(settings_, prompter_);
    ui_->button5014->setText(Text(Str::FromSim));
    ui_->button5014->setEnabled(editor_.ControlsEnabled());
    QApplication::restoreOverrideCursor();
    if (reading.outcome != SimIdentity::Reading::Outcome::Read) {
        if (const int message = SimIdentity::MessageOf(reading.outcome))
            prompter_.Show(Text(message), QString(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
        return;
    }
    using Kind = EntryEditor::SimMatch::Kind;
    const EntryEditor::SimMatch match = editor_.SelectFromImsi(reading.imsi);
    switch (match.kind) {
    case Kind::Selected:
        break;
    case Kind::Several: {
        QStringList items;
        for (const DataStore::NetworkProvider& p : match.candidates)
            items << QStringLiteral("%1 (%2)").arg(p.provider, editor_.ShownCountry(p.country));
        bool ok = false;
        const QString chosen = QInputDialog::getItem(this, PlainLabel(Text(Str::FromSim)),
                                                     Text(Str::SimChooseProvider), items, 0, false, &ok);
        const qsizetype at = items.indexOf(chosen);
        if (!ok || at < 0 || !editor_.SelectProvider(match.candidates.at(at)))
            return;
        break;
    }
    case Kind::None:
    case Kind::BadImsi:
        prompter_.Show(match.kind == Kind::None ? Text(Str::SimNetworkUnknown).arg(match.networkCode)
                                                : Text(Str::SimNoIdentity),
                       QString(), Prompter::Buttons::Ok, Prompter::Icon::Information);
        return;
    }
    ShowFields();
}

bool CEntryEditDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const QString tip = widget ? widget->toolTip() : QString();
        if (!tip.isEmpty()) {
            // The editor's tips are pale yellow and wrap at a fixed width.
            QPalette palette = QToolTip::palette();
            palette.setColor(QPalette::ToolTipBase, kTipColour);
            palette.setColor(QPalette::ToolTipText, Qt::black);
            QToolTip::setPalette(palette);
            const bool wide = QFontMetrics(QToolTip::font()).horizontalAdvance(tip) > kTipWidth;
            const QString html = wide ? QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                                            .arg(kTipWidth)
                                            .arg(tip.toHtmlEscaped())
                                      : QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(tip.toHtmlEscaped());
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), html, widget);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
