// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ScreenFit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

void FitToScreen(QDialog* dialog, QSize available)
{
    auto* top = qobject_cast<QBoxLayout*>(dialog->layout());
    if (top == nullptr || dialog->property("fittedToScreen").toBool())
        return;
    if (available.isEmpty()) {
        const QScreen* screen = dialog->screen();
        if (screen == nullptr)
            return;
        // The window's own frame and title bar take some of the room.
        available = screen->availableGeometry().size() - QSize(16, 48);
    }
    const QSize hint = dialog->sizeHint();
    if (hint.width() <= available.width() && hint.height() <= available.height())
        return;
    dialog->setProperty("fittedToScreen", true);
    const QSize least = dialog->minimumSizeHint();
    if (least.width() <= available.width() && least.height() <= available.height()) {
        dialog->resize(hint.boundedTo(available));
        return;
    }
    if (top->count() < 2)
        return;
    // All but the last row go into a scroll area that takes the dialog's place.
    auto* area = new QScrollArea(dialog);
    area->setObjectName(QStringLiteral("screenFitArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* content = new QWidget(area);
    auto* rows = new QBoxLayout(top->direction(), content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(top->spacing());
    while (top->count() > 1) {
        QLayoutItem* item = top->takeAt(0);
        if (QWidget* widget = item->widget()) {
            delete item;
            rows->addWidget(widget);
        } else if (QLayout* layout = item->layout()) {
            rows->addLayout(layout);
        } else {
            rows->addItem(item);
        }
    }
    area->setWidget(content);
    top->insertWidget(0, area, 1);
    const QSize inner = content->sizeHint();
    const int bar = area->verticalScrollBar()->sizeHint().width();
    const QSize size(std::min(available.width(), inner.width() + bar + top->contentsMargins().left() +
                                                     top->contentsMargins().right()),
                     available.height());
    dialog->resize(size);
    // A window shown this moment takes its first size from the layout once
    // more when it appears; the fitted one follows.
    QTimer::singleShot(0, dialog, [dialog, size] { dialog->resize(size); });
}
