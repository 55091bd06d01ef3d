// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shell/HistoryView.h"

#include <QDialog>
#include <QList>
#include <QWidget>

class BraxlowApp;
class QComboBox;
class QTranslator;
class QTreeWidget;

// Bars of the month's traffic per day, with the allowance's daily share as a
// line where the entry has one.
class HistoryChart : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);
    void SetMonth(const HistoryView::Month& month, const QTranslator* module);
    QSize sizeHint() const override { return {560, 190}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HistoryView::Month month_;
    QString title_, allowance_;
};

// What each connection did, newest first, with the chosen entry's month as a
// chart, and the report for support on the clipboard.
class CHistoryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHistoryDlg(BraxlowApp& app, QWidget* parent = nullptr);

    void OnInitDialog();
    void OnEntryChanged();
    void OnCopyDiagnostics();
    int Rows() const;

private:
    QString Text(int id) const;

    BraxlowApp& app_;
    HistoryStore history_;
    QComboBox* entries_ = nullptr;
    QTreeWidget* list_ = nullptr;
    HistoryChart* chart_ = nullptr;
    QList<int> entryIds_;
};
