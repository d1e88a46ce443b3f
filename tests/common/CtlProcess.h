#pragma once

#include "common/TestHome.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

// Runs the built korvalen-ctl the way a user does, in a test's own data
// and runtime folders, with the pointer speed going to a stand-in.
struct CtlResult
{
    int status = -1;
    QString out;
    QString err;
};

// A command line as one text: words apart by spaces, or by '|' where a
// word holds spaces.
inline QStringList words(const QString &line)
{
    return line.split(line.contains(QLatin1Char('|')) ? QLatin1Char('|') : QLatin1Char(' '),
                      Qt::SkipEmptyParts);
}

// Starts korvalen-ctl without waiting, for runs that overlap.
inline std::unique_ptr<QProcess> startCtl(const TestHome &home, const QStringList &args,
                                          const QMap<QString, QString> &env = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"));
    environment.remove(QStringLiteral("KORVALEN_HID_TRACE"));
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_FAIL"));
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_DENY"));
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_UNPLUG"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.dataHome());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.runtimeDir());
    environment.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/true"));
    for (auto it = env.cbegin(); it != env.cend(); ++it)
        environment.insert(it.key(), it.value());
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"), args);
    return process;
}

inline CtlResult finishCtl(QProcess &process)
{
    CtlResult result;
    // An event loop of the test (a window's dialog) may have seen it end.
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(60000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

inline CtlResult runCtl(const TestHome &home, const QStringList &args,
                        const QMap<QString, QString> &env = {})
{
    return finishCtl(*startCtl(home, args, env));
}

// The feature reports of a trace file, in order, " ERR" after failed ones.
inline QStringList tracedFeatureReports(const QString &traceFile)
{
    QFile file(traceFile);
    QStringList frames;
    if (!file.open(QIODevice::ReadOnly))
        return frames;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() >= 4 && parts.at(1) == "set_feature")
            frames << QString::fromLatin1(parts.at(3)) + (parts.size() > 4 ? " ERR" : "");
    }
    return frames;
}
