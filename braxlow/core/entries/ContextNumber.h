// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The QoS profile an entry without QoS texts starts from.
extern const QString kDefaultQosBase; // "1,0,0,3,0,0"
// What follows the context number in a QoS text nobody chose.
extern const QString kDefaultQosTail; // ",0,0,3,0,0"

// The packet-data context number (cid) a dial string selects: the number between
// the last ',' or '*' and the '#' after "*99", as in "*99***2#" or "*99*1,4#".
// Every dial string that does not name one, or names 0 or a negative number,
// selects context 1.
int ContextNumberOf(const QString& dialString);

// `qos` with its first field replaced by `cid`; a text without ',' keeps all of
// itself behind the number.
QString SpliceContextNumber(int cid, const QString& qos);

// The QoS text stored on Save: an empty one becomes the default profile of the
// context, any other gets the context number in front.
QString CompleteQosText(int cid, const QString& qos);
