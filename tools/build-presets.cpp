// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-presets: builds the system database BXSYS.mdb (tables "APN Info" and
// "Network Codes") from
// the public mobile broadband provider database (serviceproviders.xml, public
// domain) and the ISO 3166 country names of iso-codes; and the table of those
// names in each language the entry editor shows them in.
//
//   braxlow-presets SERVICEPROVIDERS.XML ISO_3166-1.JSON OUTPUT.mdb
//   braxlow-presets --country-names ISO_3166-1.JSON LOCALE_DIR OUTPUT LANGUAGE...
//
// One row per provider and internet APN (GSM only), one "[Others]" row per
// country holding the usual dial string; see README.md for the mapping. "Network
// Codes" ties each network code (MCC, MNC) of a provider to the country and
// provider names of its "APN Info" rows, so that a SIM can pick its own preset.
#include "core/entries/CountryList.h"
#include "core/entries/DataStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>
#include <QtEndian>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cstring>

namespace {

// Countries of the built-in list, by ISO 3166 code, where a name there stands for
// the country (names longer than the Country column are left to iso-codes).
const QHash<QString, QString>& BuiltInNames()
{
    static const QHash<QString, QString> names = [] {
        const char* const pairs[][2] = {
            {"AL", "Albania"}, {"DZ", "Algeria"}, {"AR", "Argentina"}, {"AM", "Armenia"},
            {"AU", "Australia"}, {"AT", "Austria"}, {"AZ", "Azerbaijan(Latin)"},
            {"BH", "Bahrain"}, {"BY", "Belarus"}, {"BE", "Belgium"}, {"BZ", "Belize"},
            {"BO", "Bolivia"}, {"BR", "Brazil"}, {"BN", "Brunei Darussalam"}, {"BG", "Bulgaria"},
            {"CA", "Canada"}, {"CL", "Chile"}, {"CN", "China"}, {"CO", "Colombia"},
            {"CR", "Costa Rica"}, {"HR", "Croatia"}, {"CZ", "Czech Republic"}, {"DK", "Denmark"},
            {"DO", "Dominican Repubic"}, {"EC", "Ecuador"}, {"EG", "Egypt"},
            {"SV", "El Salvador"}, {"EE", "Estonia"}, {"FO", "Faeroe Islands"}, {"FI", "Finland"},
            {"FR", "France"}, {"GE", "Georgia"}, {"DE", "Germany"}, {"GR", "Greece"},
            {"GT", "Guatemala"}, {"HN", "Honduras"}, {"HK", "Hong Kong"}, {"HU", "Hungary"},
            {"IS", "Iceland"}, {"IN", "India"}, {"ID", "Indonesia"}, {"IR", "Iran"}, {"IQ", "Iraq"},
            {"IE", "Ireland"}, {"IL", "Israel"}, {"IT", "Italy"}, {"JM", "Jamaica"}, {"JP", "Japan"},
            {"JO", "Jordan"}, {"KZ", "Kazakstan"}, {"KE", "Kenya"}, {"KR", "Korea"},
            {"KW", "Kuwait"}, {"LV", "Latvia"}, {"LB", "Lebanon"}, {"LI", "Liechtenstein"},
            {"LT", "Lithuania"}, {"LU", "Luxembourg"}, {"MO", "Macau"}, {"MY", "Malaysia"},
            {"MX", "Mexico"}, {"MC", "Monaco"}, {"MA", "Morocco"}, {"NL", "Netherlands"},
            {"NZ", "New Zealand"}, {"NI", "Nicaragua"}, {"NO", "Norway(Bokmal)"}, {"OM", "Oman"},
            {"PK", "Pakistan"}, {"PA", "Panama"}, {"PY", "Paraguay"}, {"PE", "Peru"},
            {"PH", "Philippines"}, {"PL", "Poland"}, {"PT", "Portugal"}, {"PR", "Puerto Rico"},
            {"QA", "Qatar"}, {"RO", "Romania"}, {"RU", "Russia"}, {"SA", "Saudi Arabia"},
            {"RS", "Serbia(Latin)"}, {"SG", "Singapore"}, {"SK", "Slovakia"}, {"SI", "Slovenia"},
            {"ZA", "South Africa"}, {"ES", "Spain"}, {"SE", "Sweden"}, {"CH", "Switzerland"},
            {"SY", "Syria"}, {"TW", "Taiwan"}, {"TH", "Thailand"}, {"TT", "Trinidad"},
            {"TN", "Tunisia"}, {"TR", "Turkey"}, {"AE", "U.A.E"}, {"UA", "Ukraine"},
            {"GB", "United Kingdom"}, {"US", "United States"}, {"UY", "Uruguay"},
            {"UZ", "Uzbekistan(Latin)"}, {"VE", "Venezuela"}, {"VN", "Viet Nam"}, {"YE", "Yemen"},
            {"ZW", "Zimbabwe"}};
        QHash<QString, QString> h;
        for (const auto& p : pairs) {
            Q_ASSERT(BuiltInCountries().contains(QLatin1String(p[1])));
            h.insert(QLatin1String(p[0]), QLatin1String(p[1]));
        }
        return h;
    }();
    return names;
}

struct IsoCountry
{
    QString name, common, official;
    // The name a reader knows the country by.
    QString Usual() const { return common.isEmpty() ? name : common; }
};

// By ISO 3166 code, in the codes' order.
QMap<QString, IsoCountry> IsoCountries(const QString& path, QString& error)
{
    QMap<QString, IsoCountry> countries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return countries;
    }
    const QJsonArray list = QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("3166-1")).toArray();
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        const IsoCountry c{o.value(QStringLiteral("name")).toString(), o.value(QStringLiteral("common_name")).toString(),
                           o.value(QStringLiteral("official_name")).toString()};
        const QString code = o.value(QStringLiteral("alpha_2")).toString().toUpper();
        if (!code.isEmpty() && !c.Usual().isEmpty())
            countries.insert(code, c);
    }
    if (countries.isEmpty())
        error = QStringLiteral("no country names in %1").arg(path);
    return countries;
}

