// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPair>
#include <QString>

namespace NetworkCode {

// Mobile country and network code at the start of an IMSI; both empty
// when it is not one. The MNC's length is not in the IMSI: three digits
// where the country numbers its networks so, else two.
QPair<QString, QString> MccMnc(const QString& imsi);

} // namespace NetworkCode
