#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Stand-ins for the desktop programs the host actions start, so that no
// test reaches a real browser, mail program or settings store. Each
// records how it was started in a file of its own.
namespace FakePrograms {

// Writes an executable shell script with the given body.
inline bool writeScript(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A program that writes its name, its argument count and its arguments,
// one per line, to record (whole, so a reader never sees half of it).
inline bool writeRecorder(const QString &path, const QString &name, const QString &record)
{
    const QByteArray target = QFile::encodeName(record);
    return writeScript(path, "printf '%s\\n' '" + name.toUtf8() + "' \"$#\" \"$@\" > '" + target +
                                 ".part'\n/bin/mv '" + target + ".part' '" + target + "'");
}

inline QStringList readRecord(const QString &record)
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace FakePrograms