QHash<QString, QString> IsoNames(const QString& path, QString& error)
{
    QHash<QString, QString> names;
    const QMap<QString, IsoCountry> countries = IsoCountries(path, error);
    for (auto it = countries.cbegin(); it != countries.cend(); ++it)
        names.insert(it.key(), it.value().Usual());
    return names;
}

// A GNU message catalogue (.mo) as gettext writes it: each message's text by
// its English original. Entries with a context or plural forms are left out;
// iso-codes has none.
QHash<QString, QString> ReadCatalogue(const QString& path, QString& error)
{
    QHash<QString, QString> messages;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024 * 1024) {
        error = QStringLiteral("cannot read %1").arg(path);
        return messages;
    }
    const QByteArray data = f.readAll();
    bool ok = data.size() >= 20;
    const auto word = [&](qint64 at) -> quint32 {
        if (!ok || at < 0 || at + 4 > data.size()) {
            ok = false;
            return 0;
        }
        quint32 v = 0;
        std::memcpy(&v, data.constData() + at, 4);
        return v;
    };
    const quint32 magic = word(0);
    const bool swapped = magic == 0xde120495u;
    if (magic != 0x950412deu && !swapped) {
        error = QStringLiteral("%1 is no message catalogue").arg(path);
        return messages;
    }
    const auto u32 = [&](qint64 at) { return swapped ? qbswap(word(at)) : word(at); };
    const auto text = [&](qint64 table, quint32 i) -> QByteArray {
        const quint32 length = u32(table + 8 * qint64(i));
        const quint32 offset = u32(table + 8 * qint64(i) + 4);
        if (!ok || qint64(offset) + qint64(length) > data.size()) {
            ok = false;
            return QByteArray();
        }
        return data.mid(offset, length);
    };
    const quint32 count = u32(8);
    const qint64 originals = u32(12), translations = u32(16);
    for (quint32 i = 0; ok && i < count; ++i) {
        const QByteArray original = text(originals, i);
        const QByteArray translation = text(translations, i);
        if (!ok)
            break;
        if (original.isEmpty() || original.contains('\0') || original.contains('\x04') || translation.isEmpty())
            continue;
        // Plural forms follow the first after a '\0'.
        const qsizetype end = translation.indexOf('\0');
        messages.insert(QString::fromUtf8(original), QString::fromUtf8(end < 0 ? translation : translation.left(end)));
    }
    if (!ok)
        error = QStringLiteral("%1 is damaged").arg(path);
    return messages;
}

