// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The field sizes of "EntryInfo": names, user name, password, provider and
// APN; the country; the dial string, addresses, QoS texts and the flag. The
// "ConnectInfo" copy in the settings holds no more than the entry can.
namespace EntryFieldSize {
constexpr int kName = 50;
constexpr int kCountry = 30;
constexpr int kShort = 20;
} // namespace EntryFieldSize
