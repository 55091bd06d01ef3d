// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuarrinHost.h"

#include <atomic>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QuarrinHost::~QuarrinHost() = default;

bool QuarrinHost::AskOkCancel(const QString& text, const QString& caption)
{
    ShowMessage(text, caption);
    return false;
}

QuarrinHost::UpdateServerSetting QuarrinHost::UpdateServer() const
{
    return UpdateServerSetting();
}

QString QuarrinHost::DownloadFolder() const
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("download"));
}

QString QuarrinHost::SettingsFile() const
{
    return QString();
}

bool QuarrinHost::OpenDownloadedFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QuarrinHost::ShowDownloadedFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

void QuarrinHost::EndProgram()
{
    QCoreApplication::exit(0);
}

namespace {
// Read from the serial watcher thread as well as the UI thread.
std::atomic<QuarrinHost*> g_host{nullptr};
} // namespace

namespace Quarrin {

void RegisterHost(QuarrinHost* host)
{
    g_host.store(host);
}

QuarrinHost* Host()
{
    return g_host.load();
}

} // namespace Quarrin
