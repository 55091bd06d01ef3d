// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/CSelectDlg.h"

#include "ui_CSelectDlg.h"
#include "LanguageLookup.h"
#include "QuarrinHost.h"
#include "QuarrinSkin.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>

namespace {

// Numbers of the language strings this window shows.
namespace Text {
constexpr int Title = 1002;
constexpr int StringMissing = 1004;
constexpr int Cancel = 1007;
constexpr int Unreachable = 1010;
constexpr int CurrentVersion = 1013;
constexpr int Group = 1015;
constexpr int Close = 1018;
constexpr int DownloadComplete = 1039;
constexpr int ServerBusy = 1040;
constexpr int NoNewerVersion = 1041;
constexpr int ServerError = 1042;
constexpr int FileMissing = 1043;
constexpr int OfferedVersion = 1045;
constexpr int Download = 1048;
constexpr int BadResponse = 3010;
constexpr int UnsafeFileName = 3011;
constexpr int NoDiskSpace = 3012;
constexpr int ServerSilent = 3013;
constexpr int CannotSave = 3014;
constexpr int ConnectionLost = 3015;
constexpr int NotAPackage = 3016;
constexpr int NoServer = 3167;
} // namespace Text

constexpr int kSmallIcon = 514;
constexpr int kMaxTimeoutSeconds = 24 * 60 * 60;
constexpr int kOkPicture = 518;
constexpr int kCancelPicture = 516;
constexpr int kStoppedPicture = 440;
const QColor kWhite(255, 255, 255);
const QColor kMagenta(255, 0, 255);

// Puts a button of the program's into the place of a placeholder from the form.
QPushButton* ReplaceButton(QPushButton* placeholder, int picture)
{
    QWidget* parent = placeholder->parentWidget();
    QPushButton* button = Quarrin::CreateButton(parent, picture, kWhite);
    button->setObjectName(placeholder->objectName());
    // The layout hands back the placeholder's item; it is ours to free.
    delete parent->layout()->replaceWidget(placeholder, button, Qt::FindChildrenRecursively);
    delete placeholder;
    return button;
}

} // namespace

CSelectDlg::CSelectDlg(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::CSelectDlg>())
    , host_(Quarrin::Host())
{
    ui_->setupUi(this);
    okButton_ = ReplaceButton(ui_->button4024, kOkPicture);
    cancelButton_ = ReplaceButton(ui_->button2, kCancelPicture);
    ui_->button4024 = okButton_;
    ui_->button2 = cancelButton_;
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CSelectDlg::OnOnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &CSelectDlg::OnUserStop);
    OnInitDialog();
}

CSelectDlg::~CSelectDlg() = default;

