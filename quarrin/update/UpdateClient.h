// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"
#include "update/DownloadSink.h"
#include "update/UpdateProtocol.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QTcpSocket;

// One conversation with the update server: a request on a fresh connection, its
// response, and after a file request the file itself streamed into a
// DownloadSink. Runs on the caller's event loop, so the window that drives it
// keeps painting and answering its buttons while the bytes come in.
class QUARRIN_EXPORT UpdateClient : public QObject
{
    Q_OBJECT

public:
    struct Server
    {
        QString host;
        quint16 port = UpdateProtocol::kDefaultPort;
        // How long the server may stay silent while an answer or file bytes are due.
        int timeoutMs = 30000;
    };

    enum class Failure {
        Unreachable,    // no connection to the server
        SocketError,    // the connection failed while receiving; detail: the error number
        BadResponse,    // a response shorter than its fields or otherwise unreadable
        UnsafeName,     // the announced file name points outside the download folder
        NoSpace,        // the announced file does not fit on the disk
        CannotWrite,    // the download folder or file cannot be written
        TimedOut,       // the server stopped sending
        ConnectionLost, // the connection ended before the file was complete
    };
    Q_ENUM(Failure)

    UpdateClient(const Server& server, const QString& downloadFolder, QObject* parent = nullptr);
    ~UpdateClient() override;

    // Sends a request on a new connection, closing any earlier one. The answer
    // arrives as Received() or Failed().
    void Send(const QByteArray& request);
    // Closes the connection; a download in progress is thrown away.
    void Close();

    // After a 2011 response: prepares the file it announces. Failure values
    // UnsafeName, NoSpace or CannotWrite; Ok otherwise.
    DownloadSink::Status PrepareDownload(const UpdateProtocol::Response& fileResponse);
    // Stops a running download, or one whose request is still unanswered: no more
    // bytes are read and the file is discarded.
    void StopDownload();

    bool IsDownloading() const { return streaming_; }
    qint64 BytesReceived() const { return received_; }
    qint64 FileSize() const { return fileSize_; }
    QString FilePath() const { return sink_->Path(); }

    // A progress bar's range and position for a file of `size` bytes: fine enough
    // for any bar on screen, and coarse enough that most chunks leave the position
    // as it was, which costs a bar nothing.
    static int ProgressRange(qint64 size);
    static int ProgressPosition(qint64 received, qint64 size);

    // For tests: the free-space query of the download folder, and the clock
    // whose time stamps the requests.
    void SetFreeSpaceQuery(DownloadSink::FreeSpaceQuery query);
    static QDateTime Now();

Q_SIGNALS:
    void Received(const UpdateProtocol::Response& response);
    // After every piece of the file written, at most kChunkSize bytes each.
    void ChunkWritten(qint64 received, qint64 fileSize);
    void Downloaded(const QString& path);
    void Failed(UpdateClient::Failure failure, int detail);

private:
    void OnConnected();
    void OnReadyRead();
    void OnDisconnected();
    void OnError();
    void OnTimeout();
    void ReadResponse();
    void CompleteResponse();
    void ReadFile();
    void WriteChunk(const char* data, qint64 size);
    void FinishDownload();
    void Fail(Failure failure, int detail = 0);
    void Reset();
    void DropConnection();

    Server server_;
    QString folder_;
    std::unique_ptr<DownloadSink> sink_;
    QTcpSocket* socket_ = nullptr;
    QTimer silence_;
    QByteArray request_;
    QByteArray response_;
    bool connected_ = false;
    bool awaitingResponse_ = false;
    bool streaming_ = false;
    qint64 fileSize_ = 0;
    qint64 received_ = 0;
    QByteArray chunk_;
};
