// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/TrayIcon.h"

#include <QImage>
#include <QtEndian>

namespace {

// The icon in the sizes panels draw it at, as ARGB32 in network byte order.
SniImages Pictures(const QIcon& icon)
{
    SniImages images;
    for (int side : {16, 22, 24, 32, 48, 64}) {
        const QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        SniImage picture{image.width(), image.height(), QByteArray()};
        picture.data.resize(image.width() * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(picture.data.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        images << picture;
    }
    return images;
}

} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), item_(QDBusConnection::sessionBus(), this)
{
    connect(&item_, &StatusNotifierItem::activated, this, &TrayIcon::itemClicked);
    connect(&item_, &StatusNotifierItem::contextMenuRequested, this,
            [this](int x, int y) { Q_EMIT menuRequested(x == 0 && y == 0 ? QPoint() : QPoint(x, y)); });
    // A panel for items that starts later takes over from the older tray.
    connect(&item_, &StatusNotifierItem::registeredWithHost, this, [this] {
        if (legacy_)
            legacy_->hide();
    });
}

bool TrayIcon::Available() const
{
    return item_.HostPresent() || QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Show(const QIcon& icon, const QString& tip)
{
    icon_ = icon;
    tip_ = tip;
    shown_ = true;
    item_.SetIcon(Pictures(icon));
    item_.SetToolTip(QStringLiteral("Braxlow"), tip);
    // The item waits for a panel either way; the older tray is only used
    // while no panel for items runs.
    item_.Show();
    if (item_.Registered()) {
        if (legacy_)
            legacy_->hide();
        return;
    }
    if (!legacy_) {
        legacy_ = new QSystemTrayIcon(this);
        connect(legacy_, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
    }
    legacy_->setIcon(icon);
    legacy_->setToolTip(tip);
    legacy_->show();
}

void TrayIcon::Hide()
{
    shown_ = false;
    item_.Hide();
    if (legacy_)
        legacy_->hide();
}

bool TrayIcon::Visible() const
{
    return shown_ && (item_.Registered() || (legacy_ && legacy_->isVisible()));
}

void TrayIcon::SetToolTip(const QString& tip)
{
    tip_ = tip;
    item_.SetToolTip(QStringLiteral("Braxlow"), tip);
    if (legacy_)
        legacy_->setToolTip(tip);
}

void TrayIcon::ShowMessage(const QString& title, const QString& body)
{
    if (legacy_ && legacy_->isVisible())
        legacy_->showMessage(title, body, QSystemTrayIcon::Warning);
}