void CSelectDlg::OnInitDialog()
{
    setWindowIcon(Quarrin::Icon(kSmallIcon));
    const QString displayName = host_ ? host_->ProductDisplayName() : QString();
    setWindowTitle(Text(Text::Title) + QStringLiteral(" - ") + displayName);
    ui_->label4033->setEnabled(false);
    ui_->progress4014->setEnabled(false);
    if (host_) {
        productId_ = host_->UpdateProductId();
        versionId_ = host_->UpdateVersionId();
        ui_->label4016->setText(host_->CurrentVersionText());
    }
    ui_->label4028->setText(Text(Text::CurrentVersion));
    ui_->label4029->setText(Text(Text::OfferedVersion));
    okButton_->setText(Text(Text::Download));
    cancelButton_->setText(Text(Text::Cancel));
    ui_->group4027->setTitle(Text(Text::Group));
    ui_->label4033->clear();
    ui_->label4033->setTextFormat(Qt::PlainText);
    QFont bold = font();
    bold.setBold(true);
    for (QWidget* w : {static_cast<QWidget*>(ui_->label4017),
                       static_cast<QWidget*>(ui_->label4016),
                       static_cast<QWidget*>(ui_->group4027)})
        w->setFont(bold);
    // The group's title is bold, its captions are not.
    QFont normal = font();
    normal.setBold(false);
    for (QLabel* label : {ui_->label4028, ui_->label4029})
        label->setFont(normal);

    UpdateClient::Server server;
    QString folder;
    if (host_) {
        const QuarrinHost::UpdateServerSetting setting = host_->UpdateServer();
        server.host = setting.host;
        server.port = setting.port;
        // Seconds as a QTimer's milliseconds: bounded, so that a large setting
        // cannot wrap around to a few milliseconds or to no time-out at all.
        server.timeoutMs = std::clamp(setting.timeoutSeconds, 1, kMaxTimeoutSeconds) * 1000;
        folder = host_->DownloadFolder();
    }
    client_ = std::make_unique<UpdateClient>(server, folder);
    connect(client_.get(), &UpdateClient::Received, this, &CSelectDlg::OnReceive);
    connect(client_.get(), &UpdateClient::ChunkWritten, this, &CSelectDlg::OnChunkWritten);
    connect(client_.get(), &UpdateClient::Downloaded, this, &CSelectDlg::OnDownloaded);
    connect(client_.get(), &UpdateClient::Failed, this, &CSelectDlg::OnFailed);

    // The default names no server at all (a host under .invalid): said so,
    // rather than blamed on the Internet connection.
    if (server.host.isEmpty() || server.host.endsWith(QLatin1String(".invalid"), Qt::CaseInsensitive)) {
        QTimer::singleShot(0, this, [this] {
            Message(Text(Text::NoServer).arg(host_ ? host_->SettingsFile() : QString()));
            EndDialog();
        });
        return;
    }
    client_->Send(UpdateProtocol::EncodeVersionQuery(productId_, versionId_, UpdateClient::Now()));
    updateFlag_ = true;
    noNewerCount_ = 0;
}

int CSelectDlg::OnReceive(const UpdateProtocol::Response& response)
{
    switch (response.resultCode) {
    case 901: case 902: case 903: case 904: case 908: case 909:
        client_->Close();
        Message(Text(Text::ServerError));
        EndDialog();
        return 0;
    case 906:
        client_->Close();
        Message(Text(Text::FileMissing));
        EndDialog();
        return 0;
    case 907:
        client_->Close();
        Message(Text(Text::ServerBusy));
        EndDialog();
        return 0;
    case UpdateProtocol::kNoNewerVersion:
        client_->Close();
        if (updateFlag_) {
            for (QWidget* w : {static_cast<QWidget*>(ui_->label4028),
                               static_cast<QWidget*>(ui_->label4016),
                               static_cast<QWidget*>(ui_->label4029),
                               static_cast<QWidget*>(ui_->label4017)})
                w->setEnabled(false);
            updateFlag_ = false;
        }
        if (++noNewerCount_ == 1) {
            Message(Text(Text::NoNewerVersion));
            EndDialog();
        }
        return 0;
    default:
        break;
    }
    switch (response.responseCode) {
    case UpdateProtocol::kVersionResponse:
        ProtoRversion(response);
        break;
    case UpdateProtocol::kFileResponse:
        ProtoReasydl(response);
        break;
    case UpdateProtocol::kFileData:
        ProtoReasyup(response);
        break;
    default:
        break;
    }
    return 1;
}

int CSelectDlg::ProtoRversion(const UpdateProtocol::Response& response)
{
    offeredVersion_ = response.offeredVersion;
    updateFlag_ = true;
    const QString prefix = host_ ? host_->VersionPrefix() : QString();
    ui_->label4017->setText(UpdateProtocol::OfferedVersionText(prefix, offeredVersion_));
    return 1;
}

void CSelectDlg::OnOnOk()
{
    client_->Close();
    updateFlag_ = true;
    askedForFile_ = true;
    client_->Send(UpdateProtocol::EncodeFileQuery(productId_, offeredVersion_, UpdateClient::Now()));
    okButton_->setEnabled(false);
    ui_->label4033->setEnabled(true);
}

int CSelectDlg::ProtoReasydl(const UpdateProtocol::Response& response)
{
    switch (client_->PrepareDownload(response)) {
    case DownloadSink::Status::Ok:
        break;
    case DownloadSink::Status::UnsafeName:
        Message(Text(Text::UnsafeFileName));
        return 0;
    case DownloadSink::Status::NoSpace:
        Message(Text(Text::NoDiskSpace));
        return 0;
    case DownloadSink::Status::CannotWrite:
        Message(Text(Text::CannotSave));
        return 0;
    }
    fileName_ = response.fileName;
    ui_->progress4014->setRange(0, UpdateClient::ProgressRange(response.fileSize));
    ui_->progress4014->setValue(0);
    ui_->progress4014->setEnabled(true);
    client_->Send(UpdateProtocol::EncodeFileRequest(updateFlag_, fileName_, UpdateClient::Now()));
    return 1;
}

