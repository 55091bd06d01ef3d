// SPDX-License-Identifier: GPL-3.0-or-later
//
// braxlow-update-server: the update server Braxlow asks for new versions. It
// offers one version and one file from a folder; switches make it answer the
// ways a troubled server would, for testing the client.

#include "update/UpdateProtocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

struct Options
{
    QString folder;
    QByteArray version;
    QString file;           // the file served; empty: the newest in the folder
    int result = 0;         // answer every request with this result code
    QByteArray offerName;   // announce this name instead of the file's
    qint64 announceSize = -1;
    qint64 stallAfter = -1; // stop sending after this many file bytes
    bool withHeader = false; // the first file bytes go out with the 2012 header
    int delayMs = 0;         // wait this long before each answer
};

constexpr qint64 kBlock = 256 * 1024;

// Written into every header's length field when set, as some servers do.
int g_lengthField = -1;

QByteArray Header(int length, int code, int result)
{
    if (g_lengthField >= 0)
        length = g_lengthField;
    return QByteArray::number(length).rightJustified(4, '0') + QByteArray::number(code) +
           UpdateProtocol::EncodeHeaderTail(QDateTime::currentDateTime()).left(34) +
           QByteArray::number(result).rightJustified(3, '0') + QByteArray(15, ' ');
}

QByteArray Field(const QByteArray& text, int size)
{
    QByteArray out = text.left(size);
    out.append(QByteArray(size - out.size(), '\0'));
    return out;
}

QString NewestFile(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    return files.isEmpty() ? QString() : files.first().fileName();
}

