// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/RegistryFormat.h"

#include <QIODevice>
#include <QMap>
#include <QStringList>

namespace {

const QString kDefaultName = QStringLiteral("Default");

QString Quote(const QString& s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (u < 0x20 || u == 0x7f) {
            // Keeps every value on one line whatever it holds.
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

int HexValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

// Parses a quoted string starting at pos (on the opening quote). On success sets
// pos just past the closing quote.
bool Unquote(const QString& line, qsizetype& pos, QString& out)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return false;
    out.clear();
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            pos = i + 1;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= line.size())
            return false;
        const QChar e = line.at(i);
        if (e == QLatin1Char('x')) {
            if (i + 2 >= line.size())
                return false;
            const int hi = HexValue(line.at(i + 1));
            const int lo = HexValue(line.at(i + 2));
            if (hi < 0 || lo < 0)
                return false;
            out += QChar(static_cast<ushort>(hi * 16 + lo));
            i += 2;
        } else {
            out += e;
        }
    }
    return false;
}

bool ParseValue(const QString& text, QVariant& value)
{
    if (text.startsWith(QLatin1String("dword:"))) {
        const QString hex = text.mid(6).trimmed();
        if (hex.isEmpty() || hex.size() > 8)
            return false;
        bool ok = false;
        const uint v = hex.toUInt(&ok, 16);
        if (!ok)
            return false;
        value = QVariant::fromValue<quint32>(v);
        return true;
    }
    QString s;
    qsizetype pos = 0;
    if (!Unquote(text, pos, s) || !text.mid(pos).trimmed().isEmpty())
        return false;
    value = s;
    return true;
}

bool IsInteger(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

namespace RegistryFormat {

QSettings::Format Format()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("reg"), &Read, &Write);
    return format;
}

bool Read(QIODevice& device, QSettings::SettingsMap& map)
{
    QString section;
    const QByteArray all = device.readAll();
    const QStringList lines = QString::fromUtf8(all).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.lastIndexOf(QLatin1Char(']'));
            if (end < 0)
                continue;
            section = line.mid(1, end - 1).trimmed();
            section.replace(QLatin1Char('\\'), QLatin1Char('/'));
            continue;
        }
        QString name;
        qsizetype pos = 0;
        if (line.startsWith(QLatin1Char('@'))) {
            name = kDefaultName;
            pos = 1;
        } else if (!Unquote(line, pos, name) || name.isEmpty() ||
                   name.contains(QLatin1Char('/'))) {
            continue;
        }
        const QString rest = line.mid(pos).trimmed();
        if (!rest.startsWith(QLatin1Char('=')))
            continue;
        QVariant value;
        if (!ParseValue(rest.mid(1).trimmed(), value))
            continue;
        map.insert(section.isEmpty() ? name : section + QLatin1Char('/') + name, value);
    }
    return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& map)
{
    // Group the flat "a/b/name" keys by section, keeping sections in key order.
    QMap<QString, QList<QPair<QString, QVariant>>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString& key = it.key();
        const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : key.left(slash);
        const QString name = slash < 0 ? key : key.mid(slash + 1);
        sections[section].append({name, it.value()});
    }

    QString out = QString::fromUtf8(kFirstLine);
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        out += QLatin1Char('\n');
        QString header = it.key();
        header.replace(QLatin1Char('/'), QLatin1Char('\\'));
        out += QLatin1Char('[') + header + QStringLiteral("]\n");
        for (const auto& [name, value] : it.value()) {
            // Only the default value itself is "@": another spelling ("default") is
            // a name of its own and would come back renamed, or lose its value
            // to the default one.
            out += name == kDefaultName ? QStringLiteral("@") : Quote(name);
            out += QLatin1Char('=');
            if (IsInteger(value)) {
                const auto dword = static_cast<quint32>(value.toLongLong());
                out += QStringLiteral("dword:%1").arg(dword, 8, 16, QLatin1Char('0'));
            } else {
                out += Quote(value.toString());
            }
            out += QLatin1Char('\n');
        }
    }
    return device.write(out.toUtf8()) >= 0;
}

} // namespace RegistryFormat
