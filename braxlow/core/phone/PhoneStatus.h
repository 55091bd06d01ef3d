// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// What a phone says about its SIM, its network and its radio, through the
// standard 27.007 questions (+CPIN?, +CREG?, +CGREG?, +CSQ, +CGATT?, ...), and
// which of it explains a refused or unanswered command. Every answer is the
// phone's and is read as untrusted text: unexpected forms read as "unknown".
namespace PhoneStatus {

enum class Sim { Unknown, Ready, Pin, Puk, Absent, OtherLock };

// Registration states of +CREG/+CGREG.
constexpr int kNotRegistered = 0;
constexpr int kHome = 1;
constexpr int kSearching = 2;
constexpr int kDenied = 3;
constexpr int kRoaming = 5;

struct Facts
{
    bool answered = false; // the phone answered at least one question
    Sim sim = Sim::Unknown;
    int pinAttempts = -1;  // from +CPINR, -1 when the phone does not tell
    int circuitRegistration = -1;
    int packetRegistration = -1;
    int rssi = -1;         // 0-31, 99 for no signal, -1 unknown
    int attached = -1;     // +CGATT, -1 unknown
    QString maker, model, firmware, imsi, operatorName;
};

// The +CME ERROR code of an answer (numeric or the common verbose forms), -1
// when there is none.
int CmeError(const QString& answer);
// The text after "prefix:" on its line, trimmed; empty when the answer has no
// such line.
QString InfoValue(const QString& answer, const QString& prefix);

Sim ParseSim(const QString& answer);
int ParseRegistration(const QString& answer, const QString& prefix);
int ParseSignal(const QString& answer);
int ParseAttach(const QString& answer);
int ParsePinAttempts(const QString& answer);
QString ParseOperator(const QString& answer);
QString ParseImsi(const QString& answer);
// The first line of an information answer (+CGMI, +CGMM, +CGMR): neither the
// echo nor the result code, printable characters only, at most 64 of them.
QString ParseText(const QString& answer, const QString& command);

// rssi as dBm (-113 to -51), 0 when unknown or none.
int SignalDbm(int rssi);
// 0 to 4 bars, as phones show them.
int SignalBars(int rssi);
// Whether either registration is home or roaming.
bool Registered(const Facts& facts);

// One command line sent, its answer back: empty on a time-out.
using Send = std::function<QString(const QString& line)>;
enum class Questions { Diagnosis, Everything };
// Asks in a fixed order and stops at the first question left unanswered, so a
// silent phone costs one time-out, not five. The PIN's remaining attempts are
// asked only when the SIM wants its PIN.
Facts Ask(const Send& send, Questions questions);

// The language string that explains a failure best, 0 when nothing does.
// `refusal` is the answer to the command that failed (its +CME code counts).
int Diagnose(const Facts& facts, const QString& refusal);

// PINs are 4 to 8 digits: anything else is never sent to the phone.
bool ValidPin(const QString& pin);

} // namespace PhoneStatus
