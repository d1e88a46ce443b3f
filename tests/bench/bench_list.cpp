// Start-up cost of the command-line tool: runs "korvalen-ctl list",
// bench_bare (a QtCore program that prints one line) and bench_bare_gui
// (the same with QtGui linked) in turn, each after one unmeasured run, and
// prints the median and best wall time of each and the ratios of the
// medians to bench_bare's. Not a test: it prints the figures.
//
//   bench_list [runs]

#include "common/TestHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// Milliseconds from start to exit, or -1 when the program failed.
double runOnce(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return process.exitCode() == 0 ? ms : -1;
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

    const QString ctl = QStringLiteral(KORVALEN_APP_DIR "/korvalen-ctl");
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
    for (int p = 0; p < kPrograms; ++p) {
        if (runOnce(programs[p].program, programs[p].arguments) < 0) {
            out << programs[p].program << " failed\n";
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < kPrograms; ++p)
            ms[p].push_back(runOnce(programs[p].program, programs[p].arguments));
    }
    out << runs << " runs each\n";
    out << "program              median (ms)  best (ms)  median / bare\n";
    for (int p = 0; p < kPrograms; ++p) {
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(QString::fromLatin1(programs[p].name), -19)
                   .arg(median(ms[p]), 11, 'f', 1)
                   .arg(*std::min_element(ms[p].begin(), ms[p].end()), 9, 'f', 1)
                   .arg(median(ms[p]) / median(ms[0]), 13, 'f', 2);
    }
    return 0;
}
