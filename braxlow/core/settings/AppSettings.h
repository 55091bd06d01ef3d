// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QTranslator;
class SettingsStore;

// The flat copy of the selected connection entry kept under "ConnectInfo": the
// only channel from the entry windows and the command line to the connect logic.
struct ConnectInfo
{
    QString ConnectName;
    QString Country;
    QString Provider;
    QString APNName;
    QString PhoneNumber;
    QString Username;
    QString Password;
    QString CheckPassword; // the remember-password flag as decimal text
    QString UserIPAddr;
    QString PrimaryDNS;
    QString SecondDNS;
    QString QoSMin;
    QString QoSRequest;
    int CID = 0;

    bool operator==(const ConnectInfo& o) const;
};

// The persistent settings, loaded once at start-up and written through to the
// store at every change, so the record and the store never disagree.
class AppSettings
{
public:
    explicit AppSettings(SettingsStore& store);
    ~AppSettings();

    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // The record.
    const QTranslator* LanguageModule() const { return languageModule_.get(); }
    void SetLanguageModule(std::unique_ptr<QTranslator> module);
    // The folder of the program file, ending in '/'.
    QString ProgramDirectory() const { return programDirectory_; }
    void SetProgramDirectory(const QString& directory);
    // The delivered data (language tables, help pages, BXSYS.mdb) and the
    // user's own files (BXUSER.mdb, phone book, downloads), each ending in '/';
    // both are the program directory unless the program is installed.
    QString DataDirectory() const { return dataDirectory_.isNull() ? programDirectory_ : dataDirectory_; }
    QString UserDirectory() const { return userDirectory_.isNull() ? programDirectory_ : userDirectory_; }
    void SetDataDirectories(const QString& data, const QString& user)
    {
        dataDirectory_ = data;
        userDirectory_ = user;
    }
    // The program file's name, written into the installation record.
    void SetProgramFileName(const QString& name) { programFileName_ = name; }
    int IrPort() const { return irPort_; }
    int Port() const { return port_; }
    QString Speed() const { return speed_; }
    QString Language() const { return language_; }

    // Section "Config".
    int LoadPort();
    void SavePort(int port);
    int LoadIrPort();
    void SaveIrPort(int port);
    QString LoadSpeed();
    void SaveSpeed(const QString& speed);
    QString LoadLanguage();
    void SaveLanguage(const QString& language);
    // Whether a line that dropped is dialed again ("AutoReconnect"; off unless set).
    bool LoadAutoReconnect() const;
    void SaveAutoReconnect(bool on);
    // Port, IR port and speed; the language is loaded before, with its module.
    void LoadAll();

    // The "DBCreated" marker left for the maker's other programs.
    bool ReadDatabaseMarker();
    bool WriteDatabaseMarker();
    // The installation record "BraxlowPathName" under the family's Information key.
    void SaveProgramPath();

    // Section "ConnectInfo"; absent values read as empty (0 for the CID).
    ConnectInfo LoadConnectInfo() const;
    void SaveConnectInfo(const ConnectInfo& info);

    SettingsStore& Store() { return store_; }

    static const QString kConfigKey;
    static const QString kConnectInfoKey;
    static const QString kDatabaseMarkerKey;
    static const QString kInformationKey;

private:
    int LoadInteger(const QString& name, int& field);

    SettingsStore& store_;
    std::unique_ptr<QTranslator> languageModule_;
    QString programDirectory_;
    QString dataDirectory_;
    QString userDirectory_;
    QString programFileName_ = QStringLiteral("braxlow");
    int irPort_ = 0;
    int port_ = 1;
    QString speed_ = QStringLiteral("115200");
    QString language_ = QStringLiteral("English");
};
