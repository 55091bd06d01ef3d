// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/ContextNumber.h"
#include "core/entries/CountryNames.h"
#include "core/entries/EntryChecks.h"
#include "core/entries/EntryEditor.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"
#include "support/TestSupport.h"

#include <QtTest>

using TestSupport::EntryData;
using TestSupport::Preset;

class TestEntryEditor : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void contextNumberOfDialStrings_data()
    {
        QTest::addColumn<QString>("dial");
        QTest::addColumn<int>("cid");
        const std::pair<const char*, int> examples[] = {
            {"*99#", 1},        {"*99***1#", 1},    {"*99***2#", 2},  {"*99**1*1#", 1}, {"*99**1*3#", 3},
            {"*99*1,4#", 4},    {"ATD*99***5#", 5}, {"12345", 1},     {"*99***#", 1},   {"*99*1#,2", 1},
            {"*99***-2#", 1},   {"*99*** 7x#", 7},  {"*99***abc#", 1}, {"*99", 1}};
        for (const auto& [dial, cid] : examples)
            QTest::newRow(dial) << QString::fromLatin1(dial) << cid;
    }
    void contextNumberOfDialStrings()
    {
        QFETCH(QString, dial);
        QFETCH(int, cid);
        QCOMPARE(ContextNumberOf(dial), cid);
    }

    void qosTextsTakeTheContextNumber()
    {
        QCOMPARE(SpliceContextNumber(2, QStringLiteral("1,0,0,3,0,0")), QStringLiteral("2,0,0,3,0,0"));
        QCOMPARE(SpliceContextNumber(12, QStringLiteral("3,1,2,3,4,31")), QStringLiteral("12,1,2,3,4,31"));
        QCOMPARE(SpliceContextNumber(2, QStringLiteral("abc")), QStringLiteral("2abc"));
        QCOMPARE(CompleteQosText(3, QString()), QStringLiteral("3,0,0,3,0,0"));
        QCOMPARE(CompleteQosText(3, QStringLiteral(",0,0,3,0,0")), QStringLiteral("3,0,0,3,0,0"));
    }

    void savedValuesAreChecked()
    {
        using namespace EntryChecks;
        QVERIFY(IsAccessPointName(QStringLiteral("internet.t-mobile.de")));
        QVERIFY(IsAccessPointName(QString()));
        for (const char* bad : {"a\"b", "web de", "w\\eb", "net;AT", "ä"})
            QVERIFY2(!IsAccessPointName(QString::fromUtf8(bad)), bad);
        QVERIFY(IsDottedQuad(QStringLiteral("10.0.0.1")));
        QVERIFY(IsDottedQuad(QStringLiteral("255.255.255.255")));
        for (const char* bad : {"", "256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "1.2.3.-4", " 1.2.3.4"})
            QVERIFY2(!IsDottedQuad(QString::fromLatin1(bad)), bad);
        QVERIFY(IsQosText(QStringLiteral("1,0,0,3,0,31")));
        for (const char* bad : {"", "1,0,0,3,0", "1,0,0,3,0,x", "1,0,0,3,0,0,0", "2147483647,3,4,5,9,31"})
            QVERIFY2(!IsQosText(QString::fromLatin1(bad)), bad);

        ConnectionEntry entry;
        entry.QoSMin = entry.QoSRequest = QStringLiteral("1,0,0,3,0,0");
        QVERIFY(!FindProblem(entry));
        entry.SecondDNS = QStringLiteral("8.8.8.300");
        const Problem problem = FindProblem(entry);
        QCOMPARE(problem.message, Str::BadAddress);
        QCOMPARE(problem.field, Str::AlternateDnsLabel);
        EntryData fixture({});
        QCOMPARE(ProblemText(fixture.settings.LanguageModule(), problem),
                 QStringLiteral("The field \"Alternate DNS server\" must be an address of four numbers from 0 to 255 "
                                "joined by dots, such as 10.0.0.1. Correct it, then save again."));

        // The field's name keeps neither its label's colon nor its accelerator,
        // in whichever script the table writes them.
        const auto chinese = LanguageLoader::LoadModule(TestSupport::ProgramDirectory() +
                                                        QStringLiteral("/Lang/LANG0804.qm"));
        QVERIFY(chinese);
        QVERIFY(ProblemText(chinese.get(), problem).startsWith(QStringLiteral("字段“备用 DNS 服务器”必须")));
        QCOMPARE(PlainLabel(QStringLiteral("Adresse IP\u202F:")), QStringLiteral("Adresse IP"));
        QCOMPARE(PlainLabel(QStringLiteral("接入点名称 (APN)：")), QStringLiteral("接入点名称 (APN)"));
        QCOMPARE(PlainLabel(QStringLiteral("新建(&N)...")), QStringLiteral("新建..."));
        QCOMPARE(PlainLabel(QStringLiteral("&Save && close:")), QStringLiteral("Save & close"));
    }

    void countryBoxKeepsItsOrder()
    {
        ChoiceBox box(ChoiceBox::Order::Sorted);
        for (const char* name : {"[Others]", "spain", "Spain(International Sort)", "austria", ".."})
            box.Add(QString::fromUtf8(name));
        QCOMPARE(box.Items(), (QStringList{"austria", "spain", "Spain(International Sort)", "..", "[Others]"}));
        QCOMPARE(box.FindPrefix(QStringLiteral("SPAIN")), 1);
        QCOMPARE(box.FindPrefix(QStringLiteral("Chile")), -1);
        box.Select(1);
        box.Add(QStringLiteral("Belgium")); // an item before the selection keeps the selection on its item
        QCOMPARE(box.CurrentText(), QStringLiteral("spain"));
    }

    void openingFillsTheListsFromTheEntry()
    {
        EntryData fixture({Preset("Spain(International Sort)", "Vodafone", "Vodafone ES", "ac.vodafone.es", "*99#"),
                           Preset("Spain", "Movistar", "Movistar", "movistar.es", "*99#"),
                           Preset("Austria", "A1", "A1", "a1.net", "*99***2#")});
        EntryEditor spain(fixture.data);
        spain.Fields().Country = QStringLiteral("Spain");
        spain.Fields().ProviderName = QStringLiteral("Movistar");
        spain.Open();
        QCOMPARE(spain.Countries().CurrentText(), QStringLiteral("Spain"));
        QCOMPARE(spain.Providers().Items(), (QStringList{"Movistar", "[Others]"}));
        QCOMPARE(spain.Fields().ProviderName, QStringLiteral("Movistar"));

        // A country the presets no longer have is added and chosen; its provider
        // list is just "[Others]", and an edited entry keeps its own values.
        EntryEditor gone(fixture.data);
        gone.Fields().Country = QStringLiteral("Atlantis");
        gone.Fields().ProviderName = QStringLiteral("Sunken");
        gone.Fields().APNName = QStringLiteral("deep.sea");
        gone.Open();
        QCOMPARE(gone.Countries().Items(),
                 (QStringList{"Atlantis", "Austria", "Spain", "Spain(International Sort)", "[Others]"}));
        QCOMPARE(gone.Fields().Country, QStringLiteral("Atlantis"));
        QCOMPARE(gone.Providers().Items(), QStringList{"[Others]"});
        QCOMPARE(gone.Fields().ProviderName, QString()); // "Sunken" is not in the list
        QCOMPARE(gone.Fields().APNName, QStringLiteral("deep.sea"));
        QCOMPARE(gone.QosMinBase(), kDefaultQosBase);
    }

    void providerChoicesApplyPresets()
    {
        EntryData fixture({Preset("Austria", "A1", "A1 Internet", "a1.net", "*99***2#",
                                  {"ppp@a1plus.at", "ppp", "194.48.124.200", "194.48.139.254", "2,1,0,3,0,0", ""}),
                           Preset("Austria", "[Others]", "Austria other", "web", "*99#",
                                  {"", "", "1.1.1.1", "8.8.8.8"})});
        EntryEditor editor(fixture.data);
        editor.SetEditMode(EntryEditor::Mode::New);
        editor.Open();
        ConnectionEntry& f = editor.Fields();
        QCOMPARE(f.ConnectName, QStringLiteral("A1 Internet"));
        QCOMPARE(f.QoSMin, QStringLiteral("2,1,0,3,0,0"));
        QCOMPARE(editor.QosMinBase(), QStringLiteral("2,1,0,3,0,0"));
        QCOMPARE(editor.FieldMode(), 0);

        // "[Others]": the row's access point and dial string stay, its name and
        // name servers do not; the fixed address goes with every choice.
        f.UserIPAddr = QStringLiteral("10.0.0.9");
        editor.Providers().Select(1);
        editor.OnProviderChanged();
        QCOMPARE(editor.FieldMode(), 1);
        QVERIFY(editor.ApnEditable() && editor.DialStringEditable());
        QCOMPARE(f.APNName, QStringLiteral("web"));
        QCOMPARE(f.PhoneNumber, QStringLiteral("*99#"));
        QVERIFY(f.ConnectName.isEmpty() && f.PrimaryDNS.isEmpty() && f.SecondDNS.isEmpty());
        QVERIFY(f.UserIPAddr.isEmpty());

        // A provider without a row for the country: the preset's own values go,
        // the dial string stays.
        f.ProviderName = QStringLiteral("Nobody");
        f.PhoneNumber = QStringLiteral("*99***4#");
        editor.ApplyPreset();
        QVERIFY(f.APNName.isEmpty() && f.UserName.isEmpty() && f.Password.isEmpty());
        QCOMPARE(f.PhoneNumber, QStringLiteral("*99***4#"));
    }

    void simChoosesCountryAndProvider()
    {
        using Kind = EntryEditor::SimMatch::Kind;
        EntryData fixture({Preset("Austria", "A1", "A1 Internet", "a1.net", "*99***2#"),
                           Preset("Germany", "Congstar", "Congstar", "internet.t-mobile", "*99#"),
                           Preset("Germany", "Telekom", "Telekom", "internet.telekom", "*99#"),
                           Preset("Germany", "Telekom (IPv6)", "Telekom v6", "internet.v6.telekom", "*99#"),
                           Preset("United States", "AT&T", "AT&T", "broadband", "*99***1#")});
        TestSupport::AddNetworkCodes(fixture.data.SystemDatabasePath(),
                                     {{"Germany", "Telekom", "262", "02"},
                                      {"Germany", "Telekom (IPv6)", "262", "01"},
                                      {"Germany", "Congstar", "262", "01"},
                                      {"United States", "AT&T", "310", "410"},
                                      {"United States", "Gone", "310", "410"}, // no preset: never offered
                                      {"United States", "AT&T", "310", "41"}});
        EntryEditor editor(fixture.data);
        editor.Fields().Country = QStringLiteral("Austria");
        editor.Fields().ProviderName = QStringLiteral("A1");
        editor.Open();
        // From the full country list, where the user left it.
        editor.Countries().Select(editor.Countries().FindPrefix(QStringLiteral("[Others]")));
        editor.OnCountryChanged();
        editor.Fields().UserIPAddr = QStringLiteral("10.0.0.9");

        EntryEditor::SimMatch match = editor.SelectFromImsi(QStringLiteral("262021234567890"));
        QCOMPARE(match.kind, Kind::Selected);
        QCOMPARE(editor.Countries().Items(), (QStringList{"Austria", "Germany", "United States", "[Others]"}));
        QCOMPARE(editor.Fields().Country, QStringLiteral("Germany"));
        QCOMPARE(editor.Fields().ProviderName, QStringLiteral("Telekom"));
        QCOMPARE(editor.Fields().APNName, QStringLiteral("internet.telekom"));
        QVERIFY(editor.Fields().UserIPAddr.isEmpty());
        QVERIFY(!editor.ApnEditable() && editor.FieldMode() == 0);

        // The three-digit network code before the two-digit one.
        QCOMPARE(editor.SelectFromImsi(QStringLiteral("310410123456789")).kind, Kind::Selected);
        QCOMPARE(editor.Fields().ProviderName, QStringLiteral("AT&T"));
        QCOMPARE(editor.Fields().PhoneNumber, QStringLiteral("*99***1#"));

        // Several: nothing changes until one is chosen, and exactly that one is
        // selected, not the first that begins with its name.
        match = editor.SelectFromImsi(QStringLiteral("262019876543210"));
        QCOMPARE(match.kind, Kind::Several);
        QCOMPARE(match.candidates.size(), 2);
        QCOMPARE(match.candidates.first().provider, QStringLiteral("Congstar")); // sorted by name
        QCOMPARE(editor.Fields().ProviderName, QStringLiteral("AT&T"));
        QVERIFY(editor.SelectProvider(match.candidates.last()));
        QCOMPARE(editor.Fields().ProviderName, QStringLiteral("Telekom (IPv6)"));
        QCOMPARE(editor.Fields().APNName, QStringLiteral("internet.v6.telekom"));

        // None, or no IMSI at all: the fields stay as they are.
        const ConnectionEntry before = editor.Fields();
        match = editor.SelectFromImsi(QStringLiteral("23410123456"));
        QCOMPARE(match.kind, Kind::None);
        QCOMPARE(match.networkCode, QStringLiteral("234 10"));
        QCOMPARE(editor.SelectFromImsi(QStringLiteral("26201'; DROP")).kind, Kind::BadImsi);
        QVERIFY(!editor.SelectProvider({QStringLiteral("Germany"), QStringLiteral("Nobody")}));
        QCOMPARE(editor.Fields(), before);
        QCOMPARE(editor.Fields().Country, QStringLiteral("Germany"));
    }

    void balanceCodeIsCheckedOnSave()
    {
        EntryData fixture({Preset("Austria", "A1", "A1 Internet", "a1.net", "*99***2#")});
        EntryEditor editor(fixture.data);
        editor.SetEditMode(EntryEditor::Mode::New);
        editor.Open();
        editor.BalanceCode() = QStringLiteral("*100#\r\nAT+CFUN=0");
        const EntryEditor::SaveOutcome refused = editor.OnSave();
        QCOMPARE(refused.kind, EntryEditor::SaveOutcome::Kind::BadValue);
        QCOMPARE(EntryChecks::ProblemText(fixture.settings.LanguageModule(), refused.problem),
                 QStringLiteral("The field \"Balance code\" may hold only digits, *, # and +, at most 32 "
                                "characters, such as *100#. Correct it, then save again."));
        for (const char* good : {"", "*100#", "*#100#", "+491234"}) {
            editor.BalanceCode() = QString::fromLatin1(good);
            QCOMPARE(editor.OnSave().kind, EntryEditor::SaveOutcome::Kind::Saved);
        }
        editor.BalanceCode() = QString(33, QLatin1Char('1'));
        QCOMPARE(editor.OnSave().kind, EntryEditor::SaveOutcome::Kind::BadValue);
    }

    void countriesShowInTheUsersLanguage()
    {
        const auto table = [](const char* lcid) {
            return LanguageLoader::LoadModule(TestSupport::ProgramDirectory() +
                                              QStringLiteral("/Lang/LANG%1.qm").arg(QLatin1String(lcid)));
        };
        const auto german = table("0407");
        const auto chinese = table("0804");
        QVERIFY(german && chinese);
        EntryData fixture({Preset("Austria", "A1", "A1 Internet", "a1.net", "*99#"),
                           Preset("Germany", "Telekom", "Telekom", "internet.telekom", "*99#"),
                           Preset("Denmark", "TDC", "TDC", "internet", "*99#")});
        EntryEditor editor(fixture.data);
        editor.SetLanguage(german.get());
        editor.SetEditMode(EntryEditor::Mode::New);
        editor.Open();
        // Shown and sorted as German readers know them, stored in English.
        QCOMPARE(editor.Countries().Shown(), (QStringList{"Dänemark", "Deutschland", "Österreich", "[Others]"}));
        QCOMPARE(editor.Countries().Items(), (QStringList{"Denmark", "Germany", "Austria", "[Others]"}));
        QCOMPARE(editor.Fields().Country, QStringLiteral("Denmark"));

        // The built-in list's variants and regions, and a name the table lacks.
        const CountryNames names = CountryNames::Load(TestSupport::ProgramDirectory() + QStringLiteral("/Lang/Countries.tsv"));
        QCOMPARE(names.Shown(QStringLiteral("Serbia(Cyrillic)"), german.get()), QStringLiteral("Serbien (Kyrillisch)"));
        QCOMPARE(names.Shown(QStringLiteral("Caribbean"), german.get()), QStringLiteral("Karibik"));
        QCOMPARE(names.Shown(QStringLiteral("PRC"), chinese.get()), QStringLiteral("中华人民共和国"));
        QCOMPARE(names.Shown(QStringLiteral("Former Yugoslav Republic of Ma"), german.get()),
                 QStringLiteral("Nordmazedonien"));
        QCOMPARE(names.Shown(QStringLiteral("Atlantis"), german.get()), QStringLiteral("Atlantis"));
        QCOMPARE(names.Shown(QStringLiteral("Serbia(Cyrillic)"), fixture.settings.LanguageModule()),
                 QStringLiteral("Serbia(Cyrillic)")); // English as stored
        QCOMPARE(names.ForCode(QStringLiteral("kr")), QStringLiteral("Korea"));
        QCOMPARE(names.ForLocale(QLocale(QLocale::German, QLocale::Austria)), QStringLiteral("Austria"));

        // A damaged table: its bad lines are passed over, a missing one shows English.
        QTemporaryDir dir;
        QVERIFY(TestSupport::WriteFile(dir.filePath(QStringLiteral("c.tsv")),
                                       "code\tEnglish\tde\nDE\tGermany\tDeutschland\tzu viel\n"
                                       "AT\tAustria\t\xc3\x96sterreich\xe2\x80\xae\nCH\tSwitzerland\tSchweiz\n"));
        const CountryNames damaged = CountryNames::Load(dir.filePath(QStringLiteral("c.tsv")));
        QCOMPARE(damaged.Shown(QStringLiteral("Germany"), german.get()), QStringLiteral("Germany"));
        QCOMPARE(damaged.Shown(QStringLiteral("Austria"), german.get()), QStringLiteral("Austria"));
        QCOMPARE(damaged.Shown(QStringLiteral("Switzerland"), german.get()), QStringLiteral("Schweiz"));
        QCOMPARE(CountryNames::Load(dir.filePath(QStringLiteral("none"))).Shown(QStringLiteral("Germany"), german.get()),
                 QStringLiteral("Germany"));
    }

    void newEntryOpensOnTheSimsOrTheLocalesCountry()
    {
        EntryData fixture({Preset("Austria", "A1", "A1 Internet", "a1.net", "*99#"),
                           Preset("Germany", "Telekom", "Telekom", "internet.telekom", "*99#")});
        TestSupport::AddNetworkCodes(fixture.data.SystemDatabasePath(), {{"Germany", "Telekom", "262", "01"}});
        const auto opened = [&fixture](EntryEditor::Mode mode, const QString& imsi, const QLocale& locale) {
            EntryEditor editor(fixture.data);
            editor.SetEditMode(mode);
            if (mode == EntryEditor::Mode::Edit)
                editor.Fields().Country = QStringLiteral("Austria");
            editor.SetNewEntryHints(imsi, locale);
            editor.Open();
            return editor.Fields().Country + QLatin1Char('/') + editor.Fields().ProviderName;
        };
        const QLocale austria(QLocale::German, QLocale::Austria);
        using Mode = EntryEditor::Mode;
        QCOMPARE(opened(Mode::New, QStringLiteral("262019876543210"), austria), QStringLiteral("Germany/Telekom"));
        // A network the presets do not list still tells its country.
        QCOMPARE(opened(Mode::New, QStringLiteral("262991234567"), austria), QStringLiteral("Germany/Telekom"));
        QCOMPARE(opened(Mode::New, QString(), QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("Germany/Telekom"));
        QCOMPARE(opened(Mode::New, QStringLiteral("99999123456"), austria), QStringLiteral("Austria/A1"));
        // A country without presets, or none at all: the first, as before.
        QCOMPARE(opened(Mode::New, QString(), QLocale(QLocale::French, QLocale::France)), QStringLiteral("Austria/A1"));
        QCOMPARE(opened(Mode::New, QString(), QLocale::c()), QStringLiteral("Austria/A1"));
        // An entry keeps its own country.
        QCOMPARE(opened(Mode::Edit, QStringLiteral("262019876543210"), austria).section(QLatin1Char('/'), 0, 0),
                 QStringLiteral("Austria"));
    }

    void withoutPresetsEveryCountryIsOffered()
    {
        EntryData fixture({});
        EntryEditor editor(fixture.data);
        editor.SetEditMode(EntryEditor::Mode::New);
        editor.Open();
        QCOMPARE(editor.Countries().Items().size(), 113);
        QVERIFY(!editor.Countries().Items().contains(QStringLiteral("..")));
        QCOMPARE(editor.Fields().Country, QStringLiteral("Albania"));
        QCOMPARE(editor.Providers().Items(), QStringList{"[Others]"});
        QCOMPARE(editor.Fields().PhoneNumber, QStringLiteral("*99**1*1#"));

        // The longest built-in name does not fit the column: it is cut, not refused.
        editor.Countries().Select(editor.Countries().FindPrefix(QStringLiteral("Former")));
        editor.OnCountryChanged();
        editor.Fields().ConnectName = QStringLiteral("Skopje");
        QCOMPARE(editor.OnSave().kind, EntryEditor::SaveOutcome::Kind::Saved);
        QCOMPARE(editor.Fields().Country, QStringLiteral("Former Yugoslav Republic of Ma"));
        QCOMPARE(editor.Fields().QoSMin, QStringLiteral("1,0,0,3,0,0"));
        QVERIFY(fixture.data.AddEntry(editor.Fields()));
    }
};

QTEST_GUILESS_MAIN(TestEntryEditor)
#include "tst_entryeditor.moc"
