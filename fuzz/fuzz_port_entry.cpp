// SPDX-License-Identifier: GPL-3.0-or-later
// Port entries come back from the settings file, which anyone can edit; the
// device path is later opened and handed to pppd, and the modem name is shown.
//
// Input: bytes 0-1 are the COM number (signed, little-endian), the rest the
// entry as the settings keep it, in UTF-8.
#include "phonelink/PortMap.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what, const QString& value)
{
    std::fprintf(stderr, "fuzz_port_entry: %s\n--- entry ---\n%s\n---\n", what, value.toUtf8().constData());
    std::abort();
}

bool HasControl(const QString& s)
{
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int number = static_cast<int16_t>(static_cast<uint16_t>(data[0] | (data[1] << 8)));
    const QString value =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 2, static_cast<qsizetype>(size - 2));

    const std::optional<MappedPort> p = PortMap::ParseExplicit(number, value);
    if (!p)
        return 0;
    if (p->number != number || number < 1 || number > PortMap::kMaxPort)
        Fail("a number outside 1..255 was accepted", value);
    if (!p->device.startsWith(QLatin1Char('/')))
        Fail("the device is not an absolute path", value);
    if (p->device.contains(QLatin1Char(';')) || HasControl(p->device))
        Fail("the device holds ';' or a control character", value);
    if (HasControl(p->info.modemName))
        Fail("the modem name holds a control character", value);
    if (!p->explicitEntry || p->info.node != p->device)
        Fail("the entry does not point at its own device", value);
    if (!PortMap::ExplicitEntryProblem(p->device, p->info.modemName).isEmpty())
        Fail("an accepted entry has a problem", value);

    // Saving the entry and reading it back must give the same port.
    const QString saved = p->info.modemName.isEmpty() ? p->device : p->device + QLatin1Char(';') + p->info.modemName;
    const std::optional<MappedPort> back = PortMap::ParseExplicit(number, saved);
    if (!back || back->device != p->device || back->info.modemName != p->info.modemName)
        Fail("the entry does not survive being saved", value);
    return 0;
}
