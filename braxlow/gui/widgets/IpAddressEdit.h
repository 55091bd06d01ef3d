// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/RasTypes.h"

#include <QWidget>
#include <array>

// An IPv4 address typed as four numbers of 0 to 255 that look like one line edit.
// '.' or a third digit moves on to the next field, Backspace at the start of a
// field goes back to the previous one, and a pasted "10.1.2.3" fills all four.
// The control can be blank (every field empty); a blank field reads as 0.
class IpAddressEdit : public QWidget
{
    Q_OBJECT

public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    void SetAddress(quint8 a, quint8 b, quint8 c, quint8 d);
    void Clear();
    Ras::IpAddr Fields() const;
    bool IsBlank() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // The user changed a field (typing, deleting, pasting); never sent for
    // SetAddress() or Clear().
    void fieldChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Field;

    void MoveTo(int index, bool toEnd);
    bool PasteAddress(const QString& text);
    void FitFields();

    std::array<Field*, 4> fields_{};
};
