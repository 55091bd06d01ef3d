// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/LanguageTable.h"
#include "core/settings/ProgramStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

class FakeOpener : public DocumentOpener
{
public:
    bool Open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};

std::unique_ptr<QTranslator> TestTable()
{
    return LanguageLoader::LoadModule(QStringLiteral(BRAXLOW_TEST_DATA_DIR "/LANGTEST.qm"));
}

std::unique_ptr<QTranslator> ProgramTable(const char* lcid)
{
    return LanguageLoader::LoadModule(TestSupport::ProgramDirectory() +
                                      QStringLiteral("/Lang/LANG%1.qm").arg(QLatin1String(lcid)));
}

// The translations of a table's source, by number.
QHash<int, QString> ReadTable(const QString& path)
{
    QHash<int, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    int id = 0;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("message"))
            id = xml.attributes().value(QLatin1String("id")).toInt();
        else if (xml.name() == QLatin1String("translation"))
            texts.insert(id, xml.readElementText());
    }
    return texts;
}

// Two English words side by side, as in `english`, that `translation` kept:
// "best effort" left in a Russian text. Short words, the terms that every
// language writes the same (names, commands, abbreviations) and words with
// punctuation between them do not count.
QStringList EnglishLeftovers(const QString& english, const QString& translation)
{
    static const QSet<QString> accepted = {
        QStringLiteral("apn"),     QStringLiteral("pin"),     QStringLiteral("puk"),     QStringLiteral("qos"),
        QStringLiteral("ussd"),    QStringLiteral("gprs"),    QStringLiteral("dns"),     QStringLiteral("sim"),
        QStringLiteral("imsi"),    QStringLiteral("ppp"),     QStringLiteral("usb"),     QStringLiteral("cme"),
        QStringLiteral("gtp"),     QStringLiteral("llc"),     QStringLiteral("rlc"),     QStringLiteral("pppd"),
        QStringLiteral("modemmanager"), QStringLiteral("braxlow"), QStringLiteral("korvane"), QStringLiteral("tessaly"),
        QStringLiteral("sudo"),    QStringLiteral("adduser"), QStringLiteral("online")};
    const auto pairs = [](const QString& text) {
        static const QRegularExpression space(QStringLiteral("\\s+"));
        static const QRegularExpression ends(QStringLiteral("[,;:.!?][\"'”»)]*$"));
        static const QRegularExpression word(QStringLiteral("^[A-Za-z]{3,}$"));
        QStringList found;
        QString previous;
        for (const QString& token : text.split(space, Qt::SkipEmptyParts)) {
            QString core = token;
            core.remove(ends);
            core.remove(QRegularExpression(QStringLiteral("^[\"'“”„«»(]+|[\"'“”„«»)]+$")));
            const QString lower = core.toLower();
            const bool isWord = word.match(core).hasMatch() && !accepted.contains(lower);
            if (isWord && !previous.isEmpty())
                found << previous + QLatin1Char(' ') + lower;
            previous = isWord && !ends.match(token).hasMatch() ? lower : QString();
        }
        return found;
    };
    const QStringList inEnglish = pairs(english);
    QStringList kept;
    for (const QString& pair : pairs(translation))
        if (inEnglish.contains(pair))
            kept << pair;
    return kept;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<SettingsStore>(dir_->path());
        settings_ = std::make_unique<AppSettings>(*store_);
        settings_->SetProgramDirectory(TestSupport::ProgramDirectory());
    }

    void loaderReplacesLegacyNamesAndCuts()
    {
        const auto table = TestTable();
        QVERIFY(table);
        QCOMPARE(LoadLanguageString(table.get(), 1), QStringLiteral("Start Braxlow now"));
        QCOMPARE(LoadLanguageString(table.get(), 2), QStringLiteral("Braxlow and Braxlow"));
        QCOMPARE(LoadLanguageString(table.get(), 3),
                 QStringLiteral("Braxlow, Braxlow, Braxlow, Braxlow"));
        QCOMPARE(LoadLanguageString(table.get(), 5), QStringLiteral("dunmorrow stays lower case"));

        const QString longText = LoadLanguageString(table.get(), 4);
        QCOMPARE(longText.size(), 255);
        QVERIFY(longText.startsWith(QStringLiteral("abcdefghijklmnopqrstuvwxyz")));
        // A cut that would split a character drops the whole character.
        const QString emoji = LoadLanguageString(table.get(), 6);
        QCOMPARE(emoji, QString(254, QLatin1Char('x')));

        QCOMPARE(LoadLanguageString(table.get(), 999), QStringLiteral("Error loading resource."));
        QCOMPARE(LoadLanguageString(nullptr, 1), QStringLiteral("Error loading resource."));
    }

    void aboutVariantWarnsAndKeepsLegacyNames()
    {
        const auto table = TestTable();
        RecordingPrompter prompter;
        QCOMPARE(LoadLanguageStringOrWarn(table.get(), 1, prompter),
                 QStringLiteral("Start Dunmorrow now"));
        QVERIFY(prompter.Messages().isEmpty());
        QCOMPARE(LoadLanguageStringOrWarn(table.get(), 999, prompter), QString());
        QCOMPARE(prompter.Messages().size(), 1);
        QCOMPARE(prompter.Messages().at(0).text, ProgramStrings::Text(ProgramStrings::kStringMissing));
        QCOMPARE(LoadLanguageStringOrWarn(nullptr, 1, prompter),
                 QStringLiteral("Error loading resource."));
        QCOMPARE(prompter.Messages().size(), 1);
    }

    void moduleChoice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("atStartup");
        QTest::addColumn<QString>("onSwitch");
        QTest::addColumn<QString>("help");
        QTest::addColumn<int>("checked");
        QTest::newRow("English") << "English" << "0409" << "0409" << "0409" << 32995;
        QTest::newRow("German") << "German" << "0407" << "0407" << "0407" << 32996;
        QTest::newRow("german lower case") << "german" << "0409" << "0409" << "0407" << 32995;
        QTest::newRow("Russian") << "Russian" << "0419" << "0419" << "0419" << 33005;
        QTest::newRow("Brazilian") << "Portuguese(Brazilian)" << "0416" << "0416" << "0416" << 33004;
        QTest::newRow("Indonesian") << "Indonesian" << "0409" << "0421" << "0421" << 32995;
        QTest::newRow("Swedish") << "Swedish" << "0409" << "0409" << "041D" << 32995;
        QTest::newRow("Arabic") << "Arabic" << "0401" << "0401" << "" << 32995;
        QTest::newRow("unknown") << "Klingon" << "0409" << "0409" << "" << 32995;
        QTest::newRow("empty") << "" << "0409" << "0409" << "0409" << 32995;
    }

    void moduleChoice()
    {
        QFETCH(QString, name);
        QFETCH(QString, atStartup);
        QFETCH(QString, onSwitch);
        QFETCH(QString, help);
        QFETCH(int, checked);
        QCOMPARE(LanguageTable::StartupModuleFile(name), QStringLiteral("Lang/LANG%1.qm").arg(atStartup));
        QCOMPARE(LanguageTable::SwitchModuleFile(name), QStringLiteral("Lang/LANG%1.qm").arg(onSwitch));
        QCOMPARE(LanguageTable::HelpFile(name),
                 help.isEmpty() ? QString() : QStringLiteral("%1Braxlow.html").arg(help));
        QCOMPARE(LanguageTable::CheckedCommand(name), checked);
    }

    void menuCommandsMapToNames()
    {
        const QStringList names = LanguageTable::Names();
        QCOMPARE(names.size(), 13);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(LanguageTable::LanguageForCommand(32995 + i), names.at(i));
        QCOMPARE(LanguageTable::LanguageForCommand(32994), QString());
        QCOMPARE(LanguageTable::LanguageForCommand(33008), QString());
        // Every language the menu offers checks its own item, except the two the
        // menu never shows.
        for (int i = 0; i < 11; ++i)
            QCOMPARE(LanguageTable::CheckedCommand(names.at(i)), 32995 + i);
    }

    void startupLoadsTheSettingsLanguage()
    {
        LanguageLoader loader(*settings_, prompter_);
        loader.LoadStartupLanguage(); // absent: English, and written back
        QCOMPARE(store_->ReadString(AppSettings::kConfigKey, QStringLiteral("Language")),
                 QStringLiteral("English"));
        QCOMPARE(LoadLanguageString(settings_->LanguageModule(), Str::Connect),
                 QStringLiteral("Connect"));

        settings_->SaveLanguage(QStringLiteral("German"));
        loader.LoadStartupLanguage();
        QCOMPARE(LoadLanguageString(settings_->LanguageModule(), Str::Connect),
                 QStringLiteral("Verbinden"));

        settings_->SaveLanguage(QStringLiteral("german"));
        loader.LoadStartupLanguage();
        QCOMPARE(LoadLanguageString(settings_->LanguageModule(), Str::Connect),
                 QStringLiteral("Connect"));
        FakeOpener opener;
        QVERIFY(loader.ShowHelp(opener));
        QCOMPARE(opener.opened, QStringList{TestSupport::ProgramDirectory() +
                                            QStringLiteral("/0407Braxlow.html")});
        QVERIFY(QFileInfo::exists(opener.opened.at(0)));
        QVERIFY(prompter_.Messages().isEmpty());
    }

    void missingTablesAtStartupAreSilent()
    {
        QTemporaryDir empty;
        settings_->SetProgramDirectory(empty.path());
        LanguageLoader loader(*settings_, prompter_);
        loader.LoadStartupLanguage();
        QVERIFY(settings_->LanguageModule() == nullptr);
        QCOMPARE(LoadLanguageString(settings_->LanguageModule(), Str::Connect),
                 QStringLiteral("Error loading resource."));
        QVERIFY(prompter_.Messages().isEmpty());
    }

    void switchSavesFirstAndWarnsWhenTheTableIsMissing()
    {
        LanguageLoader loader(*settings_, prompter_);
        QVERIFY(loader.SwitchLanguage(QStringLiteral("German")));
        QCOMPARE(settings_->Language(), QStringLiteral("German"));
        QCOMPARE(LoadLanguageString(settings_->LanguageModule(), Str::Close),
                 QStringLiteral("Schließen"));

        QTemporaryDir empty;
        settings_->SetProgramDirectory(empty.path());
        QVERIFY(!loader.SwitchLanguage(QStringLiteral("Russian")));
        QVERIFY(settings_->LanguageModule() == nullptr);
        QCOMPARE(store_->ReadString(AppSettings::kConfigKey, QStringLiteral("Language")),
                 QStringLiteral("Russian"));
        QCOMPARE(prompter_.Messages().size(), 1);
        QCOMPARE(prompter_.Messages().at(0).text,
                 ProgramStrings::Text(ProgramStrings::kLanguageModuleMissing));
        QVERIFY(!ProgramStrings::Text(ProgramStrings::kLanguageModuleMissing).isEmpty());
    }

    void helpForLanguagesWithout()
    {
        LanguageLoader loader(*settings_, prompter_);
        FakeOpener opener;
        settings_->SaveLanguage(QStringLiteral("Arabic"));
        QVERIFY(!loader.ShowHelp(opener));
        settings_->SaveLanguage(QStringLiteral("Swedish"));
        QVERIFY(loader.ShowHelp(opener));
        QCOMPARE(QFileInfo(opener.opened.value(0)).fileName(), QStringLiteral("041DBraxlow.html"));
        QVERIFY(QFileInfo::exists(opener.opened.value(0)));
    }

    void everyLanguageHasItsFiles()
    {
        QStringList names = LanguageTable::Names();
        names << QStringLiteral("Indonesian");
        for (const QString& name : names) {
            const QString module = TestSupport::ProgramDirectory() + QLatin1Char('/') +
                                   LanguageTable::SwitchModuleFile(name);
            QVERIFY2(LanguageLoader::LoadModule(module) != nullptr, qPrintable(module));
            const QString help = LanguageTable::HelpFile(name);
            if (!help.isEmpty())
                QVERIFY2(QFileInfo::exists(TestSupport::ProgramDirectory() + QLatin1Char('/') + help),
                         qPrintable(help));
        }
    }

    void englishAndGermanTablesAreComplete()
    {
        for (const char* lcid : {"0409", "0407"}) {
            const auto table = ProgramTable(lcid);
            QVERIFY(table);
            for (int id : Str::kAllStringIds) {
                const QString text = LookUpLanguageString(table.get(), id);
                QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("LANG%1 lacks string %2")
                                                         .arg(QLatin1String(lcid))
                                                         .arg(id)));
            }
            // Formats keep their parameters in every language.
            QCOMPARE(LookUpLanguageString(table.get(), Str::PortConflict).count(QStringLiteral("%s")), 2);
        }
        // The program's own strings are never looked up in a table.
        for (int id : Str::kAllStringIds) {
            QVERIFY(id != ProgramStrings::kStringMissing);
            QVERIFY(id != ProgramStrings::kLanguageModuleMissing);
        }
    }

    void everyTableHasTheEnglishNumbersPlaceholdersAndFits()
    {
        // Read from the sources, so a table that lacks a number English has, or
        // keeps one English dropped, fails here rather than showing
        // "Error loading resource." in one language only.
        const auto placeholders = [](const QString& text) {
            QStringList found;
            auto it = QRegularExpression(QStringLiteral("%(\\d+|[0-9]*[sd])")).globalMatch(text);
            while (it.hasNext())
                found << it.next().captured();
            found.sort();
            return found;
        };
        const QString dir = QStringLiteral(BRAXLOW_SOURCE_DIR "/lang/");
        const QHash<int, QString> english = ReadTable(dir + QStringLiteral("LANG0409.ts"));
        QVERIFY(english.size() >= int(std::size(Str::kAllStringIds)));
        const QStringList tables = QDir(dir).entryList({QStringLiteral("LANG*.ts")});
        QVERIFY(tables.size() >= 2);
        for (const QString& name : tables) {
            const QHash<int, QString> table = ReadTable(dir + name);
            for (auto it = english.cbegin(); it != english.cend(); ++it) {
                QVERIFY2(table.contains(it.key()), qPrintable(name + QStringLiteral(" lacks %1").arg(it.key())));
                QVERIFY2(placeholders(table.value(it.key())) == placeholders(it.value()),
                         qPrintable(name + QStringLiteral(" changes the placeholders of %1").arg(it.key())));
            }
            for (auto it = table.cbegin(); it != table.cend(); ++it) {
                QVERIFY2(english.contains(it.key()), qPrintable(name + QStringLiteral(" keeps stale %1").arg(it.key())));
                // The loader cuts at 255 characters: a longer text loses its end.
                QVERIFY2(it.value().size() < 255, qPrintable(name + QStringLiteral(" has %1 too long").arg(it.key())));
            }
        }
    }

    void translationsKeepNoEnglishPhrases()
    {
        QCOMPARE(EnglishLeftovers(QStringLiteral("Delay class 4 (best effort)"),
                                  QStringLiteral("Класс задержки 4 (best effort)")),
                 QStringList{QStringLiteral("best effort")});
        QVERIFY(EnglishLeftovers(QStringLiteral("Run \"sudo adduser $USER dip\", then log in."),
                                 QStringLiteral("Führen Sie „sudo adduser $USER dip“ aus.")).isEmpty());
        QVERIFY(EnglishLeftovers(QStringLiteral("GTP, LLC and RLC"), QStringLiteral("GTP, LLC und RLC")).isEmpty());

        const QString dir = QStringLiteral(BRAXLOW_SOURCE_DIR "/lang/");
        const QHash<int, QString> english = ReadTable(dir + QStringLiteral("LANG0409.ts"));
        QStringList found;
        for (const QString& name : QDir(dir).entryList({QStringLiteral("LANG*.ts")})) {
            if (name == QLatin1String("LANG0409.ts"))
                continue;
            const QHash<int, QString> table = ReadTable(dir + name);
            for (auto it = table.cbegin(); it != table.cend(); ++it)
                for (const QString& pair : EnglishLeftovers(english.value(it.key()), it.value()))
                    found << QStringLiteral("%1 %2: \"%3\"").arg(name).arg(it.key()).arg(pair);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void codeAsksOnlyForStringsTheEnglishTableHas()
    {
        // The numbers behind the Str:: names, read from the header itself: a constant
        // left out of kAllStringIds would escape the completeness check above.
        QFile header(QStringLiteral(BRAXLOW_SOURCE_DIR "/braxlow/core/settings/StringIds.h"));
        QVERIFY(header.open(QIODevice::ReadOnly));
        QHash<QString, int> numbers;
        auto definitions = QRegularExpression(QStringLiteral(R"(constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)"))
                               .globalMatch(QString::fromUtf8(header.readAll()));
        while (definitions.hasNext()) {
            const QRegularExpressionMatch d = definitions.next();
            const int id = d.captured(2).toInt();
            numbers.insert(d.captured(1), id);
            QVERIFY2(std::find(std::begin(Str::kAllStringIds), std::end(Str::kAllStringIds), id) !=
                         std::end(Str::kAllStringIds),
                     qPrintable(d.captured(1)));
        }
        QCOMPARE(numbers.size(), int(std::size(Str::kAllStringIds)));

        // Every string a loader call asks for, directly or through a class's Text()
        // wrapper, by a Str:: name or a bare number, must be in the English table.
        // ProgramStrings::Text is left out: its strings are the program's own.
        const auto english = ProgramTable("0409");
        QVERIFY(english);
        const QRegularExpression call(QStringLiteral(
            R"((?:LoadLanguageString\w*\s*\([^;]*?,|(?<![:\w])Text\s*\()\s*(?:Str::(\w+)|(\d+))\s*[,)])"));
        int files = 0;
        int calls = 0;
        for (const char* sub : {"braxlow", "quarrin"}) {
            QDirIterator it(QStringLiteral(BRAXLOW_SOURCE_DIR "/") + QLatin1String(sub),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                QVERIFY(f.open(QIODevice::ReadOnly));
                ++files;
                auto matches = call.globalMatch(QString::fromUtf8(f.readAll()));
                while (matches.hasNext()) {
                    const QRegularExpressionMatch m = matches.next();
                    ++calls;
                    const int id = m.captured(1).isEmpty() ? m.captured(2).toInt()
                                                           : numbers.value(m.captured(1), -1);
                    QVERIFY2(!LookUpLanguageString(english.get(), id).isEmpty(),
                             qPrintable(QStringLiteral("%1: %2").arg(f.fileName(), m.captured(0))));
                }
            }
        }
        QVERIFY(files > 10);
        // The pattern still recognises how the code asks for its texts.
        QVERIFY2(calls >= 5, qPrintable(QString::number(calls)));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<AppSettings> settings_;
    RecordingPrompter prompter_;
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
