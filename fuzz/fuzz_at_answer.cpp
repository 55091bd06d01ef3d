// SPDX-License-Identifier: GPL-3.0-or-later
// The phone's answer arrives in pieces of any size, with noise and NULs, and the
// session polls the judge every 10 ms whether new bytes came or not.
//
// Input: the first byte splits the rest into the pieces that arrive between
// polls; an empty piece is a poll with nothing new.
#include "core/phone/AtAnswer.h"
#include "phonelink/CComm.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& answer)
{
    std::fprintf(stderr, "fuzz_at_answer: %s\n--- answer (UTF-8) ---\n%s\n---\n", what,
                 answer.toUtf8().constData());
    std::abort();
}

// The text the session judges: what the link's receive buffer gives for the
// bytes the phone sent.
QString LinkText(const QByteArray& bytes)
{
    struct Link : CComm
    {
        using CComm::WriteToInternalBuffer;
    } link;
    link.WriteToInternalBuffer(reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()));
    QString text;
    link.ReadFromInternalBuffer(text);
    return text;
}

void CheckText(const QByteArray& bytes, const QString& text)
{
    if (text.size() != bytes.size() - bytes.count('\0'))
        Fail("Text lost or added characters", text);
    qsizetype t = 0;
    for (char b : bytes) {
        if (b == '\0')
            continue;
        if (text.at(t++).unicode() != static_cast<unsigned char>(b))
            Fail("Text changed a byte", text);
    }
}

bool HasErrorLine(const QString& answer)
{
    return answer.contains(QLatin1String("+CME ERROR:")) || answer.contains(QLatin1String("+CMS ERROR:"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > size_t(CComm::kBufferSize)) // more than the link ever holds
        return 0;
    const QByteArray all(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const char separator = static_cast<char>(data[0]);

    const QString whole = LinkText(all);
    CheckText(all, whole);

    AtAnswer judge;
    QString answer;
    QByteArray received; // the bytes behind answer
    qsizetype from = 0;
    while (from <= all.size()) {
        qsizetype to = all.indexOf(separator, from);
        if (to < 0)
            to = all.size();
        const QByteArray piece = all.mid(from, to - from);
        answer += LinkText(piece);
        received += piece;
        from = to + 1;
        if (answer.isEmpty())
            continue; // the session does not ask about an answer that has not begun

        const bool complete = judge.Complete(answer);
        if (!complete && answer.contains(QLatin1String("OK\r\n")))
            Fail("an answer holding OK was not complete", answer);
        if (!complete && !HasErrorLine(answer) &&
            (answer.contains(QLatin1String("ERROR\r\n")) || answer.contains(QLatin1String("NO CARRIER\r\n"))))
            Fail("a final result code was not complete", answer);

        // A poll with nothing new: a complete answer stays complete, and an error
        // line that has ended is complete by now at the latest.
        const bool again = judge.Complete(answer);
        if (complete && !again)
            Fail("a complete answer became incomplete with nothing new", answer);
        if (!again && HasErrorLine(answer) && answer.endsWith(QLatin1String("\r\n")))
            Fail("an ended error line was still not complete", answer);
        if (again)
            break; // the session stops reading here
    }
    if (answer != LinkText(received))
        Fail("the pieces' text differs from the text of all their bytes", answer);
    return 0;
}