int CSelectDlg::ProtoReasyup(const UpdateProtocol::Response&)
{
    stopFlag_ = false;
    return 1;
}

void CSelectDlg::OnChunkWritten(qint64 received, qint64 fileSize)
{
    ui_->progress4014->setValue(UpdateClient::ProgressPosition(received, fileSize));
    ui_->label4033->setText(QString::asprintf("%s (%4d KByte/%4d KByte)", fileName_.constData(),
                                              static_cast<int>(received / 1024),
                                              static_cast<int>(fileSize / 1024)));
}

void CSelectDlg::OnDownloaded(const QString& path)
{
    if (!host_)
        return;
    // The server names the file and fills it: only a package goes to the
    // installer, anything else stays where it is, shown in its folder.
    if (!DownloadSink::IsInstallablePackage(path)) {
        Message(Text(Text::NotAPackage).arg(QFileInfo(path).fileName()));
        host_->ShowDownloadedFile(path);
        EndDialog();
        return;
    }
    const QString text = Text(Text::DownloadComplete);
    const bool start = host_->AskOkCancel(text, updateFlag_ ? QStringLiteral("Braxlow") : QString());
    if (!start) {
        EndDialog();
        return;
    }
    host_->OpenDownloadedFile(path);
    if (updateFlag_) {
        // The installer replaces the program, so the program makes way.
        EndDialog();
        host_->EndProgram();
    }
}

void CSelectDlg::OnFailed(UpdateClient::Failure failure, int detail)
{
    switch (failure) {
    case UpdateClient::Failure::Unreachable:
        Message(Text(Text::Unreachable));
        // Without even the version there is nothing left to show.
        if (!askedForFile_)
            EndDialog();
        break;
    case UpdateClient::Failure::SocketError:
        Message(QString::number(detail), QStringLiteral("error"));
        break;
    case UpdateClient::Failure::BadResponse:
        Message(Text(Text::BadResponse));
        break;
    case UpdateClient::Failure::UnsafeName:
        Message(Text(Text::UnsafeFileName));
        break;
    case UpdateClient::Failure::NoSpace:
        Message(Text(Text::NoDiskSpace));
        break;
    case UpdateClient::Failure::CannotWrite:
        Message(Text(Text::CannotSave));
        break;
    case UpdateClient::Failure::TimedOut:
        Message(Text(Text::ServerSilent));
        break;
    case UpdateClient::Failure::ConnectionLost:
        Message(Text(Text::ConnectionLost));
        break;
    }
}

void CSelectDlg::OnUserStop()
{
    if (stopFlag_) {
        EndDialog();
        return;
    }
    stopFlag_ = true;
    client_->StopDownload();
    cancelButton_->setText(Text(Text::Close));
    Quarrin::SetButtonPicture(cancelButton_, kStoppedPicture, kMagenta);
}

void CSelectDlg::reject()
{
    // Escape and the window's close button count as Cancel.
    OnUserStop();
}

void CSelectDlg::EndDialog()
{
    client_->Close();
    done(kEndResult);
}

QString CSelectDlg::LoadAStringFromDLL(const QTranslator* module, int id)
{
    if (module == nullptr)
        return QStringLiteral("Error loading resource.");
    const QString text = LookUpLanguageString(module, id);
    if (text.isNull()) {
        const QString missing = LookUpLanguageString(module, Text::StringMissing);
        Message(missing.isNull() ? QStringLiteral("Error loading resource.") : missing);
        return QString();
    }
    return text;
}

QString CSelectDlg::Text(int id)
{
    return LoadAStringFromDLL(host_ ? host_->LanguageModule() : nullptr, id);
}

void CSelectDlg::Message(const QString& text, const QString& caption)
{
    if (host_)
        host_->ShowMessage(text, caption);
}
