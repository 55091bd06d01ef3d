// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/SerialDevices.h"

#include <QList>
#include <QString>

class AppSettings;
class CIrDASock;
class CRasDialer;
class PortMap;
struct ModemPort;

// One row of the setup dialog's modem list: a modem the system knows, on a
// serial port that exists now.
struct SetupRow
{
    QString modemName; // " IrDA" stands for the infrared link
    QString port;      // "COM3"
    QString device;    // the node behind the port, "/dev/ttyACM0"
    SerialDevice::PortRole role = SerialDevice::PortRole::Unknown;

    bool SameAs(const SetupRow& o) const
    {
        return modemName == o.modemName && port == o.port && device == o.device && role == o.role;
    }
};

// A serial port that no one has called a modem: the phone may still be on it
// (a plain USB-serial cable), so the user may mark it as the phone.
struct PlainPort
{
    int number = 0;
    QString device;
    QString model;
    SerialDevice::PortRole role = SerialDevice::PortRole::Unknown;
};

// What the setup dialog decides: its rows, which one opens selected, what a
// click means, what OK stores, and how a modem the system does not know is
// added. The dialog only shows and forwards.
class SetupModel
{
public:
    static const QString kInfraredRow; // " IrDA"
    static const QString kEntryName;   // the dial-up entry pointed at the modem

    enum class Click { Left, Right, LeftDouble, RightDouble };
    struct ClickResult
    {
        int current = 0;     // the row to show selected
        bool accept = false; // carry out OK at once
    };
    struct Choice
    {
        int port = 0;
        int irPort = 0;
        QString modemName;
    };

    SetupModel(AppSettings& settings, PortMap& ports);

    // The modems on ports that exist now, in the system's order; a port the
    // serial list names twice gives two rows.
    QList<SetupRow> Rows() const;
    // The row's name as the list shows it: udev's maker before the model,
    // where the model does not say it already.
    QString DisplayName(const SetupRow& row) const;
    static QList<SetupRow> JoinRows(const QList<ModemPort>& modems, const QStringList& serialPorts);

    // The row that opens selected: the stored cable port's, or the infrared
    // row when an infrared port is stored; row 0 when there is no such row.
    static int StoredRow(const QList<SetupRow>& rows, int port, int irPort);
    // `hitRow` is -1 for a click beside the rows.
    static ClickResult Clicked(Click click, int hitRow, int current);

    // Stores the row's port (or the infrared port the search finds) and points
    // the dial-up entry at the row's modem.
    Choice Accept(const SetupRow& row, CIrDASock& irda, CRasDialer& dialer);

    // Ports present now that are not modems.
    QList<PlainPort> PlainPorts() const;
    // The number the add dialog proposes: the lowest one free from COM3.
    int FreeNumber() const;
    // Makes `device` the phone: a port the scan found is marked and keeps its
    // number; any other terminal device is mapped under `number`. The COM
    // number it is on, or -1 with `problem` set to a text for the user.
    int AddModem(int number, const QString& device, QString& problem);

    // The language string that names a port role; 0 for none.
    static int RoleText(SerialDevice::PortRole role);

private:
    QString Text(int id) const;

    AppSettings& settings_;
    PortMap& ports_;
};
