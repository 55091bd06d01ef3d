// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/EntryEditor.h"

#include "core/entries/ContextNumber.h"
#include "core/entries/CountryList.h"
#include "core/entries/CountryNames.h"
#include "core/entries/DataStore.h"
#include "core/entries/NetworkCode.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

#include <algorithm>
#include <utility>

namespace {

bool IsOthers(const QString& text)
{
    return text.compare(kOthers, Qt::CaseInsensitive) == 0;
}

bool IsPseudoItem(const QString& text)
{
    return IsOthers(text) || text == kBackToPresets;
}

} // namespace

ChoiceBox::ChoiceBox(Order order)
    : order_(order)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void ChoiceBox::ShowCountryNames(const CountryNames* names, const QTranslator* module)
{
    Clear();
    names_ = names;
    module_ = module;
    collator_ = QCollator(ModuleLocale(module));
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void ChoiceBox::Clear()
{
    items_.clear();
    shown_.clear();
    current_ = -1;
}

bool ChoiceBox::Before(const QString& shownA, const QString& shownB) const
{
    const bool pseudoA = IsPseudoItem(shownA);
    if (pseudoA != IsPseudoItem(shownB))
        return !pseudoA;
    return collator_.compare(shownA, shownB) < 0;
}

int ChoiceBox::Add(const QString& text)
{
    // The pseudo-items read the same in every language.
    const QString shown = names_ != nullptr && !IsPseudoItem(text) ? names_->Shown(text, module_) : text;
    qsizetype at = items_.size();
    if (order_ == Order::Sorted) {
        // After equal items, as a sorted list box inserts them.
        at = std::upper_bound(shown_.cbegin(), shown_.cend(), shown,
                              [this](const QString& a, const QString& b) { return Before(a, b); })
             - shown_.cbegin();
    }
    items_.insert(at, text);
    shown_.insert(at, shown);
    if (current_ >= at)
        ++current_;
    return int(at);
}

int ChoiceBox::FindPrefix(const QString& text) const
{
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (items_.at(i).startsWith(text, Qt::CaseInsensitive))
            return int(i);
    }
    return -1;
}

void ChoiceBox::Select(int index)
{
    current_ = index >= 0 && index < items_.size() ? index : -1;
}

QString ChoiceBox::CurrentText() const
{
    return current_ >= 0 ? items_.at(current_) : QString();
}

EntryEditor::EntryEditor(DataStore& data)
    : data_(data)
    , names_(CountryNames::Load(data.Settings().DataDirectory() + CountryNames::kFileName))
{
    fields_.PhoneNumber = QStringLiteral("*99**1*1#");
}

void EntryEditor::SetLanguage(const QTranslator* module)
{
    module_ = module;
    countries_.ShowCountryNames(&names_, module);
}

void EntryEditor::SetNewEntryHints(const QString& imsi, const QLocale& locale)
{
    simImsi_ = imsi;
    locale_ = locale;
}

QString EntryEditor::ShownCountry(const QString& english) const
{
    return names_.Shown(english, module_);
}

void EntryEditor::SelectDefaultCountry()
{
    const QStringList& items = countries_.Items();
    for (const QString& country : {data_.CountryOfImsi(simImsi_), names_.ForLocale(locale_)}) {
        if (country.isEmpty())
            continue;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items.at(i).compare(country, Qt::CaseInsensitive) == 0) {
                countries_.Select(int(i));
                ReadFields();
                return;
            }
        }
    }
}

bool EntryEditor::TakeCountryDropDown()
{
    return std::exchange(countryDropDown_, false);
}

void EntryEditor::Open()
{
    // The mode comes from the stored provider, before the lists are filled: a new
    // entry stays locked until the user chooses, even when its first provider is
    // "[Others]".
    SetFieldMode(IsOthers(fields_.ProviderName) ? 1 : 0);
    openingName_ = fields_.ConnectName;
    QString provider = fields_.ProviderName;
    const bool chooseCountry = mode_ == Mode::New && fields_.Country.isEmpty();
    FillPresetCountries();
    if (chooseCountry) {
        SelectDefaultCountry();
        // The SIM's own network, where the presets list one provider for it.
        const QList<DataStore::NetworkProvider> sims = data_.FindProvidersByImsi(simImsi_);
        if (provider.isEmpty() && sims.size() == 1 &&
            sims.first().country.compare(countries_.CurrentText(), Qt::CaseInsensitive) == 0)
            provider = sims.first().provider;
    }
    FillProviders(provider);
    if (mode_ == Mode::New)
        ApplyPreset();
    qosMinBase_ = fields_.QoSMin.isEmpty() ? kDefaultQosBase : fields_.QoSMin;
    qosRequestBase_ = fields_.QoSRequest.isEmpty() ? kDefaultQosBase : fields_.QoSRequest;
}

