// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/entries/IpAddr.h"
#include "core/settings/StringIds.h"

#include <QString>
#include <QtGlobal>
#include <array>

// The two text forms an entry keeps its addresses and QoS profiles in. The entry
// editor's advanced pages write them; the database, the dialer and the AT session
// read them.

// ---- IP address text: "10.0.0.1"; the empty text means "obtain automatically".

// The four fields of an address control as text, "0.0.0.0" included.
QString IpAddressText(const Ras::IpAddr& fields);

// The text after the user edited a field: an all-zero address means the user
// took the address away, so it reads as "not set".
QString EditedIpAddressText(const Ras::IpAddr& fields);

// The text a radio choice hands back: empty for "automatic" (choice 0), else the
// control's fields as they stand. A blank control chosen on purpose gives
// "0.0.0.0", which the dialer treats as no address.
QString ChosenIpAddressText(int choice, const Ras::IpAddr& fields);

// Each dot-separated field is the value of its leading digits kept to one byte;
// the empty text gives 0.0.0.0.
inline Ras::IpAddr ParseIpAddressText(const QString& text)
{
    return Ras::IpAddr::Parse(text);
}

// 1 = use the entry's own DNS servers, 0 = let the network assign them.
// Singapore's M1 has to assign them itself, whatever the entry says.
int DnsChoice(const QString& preferredDns, const QString& alternateDns, const QString& country,
              const QString& provider);

// 1 = fixed IP address, 0 = assigned by the network.
int IpChoice(const QString& ipAddress);

// ---- QoS text: "cid,precedence,delay,reliability,peak,mean", the parameter list of
// AT+CGQMIN and AT+CGQREQ. 0 in the last five means "as subscribed".

// The profile as the QoS pages hold it: every class as the index of its combo item.
// The mean class is the one exception: its last item (index 19) is sent as 31.
struct QosProfile
{
    quint32 cid = 1;
    quint8 precedence = 0;
    quint8 delay = 0;
    quint8 reliability = 3;
    quint8 peak = 0;
    quint8 mean = 0;

    bool operator==(const QosProfile& o) const
    {
        return cid == o.cid && precedence == o.precedence && delay == o.delay &&
               reliability == o.reliability && peak == o.peak && mean == o.mean;
    }
};

constexpr quint8 kMeanBestEffortIndex = 19;
constexpr quint8 kMeanBestEffortValue = 31;

// Six comma-separated fields from the left, each the value of its leading digits
// (none, or a missing field, reads as 0); the class fields keep their low 8 bits.
QosProfile ParseQosText(const QString& text);

QString QosText(const QosProfile& profile);

// The language strings of the QoS combo items, in item order: the item index is
// the class written to the phone (see kMeanBestEffortIndex).
namespace QosItems {
// clang-format off
inline constexpr std::array<int, 4> kPrecedence{
    Str::PrecedenceSubscribed, Str::PrecedenceHigh, Str::PrecedenceNormal, Str::PrecedenceLow};
inline constexpr std::array<int, 5> kDelay{
    Str::DelaySubscribed, Str::Delay1, Str::Delay2, Str::Delay3, Str::Delay4};
inline constexpr std::array<int, 6> kReliability{
    Str::ReliabilitySubscribed, Str::Reliability1, Str::Reliability2, Str::Reliability3,
    Str::Reliability4, Str::Reliability5};
inline constexpr std::array<int, 10> kPeak{
    Str::PeakSubscribed, Str::Peak1, Str::Peak2, Str::Peak3, Str::Peak4, Str::Peak5,
    Str::Peak6, Str::Peak7, Str::Peak8, Str::Peak9};
inline constexpr std::array<int, 20> kMean{
    Str::MeanSubscribed, Str::Mean1, Str::Mean2, Str::Mean3, Str::Mean4, Str::Mean5,
    Str::Mean6, Str::Mean7, Str::Mean8, Str::Mean9, Str::Mean10, Str::Mean11, Str::Mean12,
    Str::Mean13, Str::Mean14, Str::Mean15, Str::Mean16, Str::Mean17, Str::Mean18,
    Str::MeanBestEffort};
// clang-format on
static_assert(kMean.size() == kMeanBestEffortIndex + 1u, "best effort is the last mean item");
} // namespace QosItems
