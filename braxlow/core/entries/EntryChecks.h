// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTranslator;
struct ConnectionEntry;

// What a saved entry may hold in the values the phone and the dialer receive.
// The database and the presets are not trusted to have kept to it.
namespace EntryChecks {

// An access point name: ASCII letters, digits, '-' and '.' (empty allowed).
bool IsAccessPointName(const QString& apn);
// Four numbers 0 to 255 joined by '.', such as 10.0.0.1.
bool IsDottedQuad(const QString& address);
// A USSD code such as *100#: digits, '*', '#' and '+', at most 32 characters
// (empty allowed).
bool IsBalanceCode(const QString& code);
// A SIM PIN: 4 to 8 digits.
bool IsSimPin(const QString& pin);
// Six numbers joined by ',' that fit the 20 characters of the column.
bool IsQosText(const QString& qos);

// The first value of `entry` that breaks these rules: the string number of the
// message and the string number of the field's label; both 0 when all is well.
struct Problem
{
    int message = 0;
    int field = 0;
    explicit operator bool() const { return message != 0; }
};
Problem FindProblem(const ConnectionEntry& entry);

// A label of a window turned into a field name for a message (PlainLabel).
QString FieldName(const QTranslator* module, int labelId);
// The message of `problem`, naming its field.
QString ProblemText(const QTranslator* module, const Problem& problem);

} // namespace EntryChecks
