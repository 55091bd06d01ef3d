// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/AppSettings.h"

#include "core/settings/EntryFieldSize.h"
#include "core/settings/SettingsStore.h"

#include <QTranslator>

const QString AppSettings::kConfigKey = QStringLiteral("Braxlow/Config");
const QString AppSettings::kConnectInfoKey = QStringLiteral("Braxlow/ConnectInfo");
const QString AppSettings::kDatabaseMarkerKey = QStringLiteral("Braxlow/DBCreated");
const QString AppSettings::kInformationKey = QStringLiteral("Information");

bool ConnectInfo::operator==(const ConnectInfo& o) const
{
    return ConnectName == o.ConnectName && Country == o.Country && Provider == o.Provider &&
           APNName == o.APNName && PhoneNumber == o.PhoneNumber && Username == o.Username &&
           Password == o.Password && CheckPassword == o.CheckPassword &&
           UserIPAddr == o.UserIPAddr && PrimaryDNS == o.PrimaryDNS &&
           SecondDNS == o.SecondDNS && QoSMin == o.QoSMin && QoSRequest == o.QoSRequest &&
           CID == o.CID;
}

AppSettings::AppSettings(SettingsStore& store) : store_(store) {}

AppSettings::~AppSettings() = default;

void AppSettings::SetLanguageModule(std::unique_ptr<QTranslator> module)
{
    languageModule_ = std::move(module);
}

void AppSettings::SetProgramDirectory(const QString& directory)
{
    programDirectory_ = directory;
    if (!programDirectory_.isEmpty() && !programDirectory_.endsWith(QLatin1Char('/')))
        programDirectory_ += QLatin1Char('/');
}

int AppSettings::LoadInteger(const QString& name, int& field)
{
    const int value = store_.ReadDword(kConfigKey, name).value_or(0);
    if (value == 0)
        store_.WriteDword(kConfigKey, name, 0); // so that after the first run the value exists
    field = value;
    return value;
}

int AppSettings::LoadPort()
{
    return LoadInteger(QStringLiteral("Port"), port_);
}

void AppSettings::SavePort(int port)
{
    store_.WriteDword(kConfigKey, QStringLiteral("Port"), port);
    port_ = port;
}

bool AppSettings::LoadAutoReconnect() const
{
    return store_.ReadDword(kConfigKey, QStringLiteral("AutoReconnect")).value_or(0) != 0;
}

void AppSettings::SaveAutoReconnect(bool on)
{
    store_.WriteDword(kConfigKey, QStringLiteral("AutoReconnect"), on ? 1 : 0);
}

int AppSettings::LoadIrPort()
{
    return LoadInteger(QStringLiteral("IRPort"), irPort_);
}

void AppSettings::SaveIrPort(int port)
{
    store_.WriteDword(kConfigKey, QStringLiteral("IRPort"), port);
    irPort_ = port;
}

QString AppSettings::LoadSpeed()
{
    // An unknown speed text stays as it is: the serial link gets its decimal value.
    const QString value = store_.ReadString(kConfigKey, QStringLiteral("Speed"))
                              .value_or(QStringLiteral("0"));
    if (value == QLatin1String("0"))
        SaveSpeed(QStringLiteral("115200"));
    else
        speed_ = value;
    return speed_;
}

void AppSettings::SaveSpeed(const QString& speed)
{
    store_.WriteString(kConfigKey, QStringLiteral("Speed"), speed);
    speed_ = speed;
}

QString AppSettings::LoadLanguage()
{
    const QString value = store_.ReadString(kConfigKey, QStringLiteral("Language"))
                              .value_or(QStringLiteral("Lang"));
    if (value == QLatin1String("Lang"))
        SaveLanguage(QStringLiteral("English"));
    else
        language_ = value;
    return language_;
}

void AppSettings::SaveLanguage(const QString& language)
{
    store_.WriteString(kConfigKey, QStringLiteral("Language"), language);
    language_ = language;
}

void AppSettings::LoadAll()
{
    LoadPort();
    LoadIrPort();
    LoadSpeed();
}

bool AppSettings::ReadDatabaseMarker()
{
    if (!store_.FamilyKeyExists())
        return false;
    const std::optional<QString> value = store_.ReadDefault(kDatabaseMarkerKey);
    // The marker is read into a two-byte buffer: one character and its terminator.
    // Anything longer does not fit and counts as absent.
    return value.has_value() && value->size() <= 1;
}

bool AppSettings::WriteDatabaseMarker()
{
    if (!store_.FamilyKeyExists())
        return false;
    return store_.WriteDefault(kDatabaseMarkerKey, QString::number(1));
}

void AppSettings::SaveProgramPath()
{
    // Like the marker, the record is only left once the family key exists.
    if (!store_.FamilyKeyExists())
        return;
    store_.WriteString(kInformationKey, QStringLiteral("BraxlowPathName"),
                       programDirectory_ + programFileName_);
}

ConnectInfo AppSettings::LoadConnectInfo() const
{
    // The copy holds what an entry can hold: an edited settings file gets no
    // further (a password longer than a pipe holds, say).
    auto text = [this](const char* name, int size) {
        QString value = store_.ReadString(kConnectInfoKey, QLatin1String(name)).value_or(QString());
        if (value.size() > size) {
            value.truncate(size);
            if (value.back().isHighSurrogate())
                value.chop(1);
        }
        return value;
    };
    using namespace EntryFieldSize;
    ConnectInfo c;
    c.ConnectName = text("ConnectName", kName);
    c.Country = text("Country", kCountry);
    c.Provider = text("Provider", kName);
    c.APNName = text("APNName", kName);
    c.PhoneNumber = text("PhoneNumber", kShort);
    c.Username = text("Username", kName);
    c.Password = text("Password", kName);
    c.CheckPassword = text("Check Password", kShort);
    c.UserIPAddr = text("UserIPAddr", kShort);
    c.PrimaryDNS = text("PrimaryDNS", kShort);
    c.SecondDNS = text("SecondDNS", kShort);
    c.QoSMin = text("QoSMin", kShort);
    c.QoSRequest = text("QoSRequest", kShort);
    c.CID = store_.ReadDword(kConnectInfoKey, QStringLiteral("CID")).value_or(0);
    return c;
}

void AppSettings::SaveConnectInfo(const ConnectInfo& c)
{
    QList<QPair<QString, QVariant>> values;
    auto put = [&values](const char* name, const QString& value) {
        values.append({QLatin1String(name), value});
    };
    put("ConnectName", c.ConnectName);
    put("Country", c.Country);
    put("Provider", c.Provider);
    put("APNName", c.APNName);
    put("PhoneNumber", c.PhoneNumber);
    put("Username", c.Username);
    put("Password", c.Password);
    put("Check Password", c.CheckPassword);
    put("UserIPAddr", c.UserIPAddr);
    put("PrimaryDNS", c.PrimaryDNS);
    put("SecondDNS", c.SecondDNS);
    put("QoSMin", c.QoSMin);
    put("QoSRequest", c.QoSRequest);
    values.append({QStringLiteral("CID"), QVariant::fromValue<quint32>(static_cast<quint32>(c.CID))});
    // One write: a half-written copy would pair one entry's name with another's
    // credentials.
    store_.WriteValues(kConnectInfoKey, values);
}
