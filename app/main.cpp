// Entry point of the window: one running copy, the data folder, the main
// window, the event loop.

#include "app/MousecfgWidget.h"
#include "device/HostActions.h"
#include "device/hid/VirtualMouseControl.h"
#include "platform/KeyPulses.h"
#include "platform/ShowRequests.h"
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

struct StartOptions
{
    bool answered = false; // -h or -V: printed, nothing else to do
    bool hidden = false;
};

// -h, --help, -V and --version are answered before the window system is
// asked for, so they work without a display. Everything else is left
// alone: Qt's own options (-platform, -style...) are for QApplication, and
// an unknown argument is ignored rather than refused.
StartOptions readStartOptions(int argc, char *argv[])
{
    StartOptions options;
    if (argc < 2)
        return options;
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    // "-stylesheet" is one word, not the letters s, t, y, ... and h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("KORVALEN Gaming Mouse Config"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    const QCommandLineOption hidden(
        QStringLiteral("hidden"),
        QStringLiteral("Starts in the tray without showing the window (for start at login)."));
    parser.addOptions({help, version, hidden});
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        options.answered = true;
    } else if (parser.isSet(version)) {
        QTextStream(stdout) << "korvalen-config " KORVALEN_VERSION "\n";
        options.answered = true;
    }
    options.hidden = parser.isSet(hidden);
    return options;
}

// What the tray icon does for a hidden window; a shown one comes to the
// front.
void bringBack(MousecfgWidget *window)
{
    if (window->isHidden()) {
        window->slotWarning();
        return;
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char *argv[])
{
    const StartOptions options = readStartOptions(argc, argv);
    if (options.answered)
        return 0;
    // The window draws with the raster engine only; without this the X11
    // platform plugin loads and sets up GLX for the first window, which
    // doubles the time until the window is mapped.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The window scales itself by its own size classes, so Qt's high-DPI
    // scaling stays off: Qt 5 has it off already, Qt 6 only turns it off
    // through the environment.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // lives on in the tray

    auto instance = SingleInstance::create();
    if (!instance->tryAcquire()) {
        requestShow();
        return 1;
    }
    auto *showRequests = new ShowRequestListener(&app);
    showRequests->listen();

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
    QObject::connect(showRequests, &ShowRequestListener::showRequested, window,
                     [window] { bringBack(window); });
    if (options.hidden) {
        window->stayInTray();
    } else if (window->connectedCount() != 0) {
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
