// Entry point of the window: one running copy, the data folder, the main
// window, the event loop.

#include "app/MousecfgWidget.h"
#include "platform/SingleInstance.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The window scales itself by its own size classes; Qt's high-DPI
    // scaling stays off (asking for it after the application object exists
    // would do nothing anyway).
    QApplication::setQuitOnLastWindowClosed(false); // lives on in the tray

    auto instance = SingleInstance::create();
    if (!instance->tryAcquire())
        return 1;

    // Style sheets name "./skin/..." relative to the current directory.
    const QString appDir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(appDir);
    Skin::setApplicationDir(appDir);
    seedDataFolder(appDir);
    prefetchStore(); // read while the window builds itself
    Q_INIT_RESOURCE(resources);

    auto *window = new MousecfgWidget;
    if (window->connectedCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    auto *icon = new QIcon(QStringLiteral("./skin/icon.ico"));
    window->setWindowIcon(*icon);
    window->setWindowTitle(QStringLiteral("KORVALEN Gaming Mouse Config"));

    const int status = app.exec();
    delete icon;
    delete window;
    return status;
}
