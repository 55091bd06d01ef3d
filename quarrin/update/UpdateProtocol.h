// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The update server's wire format: a 60-byte text header and a short body at
// fixed positions, one request per connection.
namespace UpdateProtocol {

constexpr quint16 kDefaultPort = 9999;
constexpr int kHeaderSize = 60;
// Responses are read, and files streamed, in pieces of at most this size.
constexpr int kChunkSize = 2048;

enum RequestCode { kVersionQuery = 1001, kFileQuery = 1011, kFileRequest = 1012 };
enum ResponseCode { kVersionResponse = 2001, kFileResponse = 2011, kFileData = 2012 };
// The result code the server sends when there is nothing newer.
constexpr int kNoNewerVersion = 905;

// Requests, stamped with `now` (local time). 1001 and 1011 are 82 bytes; 1012 is
// 115 bytes, one more than its length field says, ending in a zero byte, which
// the servers in the field expect.
QUARRIN_EXPORT QByteArray EncodeVersionQuery(const QString& productId, const QString& versionId,
                                             const QDateTime& now);
QUARRIN_EXPORT QByteArray EncodeFileQuery(const QString& productId,
                                          const QByteArray& offeredVersion, const QDateTime& now);
QUARRIN_EXPORT QByteArray EncodeFileRequest(bool update, const QByteArray& fileName,
                                            const QDateTime& now);

// Bytes 8 to 59 of a request: date, time, the fixed account, "000" and blanks.
QUARRIN_EXPORT QByteArray EncodeHeaderTail(const QDateTime& now);

struct Response
{
    int length = 0;       // the length field; 0 when it is not a number
    int responseCode = 0; // 2001, 2011, 2012, or what else the server sent
    int resultCode = 0;   // 0 ("000") or 901..909
    QByteArray offeredVersion; // 2001: the 10 bytes as received
    QByteArray fileName;       // 2011: the name field up to its first zero byte
    qint64 fileSize = -1;      // 2011
};

// How many bytes of `received` make up the response, once its header (60
// bytes) has arrived to tell: the size its code has (2001: 70, 2011: 110,
// 2012: the header alone, a server error: the header alone), otherwise up to
// one chunk. The length field is never trusted: servers in the field write the
// same number into every header. Bytes after a 2012 response are file content.
QUARRIN_EXPORT int ResponseLength(const QByteArray& received);

// The response in `bytes`, or nothing when it is shorter than the fields its
// codes need or a field does not hold what it must (a size that is not a
// number, a name field with bytes after its end).
QUARRIN_EXPORT std::optional<Response> ParseResponse(const QByteArray& bytes);

// "A.B tag" of an offered version identifier ("03FH1" gives "0", "3", "FH1"),
// appended to `prefix` the way the current version is shown.
QUARRIN_EXPORT QString OfferedVersionText(const QString& prefix, const QByteArray& offeredVersion);

// True when `name` names a file directly inside the download folder: not empty,
// at most 40 bytes, no path separators, no "..", no control characters or zero
// bytes, and not "." itself.
QUARRIN_EXPORT bool IsPlainFileName(const QByteArray& name);

} // namespace UpdateProtocol