void EntryEditor::ReadFields()
{
    fields_.Country = countries_.CurrentText();
    fields_.ProviderName = providers_.CurrentText();
}

void EntryEditor::FillPresetCountries()
{
    const std::optional<QStringList> names = data_.LoadPresetCountries();
    if (!names) {
        FillAllCountries();
        return;
    }
    for (const QString& name : *names)
        countries_.Add(name);
    const QString& country = fields_.Country;
    if (countries_.FindPrefix(country) < 0 && !country.isEmpty())
        countries_.Add(country);
    countries_.Add(kOthers);
    countries_.Select(country.isEmpty() ? 0 : countries_.FindPrefix(country));
    ReadFields();
}

void EntryEditor::FillAllCountries()
{
    for (const QString& name : BuiltInCountries())
        countries_.Add(name);
    countries_.Select(0);
    ReadFields();
}

void EntryEditor::FillProviders(const QString& provider)
{
    const std::optional<QStringList> names = data_.LoadProviders(fields_.Country);
    if (!names) {
        providers_.Add(kOthers);
        providers_.Select(0);
        return;
    }
    for (const QString& name : *names)
        providers_.Add(name);
    providers_.Add(kOthers);
    providers_.Select(provider.isEmpty() ? 0 : providers_.FindPrefix(provider));
    ReadFields();
}

void EntryEditor::ApplyPreset()
{
    const DataStore::PresetLookup found = data_.FindPreset(fields_.ProviderName, fields_.Country);
    if (found.emptyTable)
        return;
    fields_.QoSMin.clear();
    fields_.QoSRequest.clear();
    if (!found.preset) {
        fields_.APNName.clear();
        fields_.ConnectName.clear();
        fields_.UserName.clear();
        fields_.Password.clear();
        return;
    }
    const ApnPreset& p = *found.preset;
    fields_.APNName = p.APNName;
    fields_.UserName = p.UserName;
    fields_.Password = p.Password;
    fields_.PrimaryDNS = p.PrimaryDNS;
    fields_.SecondDNS = p.SecondDNS;
    fields_.ConnectName = p.ConnectName;
    fields_.PhoneNumber = p.PhoneNumber;
    fields_.QoSMin = p.QoSMin;
    fields_.QoSRequest = p.QoSRequest;
}

void EntryEditor::SetFieldMode(int mode)
{
    fieldMode_ = mode;
    apnEditable_ = mode == 1;
    controlsEnabled_ = true;
}

void EntryEditor::OnProviderChanged()
{
    ReadFields();
    ApplyPreset();
    if (!IsOthers(fields_.ProviderName)) {
        SetFieldMode(0);
    } else {
        // The country's "[Others]" row may give an access point and a dial string,
        // but a name and name servers of its own are the user's to type.
        SetFieldMode(1);
        fields_.ConnectName.clear();
        fields_.PrimaryDNS.clear();
        fields_.SecondDNS.clear();
    }
    fields_.UserIPAddr.clear();
}

void EntryEditor::OnCountryChanged()
{
    providers_.Clear();
    ReadFields();
    if (IsOthers(fields_.Country)) {
        countries_.Clear();
        countries_.Add(kBackToPresets);
        FillAllCountries();
        apnEditable_ = true;
        countryDropDown_ = true;
    } else if (fields_.Country == kBackToPresets) {
        fields_.Country.clear();
        countries_.Clear();
        FillPresetCountries();
        apnEditable_ = false;
        countryDropDown_ = true;
    }
    FillProviders(QString());
    OnProviderChanged();
    fields_.UserIPAddr.clear();
}

EntryEditor::SimMatch EntryEditor::SelectFromImsi(const QString& imsi)
{
    SimMatch match;
    if (!DataStore::IsImsi(imsi)) {
        match.kind = SimMatch::Kind::BadImsi;
        return match;
    }
    const QPair<QString, QString> code = NetworkCode::MccMnc(imsi);
    match.networkCode = code.first + QLatin1Char(' ') + code.second;
    match.candidates = data_.FindProvidersByImsi(imsi);
    // Offered to choose from in the order a reader looks for a name.
    std::sort(match.candidates.begin(), match.candidates.end(),
              [](const DataStore::NetworkProvider& a, const DataStore::NetworkProvider& b) {
                  const int byProvider = QString::localeAwareCompare(a.provider, b.provider);
                  return byProvider != 0 ? byProvider < 0 : QString::localeAwareCompare(a.country, b.country) < 0;
              });
    if (match.candidates.isEmpty()) {
        match.kind = SimMatch::Kind::None;
    } else if (match.candidates.size() > 1) {
        match.kind = SimMatch::Kind::Several;
    } else if (SelectProvider(match.candidates.first())) {
        match.kind = SimMatch::Kind::Selected;
    } else {
        match.kind = SimMatch::Kind::None;
    }
    return match;
}

