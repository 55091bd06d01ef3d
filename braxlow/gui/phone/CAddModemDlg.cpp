// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/phone/CAddModemDlg.h"

#include "ui_CAddModemDlg.h"
#include "core/phone/SetupModel.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/SkinPictures.h"

#include <QLineEdit>

CAddModemDlg::CAddModemDlg(SetupModel& model, const QTranslator* module, Prompter& prompter,
                           QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::CAddModemDlg>())
    , model_(model)
    , module_(module)
    , prompter_(prompter)
{
    ui_->setupUi(this);
    setWindowIcon(Skin::Icon(517));
    setWindowTitle(Text(Str::SetupAddModem).remove(QStringLiteral("...")));
    ui_->labelExplain->setText(Text(Str::AddModemExplain));
    ui_->labelNumber->setText(Text(Str::AddModemNumberLabel));
    ui_->labelDevice->setText(Text(Str::AddModemDeviceLabel));
    ui_->button1->setText(Text(Str::Ok));
    ui_->button2->setText(Text(Str::Cancel));
    ui_->button1->SetBitmaps(518);
    ui_->button2->SetBitmaps(516);

    ui_->spinNumber->setRange(1, 255);
    freeNumber_ = model_.FreeNumber();
    ui_->spinNumber->setValue(freeNumber_ > 0 ? freeNumber_ : 1);
    for (const PlainPort& p : model_.PlainPorts())
        ui_->comboDevice->addItem(Skin::Icon(517), p.device, p.number);
    ui_->comboDevice->setCurrentIndex(-1);
    ui_->comboDevice->lineEdit()->setPlaceholderText(QStringLiteral("/dev/rfcomm0"));
    OnDeviceChanged(QString());

    connect(ui_->comboDevice, &QComboBox::editTextChanged, this, &CAddModemDlg::OnDeviceChanged);
    connect(ui_->button1, &QPushButton::clicked, this, &CAddModemDlg::OnOK);
    connect(ui_->button2, &QPushButton::clicked, this, &QDialog::reject);
}

CAddModemDlg::~CAddModemDlg() = default;

QString CAddModemDlg::Text(int id) const
{
    return LoadLanguageString(module_, id);
}

void CAddModemDlg::OnDeviceChanged(const QString& text)
{
    // A port already on the machine keeps its number; say so before OK.
    for (const PlainPort& p : model_.PlainPorts()) {
        if (p.device != text.trimmed())
            continue;
        QStringList about;
        if (!p.model.isEmpty())
            about << p.model;
        if (const int role = SetupModel::RoleText(p.role))
            about << Text(role);
        about << Text(Str::AddModemMarksPort).arg(p.number);
        ui_->labelMarks->setText(about.join(QStringLiteral(" \u2013 ")));
        ui_->spinNumber->setValue(p.number);
        ui_->spinNumber->setEnabled(false);
        return;
    }
    ui_->labelMarks->clear();
    if (!ui_->spinNumber->isEnabled()) {
        ui_->spinNumber->setValue(freeNumber_ > 0 ? freeNumber_ : 1);
        ui_->spinNumber->setEnabled(true);
    }
}

void CAddModemDlg::OnOK()
{
    QString problem;
    const int added = model_.AddModem(ui_->spinNumber->value(), ui_->comboDevice->currentText(), problem);
    if (added < 0) {
        prompter_.Show(problem, windowTitle(), Prompter::Buttons::Ok, Prompter::Icon::Warning);
        return;
    }
    added_ = added;
    accept();
}
