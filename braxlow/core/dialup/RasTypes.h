// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/IpAddr.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The shapes of the dial-up service that the connect logic is written against,
// with the numbers it tests.
namespace Ras {

// Entry options (dwfOptions).
constexpr quint32 kSpecificIpAddr = 0x00000002;
constexpr quint32 kSpecificNameServers = 0x00000004;
constexpr quint32 kRemoteDefaultGateway = 0x00000010;
constexpr quint32 kModemLights = 0x00000100;

constexpr quint32 kNetProtocolIp = 4;
constexpr quint32 kFramingPpp = 1;

// Results.
constexpr int kSuccess = 0;
constexpr int kInvalidParameter = 87;
constexpr int kAlreadyExists = 183;
constexpr int kCannotFindEntry = 623;
constexpr int kCannotFindEntryInBook = 755;
constexpr int kNoErrorCode = 756;
constexpr int kCannotOpenPhoneBook = 621;
constexpr int kPortNotAvailable = 633;
constexpr int kPortAlreadyOpen = 602;
constexpr int kPortDisconnected = 619;
constexpr int kRemoteDisconnection = 628;
constexpr int kLineBusy = 676;
constexpr int kNoAnswer = 678;
constexpr int kNoCarrier = 679;
constexpr int kNoDialtone = 680;
constexpr int kAuthenticationFailure = 691;
constexpr int kHardwareFailure = 692;
constexpr int kServiceCannotStart = 711;
constexpr int kPppTimeout = 718;
constexpr int kPppLcpTerminated = 734;
constexpr int kNoPermission = 5;
// Braxlow's own, for what pppd can say and the service had no code for.
constexpr int kPppFatalError = 880;
constexpr int kPppOptionError = 881;
constexpr int kPppInitScriptFailed = 882;
constexpr int kDnsHookMissing = 883;

// Connection states (RASCONNSTATE).
enum ConnState : int {
    OpenPort = 0,
    PortOpened = 1,
    ConnectDevice = 2,
    DeviceConnected = 3,
    AllDevicesConnected = 4,
    Authenticate = 5,
    AuthNotify = 6,
    AuthRetry = 7,
    AuthCallback = 8,
    AuthChangePassword = 9,
    AuthProject = 10,
    AuthLinkSpeed = 11,
    AuthAck = 12,
    ReAuthenticate = 13,
    Authenticated = 14,
    PrepareForCallback = 15,
    WaitForModemReset = 16,
    WaitForCallback = 17,
    Projected = 18,
    StartAuthentication = 19,
    CallbackComplete = 20,
    LogonNetwork = 21,
    SubEntryConnected = 22,
    SubEntryDisconnected = 23,
    Interactive = 0x1000,
    RetryAuthentication = 0x1001,
    CallbackSetByCaller = 0x1002,
    PasswordExpired = 0x1003,
    Connected = 0x2000,
    Disconnected = 0x2001,
};

// The phone-book entry.
struct Entry
{
    quint32 options = 0;
    QString localPhoneNumber;
    quint32 netProtocols = 0;
    quint32 framingProtocol = 0;
    QString deviceType;
    QString deviceName;
    IpAddr ipaddr, ipaddrDns, ipaddrDnsAlt, ipaddrWins, ipaddrWinsAlt;
};

// RASCONNSTATUS as far as the program reads it.
struct ConnStatus
{
    int state = OpenPort;
    int error = 0;
    QString deviceType;
    QString deviceName;
};

} // namespace Ras
