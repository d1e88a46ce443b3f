// Entry point of the window: one running copy, the data folder, the main
// window, the event loop.

#include "app/MousecfgWidget.h"
#include "device/HostActions.h"
#include "device/hid/VirtualMouseControl.h"
#include "platform/KeyPulses.h"
#include "platform/SingleInstance.h"
#include "store/DataFolder.h"
#include "store/ProductConfig.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QTextStream>

namespace {

// -h and --help are answered before the window system is asked for, so they
// work without a display. Everything else is left alone: Qt's own options
// (-platform, -style...) are for QApplication, and an unknown argument is
// ignored rather than refused.
bool helpAsked(int argc, char *argv[])
{
    if (argc < 2)
        return false;
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    // "-stylesheet" is one word, not the letters s, t, y, ... and h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("KORVALEN Gaming Mouse Config"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    parser.parse(QCoreApplication::arguments());
    if (!parser.isSet(help))
        return false;
    QTextStream(stdout) << parser.helpText();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (helpAsked(argc, argv))
        return 0;
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
    Q_INIT_RESOURCE(resources);
    installHostActions();
    reportKeyPulseLimits();
    listenForVirtualMouseControl();

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
