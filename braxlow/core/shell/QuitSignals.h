// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C, a closed terminal)
// as a signal on the user-interface thread, so the program can end as it
// does on Enter, hanging up its link, instead of dying with pppd left up.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void quitRequested(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};
