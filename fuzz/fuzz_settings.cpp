// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file is the one input every user edits by hand and every crash can
// leave half-written, so reading must survive any bytes, and what was read must
// survive a save and a reload unchanged.
#include "core/settings/RegistryFormat.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// QVariant's own == would call a string "3" equal to the number 3; a value that
// changed type on the way through the file has changed.
bool SameMap(const QSettings::SettingsMap& a, const QSettings::SettingsMap& b)
{
    if (a.size() != b.size())
        return false;
    for (auto ia = a.cbegin(), ib = b.cbegin(); ia != a.cend(); ++ia, ++ib) {
        if (ia.key() != ib.key() || ia.value().typeId() != ib.value().typeId() ||
            ia.value() != ib.value())
            return false;
    }
    return true;
}

[[noreturn]] void Fail(const char* what, const QByteArray& written)
{
    std::fprintf(stderr, "fuzz_settings: %s\n--- written ---\n%s\n---\n", what, written.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QSettings::SettingsMap first;
    if (!RegistryFormat::Read(in, first))
        Fail("Read failed, and reading never fails", QByteArray());
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    if (!RegistryFormat::Write(out, first))
        Fail("Write to a buffer failed", written);
    out.close();

    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    QSettings::SettingsMap second;
    RegistryFormat::Read(again, second);
    if (!SameMap(first, second))
        Fail("the settings read back differ from the settings written", written);
    return 0;
}
