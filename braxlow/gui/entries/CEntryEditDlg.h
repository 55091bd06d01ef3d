// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/EntryEditor.h"

#include <QDialog>
#include <QPalette>

#include <memory>

class AppSettings;
class DataStore;
class Prompter;
class QTranslator;

namespace Ui {
class CEntryEditDlg;
}

// The window in which one connection entry is created or changed. The owner
// fills Fields() and the mode, runs it, and after Save reads Fields() back; the
// window itself writes nothing to the database.
class CEntryEditDlg : public QDialog
{
    Q_OBJECT

public:
    CEntryEditDlg(DataStore& store, const QTranslator* module, Prompter& prompter,
                  const QString& productName, QWidget* parent = nullptr);
    ~CEntryEditDlg() override;

    ConnectionEntry& Fields() { return editor_.Fields(); }
    // Kept beside the entry; the owner loads and saves it with the entry.
    QString& BalanceCode() { return editor_.BalanceCode(); }
    DataCap& Cap() { return editor_.Cap(); }
    void SetEditMode(EntryEditor::Mode mode) { editor_.SetEditMode(mode); }
    const EntryEditor& Editor() const { return editor_; }

public Q_SLOTS:
    void OnCountryChanged();
    void OnProviderChanged();
    void OnDialStringEdited();
    void OnCheckPasswd();
    void OnAdvanced();
    void OnSave();
    // Reads the SIM's identity from the phone and chooses its country and provider.
    void OnFromSim();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void SetTexts();
    // The controls into the editor's fields, and back.
    void ReadFields();
    void ShowFields();
    QString Text(int id) const;
    QString DialStringTip() const;

    std::unique_ptr<Ui::CEntryEditDlg> ui_;
    AppSettings& settings_;
    EntryEditor editor_;
    const QTranslator* module_;
    Prompter& prompter_;
    QString productName_;
    bool opened_ = false;
    QPalette savedTipPalette_;
};
