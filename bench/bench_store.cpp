// Times saveStore and loadStore of five full profiles in a temporary data
// folder. Not a test: it prints the figures.
//
//   bench_store [repetitions]

#include "common/TestHome.h"
#include "store/ConfigFile.h"
#include "store/ProductConfig.h"
#include "store/RandomRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

struct Figures
{
    double min = 0;
    double median = 0;
    double max = 0;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {ms.front(), median, ms.back()};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = std::max(1, app.arguments().value(1, QStringLiteral("20")).toInt());

    TestHome home;
    writeProductName(QStringLiteral("NX-19"));

    QRandomGenerator rng(1);
    ProfileStore store;
    store.LiftHigh = 2;
    for (int i = 0; i < kProfileCount; ++i) {
        store.profiles[i] = RandomRecord::profile(rng);
        store.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    }

    std::vector<double> saveMs;
    std::vector<double> loadMs;
    QElapsedTimer timer;
    for (int r = 0; r < repetitions; ++r) {
        timer.start();
        if (!saveStore(store))
            return 1;
        saveMs.push_back(timer.nsecsElapsed() / 1e6);

        ProfileStore loaded;
        timer.start();
        loadStore(loaded);
        loadMs.push_back(timer.nsecsElapsed() / 1e6);
        if (!(loaded == store))
            return 1;
    }

    QTextStream out(stdout);
    out << "five profiles of 8406 keys, " << repetitions << " repetitions\n";
    const Figures save = figures(saveMs);
    const Figures load = figures(loadMs);
    out << QStringLiteral("saveStore  min %1 ms  median %2 ms  max %3 ms\n")
               .arg(save.min, 0, 'f', 1)
               .arg(save.median, 0, 'f', 1)
               .arg(save.max, 0, 'f', 1);
    out << QStringLiteral("loadStore  min %1 ms  median %2 ms  max %3 ms\n")
               .arg(load.min, 0, 'f', 1)
               .arg(load.median, 0, 'f', 1)
               .arg(load.max, 0, 'f', 1);
    return 0;
}
