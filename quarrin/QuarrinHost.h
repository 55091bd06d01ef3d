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
    // A question with OK and Cancel; true for OK. Without an answer of the
    // program's, nothing is started on the user's behalf.
    virtual bool AskOkCancel(const QString& text, const QString& caption);

    // Where the update client finds its server. The default never reaches a
    // real host: the program sets the one it is published on.
    struct UpdateServerSetting
    {
        QString host = QStringLiteral("update.braxlow.invalid");
        quint16 port = 9999;
        int timeoutSeconds = 30;
    };
    virtual UpdateServerSetting UpdateServer() const;
    // The folder downloads go to: "download" beside the program.
    virtual QString DownloadFolder() const;
    // Where the settings the update server is named in are kept; empty when
    // the program does not say.
    virtual QString SettingsFile() const;
    // Hands a downloaded installation package to the desktop's handler for
    // its type (the package installer); false when none took it.
    virtual bool OpenDownloadedFile(const QString& path);
    // Shows the folder of a downloaded file that is not to be opened.
    virtual bool ShowDownloadedFile(const QString& path);
    // Ends the program the ordinary way (every open window and loop returns), so
    // settings and data are saved as on any other exit.
    virtual void EndProgram();
};

namespace Quarrin {

// Registers the program's host object; pass nullptr when it goes away.
QUARRIN_EXPORT void RegisterHost(QuarrinHost* host);
// The registered host, or nullptr before registration.
QUARRIN_EXPORT QuarrinHost* Host();

} // namespace Quarrin
