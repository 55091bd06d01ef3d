// SPDX-License-Identifier: GPL-3.0-or-later
// What a phone says about itself and what a network sends as USSD text go
// into messages, windows and JSON: whatever arrives, every value read from it
// stays in its range and no control character reaches the screen.
//
// Input: the bytes as the link hands them over (Latin-1); the first byte is
// also taken as a data coding scheme for the USSD decoder.
#include "core/phone/PhoneStatus.h"
#include "core/phone/Ussd.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "fuzz_phone_texts: %s\n--- text (UTF-8) ---\n%s\n---\n", what, text.toUtf8().constData());
    std::abort();
}

void Shown(const QString& text, qsizetype limit, bool lineBreaks, const QString& input)
{
    if (limit >= 0 && text.size() > limit)
        Fail("a value is longer than its limit", input);
    for (QChar c : text) {
        if (c == QLatin1Char('\n') && lineBreaks)
            continue;
        if (!c.isPrint() && !c.isSurrogate())
            Fail("a control character would reach the screen", input);
    }
}

void Range(int value, int low, int high, const QString& input, std::initializer_list<int> also = {})
{
    for (int a : also)
        if (value == a)
            return;
    if (value < low || value > high)
        Fail("a value is out of its range", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 8192)
        return 0;
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    using namespace PhoneStatus;
    Range(ParseRegistration(text, QStringLiteral("+CREG")), -1, 10, text);
    Range(ParseSignal(text), -1, 31, text, {99});
    Range(ParseAttach(text), -1, 1, text);
    Range(ParsePinAttempts(text), -1, 99, text);
    Range(CmeError(text), -1, 9999, text);
    Range(SignalBars(ParseSignal(text)), 0, 4, text);
    Shown(ParseOperator(text), 32, false, text);
    Shown(ParseText(text, QStringLiteral("AT+CGMI")), 64, false, text);
    const QString imsi = ParseImsi(text);
    if (!imsi.isEmpty() && (imsi.size() < 6 || imsi.size() > 15 || !std::all_of(imsi.cbegin(), imsi.cend(), [](QChar c) {
                                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                            })))
        Fail("an IMSI that is not 6 to 15 digits", text);
    ParseSim(text);

    if (const std::optional<Ussd::Answer> answer = Ussd::Parse(text)) {
        Range(answer->status, 0, 5, text);
        Shown(answer->text, -1, true, text);
    }
    Shown(Ussd::Decode(text.mid(1), data[0]), -1, true, text);
    // The same bytes as the hex a phone passes on, in each coding.
    const QString hex = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).toHex());
    for (int dcs : {15, 0x44, 72})
        Shown(Ussd::Decode(hex, dcs), -1, true, text);
    return 0;
}
