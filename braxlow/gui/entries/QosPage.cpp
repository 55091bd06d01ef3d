// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/entries/QosPage.h"

#include "ui_QosPage.h"
#include "core/settings/StringIds.h"

#include <QComboBox>

namespace {

quint8* Member(QosProfile& p, int combo)
{
    quint8* members[] = {&p.precedence, &p.delay, &p.reliability, &p.peak, &p.mean};
    return members[combo];
}

} // namespace

QosPage::QosPage(const QTranslator* module, const std::array<int, 5>& comboIds, QWidget* parent)
    : CPropertyPage(module, parent), ui_(std::make_unique<Ui::QosPage>())
{
    ui_->setupUi(this);
    combos_ = {ui_->precedenceCombo, ui_->delayCombo, ui_->reliabilityCombo, ui_->peakCombo,
               ui_->meanCombo};
    for (int i = 0; i < 5; ++i) {
        combos_[i]->setObjectName(QStringLiteral("combo%1").arg(comboIds[i]));
        combos_[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(combos_[i], &QComboBox::currentIndexChanged, this,
                [this, i](int index) { OnSelectionChanged(i, index); });
    }
}

QosPage::~QosPage() = default;

void QosPage::OnInitDialog()
{
    loading_ = true;
    ui_->label1015->setText(Text(Str::PrecedenceLabel));
    ui_->label1016->setText(Text(Str::DelayLabel));
    ui_->label1019->setText(Text(Str::ReliabilityLabel));
    ui_->label1017->setText(Text(Str::PeakLabel));
    ui_->label1018->setText(Text(Str::MeanLabel));
    const auto fill = [this](QComboBox* combo, const auto& ids) {
        combo->clear();
        for (int id : ids)
            combo->addItem(Text(id));
    };
    fill(combos_[0], QosItems::kPrecedence);
    fill(combos_[1], QosItems::kDelay);
    fill(combos_[2], QosItems::kReliability);
    fill(combos_[3], QosItems::kPeak);
    fill(combos_[4], QosItems::kMean);

    profile_ = QosProfile();
    profile_.cid = Cid;
    if (!QosText.isEmpty())
        profile_ = ParseQosText(QosText);
    for (int i = 0; i < 5; ++i) {
        const int index = *Member(profile_, i);
        combos_[i]->setCurrentIndex(index < combos_[i]->count() ? index : -1);
    }
    loading_ = false;
}

void QosPage::OnSelectionChanged(int combo, int index)
{
    if (loading_ || index < 0)
        return;
    *Member(profile_, combo) = quint8(index);
    QosText = ::QosText(profile_);
}

CPageQoSMin::CPageQoSMin(const QTranslator* module, QWidget* parent)
    : QosPage(module, {1135, 1136, 1137, 1138, 1139}, parent)
{
    setObjectName(QStringLiteral("page415"));
}

CPageQoSRequest::CPageQoSRequest(const QTranslator* module, QWidget* parent)
    : QosPage(module, {1140, 1141, 1142, 1143, 1144}, parent)
{
    setObjectName(QStringLiteral("page416"));
}
