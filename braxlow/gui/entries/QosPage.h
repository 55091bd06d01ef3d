// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/EntryTexts.h"
#include "gui/widgets/CPropertyPage.h"

#include <array>
#include <memory>

namespace Ui {
class QosPage;
}
class QComboBox;

// One QoS profile of the entry as a QoS text. The text is rebuilt only when the
// user picks another item, so a page that was only looked at hands back the text
// it was given, even an empty one (the owner then applies its default).
class QosPage : public CPropertyPage
{
    Q_OBJECT

public:
    ~QosPage() override;

    void OnInitDialog() override;

    // Set by the owner before the sheet runs, read back after OK.
    QString QosText;
    // The context a profile made from an empty text applies to.
    quint32 Cid = 1;

protected:
    // The combos' control ids: precedence, delay, reliability, peak and mean.
    QosPage(const QTranslator* module, const std::array<int, 5>& comboIds, QWidget* parent);

private:
    void OnSelectionChanged(int combo, int index);

    std::unique_ptr<Ui::QosPage> ui_;
    std::array<QComboBox*, 5> combos_{};
    QosProfile profile_;
    bool loading_ = false;
};

// The least QoS the network may grant (AT+CGQMIN).
class CPageQoSMin : public QosPage
{
    Q_OBJECT

public:
    explicit CPageQoSMin(const QTranslator* module, QWidget* parent = nullptr);
};

// The QoS asked of the network (AT+CGQREQ).
class CPageQoSRequest : public QosPage
{
    Q_OBJECT

public:
    explicit CPageQoSRequest(const QTranslator* module, QWidget* parent = nullptr);
};
