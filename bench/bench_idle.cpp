// How often the window wakes while a mouse is plugged in and says nothing:
// the window, offscreen, open on the mouse of the stand-in hidapi library
// (StandinHidapi.cpp) under the real hidapi backend, left idle. Prints the
// wake-ups per second of the two readers and of every thread of the
// process (as the kernel counts them: times a thread blocked and was woken
// again), and the hidapi read calls per second. Not a test: it prints the
// figures.
//
//   bench_idle [seconds]

#include "common/CatalogueFile.h"
#include "common/StandinMouse.h"
#include "common/TestHome.h"
#include "common/ThreadWakeups.h"

#include "app/MousecfgWidget.h"
#include "store/ConfigFile.h"
#include "store/DataFolder.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Reader start-up and pointer-speed calls stay away from the desktop.
    qputenv("KORVALEN_GSETTINGS", "/bin/false");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int seconds = std::max(1, app.arguments().value(1, QStringLiteral("10")).toInt());

    TestHome home;
    Skin::setApplicationDir(QStringLiteral(KORVALEN_APP_DIR));
    seedDataFolder(QStringLiteral(KORVALEN_APP_DIR));
    const CatalogueRow mouse = row(QStringLiteral("NX-19"), 0x13);
    writeCatalogue({mouse});
    writeProductName(mouse.name);
    StandinMouse standin(home.path() + QStringLiteral("/hid"), mouse);
    if (!standin.isValid()) {
        out << "cannot make the stand-in mouse's nodes\n";
        return 1;
    }

    MousecfgWidget window;
    if (window.connectedCount() != 1 || !window.readersRunning()) {
        out << "the window did not open the stand-in mouse\n";
        return 1;
    }
    window.show();
    waitMs(1000); // start-up done, readers past their first pause

    const long callsBefore = StandinMouse::readCalls();
    const auto before = threadWakeups();
    QElapsedTimer clock;
    clock.start();
    waitMs(seconds * 1000);
    const auto after = threadWakeups();
    const double elapsed = double(clock.elapsed()) / 1000.0;
    const long calls = StandinMouse::readCalls() - callsBefore;

    QMap<QString, qint64> byName;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        byName[it->name] += it->wakeups - before.value(it.key()).wakeups;
    out << "window idle on a silent stand-in mouse for " << QString::number(elapsed, 'f', 1)
        << " s\n";
    out << "thread            wake-ups/s\n";
    qint64 total = 0;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        out << QStringLiteral("%1  %2\n").arg(it.key(), -16).arg(double(*it) / elapsed, 10, 'f', 1);
        total += *it;
    }
    out << QStringLiteral("%1  %2\n")
               .arg(QStringLiteral("all threads"), -16)
               .arg(double(total) / elapsed, 10, 'f', 1);
    out << QStringLiteral("%1  %2\n")
               .arg(QStringLiteral("hidapi reads"), -16)
               .arg(double(calls) / elapsed, 10, 'f', 1);
    return 0;
}
