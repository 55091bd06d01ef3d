// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/CIrDASock.h"
#include "phonelink/UucpLock.h"
#include "quarrin_export.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Whether what the watcher reads is kept (1) or dropped (0).
enum EnCommState { COMM_DISABLE = 0, COMM_ENABLE = 1 };

// The line parameters handed to CComm::CreateComm; copied, not kept.
struct QUARRIN_EXPORT StInitCommInfo
{
    void* ownerWindow = nullptr; // stored, not used
    quint32 spare = 0;           // stored, not used
    quint8 portNumber = 0;       // n of COMn
    quint32 baudRate = 0;        // bits per second
    quint8 dataBits = 8;
    quint8 flowControl = 0; // 0x01 DTR/DSR, 0x02 RTS/CTS, 0x04 XON/XOFF
    quint8 parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
    quint8 stopBits = 0;    // 0 one, 1 one and a half, 2 two
    qint32 extra1 = 0;      // stored, not used
    qint32 extra2 = 1;      // stored, not used
};

// The serial link to the phone: opens COMn (through the port map) exclusively,
// sets the line up with termios, and runs a watcher thread that appends
// everything the phone sends to a 102,400-byte receive buffer.
//
// All public operations are called from one thread (the program's UI thread);
// the watcher and the IrDA presence poller are the library's own threads and are
// always joined before the object changes state under them.
class QUARRIN_EXPORT CComm
{
public:
    static constexpr int kBufferSize = 102400;
    static constexpr int kChunkSize = 8192;
    static constexpr int kHoldMs = 4000;
    // The received text keeps at least this much of what came last, and at
    // most twice as much.
    static constexpr int kReceivedTextSize = kBufferSize;

    CComm();
    ~CComm();
    CComm(const CComm&) = delete;
    CComm& operator=(const CComm&) = delete;

    int CreateComm(const StInitCommInfo* info);
    int OpenConnection();
    int SetupConnection();
    int WriteCommBlock(const char* data, unsigned long length);
    int ReadCommBlock(unsigned char* buffer, int maximum);
    // Copies the whole receive buffer; `buffer` must hold kBufferSize bytes.
    void ReadFromInternalBuffer(unsigned char* buffer, unsigned long* count);
    void ReadFromInternalBuffer(QString& text);
    void SetEmptyInternalBuffer();
    void CloseConnection();
    void DestroyComm();

    void SetCommEnable(EnCommState state) { enableState = state; }
    int GetConnectStatus() const { return connected; }

    static quint32 CommWatchProc(char* link);
    static unsigned int CommDataReceiveThread(void* link);

    int GetOnlinePort();
    int GetIRPort();
    int IRCheck();
    void IrDAClose();
    int IsIrDAOpen() const { return 0; }
    void SendOnlineMessage(int purge);
    void SendIROnlineMessage(int) {}
    void WriteATLog(int, const QString&) {}

    // The link's state as the program reads and writes it directly.
    std::atomic<EnCommState> enableState{COMM_DISABLE};
    std::atomic<int> connected{0};

    // "COM3" below 10, the device-namespace form "\\.\COM12" from 10 on.
    static QString PortName(int number);
    // The device node the port number resolved to at the last open.
    QString DevicePath() const { return devicePath_; }
    // What was received while enabled: the last kReceivedTextSize bytes at least.
    QByteArray ReceivedText() const;
    StInitCommInfo Parameters() const { return info_; }

    // The watcher sees a change of the CTS line. Real ports report it
    // themselves; ports without modem lines (pseudo-terminals) only through this.
    void NotifyCtsChange();
    // The watcher waits kHoldMs before the phone's first answer and after every
    // change of CTS, for a phone that wakes up slowly: what the connect's
    // preparation is timed for. A short question (a probe, the SIM's identity,
    // a balance) is asked without it. Takes effect at the next open.
    void SetSettleHold(bool hold) { settleHold_ = hold; }
    // Where UUCP lock files go (tests); empty: /run/lock or /var/lock.
    static void SetLockDirectory(const QString& directory);

protected:
    void WriteToInternalBuffer(const unsigned char* data, int length);

private:
    quint32 WatchLoop();
    bool HoldFor(int milliseconds);
    void DrainPort();
    void ClosePort();
    int SampleCts() const;
    void StopIrPoller();

    StInitCommInfo info_;
    bool created_ = false;
    int fd_ = -1;
    int wakeFd_ = -1;
    QString devicePath_;
    UucpLock lock_;
    std::thread watcher_;
    bool settleHold_ = true;
    bool holding_ = true; // settleHold_ as the watcher started with it
    std::atomic<bool> watcherReady_{false};

    std::atomic<bool> stop_{false};
    std::atomic<bool> ctsPending_{false};
    std::atomic<bool> lineLost_{false};
    bool modemLines_ = false;

    mutable std::mutex bufferMutex_; // the receive buffer, its count, the received text
    std::array<unsigned char, kBufferSize> buffer_{};
    int count_ = 0;
    QByteArray receivedText_;

    std::mutex readMutex_; // one reader of the port at a time

    std::mutex irdaMutex_;
    CIrDASock irda_;
    std::thread irPoller_;
    std::atomic<bool> irPollerStop_{false};
    std::condition_variable irPollerWake_;
    std::mutex irPollerMutex_;
};
