// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/AllowanceStore.h"

#include "core/entries/ConnectionEntry.h"
#include "core/entries/CountryNames.h"
#include "core/entries/DataStore.h"
#include "core/entries/EntryChecks.h"

#include <QCollator>
#include <QStringList>

class QTranslator;

// A selection box as the entry editor fills it: its items and the selected one.
// The sorted kind keeps country names in the user's collation, ignoring case,
// with the pseudo-items ("[Others]", "..") after the names, where users look for
// "something else" and "back". Items are the stored texts; a box of country
// names shows them, and sorts them, in the user's language.
class ChoiceBox
{
public:
    enum class Order { Insertion, Sorted };
    explicit ChoiceBox(Order order);

    // Empties the box.
    void ShowCountryNames(const CountryNames* names, const QTranslator* module);
    void Clear();
    // Where the item went.
    int Add(const QString& text);
    // The first item that begins with `text`, ignoring case; -1 when none does.
    int FindPrefix(const QString& text) const;
    // -1, or an index out of range, leaves nothing selected.
    void Select(int index);
    int Current() const { return current_; }
    QString CurrentText() const;
    const QStringList& Items() const { return items_; }
    // The items as the user reads them.
    const QStringList& Shown() const { return shown_; }

private:
    bool Before(const QString& shownA, const QString& shownB) const;

    Order order_;
    QCollator collator_;
    const CountryNames* names_ = nullptr;
    const QTranslator* module_ = nullptr;
    QStringList items_;
    QStringList shown_;
    int current_ = -1;
};

// What the entry editor does, without its window: the fields, the country and
// provider boxes with their two country modes, the presets they apply, which
// fields are locked, the QoS texts that follow the dial string, and the checks
// and completions of Save. The window copies the user's typing and choices in
// (ReadFields), calls one operation and shows the result; nothing here touches
// the database except to read presets and look for a taken name.
class EntryEditor
{
public:
    enum class Mode { Edit, New };

    explicit EntryEditor(DataStore& data);

    // The language the country names are shown and sorted in.
    void SetLanguage(const QTranslator* module);
    // What a new entry opens on: the country of the SIM with this IMSI, else
    // the country of the locale, where the country lists have them; else the
    // first country as before. Read by Open().
    void SetNewEntryHints(const QString& imsi, const QLocale& locale);
    // A stored country name as the user reads it.
    QString ShownCountry(const QString& english) const;

    ConnectionEntry& Fields() { return fields_; }
    const ConnectionEntry& Fields() const { return fields_; }
    // Kept beside the entry's row (DataStore::EntryExtras), not in it.
    QString& BalanceCode() { return balanceCode_; }
    const QString& BalanceCode() const { return balanceCode_; }
    // The monthly allowance, kept with the month's traffic in the settings.
    DataCap& Cap() { return cap_; }
    const DataCap& Cap() const { return cap_; }
    Mode EditMode() const { return mode_; }
    void SetEditMode(Mode mode) { mode_ = mode; }

    ChoiceBox& Countries() { return countries_; }
    ChoiceBox& Providers() { return providers_; }
    const ChoiceBox& Countries() const { return countries_; }
    const ChoiceBox& Providers() const { return providers_; }

    // 0 for a preset provider (access point and dial string locked), 1 for
    // "[Others]".
    int FieldMode() const { return fieldMode_; }
    bool ApnEditable() const { return apnEditable_; }
    bool DialStringEditable() const { return fieldMode_ == 1; }
    // Save, the boxes, the advanced button and the remember box: off until the
    // first field mode is set.
    bool ControlsEnabled() const { return controlsEnabled_; }
    // Once after a country change that switched the list: the window opens the
    // country list so the user can choose at once.
    bool TakeCountryDropDown();
    QString OpeningName() const { return openingName_; }
    QString QosMinBase() const { return qosMinBase_; }
    QString QosRequestBase() const { return qosRequestBase_; }

    // The opening: field mode, lists, the preset of a new entry, the QoS bases.
    void Open();
    // The selections of the two boxes into Country and ProviderName.
    void ReadFields();

    void FillPresetCountries();
    void FillAllCountries();
    void FillProviders(const QString& provider);
    void ApplyPreset();
    void SetFieldMode(int mode);
    void OnCountryChanged();
    void OnProviderChanged();
    // Only for the user's typing in the dial string: both QoS texts start again
    // from the ones the editor opened with, under the new context number.
    void OnDialStringEdited();

    // Chooses the country and provider of the SIM's network as the user would in
    // the two boxes, switching back to the preset countries when needed. With
    // several candidates nothing changes until SelectProvider gets the one the
    // user took; with none the fields stay as they are.
    struct SimMatch
    {
        enum class Kind { Selected, Several, None, BadImsi };
        Kind kind = Kind::None;
        QList<DataStore::NetworkProvider> candidates;
        QString networkCode; // "MCC MNC" as the user may look it up
    };
    SimMatch SelectFromImsi(const QString& imsi);
    bool SelectProvider(const DataStore::NetworkProvider& choice);

    struct SaveOutcome
    {
        enum class Kind { Saved, NameEmpty, NameTaken, BadValue };
        Kind kind = Kind::Saved;
        EntryChecks::Problem problem; // for BadValue
    };
    // The checks of Save; on success the fields are completed (QoS texts with the
    // context number, every text within its column), otherwise left as they were.
    SaveOutcome OnSave();

    // What the advanced sheet gave back after OK; an empty QoS text becomes the
    // default profile without a context number, which Save puts in front.
    void TakeSheetTexts(const QString& preferredDns, const QString& alternateDns,
                        const QString& ipAddress, const QString& qosMin, const QString& qosRequest);

    // The window title: the new or edit string without its "...", then the product.
    static QString Title(Mode mode, const QTranslator* module, const QString& productName);

private:
    void SelectDefaultCountry();

    DataStore& data_;
    CountryNames names_;
    const QTranslator* module_ = nullptr;
    QString simImsi_;
    QLocale locale_ = QLocale::c();
    ConnectionEntry fields_;
    QString balanceCode_;
    DataCap cap_;
    Mode mode_ = Mode::Edit;
    ChoiceBox countries_{ChoiceBox::Order::Sorted};
    ChoiceBox providers_{ChoiceBox::Order::Insertion};
    int fieldMode_ = 0;
    bool apnEditable_ = false;
    bool controlsEnabled_ = false;
    bool countryDropDown_ = false;
    QString openingName_;
    QString qosMinBase_;
    QString qosRequestBase_;
};
