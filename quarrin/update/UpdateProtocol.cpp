// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/UpdateProtocol.h"

namespace UpdateProtocol {

namespace {

constexpr int kShortRequestSize = 82;
constexpr int kFileRequestSize = 115;
constexpr int kFieldSize = 10;
constexpr int kNameFieldSize = 40;
constexpr int kResultOffset = 42;
constexpr int kBodyOffset = 60;
constexpr int kSizeOffset = 100;

// Copies `field` into `out` at `offset`, cut to `size`; the rest stays zero.
void Put(QByteArray& out, int offset, int size, const QByteArray& field)
{
    const int n = qMin(size, static_cast<int>(field.size()));
    for (int i = 0; i < n; ++i)
        out[offset + i] = field.at(i);
}

QByteArray Header(int length, int code, const QDateTime& now)
{
    QByteArray header = QByteArray::number(length).rightJustified(4, '0') +
                        QByteArray::number(code) + EncodeHeaderTail(now);
    return header;
}

QByteArray ShortRequest(int code, const QByteArray& productId, const QByteArray& third,
                        const QDateTime& now)
{
    QByteArray out(kShortRequestSize, '\0');
    Put(out, 0, kHeaderSize, Header(kShortRequestSize, code, now));
    out[60] = '1';
    Put(out, 61, kFieldSize, productId);
    Put(out, 71, kFieldSize, third);
    out[81] = '\n';
    return out;
}

// Decimal value of `bytes`, or nothing when any byte is not a digit.
std::optional<qint64> Digits(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (char c : bytes) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

QByteArray EncodeHeaderTail(const QDateTime& now)
{
    QByteArray tail = now.toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                      now.toString(QStringLiteral("HHmmss")).toLatin1();
    tail += "Tavrin    ";
    tail += "Qelmor    ";
    tail += "000";
    tail += QByteArray(15, ' ');
    return tail;
}

QByteArray EncodeVersionQuery(const QString& productId, const QString& versionId,
                              const QDateTime& now)
{
    return ShortRequest(kVersionQuery, productId.toLatin1(), versionId.toLatin1(), now);
}

QByteArray EncodeFileQuery(const QString& productId, const QByteArray& offeredVersion,
                           const QDateTime& now)
{
    return ShortRequest(kFileQuery, productId.toLatin1(), offeredVersion, now);
}

QByteArray EncodeFileRequest(bool update, const QByteArray& fileName, const QDateTime& now)
{
    QByteArray out(kFileRequestSize, '\0');
    Put(out, 0, kHeaderSize, Header(kFileRequestSize - 1, kFileRequest, now));
    out[60] = update ? '1' : '2';
    Put(out, 61, kNameFieldSize, fileName);
    Put(out, 101, 12, QByteArray("000000000001"));
    out[113] = '\n';
    return out;
}

int ResponseLength(const QByteArray& received)
{
    if (received.size() < kHeaderSize)
        return kChunkSize;
    const std::optional<qint64> result = Digits(received.mid(kResultOffset, 3));
    if (result && *result >= 901 && *result <= 909)
        return kHeaderSize;
    switch (Digits(received.mid(4, 4)).value_or(0)) {
    case kVersionResponse:
        return kBodyOffset + kFieldSize;
    case kFileResponse:
        return kSizeOffset + kFieldSize;
    case kFileData:
        return kHeaderSize;
    default:
        return kChunkSize;
    }
}

std::optional<Response> ParseResponse(const QByteArray& bytes)
{
    if (bytes.size() < kResultOffset + 3)
        return std::nullopt;
    Response r;
    r.length = static_cast<int>(Digits(bytes.left(4)).value_or(0));
    r.responseCode = static_cast<int>(Digits(bytes.mid(4, 4)).value_or(0));
    // A result that is not a number counts as an error of the server's.
    const std::optional<qint64> result = Digits(bytes.mid(kResultOffset, 3));
    r.resultCode = result ? static_cast<int>(*result) : 909;
    // A server error carries no body worth reading.
    if (r.resultCode >= 901 && r.resultCode <= 909)
        return r;
    switch (r.responseCode) {
    case kVersionResponse:
        if (bytes.size() < kBodyOffset + kFieldSize)
            return std::nullopt;
        r.offeredVersion = bytes.mid(kBodyOffset, kFieldSize);
        break;
    case kFileResponse: {
        if (bytes.size() < kSizeOffset + kFieldSize)
            return std::nullopt;
        const QByteArray field = bytes.mid(kBodyOffset, kNameFieldSize);
        const int end = field.indexOf('\0');
        r.fileName = end < 0 ? field : field.left(end);
        // Anything after the name's end would be cut off unseen: refuse it.
        if (end >= 0 && field.mid(end).count('\0') != field.size() - end)
            return std::nullopt;
        QByteArray size = bytes.mid(kSizeOffset, kFieldSize);
        while (!size.isEmpty() && (size.endsWith('\0') || size.endsWith(' ')))
            size.chop(1);
        while (size.startsWith(' '))
            size.remove(0, 1);
        const std::optional<qint64> value = Digits(size);
        if (!value)
            return std::nullopt;
        r.fileSize = *value;
        break;
    }
    case kFileData:
        if (bytes.size() < kHeaderSize)
            return std::nullopt;
        break;
    default:
        break;
    }
    return r;
}

QString OfferedVersionText(const QString& prefix, const QByteArray& offeredVersion)
{
    const QByteArray id = offeredVersion.left(offeredVersion.indexOf('\0') < 0
                                                   ? offeredVersion.size()
                                                   : offeredVersion.indexOf('\0'));
    const QString text = QString::fromLatin1(id.left(5));
    return prefix + text.mid(0, 1) + QLatin1Char('.') + text.mid(1, 1) + QLatin1Char(' ') +
           text.mid(2, 3);
}

bool IsPlainFileName(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > kNameFieldSize || name == ".")
        return false;
    if (name.contains("..") || name.contains('/') || name.contains('\\'))
        return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    return true;
}

} // namespace UpdateProtocol
