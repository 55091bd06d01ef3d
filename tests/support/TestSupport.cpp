// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "LanguageLoader.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdlib>

namespace TestSupport {

void IsolateUserDirectories()
{
    // Lives for the whole process; removed at exit.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/braxlow-test-XXXXXX"));
    const QByteArray base = QFile::encodeName(home.path());
    setenv("HOME", base.constData(), 1);
    setenv("XDG_CONFIG_HOME", (base + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (base + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (base + "/cache").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (base + "/runtime").constData(), 1);
    unsetenv("BRAXLOW_CONFIG_HOME");
    QDir().mkpath(QString::fromLocal8Bit(base + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(base + "/runtime"), QFile::ReadOwner |
                                                                         QFile::WriteOwner |
                                                                         QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
}

QString ProgramDirectory()
{
    return QStringLiteral(BRAXLOW_PROGRAM_DIR);
}

ProgramFolder::ProgramFolder(bool withSystemDatabase)
{
    const QString build = ProgramDirectory();
    QFile::link(build + QStringLiteral("/Lang"), dir_.filePath(QStringLiteral("Lang")));
    if (withSystemDatabase)
        QFile::copy(build + QStringLiteral("/BXSYS.mdb"), dir_.filePath(QStringLiteral("BXSYS.mdb")));
}

Settings::Settings() : store(dir.filePath(QStringLiteral("config"))), settings(store)
{
    settings.SetProgramDirectory(ProgramDirectory());
    settings.LoadAll();
    RecordingPrompter silent;
    LanguageLoader(settings, silent).LoadStartupLanguage();
}

} // namespace TestSupport

Prompter::Answer RecordingPrompter::Show(const QString& text, const QString& caption,
                                         Buttons buttons, Icon icon)
{
    shown_.append({text, caption, buttons, icon});
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::Yes;
    default:
        return Answer::Ok;
    }
}
