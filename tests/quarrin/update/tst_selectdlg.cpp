// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuarrinHost.h"
#include "core/settings/LanguageLoader.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/ProductInfo.h"
#include "core/settings/StringIds.h"
#include "gui/widgets/SkinButton.h"
#include "support/TestSupport.h"
#include "update/CSelectDlg.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

// The program's side as the dialog sees it, with every outcome recorded.
class RecordingHost : public QuarrinHost
{
public:
    RecordingHost()
        : module_(LanguageLoader::LoadModule(TestSupport::ProgramDirectory() +
                                             QStringLiteral("/Lang/LANG0409.qm")))
        , product_(ProductTexts::From(ProductRecord::Braxlow()))
    {
        Quarrin::RegisterHost(this);
    }
    ~RecordingHost() override { Quarrin::RegisterHost(nullptr); }

    const QTranslator* LanguageModule() const override { return module_.get(); }
    int CablePort() const override { return 0; }
    PortMap& SerialPorts() override { return *static_cast<PortMap*>(nullptr); }
    QString UpdateProductId() const override { return product_.UpdateProductId; }
    QString UpdateVersionId() const override { return product_.UpdateVersionId; }
    QString ProductDisplayName() const override { return product_.ProductDisplayName; }
    QString VersionPrefix() const override { return product_.VersionPrefix; }
    QString CurrentVersionText() const override { return product_.CurrentVersionText; }
    void ShowMessage(const QString& text, const QString&) override { messages << text; }
    bool AskOkCancel(const QString& text, const QString&) override
    {
        messages << text;
        return startInstaller;
    }
    UpdateServerSetting UpdateServer() const override
    {
        UpdateServerSetting s;
        if (!noServer)
            s.host = QStringLiteral("127.0.0.1");
        s.port = port;
        s.timeoutSeconds = timeoutSeconds;
        return s;
    }
    QString DownloadFolder() const override { return root.filePath(QStringLiteral("download")); }
    QString SettingsFile() const override { return QStringLiteral("/home/u/.config/KORVANE/Korvane Tessaly II.reg"); }
    bool OpenDownloadedFile(const QString& path) override
    {
        opened << path;
        return true;
    }
    bool ShowDownloadedFile(const QString& path) override
    {
        shown << path;
        return true;
    }
    void EndProgram() override { ++programEnds; }

    QString Text(int id) const { return LoadLanguageString(module_.get(), id); }

    QTemporaryDir root;
    quint16 port = 0;
    bool noServer = false; // the default host, which names nobody
    int timeoutSeconds = 1;
    bool startInstaller = true;
    QStringList messages;
    QStringList opened;
    QStringList shown;
    int programEnds = 0;

private:
    std::unique_ptr<QTranslator> module_;
    ProductTexts product_;
};

// braxlow-update-server on a free loopback port, serving one file.
class Server
{
public:
    Server(const QString& folder, const QStringList& switches)
    {
        process_.setProgram(QStringLiteral(BRAXLOW_PROGRAM_DIR "/braxlow-update-server"));
        process_.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                          QStringLiteral("--folder"), folder} +
                              switches);
        process_.start();
        process_.waitForReadyRead(10000);
        const QByteArray line = process_.readLine().trimmed();
        if (line.startsWith("port "))
            port = static_cast<quint16>(line.mid(5).toUInt());
    }
    ~Server()
    {
        process_.kill();
        process_.waitForFinished();
    }
    // The requests received so far, as sent.
    QList<QByteArray> Requests()
    {
        while (process_.canReadLine() || process_.waitForReadyRead(0)) {
            const QByteArray line = process_.readLine().trimmed();
            if (line.startsWith("request "))
                requests_ << QByteArray::fromHex(line.mid(8));
        }
        return requests_;
    }

    quint16 port = 0;

private:
    QProcess process_;
    QList<QByteArray> requests_;
};

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(QRandomGenerator::global()->generate());
    return bytes;
}

QStringList FilesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    return files;
}

constexpr int kWait = 10000;

} // namespace