// One request and its answer on one connection.
class Conversation : public QObject
{
public:
    Conversation(QTcpSocket* socket, const Options& options)
        : socket_(socket)
        , options_(options)
    {
        socket_->setParent(this);
        connect(socket_, &QTcpSocket::readyRead, this, &Conversation::OnReadyRead);
        connect(socket_, &QTcpSocket::bytesWritten, this, &Conversation::SendMore);
        connect(socket_, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    void OnReadyRead()
    {
        request_ += socket_->readAll();
        if (answered_ || request_.size() < 8)
            return;
        const int code = request_.mid(4, 4).toInt();
        const int needed = code == UpdateProtocol::kFileRequest ? 115 : 82;
        if (request_.size() < needed)
            return;
        answered_ = true;
        std::printf("request %s\n", request_.left(needed).toHex().constData());
        std::fflush(stdout);
        if (options_.delayMs > 0)
            QTimer::singleShot(options_.delayMs, this, [this, code] { Answer(code); });
        else
            Answer(code);
    }

    void Answer(int code)
    {
        if (options_.result != 0) {
            Finish(Header(60, code + 1000, options_.result));
            return;
        }
        const QString fileName = options_.file.isEmpty() ? NewestFile(options_.folder) : options_.file;
        const QFileInfo info(QDir(options_.folder).filePath(fileName));
        switch (code) {
        case UpdateProtocol::kVersionQuery:
            Finish(Header(71, UpdateProtocol::kVersionResponse, 0) + Field(options_.version, 10) + '\n');
            return;
        case UpdateProtocol::kFileQuery: {
            if (!info.isFile()) {
                Finish(Header(60, UpdateProtocol::kFileResponse, 906));
                return;
            }
            const QByteArray name = options_.offerName.isNull() ? fileName.toLatin1() : options_.offerName;
            const qint64 size = options_.announceSize >= 0 ? options_.announceSize : info.size();
            Finish(Header(111, UpdateProtocol::kFileResponse, 0) + Field(name, 40) +
                   QByteArray::number(size).rightJustified(10, '0') + '\n');
            return;
        }
        case UpdateProtocol::kFileRequest: {
            const QByteArray field = request_.mid(61, 40);
            const QByteArray asked = field.left(field.indexOf('\0') < 0 ? 40 : field.indexOf('\0'));
            // A hostile name is only ever announced; the file sent is the real one.
            const bool known = asked == fileName.toLatin1() ||
                               (!options_.offerName.isNull() && asked == options_.offerName);
            file_ = std::make_unique<QFile>(info.filePath());
            if (!known || !file_->open(QIODevice::ReadOnly)) {
                Finish(Header(60, UpdateProtocol::kFileData, 906));
                return;
            }
            QByteArray first = Header(60, UpdateProtocol::kFileData, 0);
            if (options_.withHeader)
                first += ReadFile(1000);
            socket_->write(first);
            sending_ = true;
            return;
        }
        default:
            Finish(Header(60, code + 1000, 909));
        }
    }

    QByteArray ReadFile(qint64 most)
    {
        if (options_.stallAfter >= 0)
            most = qMin(most, options_.stallAfter - sent_);
        const QByteArray block = file_->read(qMax<qint64>(most, 0));
        sent_ += block.size();
        return block;
    }

    void SendMore()
    {
        if (!sending_ || socket_->bytesToWrite() > kBlock)
            return;
        const QByteArray block = ReadFile(kBlock);
        if (!block.isEmpty()) {
            socket_->write(block);
            return;
        }
        if (options_.stallAfter >= 0 && sent_ >= options_.stallAfter)
            return; // keep the connection open and say nothing more
        sending_ = false;
        socket_->disconnectFromHost();
    }

    void Finish(const QByteArray& response)
    {
        socket_->write(response);
        socket_->disconnectFromHost();
    }

    QTcpSocket* socket_;
    const Options& options_;
    QByteArray request_;
    bool answered_ = false;
    bool sending_ = false;
    std::unique_ptr<QFile> file_;
    qint64 sent_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("braxlow-update-server"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Offers one version of Braxlow and its update file to Braxlow's update client."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
        QStringLiteral("TCP port to listen on; 0 picks a free one (default 9999)."),
        QStringLiteral("port"), QStringLiteral("9999"));
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral("Address to listen on (default 127.0.0.1)."), QStringLiteral("address"),
        QStringLiteral("127.0.0.1"));
    const QCommandLineOption folder(QStringLiteral("folder"),
        QStringLiteral("Folder holding the update file (default: current folder)."),
        QStringLiteral("folder"), QStringLiteral("."));
    const QCommandLineOption version(QStringLiteral("version"),
        QStringLiteral("The version offered, such as 03FH2 (up to 10 characters)."),
        QStringLiteral("id"), QStringLiteral("03FH1"));
    const QCommandLineOption file(QStringLiteral("file"),
        QStringLiteral("The file served (default: the newest file in the folder)."),
        QStringLiteral("name"));
    const QCommandLineOption result(QStringLiteral("result"),
        QStringLiteral("Answer every request with this result code (901 to 909)."),
        QStringLiteral("code"));
    const QCommandLineOption offerName(QStringLiteral("offer-name"),
        QStringLiteral("Announce this file name instead of the real one."), QStringLiteral("name"));
    const QCommandLineOption announceSize(QStringLiteral("announce-size"),
        QStringLiteral("Announce this file size instead of the real one."), QStringLiteral("bytes"));
    const QCommandLineOption stallAfter(QStringLiteral("stall-after"),
        QStringLiteral("Stop sending after this many bytes of the file, keeping the connection."),
        QStringLiteral("bytes"));
    const QCommandLineOption withHeader(QStringLiteral("with-header"),
        QStringLiteral("Send the first file bytes in the same write as the 2012 response."));
    const QCommandLineOption lengthField(QStringLiteral("length-field"),
        QStringLiteral("Write this number into the length field of every response, as some servers do."),
        QStringLiteral("number"));
    const QCommandLineOption delay(QStringLiteral("delay"),
        QStringLiteral("Wait this many milliseconds before each answer."), QStringLiteral("ms"));
    parser.addOptions({port, listen, folder, version, file, result, offerName, announceSize,
                       stallAfter, withHeader, lengthField, delay});
    parser.process(app);

    Options options;
    options.folder = parser.value(folder);
    options.version = parser.value(version).toLatin1();
    options.file = parser.value(file);
    options.withHeader = parser.isSet(withHeader);
    if (parser.isSet(lengthField))
        g_lengthField = qBound(0, parser.value(lengthField).toInt(), 9999);
    if (parser.isSet(delay))
        options.delayMs = qMax(0, parser.value(delay).toInt());
    if (parser.isSet(result)) {
        options.result = parser.value(result).toInt();
        if (options.result < 901 || options.result > 909) {
            std::fprintf(stderr, "--result takes a code from 901 to 909\n");
            return 2;
        }
    }
    if (parser.isSet(offerName))
        options.offerName = parser.value(offerName).toLatin1();
    if (parser.isSet(announceSize))
        options.announceSize = parser.value(announceSize).toLongLong();
    if (parser.isSet(stallAfter))
        options.stallAfter = parser.value(stallAfter).toLongLong();

    QTcpServer server;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            new Conversation(socket, options);
    });
    if (!server.listen(QHostAddress(parser.value(listen)),
                       static_cast<quint16>(parser.value(port).toUInt()))) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    std::printf("port %u\n", static_cast<unsigned>(server.serverPort()));
    std::fflush(stdout);
    return app.exec();
}