bool EntryEditor::SelectProvider(const DataStore::NetworkProvider& choice)
{
    auto exactly = [](const ChoiceBox& box, const QString& text) {
        const QStringList& items = box.Items();
        for (qsizetype i = 0; i < items.size(); ++i)
            if (items.at(i).compare(text, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    };
    // Decide before touching anything, so that a choice the lists cannot show
    // leaves the fields as they were.
    const std::optional<QStringList> providers = data_.LoadProviders(choice.country);
    if (!providers || !providers->contains(choice.provider, Qt::CaseInsensitive))
        return false;
    if (exactly(countries_, choice.country) < 0 || countries_.Items().contains(kBackToPresets)) {
        // The full country list, or a preset list without the country: the
        // preset countries again, with the entry's own country if it is missing.
        countries_.Clear();
        fields_.Country = choice.country;
        FillPresetCountries();
        apnEditable_ = false;
    }
    const int country = exactly(countries_, choice.country);
    if (country < 0)
        return false;
    countries_.Select(country);
    providers_.Clear();
    ReadFields();
    FillProviders(QString());
    // Exactly this provider: a prefix would take "O2" for "O2 (Contract)".
    providers_.Select(exactly(providers_, choice.provider));
    OnProviderChanged();
    return true;
}

void EntryEditor::OnDialStringEdited()
{
    const int cid = ContextNumberOf(fields_.PhoneNumber);
    fields_.QoSMin = SpliceContextNumber(cid, qosMinBase_);
    fields_.QoSRequest = SpliceContextNumber(cid, qosRequestBase_);
}

EntryEditor::SaveOutcome EntryEditor::OnSave()
{
    using Kind = SaveOutcome::Kind;
    if (fields_.ConnectName.isEmpty())
        return {Kind::NameEmpty, {}};
    if ((mode_ == Mode::New || fields_.ConnectName != openingName_)
        && data_.IsConnectNameTaken(fields_.ConnectName)) {
        return {Kind::NameTaken, {}};
    }
    ConnectionEntry done = fields_;
    // The full country list has names longer than the column; a cut name still
    // saves, where the database would refuse the whole entry.
    done.Country.truncate(EntryFieldSize::kCountry);
    done.ProviderName.truncate(EntryFieldSize::kName);
    done.ConnectName.truncate(EntryFieldSize::kName);
    done.APNName.truncate(EntryFieldSize::kName);
    done.UserName.truncate(EntryFieldSize::kName);
    done.Password.truncate(EntryFieldSize::kName);
    done.PhoneNumber.truncate(EntryFieldSize::kShort);
    const int cid = ContextNumberOf(done.PhoneNumber);
    done.QoSMin = CompleteQosText(cid, done.QoSMin);
    done.QoSRequest = CompleteQosText(cid, done.QoSRequest);
    if (const EntryChecks::Problem problem = EntryChecks::FindProblem(done))
        return {Kind::BadValue, problem};
    if (!EntryChecks::IsBalanceCode(balanceCode_))
        return {Kind::BadValue, {Str::BadBalanceCode, Str::BalanceCodeLabel}};
    fields_ = done;
    return {};
}

void EntryEditor::TakeSheetTexts(const QString& preferredDns, const QString& alternateDns,
                                 const QString& ipAddress, const QString& qosMin,
                                 const QString& qosRequest)
{
    fields_.PrimaryDNS = preferredDns;
    fields_.SecondDNS = alternateDns;
    fields_.UserIPAddr = ipAddress;
    fields_.QoSMin = qosMin.isEmpty() ? kDefaultQosTail : qosMin;
    fields_.QoSRequest = qosRequest.isEmpty() ? kDefaultQosTail : qosRequest;
}

QString EntryEditor::Title(Mode mode, const QTranslator* module, const QString& productName)
{
    const int id = mode == Mode::New ? Str::NewEntry : Str::Properties;
    QString title = LoadLanguageString(module, id).remove(QLatin1String("..."));
    if (mode == Mode::New)
        title += QLatin1Char(' ');
    return title + QStringLiteral(" - ") + productName;
}
