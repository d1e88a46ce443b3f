#include "platform/PointerSpeed.h"

#include "platform/PlatformLog.h"
#include "platform/PointerSpeedScale.h"

#include <QProcess>
#include <QStringList>

#include <cmath>

namespace {

const char kSchema[] = "org.gnome.desktop.peripherals.mouse";
const char kKey[] = "speed";
// gsettings answers at once; this only guards against a hung session bus.
constexpr int kTimeoutMs = 5000;

QString gsettingsProgram()
{
    const QString program = qEnvironmentVariable("KORVALEN_GSETTINGS");
    return program.isEmpty() ? QStringLiteral("gsettings") : program;
}

struct GsettingsRun
{
    bool ok = false;
    int error = -1; // -1: did not run to its end; else the exit status
    QByteArray output;
};

// Runs gsettings. Without a session's settings daemon GLib falls back to a
// memory backend that accepts every write and keeps none; without a
// session bus dconf accepts the write and then cannot commit it. Both exit
// 0, and both are failures, not successes.
GsettingsRun runGsettings(const QStringList &arguments)
{
    GsettingsRun run;
    const QString program = gsettingsProgram();
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(kTimeoutMs)) {
        qCDebug(lcPlatform).noquote() << program << "cannot be started:" << process.errorString();
        return run;
    }
    if (!process.waitForFinished(kTimeoutMs)) {
        qCDebug(lcPlatform).noquote() << program << "did not answer";
        process.kill();
        process.waitForFinished(kTimeoutMs);
        return run;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        qCDebug(lcPlatform).noquote() << program << "crashed";
        return run;
    }
    const QByteArray errors = process.readAllStandardError();
    run.error = process.exitCode();
    if (run.error != 0) {
        qCDebug(lcPlatform).noquote()
            << program << "failed:" << QString::fromLocal8Bit(errors).trimmed();
        return run;
    }
    if (errors.contains("'memory' GSettings backend")) {
        qCDebug(lcPlatform) << "no desktop settings store; the pointer speed is not kept";
        return run;
    }
    if (errors.contains("failed to commit changes")) {
        qCDebug(lcPlatform).noquote()
            << "the desktop settings store did not keep the pointer speed:"
            << QString::fromLocal8Bit(errors).trimmed();
        return run;
    }
    run.ok = true;
    run.output = process.readAllStandardOutput();
    return run;
}

QStringList keyArguments(const char *command)
{
    return {QLatin1String(command), QLatin1String(kSchema), QLatin1String(kKey)};
}

} // namespace

bool setSystemPointerSpeed(int speed, int *error)
{
    int code = -1;
    if (speed < kMinPointerSpeed || speed > kMaxPointerSpeed) {
        qCDebug(lcPlatform) << "pointer speed" << speed << "lies outside 1-20";
    } else {
        const QString value = QString::number(gnomeSpeedFromPointerSpeed(speed), 'f', 6);
        const GsettingsRun run = runGsettings(keyArguments("set") << value);
        if (run.ok)
            return true;
        code = run.error;
    }
    if (error)
        *error = code;
    return false;
}

int systemPointerSpeed()
{
    const GsettingsRun run = runGsettings(keyArguments("get"));
    if (!run.ok)
        return 0;
    bool ok = false;
    const double value = QString::fromLatin1(run.output).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return pointerSpeedFromGnomeSpeed(value);
}
