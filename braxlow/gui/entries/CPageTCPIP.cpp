// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/CPageTCPIP.h"

#include "ui_CPageTCPIP.h"
#include "core/entries/EntryTexts.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/IpAddressEdit.h"

#include <QStyle>

namespace {

void Load(IpAddressEdit* edit, const QString& text)
{
    // An address that was never set shows as blank rather than as 0.0.0.0.
    if (text.isEmpty()) {
        edit->Clear();
        return;
    }
    const Ras::IpAddr ip = ParseIpAddressText(text);
    edit->SetAddress(ip.a, ip.b, ip.c, ip.d);
}

} // namespace

CPageTCPIP::CPageTCPIP(const QTranslator* module, QWidget* parent)
    : CPropertyPage(module, parent), ui_(std::make_unique<Ui::CPageTCPIP>())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("page414"));

    for (QRadioButton* radio : {ui_->radio1127, ui_->radio1128, ui_->radio1131, ui_->radio1132})
        connect(radio, &QRadioButton::clicked, this, &CPageTCPIP::ApplyChoices);
    connect(ui_->ip1129, &IpAddressEdit::fieldChanged, this,
            [this] { PreferredDns = EditedIpAddressText(ui_->ip1129->Fields()); });
    connect(ui_->ip1130, &IpAddressEdit::fieldChanged, this,
            [this] { AlternateDns = EditedIpAddressText(ui_->ip1130->Fields()); });
    connect(ui_->ip1133, &IpAddressEdit::fieldChanged, this,
            [this] { IpAddress = EditedIpAddressText(ui_->ip1133->Fields()); });
}

CPageTCPIP::~CPageTCPIP() = default;

void CPageTCPIP::OnInitDialog()
{
    ui_->group1020->setTitle(Text(Str::IpGroup));
    ui_->group1022->setTitle(Text(Str::DnsGroup));
    ui_->radio1131->setText(Text(Str::IpAutomatic));
    ui_->radio1132->setText(Text(Str::IpManual));
    ui_->radio1127->setText(Text(Str::DnsAutomatic));
    ui_->radio1128->setText(Text(Str::DnsManual));
    ui_->label1021->setText(Text(Str::IpAddressLabel));
    ui_->label1154->setText(Text(Str::PreferredDnsLabel));
    ui_->label1155->setText(Text(Str::AlternateDnsLabel));

    // The address boxes sit under their radio's text and line up across both groups.
    const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    ui_->ipGrid->setColumnMinimumWidth(0, indent);
    ui_->dnsGrid->setColumnMinimumWidth(0, indent);
    int labelWidth = 0;
    for (QLabel* label : {ui_->label1021, ui_->label1154, ui_->label1155})
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    ui_->ipGrid->setColumnMinimumWidth(1, labelWidth);
    ui_->dnsGrid->setColumnMinimumWidth(1, labelWidth);

    Load(ui_->ip1129, PreferredDns);
    Load(ui_->ip1130, AlternateDns);
    Load(ui_->ip1133, IpAddress);

    const int dnsChoice = DnsChoice(PreferredDns, AlternateDns, Country, Provider);
    (dnsChoice ? ui_->radio1128 : ui_->radio1127)->setChecked(true);
    (IpChoice(IpAddress) ? ui_->radio1132 : ui_->radio1131)->setChecked(true);
    ApplyChoices();
}

void CPageTCPIP::ApplyChoices()
{
    const int dnsChoice = ui_->radio1128->isChecked() ? 1 : 0;
    for (QWidget* w : {static_cast<QWidget*>(ui_->label1154), static_cast<QWidget*>(ui_->label1155),
                       static_cast<QWidget*>(ui_->ip1129), static_cast<QWidget*>(ui_->ip1130)})
        w->setEnabled(dnsChoice != 0);
    PreferredDns = ChosenIpAddressText(dnsChoice, ui_->ip1129->Fields());
    AlternateDns = ChosenIpAddressText(dnsChoice, ui_->ip1130->Fields());

    const int ipChoice = ui_->radio1132->isChecked() ? 1 : 0;
    ui_->label1021->setEnabled(ipChoice != 0);
    ui_->ip1133->setEnabled(ipChoice != 0);
    IpAddress = ChosenIpAddressText(ipChoice, ui_->ip1133->Fields());
}
