#include "platform/linux/DesktopEntries.h"

#include <QFile>
#include <QStandardPaths>

namespace {

QString unescapeValue(const QString &raw)
{
    QString value;
    value.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
            value += c;
            continue;
        }
        const QChar next = raw.at(++i);
        switch (next.unicode()) {
        case 's':
            value += QLatin1Char(' ');
            break;
        case 'n':
            value += QLatin1Char('\n');
            break;
        case 't':
            value += QLatin1Char('\t');
            break;
        case 'r':
            value += QLatin1Char('\r');
            break;
        default:
            // "\\" and, for Exec, the quoting escapes that the command-line
            // split resolves in a second pass.
            if (next != QLatin1Char('\\'))
                value += QLatin1Char('\\');
            value += next;
            break;
        }
    }
    return value;
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList mimeAppsListFiles()
{
    QStringList names;
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                                     .toLower()
                                     .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : desktops)
        names << desktop + QStringLiteral("-mimeapps.list");
    names << QStringLiteral("mimeapps.list");

    QStringList files;
    const QStringList configDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &dir : configDirs) {
        for (const QString &name : names)
            files << dir + QLatin1Char('/') + name;
    }
    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &dir : dataDirs) {
        for (const QString &name : names)
            files << dir + QStringLiteral("/applications/") + name;
    }
    return files;
}

} // namespace

QString desktopEntryValue(const QString &contents, const QString &group, const QString &key)
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    bool inGroup = false;
    const QStringList lines = contents.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup)
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed() != key)
            continue;
        return unescapeValue(line.mid(equals + 1).trimmed());
    }
    return QString();
}

QStringList splitDesktopExec(const QString &exec)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                word += exec.at(++i);
            } else {
                word += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else if (c == QLatin1Char('%')) {
            if (i + 1 == exec.size())
                return {};
            if (exec.at(++i) == QLatin1Char('%')) {
                word += c;
                inWord = true;
            }
            // Any other field code stands for files, URLs, the icon, the
            // name or the file itself, none of which the program passes.
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return {};
    if (inWord)
        words << word;
    return words;
}

QString desktopFilePath(const QString &desktopId)
{
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
        return QString();
    return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
}

QStringList desktopFileCommand(const QString &desktopId)
{
    const QString path = desktopFilePath(desktopId);
    if (path.isEmpty())
        return {};
    const QString exec =
        desktopEntryValue(readFile(path), QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    return splitDesktopExec(exec);
}

QString defaultApplicationFor(const QString &mimeType)
{
    const QStringList files = mimeAppsListFiles();
    for (const QString &file : files) {
        const QString ids =
            desktopEntryValue(readFile(file), QStringLiteral("Default Applications"), mimeType);
        const QStringList list = ids.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &id : list) {
            if (!desktopFilePath(id.trimmed()).isEmpty())
                return id.trimmed();
        }
    }
    return QString();
}
