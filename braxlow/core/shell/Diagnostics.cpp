// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/Diagnostics.h"

#include "core/dialup/ModemManager.h"
#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/OwnerOnly.h"
#include "core/settings/ProductInfo.h"
#include "phonelink/PortMap.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTextStream>

#include <algorithm>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

const QString SecretMask::kMask = QStringLiteral("****");

void SecretMask::Add(const QString& secret)
{
    const QString value = secret.trimmed();
    if (value.size() < 3 || secrets_.contains(value))
        return;
    secrets_ << value;
    // The longest first: a password that holds another is hidden whole.
    std::sort(secrets_.begin(), secrets_.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

void SecretMask::AddStored(DataStore& data)
{
    for (const ConnectionEntry& entry : data.LoadEntries()) {
        Add(entry.Password);
        if (const auto extras = data.LoadExtras(entry.ID)) {
            Add(extras->simPin);
            Add(extras->balanceCode);
        }
    }
}

QString SecretMask::Apply(const QString& text) const
{
    QString out = text;
    // The shapes first: a known value replaced inside one (a PIN that also
    // stands in an IMEI) would break it and leave the rest in clear.
    static const QRegularExpression pin(QStringLiteral(R"re((\+(?:CPIN2?|CPWD|CLCK)\s*=)[^\r\n]*)re"),
                                        QRegularExpression::CaseInsensitiveOption);
    out.replace(pin, QStringLiteral("\\1") + kMask);
    static const QRegularExpression ussd(QStringLiteral(R"re((\+CUSD\s*=\s*\d*\s*,?\s*)"[^"\r\n]*")re"),
                                         QRegularExpression::CaseInsensitiveOption);
    out.replace(ussd, QStringLiteral("\\1\"") + kMask + QLatin1Char('"'));
    // pppd escapes a quote inside the password it shows.
    static const QRegularExpression shownPassword(QStringLiteral(R"re((password=)"(?:[^"\\\r\n]|\\.)*")re"),
                                                  QRegularExpression::CaseInsensitiveOption);
    out.replace(shownPassword, QStringLiteral("\\1\"") + kMask + QLatin1Char('"'));
    // IMSI (up to 15 digits), IMEI (15, 16 with its software version), ICCID
    // (up to 20): the first five digits stay, as everywhere the program
    // shows the SIM's identity.
    static const QRegularExpression identity(QStringLiteral(R"re((?<!\d)(\d{5})\d{8,15}(?!\d))re"));
    out.replace(identity, QStringLiteral("\\1") + QString(10, QLatin1Char('*')));
    for (const QString& secret : secrets_)
        out.replace(secret, kMask);
    return out;
}

namespace Diagnostics {

QString LastProbePath(const AppSettings& settings)
{
    return QDir(settings.UserDirectory()).filePath(QStringLiteral("LastPhoneTest.txt"));
}

bool SaveLastProbe(const AppSettings& settings, const QString& text, const SecretMask& mask)
{
    QSaveFile file(LastProbePath(settings));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.write(mask.Apply(text).toUtf8());
    return file.commit();
}

QString FailureDetails(const HistoryStore::Record& record)
{
    QString text;
    QTextStream out(&text);
    out << record.errorText << "\n";
    if (!record.pppdLines.trimmed().isEmpty())
        out << "\npppd:\n" << record.pppdLines.trimmed() << "\n";
    if (!record.atTranscript.trimmed().isEmpty())
        out << "\nAT:\n" << record.atTranscript.trimmed() << "\n";
    return text;
}

QString PppdVersion(const QString& pppd)
{
    QString program = QStandardPaths::findExecutable(pppd, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(pppd);
    if (program.isEmpty())
        return QStringLiteral("not found");
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, {QStringLiteral("--version")});
    if (!run.waitForFinished(3000)) {
        run.kill();
        run.waitForFinished(1000);
        return QStringLiteral("%1 did not answer").arg(program);
    }
    const QString answer = QString::fromLocal8Bit(run.readAll()).trimmed().section(QLatin1Char('\n'), 0, 0);
    return answer.isEmpty() ? program : answer;
}

namespace {

QString Groups()
{
    QStringList names;
    if (const group* primary = ::getgrgid(::getgid()))
        names << QString::fromLocal8Bit(primary->gr_name);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> ids(size_t(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, ids.data()) == count) {
        for (const gid_t id : ids) {
            const group* g = ::getgrgid(id);
            names << (g != nullptr ? QString::fromLocal8Bit(g->gr_name) : QString::number(id));
        }
    }
    names.removeDuplicates();
    const passwd* user = ::getpwuid(::getuid());
    return QStringLiteral("%1 (uid %2): %3")
        .arg(user != nullptr ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("?"))
        .arg(::getuid())
        .arg(names.join(QStringLiteral(", ")));
}

const char* OutcomeName(HistoryStore::Outcome outcome)
{
    switch (outcome) {
    case HistoryStore::Outcome::Running: return "running";
    case HistoryStore::Outcome::HungUp: return "hung up";
    case HistoryStore::Outcome::Dropped: return "dropped";
    case HistoryStore::Outcome::Failed: return "failed";
    case HistoryStore::Outcome::Canceled: return "canceled";
    case HistoryStore::Outcome::Interrupted: return "ended with the program";
    }
    return "?";
}

QString Bytes(quint64 bytes)
{
    return QLocale::c().formattedDataSize(qint64(std::min<quint64>(bytes, quint64(INT64_MAX))), 1,
                                         QLocale::DataSizeTraditionalFormat);
}

} // namespace

QString Report(AppSettings& settings, DataStore& data, const HistoryStore& history, const SecretMask& mask)
{
    QString text;
    QTextStream out(&text);
    const ProductTexts product = ProductTexts::From(ProductRecord::Braxlow());
    out << "Braxlow diagnostics, " << QDateTime::currentDateTime().toString(Qt::ISODate) << "\n\n";
    out << "Version: " << product.CurrentVersionText << "\n";
    out << "System: " << QSysInfo::prettyProductName() << ", kernel " << QSysInfo::kernelVersion() << " ("
        << QSysInfo::currentCpuArchitecture() << ")\n";
    out << "Qt: " << qVersion() << "\n";
    out << "pppd: " << PppdVersion() << "\n";
    out << "User: " << Groups() << "\n";
    out << "User data: " << data.UserDatabasePath() << "\n";

    out << "\nPorts:\n";
    PortMap& map = Quarrin::CurrentPortMap();
    map.Refresh();
    const int configured = settings.LoadPort();
    QString configuredDevice;
    for (const MappedPort& port : map.Ports()) {
        out << "  " << PortMap::ComName(port.number) << "  " << port.device;
        if (!port.info.usbId.isEmpty())
            out << "  [USB " << port.info.usbId << ' ' << port.info.vendor << ' ' << port.info.model << ']';
        if (!port.info.modemName.isEmpty())
            out << "  " << port.info.modemName;
        if (!port.present)
            out << "  (absent)";
        if (port.number == configured) {
            out << "  <- the phone's port";
            configuredDevice = port.device;
        }
        out << "\n";
    }
    out << "Configured port: " << (configured > 0 ? PortMap::ComName(configured) : QStringLiteral("none"));
    if (!configuredDevice.isEmpty()) {
        ModemManagerClient modemManager;
        out << " (" << configuredDevice << "), ModemManager "
            << (modemManager.MayHold(configuredDevice) ? "may manage it" : "does not manage it");
    }
    out << "\n";

    out << "\nLast phone test:\n";
    QFile probe(LastProbePath(settings));
    if (probe.open(QIODevice::ReadOnly | QIODevice::Text))
        out << QString::fromUtf8(probe.read(64 * 1024)).trimmed() << "\n";
    else
        out << "  none\n";

    out << "\nLast connections:\n";
    for (const HistoryStore::Record& r : history.Load(0, 5))
        out << "  " << r.started.toLocalTime().toString(Qt::ISODate) << "  " << r.connectName << "  "
            << OutcomeName(r.outcome) << "  " << r.seconds << " s  " << Bytes(r.received) << " in, " << Bytes(r.sent)
            << " out" << (r.errorCode != 0 ? QStringLiteral("  error %1").arg(r.errorCode) : QString()) << "\n";

    out << "\nLast failed connection:\n";
    if (const auto failure = history.LastFailure()) {
        out << "  " << failure->started.toLocalTime().toString(Qt::ISODate) << "  " << failure->connectName
            << "  error " << failure->errorCode << "\n"
            << FailureDetails(*failure);
    } else {
        out << "  none\n";
    }
    out.flush();
    return mask.Apply(text);
}

} // namespace Diagnostics
