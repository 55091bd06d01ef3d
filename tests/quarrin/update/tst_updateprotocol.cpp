// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestSupport.h"
#include "update/DownloadSink.h"
#include "update/UpdateProtocol.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace UpdateProtocol;

namespace {

const QDateTime kWhen(QDate(2024, 3, 7), QTime(9, 5, 2));
const QByteArray kHeaderTail = QByteArray("20240307" "090502" "Tavrin    " "Qelmor    " "000") +
                               QByteArray(15, ' ');

QByteArray Reply(const char* lengthAndCode, const char* result, const QByteArray& body)
{
    return QByteArray(lengthAndCode) + kHeaderTail.left(34) + result + QByteArray(15, ' ') + body;
}

} // namespace

class TestUpdateProtocol : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void requestsAreByteExact()
    {
        const QByteArray version = EncodeVersionQuery(QStringLiteral("KTS2BX10"),
                                                      QStringLiteral("03FH1"), kWhen);
        QCOMPARE(version, QByteArray("00821001") + kHeaderTail +
                              QByteArray("1KTS2BX10\0\0" "03FH1\0\0\0\0\0\n", 22));

        const QByteArray offered("03FH2\0\0\0\0\0", 10);
        QCOMPARE(EncodeFileQuery(QStringLiteral("KTS2BX10"), offered, kWhen),
                 QByteArray("00821011") + kHeaderTail +
                     QByteArray("1KTS2BX10\0\0" "03FH2\0\0\0\0\0\n", 22));

        const QByteArray file = EncodeFileRequest(true, "braxlow.deb", kWhen);
        QCOMPARE(file.size(), 115);
        QCOMPARE(file.left(8), QByteArray("01141012"));
        QCOMPARE(file.mid(8, 52), kHeaderTail);
        QCOMPARE(file.mid(60, 41), QByteArray("1braxlow.deb") + QByteArray(29, '\0'));
        QCOMPARE(file.mid(101), QByteArray("000000000001\n\0", 14));
        QCOMPARE(EncodeFileRequest(false, "x", kWhen).at(60), '2');
        // Over-long fields are cut to their width, never spill into the next one.
        QCOMPARE(EncodeVersionQuery(QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("1"), kWhen)
                     .mid(61, 11),
                 QByteArray("ABCDEFGHIJ1"));
    }

    void responsesAreReadWithinTheirBounds()
    {
        const auto version = ParseResponse(Reply("00712001", "000", QByteArray("03FH1\0\0\0\0\0\n", 11)));
        QVERIFY(version);
        QCOMPARE(version->responseCode, 2001);
        QCOMPARE(version->offeredVersion, QByteArray("03FH1\0\0\0\0\0", 10));
        QCOMPARE(OfferedVersionText(QStringLiteral("Braxlow 1.0."), version->offeredVersion),
                 QStringLiteral("Braxlow 1.0.0.3 FH1"));

        const QByteArray name = QByteArray("new.deb") + QByteArray(33, '\0');
        const auto file = ParseResponse(Reply("01112011", "000", name + "0000004096\n"));
        QVERIFY(file);
        QCOMPARE(file->fileName, QByteArray("new.deb"));
        QCOMPARE(file->fileSize, 4096);

        const auto error = ParseResponse(Reply("00602011", "905", QByteArray()));
        QVERIFY(error);
        QCOMPARE(error->resultCode, 905);

        // Too short for the fields its code needs: an error, not a read past the end.
        QVERIFY(!ParseResponse(QByteArray("0071200")));
        QVERIFY(!ParseResponse(Reply("00712001", "000", "03FH")));
        QVERIFY(!ParseResponse(Reply("01112011", "000", name + "00040")));
        QVERIFY(!ParseResponse(Reply("01112011", "000", name + "00004x96\n")));
        // Bytes hidden after the end of the name would be cut off unseen.
        QVERIFY(!ParseResponse(Reply("01112011", "000",
                                        QByteArray("a\0../x", 6) + QByteArray(34, '\0') +
                                            "0000000001\n")));

        // Where the 2012 response ends and file content begins.
        QCOMPARE(ResponseLength(QByteArray("00602012") + QByteArray(100, 'x')), 60);
        QCOMPARE(ResponseLength(QByteArray("99992012")), kChunkSize);
        QCOMPARE(ResponseLength(QByteArray("ab")), kChunkSize);
        // Each code has its own size, whatever the length field says.
        QCOMPARE(ResponseLength(Reply("00822001", "000", QByteArray(30, 'x'))), 70);
        QCOMPARE(ResponseLength(Reply("00822011", "000", QByteArray())), 110);
        QCOMPARE(ResponseLength(Reply("00822012", "000", QByteArray(30, 'x'))), 60);
        QCOMPARE(ResponseLength(Reply("01102011", "906", QByteArray())), 60);
    }

    void onlyPlainFileNamesAreAccepted()
    {
        for (const QByteArray& bad :
             {QByteArray("../../x"), QByteArray("/etc/passwd"), QByteArray(".."), QByteArray("."),
              QByteArray("a/b"), QByteArray("a\\b"), QByteArray("a\0b", 3), QByteArray("a\nb"),
              QByteArray(), QByteArray(41, 'a')})
            QVERIFY2(!IsPlainFileName(bad), bad.constData());
        QVERIFY(IsPlainFileName("braxlow-1.0.0.4.deb"));
        QVERIFY(IsPlainFileName(QByteArray(40, 'a')));
    }

    void sinkWritesUnderATemporaryNameUntilFinished()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("download"));
        const QString path = folder + QStringLiteral("/up.deb");
        DownloadSink sink(folder, [](const QString&) { return qint64(1000); });

        QCOMPARE(sink.Open("../up.deb", 10), DownloadSink::Status::UnsafeName);
        QCOMPARE(sink.Open("up.deb", 1001), DownloadSink::Status::NoSpace);
        QVERIFY(!QFile::exists(path));

        // An interrupted download leaves neither the final name nor a stray file.
        QCOMPARE(sink.Open("up.deb", 6), DownloadSink::Status::Ok);
        QVERIFY(sink.Write("abc", 3));
        QVERIFY(!QFile::exists(path));
        sink.Discard();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());

        // A finished one replaces an older file of the same name.
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("older contents");
        old.close();
        QCOMPARE(sink.Open("up.deb", 6), DownloadSink::Status::Ok);
        QVERIFY(sink.Write("abcdef", 6));
        QVERIFY(sink.Finish());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("abcdef"));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUpdateProtocol)
#include "tst_updateprotocol.moc"