// Fits a name into the Country column: "Congo, The Democratic Republic of the"
// becomes "Congo, The Democratic Republi" only as a last resort.
QString FitCountry(QString name)
{
    if (name.size() > DataStore::kCountrySize && name.contains(QLatin1Char(',')))
        name = name.section(QLatin1Char(','), 0, 0).trimmed();
    return name.left(DataStore::kCountrySize);
}

// Fits a preset's name into its column at a word boundary: the words that do not
// fit give way to "…", and the brackets still open are closed, so
// "T-Mobile(Telekom) (Dualstack with MMS and fixed DNSv4)" keeps its meaning
// as "T-Mobile(Telekom) (Dualstack with MMS and fixed…)".
QString FitName(const QString& name)
{
    const int size = DataStore::kNameSize;
    if (name.size() <= size)
        return name;
    for (qsizetype cut = name.lastIndexOf(QLatin1Char(' '), size); cut > 0;
         cut = name.lastIndexOf(QLatin1Char(' '), cut - 1)) {
        QString head = name.left(cut);
        // A word boundary after a separator would leave it dangling.
        while (!head.isEmpty() && QStringLiteral(" ,;:-/(").contains(head.back()))
            head.chop(1);
        if (head.isEmpty())
            break;
        const int open = std::max<int>(0, int(head.count(QLatin1Char('(')) - head.count(QLatin1Char(')'))));
        const QString fitted = head + QChar(0x2026) + QString(open, QLatin1Char(')'));
        if (fitted.size() <= size)
            return fitted;
    }
    return name.left(size); // one long word: cut as it is
}

