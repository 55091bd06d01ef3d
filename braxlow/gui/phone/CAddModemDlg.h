// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class Prompter;
class QTranslator;
class SetupModel;

namespace Ui {
class CAddModemDlg;
}

// Where the system has no place to install a modem, this small window does it:
// the user names the device the phone is on (a Bluetooth port, or a serial
// cable the system does not take for a modem) and the port map gives it a COM
// number.
class CAddModemDlg : public QDialog
{
    Q_OBJECT

public:
    CAddModemDlg(SetupModel& model, const QTranslator* module, Prompter& prompter,
                 QWidget* parent = nullptr);
    ~CAddModemDlg() override;

    // The COM number the phone is on after OK.
    int AddedPort() const { return added_; }

public Q_SLOTS:
    void OnOK();
    void OnDeviceChanged(const QString& text);

private:
    QString Text(int id) const;

    std::unique_ptr<Ui::CAddModemDlg> ui_;
    SetupModel& model_;
    const QTranslator* module_;
    Prompter& prompter_;
    int freeNumber_ = 3;
    int added_ = -1;
};
