#pragma once

#include "common/TestHome.h"

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the built korvalen-ctl the way a user does, in a test's own data
// and runtime folders, with the pointer speed going to a stand-in.
struct CtlResult
{
    int status = -1;
    QString out;
    QString err;
};

inline CtlResult runCtl(const TestHome &home, const QStringList &args,
                        const QMap<QString, QString> &env = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE"));
    environment.remove(QStringLiteral("KORVALEN_HID_TRACE"));
    environment.remove(QStringLiteral("KORVALEN_VIRTUAL_MOUSE_FAIL"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.dataHome());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.runtimeDir());
    environment.insert(QStringLiteral("KORVALEN_GSETTINGS"), QStringLiteral("/bin/true"));
    for (auto it = env.cbegin(); it != env.cend(); ++it)
        environment.insert(it.key(), it.value());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"), args);
    CtlResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
