// Child process of tst_atomicsave. Writes one way or another into the
// store of the data folder it inherits; the test runs it under a file-size
// limit so that the kernel kills it (SIGXFSZ) in the middle of a write.

#include "SaveScenario.h"
#include "store/ProductConfig.h"
#include "store/ProfileFile.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    const ProfileStore store = SaveScenario::newStore();

    if (mode == QLatin1String("saveStore"))
        return saveStore(store) ? 0 : 1;
    if (mode == QLatin1String("writeDpiStageToFile"))
        return writeDpiStageToFile(QStringLiteral("P1"), 3) ? 0 : 1;
    if (mode == QLatin1String("truncatingWrite")) {
        // What a naive writer does: truncate, then write. The control case.
        QFile file(profileFilePath(QStringLiteral("P1")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        file.write(QByteArray(400000, 'x'));
        return file.flush() ? 0 : 1;
    }
    return 2;
}
