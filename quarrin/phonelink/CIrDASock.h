// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phonelink/OsVersion.h"
#include "phonelink/RegistryTree.h"
#include "quarrin_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// How IrDA discovery reaches the stack; the default uses AF_IRDA sockets, tests
// put their own in place.
class QUARRIN_EXPORT IrdaDiscovery
{
public:
    virtual ~IrdaDiscovery();
    // A new discovery socket, or -1 with the error number set.
    virtual int OpenSocket(int& error) = 0;
    // The names of the devices in range (at most five, as the stack reports
    // them); false with the error number set when the query fails.
    virtual bool EnumerateDevices(int socket, QList<QByteArray>& names, int& error) = 0;
};

// Finds the maker's phone over infrared and the COM port that reaches it.
class QUARRIN_EXPORT CIrDASock
{
public:
    static constexpr int kDataSize = 8192;
    static constexpr int kNameSize = 22;
    static constexpr int kIrPortCount = 100;

    CIrDASock();
    ~CIrDASock();
    // A copy gets its own duplicate of the socket, so each object closes only
    // what it owns.
    CIrDASock(const CIrDASock& other);
    CIrDASock& operator=(const CIrDASock& other);

    // True when a device whose name begins with "KORVANE" is in range; its name
    // is recorded. A socket left by an earlier call is closed first.
    bool IrDAOpen();
    // The COM number of the recorded phone's infrared port, or -1.
    int IrPortSearch();
    QString GetIrDAName() const;
    // An AT command over the socket: the answer, or empty (see GetErrorNum and
    // the data buffer for why).
    QString Command(const QString& command);
    int GetData(QString& text) const;
    int GetErrorNum() const { return errorNum_; }
    unsigned int GetIrDASock() const { return socket_ < 0 ? 0u : static_cast<unsigned>(socket_); }
    void IrDAClose();

    // The search over a given registry and system version; IrPortSearch uses the
    // machine's. Fills the process-wide IR port table first.
    static int SearchIrPort(const RegistryTree& tree, const Quarrin::OsVersion& version,
                            const QString& deviceName);
    // Entry n of the process-wide IR port table (five strings, see the .cpp).
    static std::array<QString, 5> IrPortEntry(int number);
    // Empties the table (tests; the program never does).
    static void ResetIrPortTable();

    // Test seams: the discovery to use (nullptr restores the AF_IRDA one) and the
    // receive time-out (default 10 s).
    static void SetDiscovery(IrdaDiscovery* discovery);
    static void SetReceiveTimeoutMs(int milliseconds);
    // Uses a connected socket as the object's socket (tests of Command).
    void AdoptSocket(int socket);

private:
    bool SendData();
    bool RecvData();

    int socket_ = -1;
    QByteArray data_;
    QByteArray deviceName_;
    int sendLength_ = 0;
    int errorNum_ = 0;
    bool firstReset_ = false;
};
