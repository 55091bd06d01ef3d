// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quarrin_export.h"

#include <QString>

class PortMap;
class QTranslator;

// What the library needs from the program that loads it. The program registers
// its application object at start; the library asks it each time instead of
// caching, so a language switch or a port change is seen at once.
class QUARRIN_EXPORT QuarrinHost
{
public:
    virtual ~QuarrinHost();

    // The current language module; null when none could be loaded.
    virtual const QTranslator* LanguageModule() const = 0;
    // The configured cable port (COM number), 0 when none.
    virtual int CablePort() const = 0;
    // The machine's serial ports by COM number.
    virtual PortMap& SerialPorts() = 0;

    virtual QString UpdateProductId() const = 0;
    virtual QString UpdateVersionId() const = 0;
    virtual QString ProductDisplayName() const = 0;
    virtual QString VersionPrefix() const = 0;
    virtual QString CurrentVersionText() const = 0;

    // A message box owned by the program (called on its UI thread only).
    virtual void ShowMessage(const QString& text, const QString& caption) = 0;
};

namespace Quarrin {

// Registers the program's host object; pass nullptr when it goes away.
QUARRIN_EXPORT void RegisterHost(QuarrinHost* host);
// The registered host, or nullptr before registration.
QUARRIN_EXPORT QuarrinHost* Host();

} // namespace Quarrin
