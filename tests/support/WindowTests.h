// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the window tests (and benchmarks) that link the windows: answering a
// modal window as it opens, and a help viewer that opens nothing.

#include "core/settings/LanguageLoader.h"

#include <QApplication>
#include <QTimer>

#include <functional>

namespace TestSupport {

class NoHelp : public DocumentOpener
{
public:
    bool Open(const QString&) override { return true; }
};

// Runs `answer` on the first modal window of that class, once it is the one
// the user faces.
template <typename Dialog>
void WhenModal(QObject* context, std::function<void(Dialog*)> answer)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

} // namespace TestSupport
