// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"
#include "update/UpdateClient.h"
#include "update/UpdateProtocol.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QTranslator;
class QuarrinHost;

namespace Ui {
class CSelectDlg;
}

// The update check and download window: shows the running and the offered
// version, and on OK fetches the update file into the download folder and
// offers to start it. The conversation with the server is UpdateClient's; the
// handlers here decide what the user sees.
class QUARRIN_EXPORT CSelectDlg : public QDialog
{
    Q_OBJECT

public:
    // The dialog's result when it ends on its own (errors, Cancel, done).
    static constexpr int kEndResult = 129;

    // Sends the version query at once; needs the program's host to be registered.
    explicit CSelectDlg(QWidget* parent = nullptr);
    ~CSelectDlg() override;

    // The three response handlers; 1 when the step went on, 0 when it stopped.
    int ProtoRversion(const UpdateProtocol::Response& response);
    int ProtoReasydl(const UpdateProtocol::Response& response);
    int ProtoReasyup(const UpdateProtocol::Response& response);
    // Dispatches one response by its result and response codes.
    int OnReceive(const UpdateProtocol::Response& response);

    // String `id` of `module`; a missing string is reported and gives "", a
    // missing module gives "Error loading resource.".
    QString LoadAStringFromDLL(const QTranslator* module, int id);

    UpdateClient& Client() { return *client_; }

public Q_SLOTS:
    void OnOnOk();
    void OnUserStop();
    void reject() override;

private:
    void OnInitDialog();
    void OnChunkWritten(qint64 received, qint64 fileSize);
    void OnDownloaded(const QString& path);
    void OnFailed(UpdateClient::Failure failure, int detail);
    QString Text(int id);
    void Message(const QString& text, const QString& caption = QString());
    void EndDialog();

    std::unique_ptr<Ui::CSelectDlg> ui_;
    QuarrinHost* host_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    std::unique_ptr<UpdateClient> client_;
    QString productId_;
    QString versionId_;
    QByteArray offeredVersion_;
    QByteArray fileName_;
    bool updateFlag_ = false;
    bool stopFlag_ = false;
    bool askedForFile_ = false;
    int noNewerCount_ = 0;
};
