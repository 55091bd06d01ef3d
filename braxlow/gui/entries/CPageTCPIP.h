// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/widgets/CPropertyPage.h"

#include <memory>

namespace Ui {
class CPageTCPIP;
}
class IpAddressEdit;

// The entry's fixed IP address and DNS servers, each an IP address text (empty =
// obtained from the network).
class CPageTCPIP : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CPageTCPIP(const QTranslator* module, QWidget* parent = nullptr);
    ~CPageTCPIP() override;

    void OnInitDialog() override;

    // Set by the owner before the sheet runs; Country and Provider are only read.
    QString Country;
    QString Provider;
    // Set before the sheet runs, read back after OK.
    QString PreferredDns;
    QString AlternateDns;
    QString IpAddress;

private:
    void ApplyChoices();

    std::unique_ptr<Ui::CPageTCPIP> ui_;
};