// An APN that gives IPv6 addresses only cannot serve the "IP" (IPv4) context
// the phone is prepared with. The provider database marks it with <ip-type>
// in newer releases; older ones only name it so ("IPv6-only", "internet.v6").
bool IsIpv6Only(const QString& ipType, const QString& name, const QString& apn)
{
    if (!ipType.isEmpty())
        return ipType.compare(QLatin1String("ipv6"), Qt::CaseInsensitive) == 0;
    static const QRegularExpression v6(QStringLiteral("(^|[^a-z0-9])(ip)?v6([^a-z0-9]|$)|ipv6"),
                                       QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression v4(QStringLiteral("v4|dual"), QRegularExpression::CaseInsensitiveOption);
    return (v6.match(name).hasMatch() || v6.match(apn).hasMatch()) && !v4.match(name).hasMatch() &&
           !v4.match(apn).hasMatch();
}

bool IsIpv4(const QString& s)
{
    static const QRegularExpression ip(QStringLiteral("^\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    return ip.match(s).hasMatch();
}

struct Apn
{
    QString value, name, plan, user, password, ipType;
    QStringList dns;
    bool internet = true;
};

struct NetworkCode
{
    QString mcc, mnc;
};

struct Provider
{
    QString name;
    QList<Apn> apns;
    QList<NetworkCode> codes;
};

QString ReadText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

Apn ReadApn(QXmlStreamReader& xml)
{
    Apn apn;
    apn.value = xml.attributes().value(QStringLiteral("value")).toString().trimmed();
    bool sawUsage = false, internetUsage = false;
    while (xml.readNextStartElement()) {
        const auto tag = xml.name();
        if (tag == QLatin1String("usage")) {
            sawUsage = true;
            // Combined uses such as "mms-internet-hipri" (AT&T's only APNs) serve internet too.
            const QStringList uses = xml.attributes().value(QStringLiteral("type")).toString().split(QLatin1Char('-'));
            internetUsage = internetUsage || uses.contains(QLatin1String("internet"));
            xml.skipCurrentElement();
        } else if (tag == QLatin1String("plan")) {
            apn.plan = xml.attributes().value(QStringLiteral("type")).toString();
            xml.skipCurrentElement();
        } else if (tag == QLatin1String("name") && apn.name.isEmpty()) {
            apn.name = ReadText(xml);
        } else if (tag == QLatin1String("username")) {
            apn.user = ReadText(xml);
        } else if (tag == QLatin1String("password")) {
            apn.password = ReadText(xml);
        } else if (tag == QLatin1String("ip-type")) {
            apn.ipType = ReadText(xml);
        } else if (tag == QLatin1String("dns")) {
            apn.dns << ReadText(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    apn.internet = !sawUsage || internetUsage;
    return apn;
}

Provider ReadProvider(QXmlStreamReader& xml)
{
    Provider p;
    bool haveUnlocalised = false; // the name without xml:lang is the English one
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name")) {
            const bool localised = xml.attributes().hasAttribute(QStringLiteral("xml:lang"));
            const QString text = ReadText(xml);
            if (!localised && !haveUnlocalised) {
                p.name = text;
                haveUnlocalised = true;
            } else if (p.name.isEmpty()) {
                p.name = text;
            }
        } else if (xml.name() == QLatin1String("gsm")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("apn")) {
                    p.apns << ReadApn(xml);
                } else if (xml.name() == QLatin1String("network-id")) {
                    // Only well-formed codes: a program looks them up by exact text.
                    static const QRegularExpression mcc(QStringLiteral("^[0-9]{3}$"));
                    static const QRegularExpression mnc(QStringLiteral("^[0-9]{2,3}$"));
                    const NetworkCode code{xml.attributes().value(QStringLiteral("mcc")).toString().trimmed(),
                                           xml.attributes().value(QStringLiteral("mnc")).toString().trimmed()};
                    if (mcc.match(code.mcc).hasMatch() && mnc.match(code.mnc).hasMatch())
                        p.codes << code;
                    xml.skipCurrentElement();
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return p;
}

// The country names in each language, from iso-codes' translations, by the
// English names the presets and entries store: a table the entry editor shows
// them from. One line a name: its ISO code (empty where the line only gives
// another English form of a country), the English name, then one column per
// language. A language without a catalogue has an empty column, and its names
// show in English.
int WriteCountryNames(const QStringList& args, QTextStream& err)
{
    QString error;
    const QMap<QString, IsoCountry> iso = IsoCountries(args.at(2), error);
    if (!error.isEmpty()) {
        err << "braxlow-presets: " << error << '\n';
        return 1;
    }
    const QStringList languages = args.mid(5);
    QList<QHash<QString, QString>> catalogues;
    for (const QString& language : languages) {
        QString missing;
        catalogues << ReadCatalogue(
            QStringLiteral("%1/%2/LC_MESSAGES/iso_3166-1.mo").arg(args.at(3), language), missing);
        if (!missing.isEmpty())
            err << "braxlow-presets: " << missing << "; its country names stay English\n";
    }
    QSaveFile out(args.at(4));
    if (!out.open(QIODevice::WriteOnly)) {
        err << "braxlow-presets: cannot write " << args.at(4) << '\n';
        return 1;
    }
    QTextStream text(&out);
    text.setEncoding(QStringConverter::Utf8);
    text << "# Country names by their stored English name, made by braxlow-presets from iso-codes.\n"
         << "code\tEnglish\t" << languages.join(QLatin1Char('\t')) << '\n';
    int lines = 0;
    const auto line = [&](const QString& code, const QString& english, const QStringList& originals) {
        text << code << '\t' << english;
        for (const QHash<QString, QString>& catalogue : std::as_const(catalogues)) {
            QString shown;
            for (const QString& original : originals)
                if (shown.isEmpty())
                    shown = catalogue.value(original);
            // A name is one cell of one line.
            text << '\t' << shown.simplified().remove(QLatin1Char('\t'));
        }
        text << '\n';
        ++lines;
    };
    for (auto it = iso.cbegin(); it != iso.cend(); ++it) {
        const IsoCountry& c = it.value();
        const QString stored = BuiltInNames().value(it.key(), FitCountry(c.Usual()));
        const QStringList originals = {c.common, c.name, stored};
        line(it.key(), stored, originals);
        // The plain name too, so that "Azerbaijan(Cyrillic)" finds "Azerbaijan".
        if (FitCountry(c.Usual()) != stored)
            line(QString(), FitCountry(c.Usual()), originals);
    }
    // Names of the built-in list that stand for a country under another name.
    if (iso.contains(QStringLiteral("CN")))
        line(QString(), QStringLiteral("PRC"), {iso.value(QStringLiteral("CN")).official});
    if (iso.contains(QStringLiteral("MK"))) {
        const QString macedonia = QStringLiteral("Former Yugoslav Republic of Macedonia");
        const QStringList originals = {iso.value(QStringLiteral("MK")).common, iso.value(QStringLiteral("MK")).name};
        line(QString(), macedonia, originals);
        // As an entry keeps it: cut to the Country column.
        line(QString(), macedonia.left(DataStore::kCountrySize), originals);
    }
    if (!out.commit()) {
        err << "braxlow-presets: cannot write " << args.at(4) << '\n';
        return 1;
    }
    QTextStream(stdout) << QFileInfo(args.at(4)).fileName() << ": " << lines << " names in "
                        << languages.size() << " languages\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args.at(1) == QLatin1String("--country-names"))
        return WriteCountryNames(args, err);
    if (args.size() != 4) {
        err << "usage: braxlow-presets SERVICEPROVIDERS.XML ISO_3166-1.JSON OUTPUT.mdb\n"
            << "       braxlow-presets --country-names ISO_3166-1.JSON LOCALE_DIR OUTPUT LANGUAGE...\n";
        return 2;
    }
    QString error;
    const QHash<QString, QString> iso = IsoNames(args.at(2), error);
    if (!error.isEmpty()) {
        err << "braxlow-presets: " << error << '\n';
        return 1;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        err << "braxlow-presets: cannot read " << args.at(1) << '\n';
        return 1;
    }

    const QString output = args.at(3);
    const QString temporary = output + QStringLiteral(".new");
    QFile::remove(temporary);
    int rows = 0, countries = 0, skipped = 0, ipv6Only = 0, duplicates = 0, codes = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("presets"));
        db.setDatabaseName(temporary);
        if (!db.open()) {
            err << "braxlow-presets: " << db.lastError().text() << '\n';
            return 1;
        }
        QSqlQuery q(db);
        db.transaction();
        q.exec(QStringLiteral(
            "CREATE TABLE \"APN Info\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, \"Country\" TEXT, "
            "\"ConnectName\" TEXT, \"Provider Name\" TEXT, \"APNName\" TEXT, \"UserName\" TEXT, "
            "\"Password\" TEXT, \"PrimaryDNS\" TEXT, \"SecondDNS\" TEXT, \"PhoneNumber\" TEXT, "
            "\"QoSMin\" TEXT, \"QoSRequest\" TEXT)"));
        QSqlQuery c(db);
        c.exec(QStringLiteral("CREATE TABLE \"Network Codes\" (\"Country\" TEXT, \"Provider Name\" TEXT, "
                              "\"MCC\" TEXT, \"MNC\" TEXT)"));
        c.exec(QStringLiteral("CREATE INDEX \"Network Codes MCC MNC\" ON \"Network Codes\" (\"MCC\", \"MNC\")"));
        c.prepare(QStringLiteral("INSERT INTO \"Network Codes\" (\"Country\", \"Provider Name\", \"MCC\", \"MNC\") "
                                 "VALUES (?, ?, ?, ?)"));
        QSet<QString> codesSeen; // several providers of a country may list a code twice
        q.prepare(QStringLiteral(
            "INSERT INTO \"APN Info\" (\"Country\", \"ConnectName\", \"Provider Name\", \"APNName\", "
            "\"UserName\", \"Password\", \"PrimaryDNS\", \"SecondDNS\", \"PhoneNumber\", \"QoSMin\", "
            "\"QoSRequest\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', '')"));
        auto insert = [&](const QString& country, const QString& provider, const Apn& apn) {
            const QStringList dns = [&] {
                QStringList v4;
                for (const QString& d : apn.dns)
                    if (IsIpv4(d))
                        v4 << d;
                return v4;
            }();
            // Empty texts, never NULL: the program reads every column as text.
            auto text = [](const QString& s) { return s.isNull() ? QStringLiteral("") : s; };
            q.addBindValue(country);
            q.addBindValue(provider);
            q.addBindValue(provider);
            q.addBindValue(text(apn.value));
            q.addBindValue(text(apn.user));
            q.addBindValue(text(apn.password));
            q.addBindValue(text(dns.value(0)));
            q.addBindValue(text(dns.value(1)));
            q.addBindValue(QStringLiteral("*99#"));
            if (!q.exec()) {
                err << "braxlow-presets: " << q.lastError().text() << '\n';
                return false;
            }
            ++rows;
            return true;
        };
        // The names exactly as "APN Info" got them, so that a match selects them.
        auto insertCodes = [&](const QString& country, const QString& provider, const QList<NetworkCode>& list) {
            for (const NetworkCode& code : list) {
                const QString& name = provider;
                const QString key = QStringList{country, name, code.mcc, code.mnc}.join(QChar(0));
                if (codesSeen.contains(key))
                    continue;
                codesSeen.insert(key);
                c.addBindValue(country);
                c.addBindValue(name);
                c.addBindValue(code.mcc);
                c.addBindValue(code.mnc);
                if (!c.exec()) {
                    err << "braxlow-presets: " << c.lastError().text() << '\n';
                    return false;
                }
                ++codes;
            }
            return true;
        };

        QXmlStreamReader xml(&source);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != QLatin1String("country"))
                continue;
            const QString code = xml.attributes().value(QStringLiteral("code")).toString().toUpper();
            QString country = BuiltInNames().value(code);
            QList<Provider> providers;
            QString ownName;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("provider"))
                    providers << ReadProvider(xml);
                else if (xml.name() == QLatin1String("name"))
                    ownName = ReadText(xml);
                else
                    xml.skipCurrentElement();
            }
            if (country.isEmpty())
                country = FitCountry(iso.value(code, ownName));
            if (country.isEmpty())
                continue;
            bool any = false;
            QSet<QString> names; // of this country, as the provider list compares them
            for (const Provider& p : std::as_const(providers)) {
                QList<Apn> usable;
                for (const Apn& a : p.apns) {
                    // Values the entry table could not hold would make the entry unsavable.
                    if (!a.internet || a.value.isEmpty() || a.value.size() > DataStore::kNameSize ||
                        a.user.size() > DataStore::kNameSize || a.password.size() > DataStore::kNameSize) {
                        skipped += a.internet ? 1 : 0;
                        continue;
                    }
                    usable << a;
                }
                for (const Apn& a : std::as_const(usable)) {
                    // Left out after the names are chosen: the others keep the names
                    // entries already carry.
                    if (IsIpv6Only(a.ipType, a.name, a.value)) {
                        ++ipv6Only;
                        continue;
                    }
                    QString name = p.name;
                    if (usable.size() > 1) {
                        const QString plan = !a.name.isEmpty() && a.name != p.name ? a.name
                                             : !a.plan.isEmpty() ? a.plan
                                                                 : a.value;
                        name += QStringLiteral(" (%1)").arg(plan);
                    }
                    name = FitName(name);
                    // A name the country has already would hide this preset behind
                    // the first: its access point tells them apart, or it is the
                    // same preset again.
                    if (names.contains(name.toCaseFolded()))
                        name = FitName(QStringLiteral("%1 (%2)").arg(p.name, a.value));
                    if (names.contains(name.toCaseFolded())) {
                        ++duplicates;
                        continue;
                    }
                    names.insert(name.toCaseFolded());
                    if (!insert(country, name, a) || !insertCodes(country, name, p.codes))
                        return 1;
                    any = true;
                }
            }
            if (any) {
                ++countries;
                Apn others; // what an unlisted provider of the country most likely needs
                if (!insert(country, kOthers, others))
                    return 1;
            }
            if (xml.hasError())
                break;
        }
        if (xml.hasError()) {
            err << "braxlow-presets: " << args.at(1) << ": " << xml.errorString() << '\n';
            return 1;
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("presets"));
    QFile::remove(output);
    if (!QFile::rename(temporary, output)) {
        err << "braxlow-presets: cannot write " << output << '\n';
        return 1;
    }
    QTextStream(stdout) << "BXSYS.mdb: " << rows << " presets in " << countries << " countries ("
                        << skipped << " APNs too long for an entry, " << ipv6Only << " IPv6-only and " << duplicates
                        << " repeated left out), " << codes << " network codes\n";
    return 0;
}
