// Start-up cost of the command-line tool: runs "korvalen-ctl list" on a
// virtual NX-19 in a home of its own (which the first, unmeasured run
// seeds), bench_bare (a QtCore program that prints one line) and
// bench_bare_gui (the same with QtGui linked) in turn, each after one
// unmeasured run, and prints the median and best wall time of each, the
// median processor time (user and system, which other load on the machine
// disturbs far less) and the ratios of the medians to bench_bare's. Not a
// test: it prints the figures.
//
//   bench_list [runs]

#include "common/TestHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include <sys/resource.h>

namespace {

struct Times
{
    double wallMs = -1; // -1: the program failed
    double cpuMs = 0;
};

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

Times runOnce(const QString &program, const QStringList &arguments)
{
    Times times;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const double cpuBefore = childCpuMs();
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return times;
    times.wallMs = double(clock.nsecsElapsed()) / 1e6;
    times.cpuMs = childCpuMs() - cpuBefore;
    return times;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("30")).toInt());
    TestHome home; // korvalen-ctl seeds and reads a data folder of its own here
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("KORVALEN_VIRTUAL_MOUSE", "NX-19");

    const QString dir = QCoreApplication::applicationDirPath();
    const struct
    {
        const char *name;
        QString program;
        QStringList arguments;
    } programs[] = {
        {"bare QtCore program", dir + QStringLiteral("/bench_bare"), {}},
        {"the same with QtGui", dir + QStringLiteral("/bench_bare_gui"), {}},
        {"korvalen-ctl list",
         QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl"),
         {QStringLiteral("list")}},
    };
    constexpr int kPrograms = int(sizeof programs / sizeof programs[0]);
    std::vector<double> ms[kPrograms];
    std::vector<double> cpu[kPrograms];
    for (int p = 0; p < kPrograms; ++p) {
        if (runOnce(programs[p].program, programs[p].arguments).wallMs < 0) {
            out << programs[p].program << " failed\n";
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p) {
            const Times times = runOnce(programs[p].program, programs[p].arguments);
            ms[p].push_back(times.wallMs);
            cpu[p].push_back(times.cpuMs);
        }
    }
    out << runs << " runs each\n";
    out << "program              wall: median (ms)  best (ms)  / bare   cpu: median (ms)  / bare\n";
    for (int p = 0; p < kPrograms; ++p) {
        out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                   .arg(QString::fromLatin1(programs[p].name), -19)
                   .arg(median(ms[p]), 17, 'f', 1)
                   .arg(*std::min_element(ms[p].begin(), ms[p].end()), 9, 'f', 1)
                   .arg(median(ms[p]) / median(ms[0]), 6, 'f', 2)
                   .arg(median(cpu[p]), 16, 'f', 1)
                   .arg(median(cpu[p]) / median(cpu[0]), 6, 'f', 2);
    }
    return 0;
}
