// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialup/PppdCommand.h"

#include "core/dialup/PppdLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr const char* kLinkName = "Braxlow";

QString ShellQuote(const QString& s)
{
    QString quoted = s;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

bool PppdCommand::IsPseudoTerminal(const QString& device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    return target.startsWith(QLatin1String("/dev/pts/")) || device.startsWith(QLatin1String("/dev/pts/"));
}

std::optional<QByteArray> PppdCommand::ChatScript(const QString& phoneNumber)
{
    // What a phone can dial; anything else could also break out of the script.
    static const QRegularExpression dialable(QStringLiteral("^[0-9*#+,;pPwWtT!@]{1,40}$"));
    if (!dialable.match(phoneNumber).hasMatch())
        return std::nullopt;
    QByteArray script;
    script += "ABORT BUSY\n";
    script += "ABORT 'NO CARRIER'\n";
    script += "ABORT ERROR\n";
    script += "ABORT 'NO DIALTONE'\n";
    script += "TIMEOUT 30\n";
    script += "'' ATD" + phoneNumber.toLatin1() + "\n";
    script += "CONNECT \\c\n";
    return script;
}

QString PppdCommand::PeerFor(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const QString node = QDir::cleanPath(canonical.isEmpty() ? device : canonical);
    if (!node.startsWith(QLatin1String("/dev/")))
        return QString();
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    const QString name = node.mid(5).replace(QLatin1Char('/'), QLatin1Char('.'));
    if (!plain.match(name).hasMatch() || name.startsWith(QLatin1Char('.')))
        return QString();
    return QStringLiteral("braxlow.") + name;
}

QStringList PppdCommand::FixedNameServers(const Ras::Entry& entry)
{
    QStringList dns;
    if (!(entry.options & Ras::kSpecificNameServers))
        return dns;
    if (!entry.ipaddrDns.IsZero())
        dns << entry.ipaddrDns.Text();
    if (!entry.ipaddrDnsAlt.IsZero())
        dns << entry.ipaddrDnsAlt.Text();
    return dns;
}

QStringList PppdCommand::Arguments(const Ras::Entry& entry, const QString& device, const QString& speed,
                                   const QString& chatProgram, const QString& chatScript,
                                   const QString& userName, bool withSecret, bool privileged)
{
    QStringList args;
    // The device's peer file brings the device, noauth, the link name, the
    // plugin and replacedefaultroute; pppd refuses the device named again.
    if (privileged)
        args << device;
    else
        args << QStringLiteral("call") << PeerFor(device);
    args << QString::number(std::max(1, speed.toInt()));
    args << QStringLiteral("nodetach") << QStringLiteral("lock") << QStringLiteral("maxfail")
         << QStringLiteral("1") << QStringLiteral("logfd") << QStringLiteral("2")
         << QStringLiteral("hide-password");
    if (privileged)
        args << QStringLiteral("noauth") << QStringLiteral("linkname") << QLatin1String(kLinkName);
    // chat's report goes to a descriptor of its own (PppdLauncher), apart
    // from pppd's log: it echoes whatever the phone sends. An ordinary user's
    // connect command is the peer file's, which checks the line and runs chat
    // on the script named in the environment (ChatScriptVariable).
    if (privileged)
        args << QStringLiteral("connect")
             << chatProgram + QStringLiteral(" -v -s -S -f ") + ShellQuote(chatScript) + QStringLiteral(" 2>&") +
                    QString::number(PppdLauncher::kChatDescriptor);
    // A pseudo-terminal has no modem lines to wait on.
    args << (IsPseudoTerminal(device) ? QStringLiteral("local") : QStringLiteral("modem"));
    args << QStringLiteral("crtscts");
    if (entry.options & Ras::kSpecificIpAddr && !entry.ipaddr.IsZero())
        args << entry.ipaddr.Text() + QLatin1Char(':');
    else
        args << QStringLiteral("noipdefault");
    if (entry.options & Ras::kRemoteDefaultGateway) {
        // The link becomes the default route even where one exists (a laptop on
        // Wi-Fi); pppd puts the old one back when the link ends.
        args << QStringLiteral("defaultroute");
        if (privileged)
            args << QStringLiteral("replacedefaultroute");
    }
    if (entry.options & Ras::kSpecificNameServers) {
        // Our own DNS servers go to the ip-up hook; the peer's are not asked for.
        args << QStringLiteral("ipparam")
             << QStringLiteral("braxlow-dns=") + FixedNameServers(entry).join(QLatin1Char(','));
    } else {
        args << QStringLiteral("usepeerdns");
    }
    args << QStringLiteral("refuse-eap") << QStringLiteral("noccp") << QStringLiteral("novj")
         << QStringLiteral("nobsdcomp") << QStringLiteral("nodeflate");
    if (!userName.isEmpty())
        args << QStringLiteral("user") << userName;
    if (withSecret) {
        if (privileged)
            args << QStringLiteral("plugin") << QStringLiteral("passwordfd.so");
        args << QStringLiteral("passwordfd") << QStringLiteral("3");
    }
    return args;
}
