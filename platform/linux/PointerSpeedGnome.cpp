#include "platform/PointerSpeed.h"

#include "platform/PlatformLog.h"
#include "platform/PointerSpeedScale.h"

#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <cmath>
#include <memory>

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

// What a finished gsettings run says. Without a session's settings daemon
// GLib falls back to a memory backend that accepts every write and keeps
// none; without a session bus dconf accepts the write and then cannot
// commit it. Both exit 0, and both are failures, not successes.
GsettingsRun finishedRun(QProcess &process)
{
    GsettingsRun run;
    const QString program = process.program();
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

GsettingsRun runGsettings(const QStringList &arguments)
{
    const QString program = gsettingsProgram();
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(kTimeoutMs)) {
        qCDebug(lcPlatform).noquote() << program << "cannot be started:" << process.errorString();
        return GsettingsRun();
    }
    if (!process.waitForFinished(kTimeoutMs)) {
        qCDebug(lcPlatform).noquote() << program << "did not answer";
        process.kill();
        process.waitForFinished(kTimeoutMs);
        return GsettingsRun();
    }
    return finishedRun(process);
}

int speedFromRun(const GsettingsRun &run)
{
    if (!run.ok)
        return 0;
    bool ok = false;
    const double value = QString::fromLatin1(run.output).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return pointerSpeedFromGnomeSpeed(value);
}

// A gsettings run that answers its asker once, and not at all once the
// asker is gone: QProcess ends a run it is destroyed with and reports that
// end, by then to an asker in the middle of its own destruction.
class SpeedQuery final : public QProcess
{
public:
    SpeedQuery(QObject *context, std::function<void(int)> done)
        : QProcess(context), m_pending(std::make_shared<std::function<void(int)>>(std::move(done)))
    {}
    ~SpeedQuery() override { *m_pending = nullptr; }

    std::shared_ptr<std::function<void(int)>> pending() const { return m_pending; }

private:
    std::shared_ptr<std::function<void(int)>> m_pending;
};

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
    return speedFromRun(runGsettings(keyArguments("get")));
}

void readSystemPointerSpeedLater(QObject *context, std::function<void(int)> done)
{
    auto *process = new SpeedQuery(context, std::move(done));
    const auto pending = process->pending();
    // Once only: a crash reports both an error and the end.
    auto answer = [process, pending](bool started) {
        if (!*pending)
            return;
        const std::function<void(int)> done = std::move(*pending);
        *pending = nullptr;
        process->deleteLater();
        done(started ? speedFromRun(finishedRun(*process)) : 0);
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, answer](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         qCDebug(lcPlatform).noquote()
                             << process->program()
                             << "cannot be started:" << process->errorString();
                         answer(false);
                     });
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     process, [answer] { answer(true); });
    QTimer::singleShot(kTimeoutMs, process, [process] {
        qCDebug(lcPlatform).noquote() << process->program() << "did not answer";
        process->kill();
    });
    process->start(gsettingsProgram(), keyArguments("get"), QIODevice::ReadOnly);
}