class TestSelectDlg : public QObject
{
    Q_OBJECT

public:
    static void initMain() { TestSupport::IsolateUserDirectories(); }

private Q_SLOTS:
    void initTestCase()
    {
        LendSkinToQuarrin();
        QVERIFY(files_.isValid());
        QFile file(files_.filePath(kFileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A Debian package as far as its first bytes tell.
        content_ = QByteArray("!<arch>\ndebian-binary   ") + RandomBytes(100 * 1024 + 99);
        file.write(content_);
        for (const auto& [name, bytes] : {std::pair{"run.desktop", QByteArray("[Desktop Entry]\nExec=sh -c id\n")},
                                          std::pair{"fake.deb", QByteArray("#!/bin/sh\nid\n")}}) {
            QFile other(files_.filePath(QLatin1String(name)));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write(bytes);
            // Older than the package: the server offers the newest file of
            // its folder, and these are asked for by name only.
            QVERIFY(other.flush() && other.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
    }

    void init() { host_ = std::make_unique<RecordingHost>(); }
    void cleanup() { host_.reset(); }

    void checksAndDownloadsByteIdentical_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::newRow("apart") << QStringList();
        QTest::newRow("with the 2012 response") << QStringList{QStringLiteral("--with-header")};
        // Servers that write one number into every header: the codes tell the sizes.
        QTest::newRow("length field 0082") << QStringList{QStringLiteral("--length-field"), QStringLiteral("82")};
        QTest::newRow("length field 2048, file with the header")
            << QStringList{QStringLiteral("--length-field"), QStringLiteral("2048"), QStringLiteral("--with-header")};
    }
    void checksAndDownloadsByteIdentical()
    {
        QFETCH(QStringList, switches);
        Server server(files_.path(), switches);
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("label4016"))->text(),
                 QStringLiteral("Korvane Tessaly II Braxlow 1.0.0.3 FH1"));
        QTRY_COMPARE_WITH_TIMEOUT(dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text(),
                                  QStringLiteral("Korvane Tessaly II Braxlow 1.0.0.3 FH1"), kWait);
        QCOMPARE(dlg.windowTitle(), host_->Text(Str::UpdateTitle) +
                                        QStringLiteral(" - Korvane Tessaly II Braxlow"));

        auto* ok = dlg.findChild<SkinButton*>(QStringLiteral("button4024"));
        QVERIFY(ok);
        QCOMPARE(ok->Bitmap(), 518);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!ok->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(host_->opened.size(), 1, kWait);

        const QString path = host_->DownloadFolder() + QLatin1Char('/') + kFileName;
        QCOMPARE(host_->opened.first(), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content_);
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::DownloadComplete)});
        QCOMPARE(host_->programEnds, 1);
        QCOMPARE(dlg.result(), CSelectDlg::kEndResult);
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("label4033"))->text(),
                 kFileName + QStringLiteral(" ( 100 KByte/ 100 KByte)"));
        auto* bar = dlg.findChild<QProgressBar*>(QStringLiteral("progress4014"));
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(bar->maximum(), 10000);

        const QList<QByteArray> requests = server.Requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0].size(), 82);
        QCOMPARE(requests[0].left(8), QByteArray("00821001"));
        QCOMPARE(requests[0].mid(22), QByteArray("Tavrin    Qelmor    000") + QByteArray(15, ' ') +
                                          QByteArray("1KTS2BX10\0\0" "03FH1\0\0\0\0\0\n", 22));
        QCOMPARE(requests[1].left(8), QByteArray("00821011"));
        QCOMPARE(requests[1].mid(71, 10), QByteArray("03FH1\0\0\0\0\0", 10));
        QCOMPARE(requests[2].size(), 115);
        QCOMPARE(requests[2].left(8), QByteArray("01141012"));
        QCOMPARE(requests[2].right(1), QByteArray(1, '\0'));
    }

    // The server chooses the file's name and content: only a package goes to
    // the installer; anything else is shown in its folder, and the program stays.
    void onlyPackagesAreOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("launcher") << QStringLiteral("run.desktop");
        QTest::newRow("script named .deb") << QStringLiteral("fake.deb");
    }
    void onlyPackagesAreOpened()
    {
        QFETCH(QString, name);
        Server server(files_.path(), {QStringLiteral("--file"), name});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), kWait);
        const QString path = host_->DownloadFolder() + QLatin1Char('/') + name;
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(host_->opened, QStringList());
        QCOMPARE(host_->shown, QStringList{path});
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::UpdateNotAPackage).arg(name)});
        QCOMPARE(host_->programEnds, 0);
    }

    void serverErrorsAreExplained()
    {
        const QList<QPair<int, int>> codes = {{901, Str::UpdateServerError}, {906, Str::UpdateFileMissing},
                                              {907, Str::UpdateServerBusy}, {909, Str::UpdateServerError}};
        for (const auto& [code, text] : codes) {
            host_->messages.clear();
            Server server(files_.path(), {QStringLiteral("--result"), QString::number(code)});
            host_->port = server.port;
            CSelectDlg dlg(nullptr);
            dlg.show();
            QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), kWait);
            QCOMPARE(host_->messages, QStringList{host_->Text(text)});
        }
    }

    void noNewerVersionIsToldOnce()
    {
        Server server(files_.path(), {QStringLiteral("--result"), QStringLiteral("905")});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        QSignalSpy received(&dlg.Client(), &UpdateClient::Received);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), kWait);
        QVERIFY(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->isEnabled());
        dlg.OnOnOk();
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, kWait);
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::NoNewerVersion)});
    }

    void unreachableServerEndsTheDialog()
    {
        host_->port = Server(files_.path(), {}).port; // free again once the server is gone
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), kWait);
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::UpdateServerUnreachable)});

        // No server set at all: said so, and where one is set.
        host_->messages.clear();
        host_->noServer = true;
        CSelectDlg none(nullptr);
        none.show();
        QTRY_VERIFY_WITH_TIMEOUT(!none.isVisible(), kWait);
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::NoUpdateServer).arg(host_->SettingsFile())});
    }

    void firstCancelStopsSecondCloses()
    {
        Server server(files_.path(), {QStringLiteral("--stall-after"), QStringLiteral("30000")});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        auto* cancel = dlg.findChild<SkinButton*>(QStringLiteral("button2"));
        QCOMPARE(cancel->Bitmap(), 516);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk();
        auto* bar = dlg.findChild<QProgressBar*>(QStringLiteral("progress4014"));
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, kWait);

        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.Client().IsDownloading());
        QCOMPARE(cancel->text(), host_->Text(Str::Close));
        QCOMPARE(cancel->Bitmap(), 440);
        QCOMPARE(FilesUnder(host_->root.path()), QStringList());

        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), CSelectDlg::kEndResult);
        QCOMPARE(host_->messages, QStringList());
    }

    void cancelBeforeTheFileArrivesDownloadsNothing()
    {
        Server server(files_.path(), {});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk(); // the request is on its way, its answer not read yet
        QTest::mouseClick(dlg.findChild<SkinButton*>(QStringLiteral("button2")), Qt::LeftButton);
        QTest::qWait(1000);
        QVERIFY(dlg.isVisible());
        QCOMPARE(host_->messages, QStringList());
        QCOMPARE(FilesUnder(host_->root.path()), QStringList());
    }

    void fileEndsAtItsAnnouncedSize()
    {
        qint64 landed = -1;
        DownloadAnnouncing("3000", landed);
        QCOMPARE(landed, 3000);
    }

    void emptyAnnouncedFileStopsAfterTheFirstChunk()
    {
        qint64 landed = -1;
        DownloadAnnouncing("0", landed);
        QCOMPARE(host_->messages, QStringList{host_->Text(Str::DownloadComplete)});
        QVERIFY(landed > 0 && landed <= 2048);
        QCOMPARE(host_->opened, QStringList());
    }

    void unsafeFileNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"../../x", "/etc/passwd", "..", "a/b"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void unsafeFileNamesAreRefused()
    {
        QFETCH(QString, name);
        Server server(files_.path(), {QStringLiteral("--offer-name"), name});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk();
        QTRY_COMPARE_WITH_TIMEOUT(host_->messages, QStringList{host_->Text(Str::UpdateUnsafeFileName)}, kWait);
        QCOMPARE(server.Requests().size(), 2);
        QCOMPARE(FilesUnder(host_->root.path()), QStringList());
    }

    // A time-out of more seconds than a millisecond count holds is no time-out
    // of a few milliseconds (nor none at all).
    void hugeTimeoutStillWaitsForASlowServer()
    {
        Server server(files_.path(), {QStringLiteral("--delay"), QStringLiteral("1500")});
        host_->port = server.port;
        host_->timeoutSeconds = 4294968; // times 1000 wraps to 704 ms
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_COMPARE_WITH_TIMEOUT(dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text(),
                                  QStringLiteral("Korvane Tessaly II Braxlow 1.0.0.3 FH1"), kWait);
        QCOMPARE(host_->messages, QStringList());
    }

    void silentServerEndsWithAMessageAndNoFile()
    {
        Server server(files_.path(), {QStringLiteral("--stall-after"), QStringLiteral("4096")});
        host_->port = server.port;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk();
        QTRY_COMPARE_WITH_TIMEOUT(host_->messages, QStringList{host_->Text(Str::UpdateServerSilent)}, kWait);
        QVERIFY(dlg.isVisible());
        QCOMPARE(FilesUnder(host_->root.path()), QStringList());
    }

private:
    // A whole download from a server that announces `size` bytes, the installer
    // not started: the size of the file that lands.
    void DownloadAnnouncing(const char* size, qint64& landed)
    {
        Server server(files_.path(), {QStringLiteral("--announce-size"), QLatin1String(size)});
        host_->port = server.port;
        host_->startInstaller = false;
        CSelectDlg dlg(nullptr);
        dlg.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.findChild<QLabel*>(QStringLiteral("label4017"))->text().isEmpty(), kWait);
        dlg.OnOnOk();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), kWait);
        landed = QFileInfo(host_->DownloadFolder() + QLatin1Char('/') + kFileName).size();
    }

    const QString kFileName = QStringLiteral("braxlow-1.0.0.4.deb");
    QTemporaryDir files_;
    QByteArray content_;
    std::unique_ptr<RecordingHost> host_;
};

QTEST_MAIN(TestSelectDlg)
#include "tst_selectdlg.moc"
