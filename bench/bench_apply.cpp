// Runs the whole-store upload against a virtual mouse with the protocol's
// real delays and prints its wall time beside the sum of the delays the
// protocol asks for; the difference is what the program itself costs.
// Not a test: it prints the figures.
//
//   bench_apply [repetitions] [model]

#include "common/CatalogueFile.h"
#include "common/ReportLog.h"
#include "common/TestHome.h"

#include "device/DeviceCatalogue.h"
#include "device/DeviceContext.h"
#include "device/StoreUpload.h"
#include "device/hid/VirtualMouseBackend.h"
#include "macro/MacroFile.h"
#include "store/ConfigFile.h"
#include "store/ProfileDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

struct Run
{
    double wallMs = 0;
    double delayMs = 0;
    int reports = 0;
};

Run applyOnce(const QString &model, const ProfileStore &store)
{
    Run run;
    DeviceContext::reset();
    loadDeviceCatalogue();
    auto mice = std::make_unique<VirtualMouseBackend>(QStringList{model});
    VirtualMouseBackend *raw = mice.get();
    QStringList reports;
    DeviceContext::installHid(std::make_unique<ReportLog>(std::move(mice), &reports), raw);
    enumerateDevices();
    openDeviceByName(model.toUtf8());
    // Sleeps for real, as the program does, and adds up what was asked.
    DeviceContext::setProtocolDelayHook([&run](int ms) {
        run.delayMs += ms;
        QThread::msleep(static_cast<unsigned long>(ms));
    });
    QElapsedTimer timer;
    timer.start();
    ApplyStore(store);
    run.wallMs = double(timer.nsecsElapsed()) / 1e6;
    for (const QString &report : reports)
        run.reports += report.startsWith(QLatin1String("set ")) ? 1 : 0;
    closeDevice();
    DeviceContext::reset();
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int repetitions = std::max(1, app.arguments().value(1, QStringLiteral("5")).toInt());
    const QString model = app.arguments().value(2, QStringLiteral("NX-19"));
    // The pointer-speed step must not touch the desktop of whoever runs this.
    if (qEnvironmentVariableIsEmpty("KORVALEN_GSETTINGS"))
        qputenv("KORVALEN_GSETTINGS", "/bin/true");

    TestHome home;
    writeCatalogue({row(model, 1)});
    writeProductName(model);

    ProfileStore defaults;
    initProfileStore(defaults, model);
    // The same store with a 20-event macro on every main button of every
    // profile (five distinct macros, one per profile).
    ProfileStore macros = defaults;
    for (int p = 0; p < kProfileCount; ++p) {
        MacroFileData file;
        for (int i = 0; i < 20; ++i)
            file.events.append(keyEvent(quint8(4 + i), i % 2 == 0));
        const QString name = QStringLiteral("bench%1").arg(p);
        writeMacroFile(name, file);
        for (int b = 0; b < 6; ++b) {
            ButtonInfo &slot = macros.profiles[p].BUTTON_INFO[b];
            slot.Fun = 200;
            slot.LoopNumber = 1;
            slot.macroname = name;
        }
    }

    out << "ApplyStore on a virtual " << model << ", real protocol delays, " << repetitions
        << " runs each\n";
    out << "store             reports  delays (ms)  wall (ms)  overhead (ms)  wall/delays\n";
    const struct
    {
        const char *name;
        const ProfileStore *store;
    } cases[] = {{"model defaults", &defaults}, {"with 5 macros", &macros}};
    for (const auto &c : cases) {
        for (int r = 0; r < repetitions; ++r) {
            const Run run = applyOnce(model, *c.store);
            out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                       .arg(QString::fromLatin1(c.name), -16)
                       .arg(run.reports, 7)
                       .arg(run.delayMs, 11, 'f', 0)
                       .arg(run.wallMs, 9, 'f', 1)
                       .arg(run.wallMs - run.delayMs, 13, 'f', 1)
                       .arg(run.wallMs / run.delayMs, 11, 'f', 3);
            out.flush();
        }
    }
    return 0;
}
