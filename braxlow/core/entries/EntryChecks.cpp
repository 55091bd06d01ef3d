// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/EntryChecks.h"

#include "core/entries/ConnectionEntry.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/StringIds.h"

#include <QStringList>

#include <algorithm>

namespace EntryChecks {

namespace {

bool IsAsciiDigits(const QString& text, int maxLength)
{
    return !text.isEmpty() && text.size() <= maxLength
           && std::all_of(text.cbegin(), text.cend(),
                          [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

bool IsAccessPointName(const QString& apn)
{
    return std::all_of(apn.cbegin(), apn.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-'
               || u == '.';
    });
}

bool IsDottedQuad(const QString& address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    return parts.size() == 4 && std::all_of(parts.cbegin(), parts.cend(), [](const QString& part) {
               return IsAsciiDigits(part, 3) && part.toInt() <= 255;
           });
}

bool IsBalanceCode(const QString& code)
{
    return code.size() <= 32 && std::all_of(code.cbegin(), code.cend(), [](QChar c) {
               const char16_t u = c.unicode();
               return (u >= '0' && u <= '9') || u == '*' || u == '#' || u == '+';
           });
}

bool IsSimPin(const QString& pin)
{
    return pin.size() >= 4 && IsAsciiDigits(pin, 8);
}

bool IsQosText(const QString& qos)
{
    const QStringList parts = qos.split(QLatin1Char(','));
    return qos.size() <= EntryFieldSize::kShort && parts.size() == 6
           && std::all_of(parts.cbegin(), parts.cend(),
                          [](const QString& part) { return IsAsciiDigits(part, 10); });
}

Problem FindProblem(const ConnectionEntry& entry)
{
    if (!IsAccessPointName(entry.APNName))
        return {Str::BadAccessPointName, Str::ApnLabel};
    const struct
    {
        const QString& value;
        int label;
    } addresses[] = {{entry.UserIPAddr, Str::IpAddressLabel},
                     {entry.PrimaryDNS, Str::PreferredDnsLabel},
                     {entry.SecondDNS, Str::AlternateDnsLabel}};
    for (const auto& a : addresses) {
        if (!a.value.isEmpty() && !IsDottedQuad(a.value))
            return {Str::BadAddress, a.label};
    }
    if (!IsQosText(entry.QoSMin))
        return {Str::BadQosText, Str::TabQoSMin};
    if (!IsQosText(entry.QoSRequest))
        return {Str::BadQosText, Str::TabQoSRequest};
    return {};
}

QString FieldName(const QTranslator* module, int labelId)
{
    return PlainLabel(LoadLanguageString(module, labelId));
}

QString ProblemText(const QTranslator* module, const Problem& problem)
{
    return LoadLanguageString(module, problem.message).arg(FieldName(module, problem.field));
}

} // namespace EntryChecks
