// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entries/DesktopLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

namespace {

// A value of a desktop entry key: backslashes and line breaks escaped.
QString KeyValue(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

// One word of an Exec line: quoted, with the characters the quoting reserves
// escaped, and '%' doubled so it is not taken as a field code.
QString ExecWord(const QString& word)
{
    QString out = QStringLiteral("\"");
    for (QChar c : word) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        out += c;
    }
    return out + QLatin1Char('"');
}

} // namespace

DesktopLauncher::DesktopLauncher(const QString& folder)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) : folder)
{
}

QString DesktopLauncher::PathFor(const QString& name) const
{
    const bool unusable = name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
                          || std::any_of(name.cbegin(), name.cend(), [](QChar c) {
                                 return c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7f;
                             });
    if (unusable || folder_.isEmpty())
        return QString();
    return folder_ + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

bool DesktopLauncher::Create(const QString& name, const QString& programFile, const QString& workingDirectory,
                             const QString& idText, QString* problem) const
{
    auto fail = [problem](const QString& why) {
        if (problem != nullptr)
            *problem = why;
        return false;
    };
    const QString path = PathFor(name);
    if (path.isEmpty())
        return fail(QString());
    // A fresh account may not have its desktop folder yet.
    if (!QFileInfo(folder_).isDir() && !QDir().mkpath(folder_))
        return fail(QStringLiteral("%1: %2").arg(folder_, qt_error_string(errno)));
    // The Exec line's own value escaping comes on top of its quoting.
    const QString exec = ExecWord(programFile) + QLatin1Char(' ') + ExecWord(QStringLiteral("/ID:") + idText);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=%1\n"
                                        "Comment=Braxlow\n"
                                        "Exec=%2\n"
                                        "Path=%3\n"
                                        "Icon=braxlow\n"
                                        "Terminal=false\n")
                             .arg(KeyValue(name), KeyValue(exec), KeyValue(workingDirectory));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    // Desktops start a launcher on the desktop only when it is executable and,
    // on GNOME, marked trusted.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty()) {
        QProcess gio;
        gio.start(QStringLiteral("gio"), {QStringLiteral("set"), path, QStringLiteral("metadata::trusted"),
                                          QStringLiteral("true")});
        gio.waitForFinished(3000);
    }
    return true;
}

void DesktopLauncher::Recycle(const QString& name) const
{
    const QString path = PathFor(name);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    // The trash lies in the data folder, which a fresh account may not have yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile::moveToTrash(path);
}

void DesktopLauncher::Rename(const QString& oldName, const QString& newName) const
{
    const QString from = PathFor(oldName);
    const QString to = PathFor(newName);
    // A file already under the new name is the user's: it is left alone.
    if (from.isEmpty() || to.isEmpty() || from == to || !QFileInfo::exists(from) || QFileInfo::exists(to))
        return;
    // The launcher shows its Name, so the text changes with the file.
    QFile file(from);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    text.replace(QStringLiteral("\nName=") + KeyValue(oldName) + QLatin1Char('\n'),
                 QStringLiteral("\nName=") + KeyValue(newName) + QLatin1Char('\n'));
    if (!QFile::rename(from, to))
        return;
    QSaveFile rewritten(to);
    if (rewritten.open(QIODevice::WriteOnly) && rewritten.write(text.toUtf8()) >= 0)
        rewritten.commit();
    QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

QStringList DesktopLauncher::ExecArguments(const QString& execValue)
{
    // First the key's value escapes, then the Exec quoting.
    QString value;
    for (qsizetype i = 0; i < execValue.size(); ++i) {
        const QChar c = execValue.at(i);
        if (c == QLatin1Char('\\') && i + 1 < execValue.size()) {
            const QChar n = execValue.at(++i);
            value += n == QLatin1Char('n') ? QChar('\n') : n == QLatin1Char('t') ? QChar('\t')
                   : n == QLatin1Char('r') ? QChar('\r') : n == QLatin1Char('s') ? QChar(' ') : n;
        } else {
            value += c;
        }
    }
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < value.size())
                word += value.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c == QLatin1Char(' ')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    for (QString& w : words)
        w.replace(QLatin1String("%%"), QLatin1String("%"));
    return words;
}
