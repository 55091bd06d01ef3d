// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialup/CRasDialer.h"
#include "core/shell/BraxlowApp.h"
#include "phonelink/CIrDASock.h"
#include "support/FakeSysfs.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <memory>

// A machine for the setup dialog: the program's settings and port map over a
// fake device tree, English texts, and a phone book holding the dial-up entry.
//
//   COM1, COM2   phones added by hand (explicit entries over plain files)
//   COM3..COM5   a three-port USB stick whose ports udev tells apart
//   COM6         a plain USB-serial cable (not a modem)
//   COM7         the maker's phone on USB (CDC ACM)
//   COM10        the maker's phone added by hand
struct SetupMachine
{
    SetupMachine();

    PortMap& Ports() { return app->SerialPorts(); }
    AppSettings& Settings() { return app->Settings(); }
    // The modem the dial-up entry is pointed at.
    QString EntryDevice();
    // A phone on a USB cable that is plugged in now, as the next ttyACM.
    void PlugPhone(const QString& tty);

    FakeSysfs sys;
    QTemporaryDir dir;
    RecordingPrompter prompter;
    std::unique_ptr<BraxlowApp> app;
    std::unique_ptr<CRasDialer> dialer;
    CIrDASock irda;
};
