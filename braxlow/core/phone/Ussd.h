// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Unstructured supplementary service data (a balance code such as *100# and
// the network's answers, +CUSD): the network's text arrives in the coding its
// data coding scheme names, and phones pass it on either decoded or as hex.
namespace Ussd {

// +CUSD's <m>: what the network expects next.
enum Status { kDone = 0, kReplyWanted = 1, kEndedByNetwork = 2, kOtherClient = 3,
              kNotSupported = 4, kTimedOut = 5 };

struct Answer
{
    int status = -1;
    QString text; // decoded; control characters other than line breaks removed
    int dcs = -1;
};

// The first complete "+CUSD:" line of what the phone sent; nothing while there
// is none (or it is still arriving).
std::optional<Answer> Parse(const QString& received);

// The text as the scheme says: GSM 7-bit (packed septets in hex, or text the
// phone already decoded), 8-bit data in hex, or UCS2 in hex.
QString Decode(const QString& payload, int dcs);
QString DecodeGsm7Packed(const QByteArray& octets);
QString DecodeUcs2(const QByteArray& octets);

// A code or a menu answer that may go into the command line: digits, '*',
// '#' and '+' for codes; menu answers also letters and blanks. 1 to 32
// characters, so nothing can end the quoted text or start another command.
bool ValidCode(const QString& code);
bool ValidReply(const QString& reply);

// The request line for a code or a menu answer, and the one that ends a session.
QString RequestLine(const QString& text);
QString CancelLine();

} // namespace Ussd
