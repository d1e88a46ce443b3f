// Entry point of the window. The main window itself is still to come; until
// then this takes the single-instance claim, prepares the data folder and
// shows which mice are connected.

#include "device/DeviceCatalogue.h"
#include "platform/SingleInstance.h"
#include "store/DataFolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto instance = SingleInstance::create();
    if (!instance->tryAcquire())
        return 1;
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    seedDataFolder(QCoreApplication::applicationDirPath());
    loadDeviceCatalogue();
    enumerateDevices();

    QLabel label(QStringLiteral("KORVALEN Gaming Mouse Config"));
    label.setWindowTitle(QStringLiteral("KORVALEN Gaming Mouse Config"));
    label.show();
    return app.exec();
}
