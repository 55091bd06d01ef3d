// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/MessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>

void PumpOneMessage()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
