// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/UpdateClient.h"

#include <QTcpSocket>

using UpdateProtocol::Response;

UpdateClient::UpdateClient(const Server& server, const QString& downloadFolder, QObject* parent)
    : QObject(parent)
    , server_(server)
    , folder_(downloadFolder)
    , sink_(std::make_unique<DownloadSink>(downloadFolder))
    , chunk_(UpdateProtocol::kChunkSize, '\0')
{
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, &UpdateClient::OnTimeout);
}

UpdateClient::~UpdateClient()
{
    Reset();
}

void UpdateClient::SetFreeSpaceQuery(DownloadSink::FreeSpaceQuery query)
{
    sink_ = std::make_unique<DownloadSink>(folder_, std::move(query));
}

namespace {
constexpr qint64 kProgressSteps = 10000;
} // namespace

int UpdateClient::ProgressRange(qint64 size)
{
    return static_cast<int>(qBound<qint64>(0, size, kProgressSteps));
}

int UpdateClient::ProgressPosition(qint64 received, qint64 size)
{
    if (size <= 0)
        return 0;
    const qint64 steps = ProgressRange(size);
    // received <= size + one chunk and steps <= 10000: no overflow.
    return static_cast<int>(qMin(received, size) * steps / size);
}

QDateTime UpdateClient::Now()
{
    return QDateTime::currentDateTime();
}

void UpdateClient::Send(const QByteArray& request)
{
    // The file prepared after a 2011 response waits for this request's answer.
    DropConnection();
    request_ = request;
    response_.clear();
    awaitingResponse_ = true;
    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, &UpdateClient::OnConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &UpdateClient::OnReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &UpdateClient::OnDisconnected);
    connect(socket_, &QTcpSocket::errorOccurred, this, &UpdateClient::OnError);
    silence_.start(server_.timeoutMs);
    socket_->connectToHost(server_.host, server_.port);
}

void UpdateClient::Close()
{
    Reset();
}

void UpdateClient::Reset()
{
    DropConnection();
    sink_->Discard();
}

void UpdateClient::DropConnection()
{
    silence_.stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
    connected_ = false;
    awaitingResponse_ = false;
    streaming_ = false;
}

DownloadSink::Status UpdateClient::PrepareDownload(const Response& fileResponse)
{
    const DownloadSink::Status status = sink_->Open(fileResponse.fileName, fileResponse.fileSize);
    fileSize_ = status == DownloadSink::Status::Ok ? fileResponse.fileSize : 0;
    received_ = 0;
    return status;
}

void UpdateClient::StopDownload()
{
    // Also while a request is still unanswered: its answer would start the very
    // download the user has just cancelled.
    if (streaming_ || awaitingResponse_)
        Reset();
}

void UpdateClient::OnConnected()
{
    connected_ = true;
    socket_->write(request_);
}

void UpdateClient::OnReadyRead()
{
    silence_.start(server_.timeoutMs);
    if (streaming_)
        ReadFile();
    else if (awaitingResponse_)
        ReadResponse();
}

void UpdateClient::ReadResponse()
{
    // Only the response itself is taken from the socket; what follows a 2012
    // response is file content and is left for ReadFile(). The header comes
    // first: it tells how long the rest is.
    while (awaitingResponse_ && socket_) {
        const int size = static_cast<int>(response_.size());
        const int header = UpdateProtocol::kHeaderSize;
        if (size >= header && size >= UpdateProtocol::ResponseLength(response_)) {
            CompleteResponse();
            return;
        }
        const int want = size < header ? header - size : UpdateProtocol::ResponseLength(response_) - size;
        const QByteArray more = socket_->read(want);
        if (more.isEmpty())
            return;
        response_ += more;
    }
}

void UpdateClient::CompleteResponse()
{
    awaitingResponse_ = false;
    silence_.stop();
    const std::optional<Response> response = UpdateProtocol::ParseResponse(response_);
    if (!response) {
        Fail(Failure::BadResponse);
        return;
    }
    const bool fileFollows =
        response->resultCode == 0 && response->responseCode == UpdateProtocol::kFileData;
    if (fileFollows && !sink_->IsOpen()) {
        Fail(Failure::BadResponse);
        return;
    }
    if (fileFollows) {
        streaming_ = true;
        received_ = 0;
        silence_.start(server_.timeoutMs);
    } else {
        Reset();
    }
    Q_EMIT Received(*response);
    if (streaming_ && socket_ && socket_->bytesAvailable() > 0)
        ReadFile();
}

void UpdateClient::ReadFile()
{
    while (streaming_ && socket_ && socket_->bytesAvailable() > 0) {
        // Never past the announced size: what a server sends beyond it is not
        // part of the file. (An announced size of 0 takes one chunk.)
        const qint64 room = fileSize_ > 0 ? fileSize_ - received_ : qint64(chunk_.size());
        const qint64 n = socket_->read(chunk_.data(), qMin(qint64(chunk_.size()), room));
        if (n <= 0)
            break;
        WriteChunk(chunk_.constData(), n);
    }
}

void UpdateClient::WriteChunk(const char* data, qint64 size)
{
    if (!sink_->Write(data, size)) {
        Fail(Failure::CannotWrite);
        return;
    }
    received_ += size;
    Q_EMIT ChunkWritten(received_, fileSize_);
    // The handler may have stopped the download.
    if (!streaming_ || received_ < fileSize_)
        return;
    FinishDownload();
}

void UpdateClient::FinishDownload()
{
    streaming_ = false;
    const QString path = sink_->Path();
    const bool finished = sink_->Finish();
    Reset();
    if (finished)
        Q_EMIT Downloaded(path);
    else
        Fail(Failure::CannotWrite);
}

void UpdateClient::OnDisconnected()
{
    if (awaitingResponse_) {
        ReadResponse();
        // The server may close right after a response without a length field.
        if (awaitingResponse_) {
            if (response_.size() >= 4) {
                CompleteResponse();
            } else {
                Fail(Failure::BadResponse);
                return;
            }
        }
    }
    if (streaming_)
        ReadFile();
    if (!streaming_)
        return;
    // Only an announced size of 0 is complete without a single byte.
    if (received_ >= fileSize_)
        FinishDownload();
    else
        Fail(Failure::ConnectionLost);
}

void UpdateClient::OnError()
{
    if (!socket_)
        return;
    const QAbstractSocket::SocketError error = socket_->error();
    if (!connected_) {
        Fail(Failure::Unreachable, static_cast<int>(error));
        return;
    }
    // A closing peer is judged by what it sent, in OnDisconnected().
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    if (awaitingResponse_ || streaming_)
        Fail(Failure::SocketError, static_cast<int>(error));
}

void UpdateClient::OnTimeout()
{
    if (awaitingResponse_ && !connected_)
        Fail(Failure::Unreachable);
    else if (awaitingResponse_ || streaming_)
        Fail(Failure::TimedOut);
}

void UpdateClient::Fail(Failure failure, int detail)
{
    Reset();
    Q_EMIT Failed(failure, detail);
}
