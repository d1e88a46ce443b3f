#pragma once

#include "common/TestHome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What every fuzz target starts with: an application object, so that the
// data folder is found as the program finds it, under a temporary home of
// its own, so that a run never reads or writes a real one.
namespace fuzz {

inline TestHome &home()
{
    static TestHome h;
    return h;
}

inline void start(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvalen-fuzz"));
    QDir().mkpath(home().dataFolder());
}

// Replaces the file at `path` with the input. Every input gets a time of
// its own, so that a reader that keeps files it has parsed until their size
// or time changes (as QSettings does) never takes one input for another.
inline void writeInput(const QString &path, const uint8_t *data, size_t size)
{
    static qint64 stamp = 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.setFileTime(QDateTime::fromMSecsSinceEpoch(++stamp * 1000, Qt::UTC),
                     QFileDevice::FileModificationTime);
}

// A finding that is no crash: a reader broke a promise its header makes.
inline void require(bool promise)
{
    if (!promise)
        std::abort();
}

} // namespace fuzz
